#pragma once

#include "worksheet/byte_sink.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

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
//
// How the file is created, flushed and renamed is the system's own: replacing_file_posix.cpp
// and replacing_file_windows.cpp each implement this class, and the build takes one.
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
    // A hidden name beside the target that no other writer picks (see temporaryName).
    std::filesystem::path temporaryName(unsigned long process, int attempt) const;
    // The system's: the running process's number, and a new file of that name opened for
    // writing as m_file; std::errc::file_exists if the name is taken, the system's reason if
    // the file cannot be made.
    static unsigned long currentProcess();
    std::error_code createNew(const std::filesystem::path& temporary);

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    // The open temporary file: a descriptor, or a Windows HANDLE; -1 for none on both.
    std::intptr_t m_file = -1;
    bool m_committed = false;
};

} // namespace worksheet
