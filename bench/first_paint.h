#pragma once

// Ends the application once a window has painted for the first time: the moment a user would
// first see it.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

class QuitAfterFirstPaint final : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget& window) : QObject(&window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // Let this paint finish and reach the screen before quitting.
            QTimer::singleShot(0, this, [] { QApplication::quit(); });
            watched->removeEventFilter(this);
        }
        return false;
    }
};
