#include "form/design.h"
#include "form_fixture.h"
#include "qt_window/face_button.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QAccessible>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace qt_window {
namespace {

enum class Kind { Box, FaceButton, PushButton, Label };

struct Expected {
    std::string name;
    Kind kind;
    QRect pixels;
    QString text;
    std::optional<QColor> background; // a box's base or a button's face
    std::optional<QColor> foreground;
    double points;
    bool bold;
    bool enabled;
    QString accessibleName;
};

QColor qt(form::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// Each control as the design's table has it (tests/form checks the table against the designer's
// form), in what Qt shows: its place in pixels at the design's density, its text at start (a
// number box its sample number, a caption's line breaks as line feeds), its colours and font.
std::vector<Expected> designedControls() {
    std::vector<Expected> controls;
    for (const form::ControlDesign& design : form::kControls) {
        const form::PixelRect place = form::toPixels(design.place, form::kDesignDpi);
        Expected expected{
            std::string(design.name),
            Kind::Label,
            {place.left, place.top, place.width, place.height},
            QString::fromUtf8(design.caption.data(), static_cast<qsizetype>(design.caption.size()))
                .replace("\r\n", "\n"),
            design.background ? std::optional(qt(*design.background)) : std::nullopt,
            design.foreground ? std::optional(qt(*design.foreground)) : std::nullopt,
            design.font.points,
            design.font.bold,
            design.box != form::ordinal(0),
            {}};
        switch (design.kind) {
        case form::ControlKind::TextBox:
            expected.kind = Kind::Box;
            expected.text = design.box->column == sheet::Column::Number
                                ? QString::fromUtf8(sheet::kSampleNumbers[design.box->row].data())
                                : QString();
            break;
        case form::ControlKind::GraphicalButton:
        case form::ControlKind::PictureButton:
            expected.kind = Kind::FaceButton;
            break;
        case form::ControlKind::StandardButton:
            expected.kind = Kind::PushButton;
            break;
        case form::ControlKind::Label:
            break;
        }
        if (design.kind != form::ControlKind::Label) {
            const std::string_view name = form::accessibleName(design);
            expected.accessibleName =
                QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        }
        controls.push_back(std::move(expected));
    }
    return controls;
}

using LayoutTest = FormTest;

TEST_F(LayoutTest, TheWindowIsTheDesignedForm) {
    EXPECT_EQ(form->objectName(), "Form1takt");
    EXPECT_EQ(form->windowTitle(), "Τακτικά και απόλυτα αριθμητικά" + QString(12, ' '));
    EXPECT_EQ(form->size(), QSize(645, 412));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the client area is fixed";
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_DOUBLE_EQ(form->font().pointSizeF(), 8.25);
    EXPECT_FALSE(form->font().bold());
    EXPECT_TRUE(form->windowIcon().isNull() ||
                form->windowIcon().cacheKey() == QApplication::windowIcon().cacheKey())
        << "the window has no icon of its own";
}

TEST_F(LayoutTest, ItHoldsTheDesignedControlsAndNothingElse) {
    std::vector<std::string> expected;
    for (const Expected& c : designedControls()) {
        expected.push_back(c.name);
    }
    std::vector<std::string> shown;
    for (const QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(child->isVisible()) << child->objectName().toStdString();
        shown.push_back(child->objectName().toStdString());
    }
    std::sort(expected.begin(), expected.end());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, expected);
}

TEST_F(LayoutTest, EveryControlHasItsDesignedPlaceTextColoursFontAndState) {
    for (const Expected& c : designedControls()) {
        SCOPED_TRACE(c.name);
        QWidget* widget = control(c.name.c_str());
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.pixels);
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), c.points);
        EXPECT_EQ(widget->font().bold(), c.bold);
        EXPECT_EQ(widget->isEnabled(), c.enabled);
        EXPECT_FALSE(widget->font().italic() || widget->font().underline() ||
                     widget->font().strikeOut());
        if (!c.accessibleName.isEmpty()) {
            EXPECT_EQ(widget->accessibleName(), c.accessibleName);
        }

        switch (c.kind) {
        case Kind::Box: {
            auto* box = qobject_cast<QLineEdit*>(widget);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), c.text);
            EXPECT_TRUE(box->hasFrame());
            EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
            EXPECT_EQ(box->echoMode(), QLineEdit::Normal);
            EXPECT_TRUE(box->inputMask().isEmpty());
            EXPECT_EQ(box->maxLength(),
                      c.name == "intnumber" ? 5 : std::numeric_limits<int>::max());
            if (c.background) {
                EXPECT_EQ(box->palette().color(QPalette::Base), *c.background);
            }
            if (c.foreground) {
                EXPECT_EQ(box->palette().color(QPalette::Active, QPalette::Text), *c.foreground);
            }
            if (!c.enabled) { // strRoman before the first conversion: grey on its pale yellow
                EXPECT_EQ(box->palette().color(QPalette::Disabled, QPalette::Text),
                          QColor(128, 128, 128));
            }
            break;
        }
        case Kind::FaceButton: {
            auto* button = qobject_cast<FaceButton*>(widget);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), c.text);
            EXPECT_EQ(button->face(),
                      c.background.value_or(button->palette().color(QPalette::Button)));
            break;
        }
        case Kind::PushButton: {
            auto* button = qobject_cast<QPushButton*>(widget);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), c.text);
            break;
        }
        case Kind::Label: {
            auto* label = qobject_cast<QLabel*>(widget);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), c.text);
            EXPECT_EQ(label->palette().color(QPalette::WindowText),
                      c.foreground.value_or(QColor()));
            EXPECT_FALSE(label->autoFillBackground()) << "labels draw on the window's silver";
            EXPECT_EQ(label->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
            break;
        }
        }
    }
}

