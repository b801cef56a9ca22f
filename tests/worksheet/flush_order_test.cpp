// The worksheet's bytes reach the disk before the new file takes the old one's name, and the
// folder after it, so a power cut can leave the old worksheet or the new one, never an empty
// file under the name, and never the old one back once the new one was announced. A write that
// a signal cuts short (EINTR, mostly on network folders) is tried again, not reported.
//
// This test program defines fsync, rename and write itself: the worksheet library linked into
// it calls these, which write the call down (or cut a write short) and pass it on to the C
// library.

#include "support/temporary_folder.h"
#include "worksheet/replacing_file.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

std::vector<std::string>* g_calls = nullptr; // written down while a test listens
bool g_interruptNextWrite = false;

// The name of the file or folder that a descriptor stands for.
std::string nameOf(int descriptor) {
    return std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(descriptor))
        .filename()
        .string();
}

} // namespace

// The C library declares these with reserved parameter names, which are not ours to use.
// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
extern "C" int fsync(int descriptor) {
    static const auto next = std::bit_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    if (g_calls != nullptr) {
        g_calls->push_back("fsync " + nameOf(descriptor));
    }
    return next(descriptor);
}

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
extern "C" int rename(const char* from, const char* to) noexcept {
    static const auto next =
        std::bit_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    if (g_calls != nullptr) {
        g_calls->push_back("rename " + std::filesystem::path(from).filename().string() + " " +
                           std::filesystem::path(to).filename().string());
    }
    return next(from, to);
}

// NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name)
extern "C" ssize_t write(int descriptor, const void* bytes, size_t size) {
    static const auto next =
        std::bit_cast<ssize_t (*)(int, const void*, size_t)>(dlsym(RTLD_NEXT, "write"));
    if (g_interruptNextWrite) {
        g_interruptNextWrite = false;
        errno = EINTR;
        return -1;
    }
    return next(descriptor, bytes, size);
}

namespace worksheet {
namespace {

TEST(ReplacingFileOnLinux, FlushesTheNewFileThenRenamesItThenFlushesTheFolder) {
    const testing_support::TemporaryFolder folder;
    std::vector<std::string> calls;
    g_calls = &calls;
    {
        ReplacingFile file(folder.path() / "numbers.txt");
        g_interruptNextWrite = true;
        file.write("worksheet");
        file.commit();
    }
    g_calls = nullptr;

    ASSERT_EQ(calls.size(), 3U);
    const std::string temporary = calls[0].substr(std::string("fsync ").size());
    EXPECT_TRUE(temporary.starts_with(".~numbers.txt.")) << calls[0];
    EXPECT_EQ(calls[1], "rename " + temporary + " numbers.txt");
    EXPECT_EQ(calls[2], "fsync " + folder.path().filename().string());
    EXPECT_FALSE(g_interruptNextWrite) << "the write was not cut short";
    EXPECT_EQ(testing_support::readBytes(folder.path() / "numbers.txt"), "worksheet");
}

} // namespace
} // namespace worksheet
