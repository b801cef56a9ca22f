#include "sheet/worksheet_folders.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace sheet {

namespace {

// The same folder by another name (a symbolic link such as /bin for /usr/bin) counts too.
bool isSystemFolder(const std::filesystem::path& folder,
                    std::span<const std::filesystem::path> systemFolders) {
    return std::any_of(
        systemFolders.begin(), systemFolders.end(), [&folder](const std::filesystem::path& system) {
            std::error_code missing;
            return folder == system || std::filesystem::equivalent(folder, system, missing);
        });
}

} // namespace

std::vector<WorksheetFolder> worksheetFolders(const ProgramPlaces& places) {
    std::vector<WorksheetFolder> folders;
    // A place the platform could not find stays in the list with no path, so that the message
    // can say so; a folder already listed is not tried twice.
    const auto add = [&folders](const std::filesystem::path& path, WorksheetFolder::Kind kind) {
        const bool listed = !path.empty() && std::any_of(folders.begin(), folders.end(),
                                                         [&path](const WorksheetFolder& f) {
                                                             return f.path == path;
                                                         });
        if (!listed) {
            folders.push_back({path, kind});
        }
    };
    if (!isSystemFolder(places.programFolder, places.systemFolders)) {
        add(places.programFolder, WorksheetFolder::Kind::Program);
    }
    add(places.documents, WorksheetFolder::Kind::Documents);
    add(places.home, WorksheetFolder::Kind::Home);
    return folders;
}

} // namespace sheet
