#include "qt_window/face_button.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace qt_window {
namespace {

class FaceButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        button.setText("Μετατροπή αριθμών σε τακτικά αριθμητικά");
        button.setFace(QColor(255, 255, 0));
        button.resize(89, 65);
        button.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&button));
        button.clearFocus();
    }
    QImage picture() { return button.grab().toImage(); }

    FaceButton button;
};

TEST_F(FaceButtonTest, PaintsItsWholeFaceInItsOwnColourWhateverTheStyle) {
    const QImage normal = picture();
    const QRect face = button.captionRect();
    int facePixels = 0;
    for (int y = face.top(); y <= face.bottom(); ++y) {
        for (int x = face.left(); x <= face.right(); ++x) {
            facePixels += normal.pixelColor(x, y) == QColor(255, 255, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(facePixels, face.width() * face.height() / 2) << "mostly face, some caption";
    EXPECT_EQ(normal.pixelColor(face.topLeft()), QColor(255, 255, 0));

    button.setFace(QColor(255, 0, 0));
    EXPECT_EQ(picture().pixelColor(face.topLeft()), QColor(255, 0, 0));
}

TEST_F(FaceButtonTest, FocusPressedAndDisabledEachShow) {
    const QImage normal = picture();

    button.setFocus();
    ASSERT_TRUE(button.hasFocus());
    const QImage focused = picture();
    button.clearFocus();
    EXPECT_NE(focused, normal) << "focus must show";

    button.setDown(true);
    const QImage pressed = picture();
    button.setDown(false);
    EXPECT_NE(pressed, normal) << "a pressed button must look pushed in";

    button.setEnabled(false);
    const QImage disabled = picture();
    EXPECT_NE(disabled, normal) << "a disabled caption must be greyed";
    EXPECT_EQ(disabled.pixelColor(button.captionRect().topLeft()), QColor(255, 255, 0));
}

TEST_F(FaceButtonTest, APictureButtonShowsOnlyItsPictureCentred) {
    QImage square(16, 16, QImage::Format_ARGB32);
    square.fill(QColor(0, 0, 255));
    button.setText({});
    button.setIcon(QIcon(QPixmap::fromImage(square)));
    button.setIconSize(QSize(16, 16));

    const QImage shown = picture();
    EXPECT_EQ(shown.pixelColor(button.rect().center()), QColor(0, 0, 255));
    EXPECT_NE(shown.pixelColor(button.captionRect().topLeft()), QColor(0, 0, 255));
}

} // namespace
} // namespace qt_window