TEST_F(LayoutTest, TheEraseButtonShowsOnlyItsMagnetWithATip) {
    auto* erase = control<FaceButton>("Command3");
    EXPECT_TRUE(erase->text().isEmpty());
    EXPECT_EQ(erase->toolTip(), "Σβήσιμο");
    const QList<QSize> sizes = erase->icon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    const QImage picture = erase->icon().pixmap(QSize(32, 32)).toImage();
    EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0) << "a transparent ground";
    EXPECT_EQ(picture.pixelColor(8, 14), QColor(255, 0, 0)) << "a red magnet";
}

// Where a caption is drawn, with the fonts that were actually found on this machine.
TEST_F(LayoutTest, EveryCaptionFitsItsControl) {
    for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
        SCOPED_TRACE(name);
        const auto* label = control<QLabel>(name);
        const QFontMetrics metrics(label->font());
        const QString firstLine = label->text().section('\n', 0, 0);
        EXPECT_LE(metrics.horizontalAdvance(firstLine), label->contentsRect().width());
        EXPECT_LE(metrics.height(), label->contentsRect().height());
    }

    const auto captionFits = [](const FaceButton* button) {
        const QRect room = button->captionRect();
        const QFontMetrics metrics(button->font());
        const QRect needed = metrics.boundingRect(room, FaceButton::kCaptionFlags, button->text());
        EXPECT_TRUE(room.contains(needed)) << "needs " << needed.width() << "x" << needed.height()
                                           << ", has " << room.width() << "x" << room.height();
        for (const QString& word : button->text().split(' ')) {
            EXPECT_LE(metrics.horizontalAdvance(word), room.width()) << word.toStdString();
        }
    };
    for (const char* name : {"Command1", "Command2"}) {
        SCOPED_TRACE(name);
        captionFits(control<FaceButton>(name));
    }
    {
        SCOPED_TRACE("Command1 in its hover look");
        QTest::mouseMove(form.get(), QPoint(300, 400));
        auto* command1 = control<FaceButton>("Command1");
        ASSERT_DOUBLE_EQ(command1->font().pointSizeF(), 10.0);
        captionFits(command1);
    }

    const auto* worksheet = control<QPushButton>("Command4");
    EXPECT_LT(QFontMetrics(worksheet->font()).horizontalAdvance(worksheet->text()),
              worksheet->width() - 8);

    // The boxes of the first row have a larger font; their text must not be cut off either.
    for (const char* name : {"intnumber", "strRoman", "strgreek", "intnumber1"}) {
        SCOPED_TRACE(name);
        const auto* box = control<QLineEdit>(name);
        EXPECT_LE(QFontMetrics(box->font()).height(), box->height() - 4);
    }
}

TEST_F(LayoutTest, ButtonsAndBoxesHaveGreekNamesForScreenReaders) {
    for (QWidget* widget : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLabel*>(widget) != nullptr) {
            continue;
        }
        SCOPED_TRACE(widget->objectName().toStdString());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty());
        EXPECT_EQ(accessible->text(QAccessible::Name), widget->accessibleName());
    }
}

} // namespace
} // namespace qt_window
