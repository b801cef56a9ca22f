#include "qt_window/form1takt.h"

#include "form/design.h"
#include "qt_window/face_button.h"
#include "qt_window/worksheet_printing.h"
#include "sheet/messages.h"

#include <limits>
#include <utility>

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace qt_window {

namespace {

using form::ControlDesign;
using form::FontDesign;
using form::kControls;
using form::kForm;
using enum form::ControlKind;

QString qt(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QColor qt(form::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// Qt scales a window for the screen's density itself: the form is laid out at the density it
// was designed for.
QRect pixelRect(const form::TwipsRect& place) {
    const form::PixelRect pixels = form::toPixels(place, form::kDesignDpi);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

// The first of the form's faces that the system has. The face is chosen once, so each font is
// looked up by one family rather than by failing through the list every time.
QString formFamily() {
    static const QString family = [] {
        for (const std::string_view candidate : form::kFontFaces) {
            if (QFontDatabase::hasFamily(qt(candidate))) {
                return qt(candidate);
            }
        }
        return QString(); // the system's default face
    }();
    return family;
}

QFont formFont(const FontDesign& design) {
    QFont font(formFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

// The characters of typed that intnumber's key filter lets through.
QString acceptedCharacters(const QString& typed) {
    QString kept;
    for (const char32_t character : typed.toUcs4()) {
        if (sheet::ExerciseSheet::acceptsTypedCharacter(character)) {
            kept.append(QString::fromUcs4(&character, 1));
        }
    }
    return kept;
}

QWidget* makeTextBox(const ControlDesign& design, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    // Qt's own default is 32767 characters; only intnumber has a limit.
    box->setMaxLength(design.maxLength > 0 ? design.maxLength : std::numeric_limits<int>::max());
    QPalette colours = box->palette();
    if (design.background) {
        colours.setColor(QPalette::Base, qt(*design.background));
    }
    if (design.foreground) {
        colours.setColor(QPalette::Active, QPalette::Text, qt(*design.foreground));
        colours.setColor(QPalette::Inactive, QPalette::Text, qt(*design.foreground));
    }
    colours.setColor(QPalette::Disabled, QPalette::Text, qt(form::kDisabledText));
    box->setPalette(colours);
    return box;
}

QWidget* makeFaceButton(const ControlDesign& design, QWidget* parent) {
    auto* button = new FaceButton(parent);
    button->setText(qt(design.caption));
    if (design.background) {
        button->setFace(qt(*design.background));
    }
    if (design.kind == PictureButton) {
        QIcon picture;
        picture.addFile(QStringLiteral(":/form/icons/magnet-16.xpm"), QSize(16, 16));
        picture.addFile(QStringLiteral(":/form/icons/magnet-32.xpm"), QSize(32, 32));
        button->setIcon(picture);
        button->setIconSize(QSize(form::kPictureSize, form::kPictureSize));
    }
    return button;
}

QWidget* makeLabel(const ControlDesign& design, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    // Drawn from the top, so the line breaks that end a caption only add empty lines below.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(qt(design.caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, qt(design.foreground.value_or(form::kLabelText)));
    label->setPalette(colours);
    return label;
}

QWidget* makeControl(const ControlDesign& design, QWidget* parent) {
    switch (design.kind) {
    case TextBox:
        return makeTextBox(design, parent);
    case GraphicalButton:
    case PictureButton:
        return makeFaceButton(design, parent);
    case StandardButton:
        return new QPushButton(qt(design.caption), parent);
    case Label:
        break;
    }
    return makeLabel(design, parent);
}

} // namespace

Form1takt::Form1takt(std::vector<sheet::WorksheetFolder> worksheetFolders, QWidget* parent)
    : QWidget(parent), m_worksheetDestination(std::move(worksheetFolders)), m_paper(*this),
      m_sheet(*this) {
    setObjectName(qt(kForm.name));
    setWindowTitle(qt(kForm.caption));
    setFixedSize(pixelRect({0, 0, kForm.clientWidth, kForm.clientHeight}).size());
    setFont(formFont(kForm.font));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, qt(kForm.background));
    setPalette(colours);
    setAutoFillBackground(true);
    setMouseTracking(true);

    buildControls();
    m_sheet.showState();
    connectControls();
    // Ctrl+P prints the worksheet of the boxes as they stand; the form gains no control for it.
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            [this] { printWorksheet(); });
}

void Form1takt::buildControls() {
    m_controls.reserve(kControls.size());
    QWidget* previous = nullptr;
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlDesign& design = kControls[row];
        QWidget* control = makeControl(design, this);
        m_controls.push_back(control);
        control->setObjectName(qt(design.name));
        control->setGeometry(pixelRect(design.place));
        // A control in the window's font inherits it; setting it again would lay it out twice.
        if (design.font != form::kWindowFont) {
            control->setFont(formFont(design.font));
        }
        if (!design.toolTip.empty()) {
            control->setToolTip(qt(design.toolTip));
        }
        if (design.kind != Label) {
            control->setAccessibleName(qt(form::accessibleName(design)));
            // The table lists the controls in focus order.
            if (previous != nullptr) {
                setTabOrder(previous, control);
            }
            previous = control;
        }
        if (design.keyFilter) {
            control->installEventFilter(this);
        }
        if (row == 0) {
            control->setFocus(); // the focus starts at the top of the focus order
        }
    }
}

// Each box forwards the user's edits, and each button runs the command its design row names.
void Form1takt::connectControls() {
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlDesign& design = kControls[row];
        QWidget* control = m_controls[row];
        if (design.box) {
            // Only the user's edits are forwarded; the sheet's own changes come from it.
            connect(static_cast<QLineEdit*>(control), &QLineEdit::textEdited, this,
                    [this, id = *design.box](const QString& text) {
                        m_sheet.setText(id, text.toStdString());
                    });
        }
        if (design.command) {
            connect(static_cast<QAbstractButton*>(control), &QAbstractButton::clicked, this,
                    [this, command = *design.command] {
                        m_sheet.run(command, m_worksheetDestination);
                    });
        }
    }
}

QLineEdit* Form1takt::box(sheet::BoxId id) const {
    return static_cast<QLineEdit*>(m_controls.at(form::rowOf(id)));
}

void Form1takt::centreOnScreen() {
    const QScreen* display = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (display == nullptr) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(display->availableGeometry().center());
    move(frame.topLeft());
}

void Form1takt::mouseMoveEvent(QMouseEvent* event) {
    // A move over a control reaches the window too when the control does not take it; only
    // moves over the window's own surface count.
    if (childAt(event->position().toPoint()) == nullptr) {
        m_sheet.mouseMovedOverSurface();
    }
    QWidget::mouseMoveEvent(event);
}

bool Form1takt::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The clipboard and editing shortcuts are not typed characters: a paste is not filtered.
        const bool shortcut =
            key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Copy) ||
            key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Undo) ||
            key->matches(QKeySequence::Redo) || key->matches(QKeySequence::SelectAll);
        if (!shortcut && acceptedCharacters(key->text()) != key->text()) {
            return true; // discarded before it is inserted
        }
    } else if (event->type() == QEvent::InputMethod) {
        // Characters composed through an input method, a dead key or compose are typed too.
        auto* input = static_cast<QInputMethodEvent*>(event);
        const QString kept = acceptedCharacters(input->commitString());
        if (kept != input->commitString()) {
            input->setCommitString(kept, input->replacementStart(), input->replacementLength());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1takt::showText(sheet::BoxId id, const std::string& text) {
    // Setting a box's text resets its cursor and undo history, so only a change is shown. A
    // numeral longer than its box is shown from its beginning, the way it is read.
    QLineEdit* shown = box(id);
    const QString newText = QString::fromStdString(text);
    if (shown->text() != newText) {
        shown->setText(newText);
        shown->setCursorPosition(0);
    }
}

void Form1takt::showStrRomanEnabled(bool enabled) {
    box({0, sheet::Column::Ordinal})->setEnabled(enabled);
}

// Each button the design gives a hovered look takes it.
void Form1takt::showHovered() {
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlDesign& design = kControls[row];
        if (design.hover) {
            auto* button = static_cast<FaceButton*>(m_controls[row]);
            button->setFace(qt(*form::faceOf(design, true)));
            QFont font = button->font();
            font.setPointSizeF(form::captionPointsOf(design, true));
            button->setFont(font);
        }
    }
}

void Form1takt::printWorksheet() {
    m_sheet.run(sheet::Command::PrintWorksheet, m_paper);
}

void Form1takt::showMessage(const sheet::Message& message) {
    const QMessageBox::Icon icon =
        message.kind == sheet::Message::Kind::Warning ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, windowTitle(), QString::fromStdString(message.text), QMessageBox::Ok,
                    this);
    box.exec();
}

} // namespace qt_window
