// Runs the window's tests inside a QApplication, on Qt's offscreen platform unless the
// environment chooses another one (a real display, to watch them), with Qt's own words in Greek
// as the program has them. The tests see nothing of the machine they run on: not its language
// (they run in the C locale) and not its printers (CUPS is asked at an address where no server
// answers, so that only Qt's own PDF printer is there).

#include "qt_window/greek_qt.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("CUPS_SERVER", "/nonexistent/arithmitika-tests/cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QApplication application(argc, argv);
    if (!qt_window::installGreekQt(application)) {
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
