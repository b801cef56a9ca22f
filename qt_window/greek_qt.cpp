#include "qt_window/greek_qt.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace qt_window {

bool installGreekQt(QCoreApplication& application) {
    // Numbers as Greek writes them, with a decimal comma (the print preview's zoom, the
    // margins), whatever the system's language.
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    // One for the program's run, owned by the application.
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral(":/translations/qt_el.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace qt_window
