#include "qt_window/greek_qt.h"

#include <QCoreApplication>
#include <QTranslator>

namespace qt_window {

bool installGreekQt(QCoreApplication& application) {
    // One for the program's run, owned by the application.
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral(":/translations/qt_el.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace qt_window
