// Writes a picture of the exercise form, as it opens, to the PNG file named on the command
// line. Runs without a display on Qt's offscreen platform unless another one is chosen.

#include "qt_window/form1takt.h"

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QPixmap>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PICTURE.png\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    qt_window::Form1takt form({});
    form.show();
    QApplication::processEvents();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
