#include "qt_window/face_button.h"

#include "form/design.h"

#include <QPainter>
#include <qdrawutil.h>

namespace qt_window {

namespace {

constexpr int kBevel = form::kButtonDrawing.bevel;
constexpr int kCaptionInset = kBevel;
constexpr int kFocusInset = form::kButtonDrawing.focusInset;
constexpr int kShift = form::kButtonDrawing.pressedShift;

} // namespace

FaceButton::FaceButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_face = palette().color(QPalette::Button);
}

void FaceButton::setFace(const QColor& face) {
    if (face != m_face) {
        m_face = face;
        update();
    }
}

QSize FaceButton::sizeHint() const {
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    const QSize picture = icon().isNull() ? QSize() : iconSize();
    return caption.expandedTo(picture) + QSize(2 * kCaptionInset, 2 * kCaptionInset);
}

QRect FaceButton::captionRect() const {
    return rect().adjusted(kCaptionInset, kCaptionInset, -kCaptionInset, -kCaptionInset);
}

void FaceButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = isDown() || isChecked();
    const QBrush face(m_face);
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);

    // A pressed button's content moves one pixel down and to the right, as if pushed in.
    const QPoint shift = sunken ? QPoint(kShift, kShift) : QPoint();
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;

    if (!icon().isNull()) {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        const QPixmap picture = icon().pixmap(iconSize(), devicePixelRatio(), mode);
        QRect place(QPoint(), iconSize());
        place.moveCenter(rect().center());
        painter.drawPixmap(place.translated(shift), picture);
    }
    if (!text().isEmpty()) {
        painter.setPen(palette().color(group, QPalette::ButtonText));
        painter.drawText(captionRect().translated(shift), kCaptionFlags, text());
    }

    // Drawn here rather than by the style: some styles show focus only after the keyboard
    // moved it, and a graphical button shows it whenever it has it.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(group, QPalette::ButtonText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
    }
}

} // namespace qt_window
