// Runs the Windows window's tests with COM and the common controls started, as the program
// starts them.

#include "win32_window/startup.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    const win32_window::Startup startup;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
