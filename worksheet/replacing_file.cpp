// What replacing a file whole does alike on every system; the rest is in
// replacing_file_posix.cpp or replacing_file_windows.cpp.

#include "worksheet/replacing_file.h"

#include <atomic>
#include <random>
#include <string>
#include <utility>

namespace worksheet {

// The process, a count within it and a random part, so two copies of the program writing into
// one folder at once never share a temporary file.
std::filesystem::path ReplacingFile::temporaryName(unsigned long process, int attempt) const {
    static std::atomic<unsigned> count{0};
    static const unsigned seed = std::random_device{}();
    std::u8string name = u8".~" + m_target.filename().u8string();
    const std::string unique = "." + std::to_string(process) + "-" + std::to_string(count++) + "-" +
                               std::to_string(seed + static_cast<unsigned>(attempt)) + ".tmp";
    name.append(unique.begin(), unique.end());
    return m_target.parent_path() / name;
}

// A temporary name is tried until one is free: another writer may have taken it a moment
// before, between choosing and making it.
ReplacingFile::ReplacingFile(std::filesystem::path target) : m_target(std::move(target)) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        m_temporary = temporaryName(currentProcess(), attempt);
        const std::error_code made = createNew(m_temporary);
        if (!made) {
            return;
        }
        if (made != std::errc::file_exists) {
            fail("cannot create a file beside", made);
        }
    }
    fail("cannot find a free temporary name beside", std::make_error_code(std::errc::file_exists));
}

void ReplacingFile::fail(const char* what, std::error_code reason) const {
    throw std::filesystem::filesystem_error(what, m_target, reason);
}

} // namespace worksheet
