// Opens the exercise form in its Qt window.

#include "qt_window/form1takt.h"
#include "qt_window/greek_qt.h"
#include "sheet/worksheet_folders.h"

#include <array>
#include <filesystem>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

std::filesystem::path path(const QString& folder) {
    return std::filesystem::path(folder.toStdU16String());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    qt_window::installGreekQt(application); // every word the window shows in Greek

    // Where packages and administrators put programs: this build's own install folder, and the
    // system's usual ones.
    const std::array<std::filesystem::path, 3> systemFolders{ARITHMITIKA_INSTALL_BINDIR, "/usr/bin",
                                                             "/usr/local/bin"};
    qt_window::Form1takt form(sheet::worksheetFolders({
        // From the system's own record of the program, as bytes: Qt gives no folder at all
        // when the name is not UTF-8.
        .programFolder = sheet::runningProgramFolder(),
        .systemFolders = systemFolders,
        .documents = path(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
        .home = path(QDir::homePath()),
    }));
    form.centreOnScreen();
    form.show();
    return QApplication::exec();
}
