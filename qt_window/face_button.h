#pragma once

#include <QAbstractButton>
#include <QColor>

namespace qt_window {

// A button that paints its whole face in its own colour, whatever the style, with a raised
// bevel that sinks while pressed. Its caption is centred and wrapped at word boundaries onto
// as many lines as its width needs; a button with an icon and no caption shows only the
// picture, centred. Focus, pressed and disabled states show as on any button: a dotted focus
// frame, a sunken bevel with the content shifted, a greyed caption and picture.
class FaceButton final : public QAbstractButton {
    Q_OBJECT

public:
    explicit FaceButton(QWidget* parent = nullptr);

    QColor face() const { return m_face; }
    void setFace(const QColor& face);

    QSize sizeHint() const override;

    // The rectangle the caption is drawn into, inside the bevel.
    QRect captionRect() const;
    // The flags the caption is drawn with.
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_face;
};

} // namespace qt_window
