// Replacing a file whole on Windows: CREATE_NEW, write, FlushFileBuffers, then MoveFileExW with
// write-through, through paths that may be longer than MAX_PATH.

#include "worksheet/extended_length_path.h"
#include "worksheet/replacing_file.h"

#include <algorithm>
#include <system_error>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace worksheet {

namespace {

std::error_code lastError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

HANDLE handle(std::intptr_t file) {
    return reinterpret_cast<HANDLE>(file); // NOLINT(performance-no-int-to-ptr): a HANDLE kept
}

} // namespace

std::wstring extendedLengthPath(const std::filesystem::path& path) {
    constexpr std::wstring_view kPrefix = LR"(\\?\)";
    constexpr std::wstring_view kDevice = LR"(\\.\)";
    constexpr std::wstring_view kShare = LR"(\\)";
    std::wstring given = std::filesystem::path(path).make_preferred().native();
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

unsigned long ReplacingFile::currentProcess() {
    return GetCurrentProcessId();
}

std::error_code ReplacingFile::createNew(const std::filesystem::path& temporary) {
    const HANDLE file = CreateFileW(extendedLengthPath(temporary).c_str(), GENERIC_WRITE, 0,
                                    nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        m_file = reinterpret_cast<std::intptr_t>(file);
        return {};
    }
    return GetLastError() == ERROR_FILE_EXISTS ? std::make_error_code(std::errc::file_exists)
                                               : lastError();
}

ReplacingFile::~ReplacingFile() {
    closeFile();
    if (!m_committed) {
        DeleteFileW(extendedLengthPath(m_temporary).c_str());
    }
}

void ReplacingFile::closeFile() noexcept {
    if (m_file != -1) {
        CloseHandle(handle(m_file));
        m_file = -1;
    }
}

void ReplacingFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(handle(m_file), bytes.data(), chunk, &written, nullptr)) {
            fail("cannot write", lastError());
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void ReplacingFile::commit() {
    if (!FlushFileBuffers(handle(m_file))) {
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
    m_committed = true;
}

} // namespace worksheet
