// The yardsticks: an empty Qt Widgets window of the form's size, ending at its first paint;
// built with ARITHMITIKA_ONE_LABEL, the same window showing one short label, which is the least
// a window with any text pays for loading fonts.

#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(645, 412);
#ifdef ARITHMITIKA_ONE_LABEL
    QLabel label(QStringLiteral("1001"), &window);
#endif
    QuitAfterFirstPaint quit(window);
    window.show();
    return QApplication::exec();
}
