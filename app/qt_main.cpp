// Opens the exercise form.

#include "qt_window/form1takt.h"

#include <filesystem>
#include <vector>

#include <QApplication>
#include <QStandardPaths>

namespace {

std::filesystem::path path(const QString& folder) {
    return std::filesystem::path(folder.toStdU16String());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    // The worksheet goes beside the program; where that folder cannot be written (an
    // installed program's usually cannot), into the user's documents.
    const std::vector<std::filesystem::path> worksheetFolders{
        path(QCoreApplication::applicationDirPath()),
        path(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)),
    };
    qt_window::Form1takt form(worksheetFolders);
    form.centreOnScreen();
    form.show();
    return QApplication::exec();
}
