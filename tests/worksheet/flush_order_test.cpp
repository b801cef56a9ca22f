// The worksheet's bytes reach the disk before the new file takes the old one's name, so a
// power cut can leave the old worksheet or the new one, never an empty file under the name.
//
// This test program defines fsync and rename itself: the worksheet library linked into it
// calls these, which write the call down and pass it on to the C library.

#include "support/temporary_folder.h"
#include "worksheet/replacing_file.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

std::vector<std::string>* g_calls = nullptr; // written down while a test listens

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

namespace worksheet {
namespace {

TEST(ReplacingFileOnLinux, FlushesTheNewFileBeforeRenamingItIntoPlace) {
    const testing_support::TemporaryFolder folder;
    std::vector<std::string> calls;
    g_calls = &calls;
    {
        ReplacingFile file(folder.path() / "numbers.txt");
        file.write("worksheet");
        file.commit();
    }
    g_calls = nullptr;

    ASSERT_GE(calls.size(), 2U);
    const std::string temporary = calls[0].substr(std::string("fsync ").size());
    EXPECT_TRUE(temporary.starts_with(".~numbers.txt.")) << calls[0];
    EXPECT_EQ(calls[1], "rename " + temporary + " numbers.txt");
    EXPECT_EQ(testing_support::readBytes(folder.path() / "numbers.txt"), "worksheet");
}

} // namespace
} // namespace worksheet
