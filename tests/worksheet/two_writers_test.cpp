#include "support/child_process.h"
#include "support/temporary_folder.h"
#include "versions.h"

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace worksheet {
namespace {

using testing_support::ChildProcess;
using testing_support::readBytes;
using testing_support::TemporaryFolder;

// Two running copies of the program may write the worksheet at the same moment: the file is
// always one whole version, never a mix or a fragment, and no temporary file is left.
TEST(TwoWriters, TheWorksheetIsAlwaysOneWholeVersion) {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "WebAssembly starts no other programs";
#endif
    TemporaryFolder folder;
    const TaggedWorksheet first('1');
    const TaggedWorksheet second('2');
    ASSERT_TRUE(saveWorksheet(makeWorksheet(first.rows), folder.path()).saved());
    const std::filesystem::path file = folder.path() / "numbers.txt";

    std::atomic<bool> writing{true};
    int reads = 0;
    int mixed = 0;
    // The reader pauses between reads as any real one does: on Windows a file held open all
    // the time cannot be replaced at all.
    std::thread reader([&] {
        for (; writing; std::this_thread::sleep_for(std::chrono::milliseconds(1))) {
            const std::string bytes = readBytes(file);
            if (bytes.empty()) {
                continue; // Windows may refuse to open it while it is being replaced
            }
            ++reads;
            if (bytes != first.bytes() && bytes != second.bytes()) {
                ++mixed;
            }
        }
    });

    const std::string times = "150";
    ChildProcess one(ARITHMITIKA_REPLACE_MANY, {folder.path().string(), "1", times});
    ChildProcess two(ARITHMITIKA_REPLACE_MANY, {folder.path().string(), "2", times});
    const int oneExit = one.wait();
    const int twoExit = two.wait();
    writing = false;
    reader.join();

    EXPECT_EQ(oneExit, 0);
    EXPECT_EQ(twoExit, 0);
    EXPECT_GT(reads, 0);
    EXPECT_EQ(mixed, 0) << "of " << reads << " reads";
    const std::string last = readBytes(file);
    EXPECT_TRUE(last == first.bytes() || last == second.bytes());
    EXPECT_EQ(folder.names(), std::vector<std::string>{"numbers.txt"});
}

} // namespace
} // namespace worksheet
