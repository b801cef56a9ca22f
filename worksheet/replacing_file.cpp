#include "worksheet/replacing_file.h"

#include <algorithm>
#include <atomic>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>
#endif

namespace worksheet {

namespace {

// A hidden name beside the target that no other writer picks: the process, a count within it
// and a random part, so two copies of the program writing into one folder at once never share
// a temporary file.
std::filesystem::path temporaryName(const std::filesystem::path& target, int attempt) {
    static std::atomic<unsigned> count{0};
    static const unsigned seed = std::random_device{}();
#ifdef _WIN32
    const unsigned long process = GetCurrentProcessId();
#else
    const unsigned long process = static_cast<unsigned long>(getpid());
#endif
    std::u8string name = u8".~" + target.filename().u8string();
    const std::string unique = "." + std::to_string(process) + "-" + std::to_string(count++) + "-" +
                               std::to_string(seed + static_cast<unsigned>(attempt)) + ".tmp";
    name.append(unique.begin(), unique.end());
    return target.parent_path() / name;
}

#ifdef _WIN32
std::error_code lastError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}
#else
std::error_code lastError() {
    return {errno, std::generic_category()};
}
#endif

} // namespace

#ifdef _WIN32
std::wstring extendedLengthPath(const std::filesystem::path& path) {
    constexpr std::wstring_view kPrefix = LR"(\\?\)";
    constexpr std::wstring_view kDevice = LR"(\\.\)";
    constexpr std::wstring_view kShare = LR"(\\)";
    const std::wstring given = std::filesystem::path(path).make_preferred().native();
    if (given.starts_with(kPrefix) || given.starts_with(kDevice)) {
        return given; // already as Windows takes it
    }
    if (given.starts_with(kShare)) { // \\server\share\...
        const std::filesystem::path share =
            std::filesystem::path(given.substr(kShare.size())).lexically_normal();
        return std::wstring(kPrefix) + L"UNC\\" + share.native();
    }
    std::error_code unknown;
    const std::filesystem::path absolute = std::filesystem::absolute(path, unknown);
    return std::wstring(kPrefix) +
           (unknown ? path : absolute).lexically_normal().make_preferred().native();
}
#endif

ReplacingFile::ReplacingFile(std::filesystem::path target) : m_target(std::move(target)) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        m_temporary = temporaryName(m_target, attempt);
#ifdef _WIN32
        HANDLE file = CreateFileW(extendedLengthPath(m_temporary).c_str(), GENERIC_WRITE, 0,
                                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            m_file = file;
            return;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) {
            fail("cannot create a file beside", lastError());
        }
#else
        m_file = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_file >= 0) {
            return;
        }
        if (errno != EEXIST) {
            fail("cannot create a file beside", lastError());
        }
#endif
    }
    fail("cannot find a free temporary name beside", std::make_error_code(std::errc::file_exists));
}

ReplacingFile::~ReplacingFile() {
    closeFile();
    if (!m_committed) {
#ifdef _WIN32
        DeleteFileW(extendedLengthPath(m_temporary).c_str());
#else
        std::error_code ignored;
        std::filesystem::remove(m_temporary, ignored);
#endif
    }
}

void ReplacingFile::closeFile() noexcept {
#ifdef _WIN32
    if (m_file != nullptr) {
        CloseHandle(m_file);
        m_file = nullptr;
    }
#else
    if (m_file >= 0) {
        ::close(m_file);
        m_file = -1;
    }
#endif
}

void ReplacingFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
#ifdef _WIN32
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(m_file, bytes.data(), chunk, &written, nullptr)) {
            fail("cannot write", lastError());
        }
#else
        const ssize_t written = ::write(m_file, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("cannot write", lastError());
        }
#endif
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void ReplacingFile::commit() {
#ifdef _WIN32
    if (!FlushFileBuffers(m_file)) {
        fail("cannot flush", lastError());
    }
    closeFile();
    const std::wstring temporary = extendedLengthPath(m_temporary);
    const std::wstring target = extendedLengthPath(m_target);
    // Windows answers ERROR_ACCESS_DENIED alike for a folder of the target's name, a read-only
    // file and a file held open, so what stands there is looked at first. A read-only file is
    // never replaced (Windows refuses; Wine would not).
    const DWORD standing = GetFileAttributesW(target.c_str());
    if (standing != INVALID_FILE_ATTRIBUTES && (standing & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        fail("cannot replace", std::make_error_code(std::errc::is_a_directory));
    }
    if (standing != INVALID_FILE_ATTRIBUTES && (standing & FILE_ATTRIBUTE_READONLY) != 0) {
        fail("cannot replace", {ERROR_FILE_READ_ONLY, std::system_category()});
    }
    // Windows refuses to replace a file that another program holds open. A reader or a virus
    // scanner lets go within moments, so the rename is tried again for a second; a word
    // processor that keeps the file open is reported.
    constexpr int kAttempts = 40;
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(temporary.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            break;
        }
        const DWORD error = GetLastError();
        const bool held = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
        if (!held || attempt == kAttempts) {
            fail("cannot replace", {static_cast<int>(error), std::system_category()});
        }
        Sleep(25);
    }
#else
    if (::fsync(m_file) != 0) {
        fail("cannot flush", lastError());
    }
    const int closed = ::close(m_file);
    m_file = -1;
    if (closed != 0) {
        fail("cannot close", lastError());
    }
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        fail("cannot replace", lastError());
    }
    // Make the rename itself durable; the file is complete either way, so this is best effort.
    const std::filesystem::path parent = m_target.parent_path();
    const int folder =
        ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
#endif
    m_committed = true;
}

void ReplacingFile::fail(const char* what, std::error_code reason) const {
    throw std::filesystem::filesystem_error(what, m_target, reason);
}

} // namespace worksheet
