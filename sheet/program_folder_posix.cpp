#include "sheet/worksheet_folders.h"

#include <system_error>

namespace sheet {

// Linux names the running program in /proc/self/exe, as bytes: a folder named in a legacy code
// page is found too. A system without it (a browser's) has no program folder to give.
std::filesystem::path runningProgramFolder() {
    std::error_code unknown;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", unknown);
    return unknown ? std::filesystem::path() : program.parent_path();
}

} // namespace sheet
