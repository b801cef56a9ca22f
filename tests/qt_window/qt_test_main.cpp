// Runs the window's tests inside a QApplication, on Qt's offscreen platform unless the
// environment chooses another one (a real display, to watch them), with Qt's own words in Greek
// as the program has them.

#include "qt_window/greek_qt.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (!qt_window::installGreekQt(application)) {
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
