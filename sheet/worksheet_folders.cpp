#include "sheet/worksheet_folders.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace sheet {

namespace {

// One of the folders or a folder inside one (Windows installs each program into its own folder
// under the programs folder, and runs a zip's from its own folder under the temporary one); the
// same folder by another name (a symbolic link such as /bin for /usr/bin) counts too.
bool isInside(const std::filesystem::path& folder, std::span<const std::filesystem::path> folders) {
    for (std::filesystem::path inside = folder; !inside.empty();
         inside = inside.has_relative_path() ? inside.parent_path() : std::filesystem::path()) {
        const bool listed =
            std::any_of(folders.begin(), folders.end(), [&inside](const std::filesystem::path& f) {
                std::error_code missing;
                return !f.empty() &&
                       (inside == f || std::filesystem::equivalent(inside, f, missing));
            });
        if (listed) {
            return true;
        }
    }
    return false;
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
    if (isInside(places.programFolder, places.temporaryFolders)) {
        add(places.programFolder, WorksheetFolder::Kind::Temporary);
    } else if (!isInside(places.programFolder, places.systemFolders)) {
        add(places.programFolder, WorksheetFolder::Kind::Program);
    }
    add(places.documents, WorksheetFolder::Kind::Documents);
    add(places.home, WorksheetFolder::Kind::Home);
    return folders;
}

} // namespace sheet
