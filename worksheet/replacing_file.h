#pragma once

#include "worksheet/byte_sink.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace worksheet {

// A file that is replaced whole or not at all.
//
// The bytes go to a new temporary file in the target's folder. commit() flushes that file to
// the disk and then renames it over the target in one step, so a reader, or a second writer at
// the same moment, only ever sees the old file or the complete new one. A ReplacingFile that
// is destroyed without a successful commit removes its temporary file and leaves the target
// exactly as it was.
//
// Every failure throws std::filesystem::filesystem_error naming the target and the system's
// reason.
#ifdef _WIN32
// A path as Windows takes it past MAX_PATH (260 characters): absolute, with "." and ".." worked
// out, backslashes only, and the \\?\ prefix (\\?\UNC\ for a network share). A folder deep
// enough that only the temporary file's longer name goes past the limit is then written to all
// the same, and never reported as missing.
std::wstring extendedLengthPath(const std::filesystem::path& path);
#endif

class ReplacingFile final : public ByteSink {
public:
    explicit ReplacingFile(std::filesystem::path target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void write(std::string_view bytes) override;
    void commit();

    const std::filesystem::path& target() const { return m_target; }

private:
    void closeFile() noexcept;
    [[noreturn]] void fail(const char* what, std::error_code reason) const;

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
#ifdef _WIN32
    void* m_file = nullptr; // a Windows HANDLE
#else
    int m_file = -1;
#endif
    bool m_committed = false;
};

} // namespace worksheet
