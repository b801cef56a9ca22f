// Replacing a file whole on Linux and other POSIX systems: open with O_EXCL, write, fsync,
// rename, then fsync the folder so that the rename itself survives a power cut.

#include "worksheet/replacing_file.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace worksheet {

namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

int descriptor(std::intptr_t file) {
    return static_cast<int>(file);
}

} // namespace

unsigned long ReplacingFile::currentProcess() {
    return static_cast<unsigned long>(getpid());
}

std::error_code ReplacingFile::createNew(const std::filesystem::path& temporary) {
    m_file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_file >= 0) {
        return {};
    }
    return errno == EEXIST ? std::make_error_code(std::errc::file_exists) : lastError();
}

ReplacingFile::~ReplacingFile() {
    closeFile();
    if (!m_committed) {
        std::error_code ignored;
        std::filesystem::remove(m_temporary, ignored);
    }
}

void ReplacingFile::closeFile() noexcept {
    if (m_file >= 0) {
        ::close(descriptor(m_file));
        m_file = -1;
    }
}

void ReplacingFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor(m_file), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) { // a signal came first: nothing was written, so try again
                continue;
            }
            fail("cannot write", lastError());
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void ReplacingFile::commit() {
    if (::fsync(descriptor(m_file)) != 0) {
        fail("cannot flush", lastError());
    }
    const int closed = ::close(descriptor(m_file));
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
    m_committed = true;
}

} // namespace worksheet
