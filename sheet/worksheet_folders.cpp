#include "sheet/worksheet_folders.h"

#include <algorithm>
#include <string>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

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

std::filesystem::path runningProgramFolder() {
#ifdef _WIN32
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return std::filesystem::path(path).parent_path();
        }
        path.resize(path.size() * 2); // cut short: try again with more room
    }
#else
    std::error_code unknown;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", unknown);
    return unknown ? std::filesystem::path() : program.parent_path();
#endif
}

} // namespace sheet
