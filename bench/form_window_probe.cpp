// Starts the program's window as the program does, and ends at its first paint.

#include "first_paint.h"
#include "qt_window/form1takt.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    qt_window::Form1takt form(
        {{std::filesystem::path(
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdU16String()),
          sheet::WorksheetFolder::Kind::Documents}});
    QuitAfterFirstPaint quit(form);
    form.centreOnScreen();
    form.show();
    return QApplication::exec();
}
