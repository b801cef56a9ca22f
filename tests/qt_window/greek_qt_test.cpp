#include "form_fixture.h"

#include <functional>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QToolButton>

namespace qt_window {
namespace {

// The words a window or menu shows: each widget's text, items and tool tip, each action's
// text and tool tip, and the title of each window among them.
void collectTexts(const QWidget& widget, QStringList& texts) {
    const auto add = [&texts](const QString& text) {
        if (!text.isEmpty()) {
            texts << text;
        }
    };
    add(widget.toolTip());
    if (widget.isWindow()) {
        add(widget.windowTitle());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        add(button->text());
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        add(label->text());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        add(group->title());
    } else if (const auto* choice = qobject_cast<const QComboBox*>(&widget)) {
        for (int item = 0; item < choice->count(); ++item) {
            add(choice->itemText(item));
        }
    } else if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            add(tabs->tabText(tab));
        }
    }
    for (const QAction* action : widget.actions()) {
        add(action->text());
        add(action->toolTip());
    }
    for (const QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        collectTexts(*child, texts);
    }
}

// A word in Latin letters that is not a name: product names, formats, units, keys and the
// papers' own names, as Greek desktops keep them. A folder's path is its own.
bool inEnglish(const QString& text) {
    if (text.startsWith('/')) {
        return false;
    }
    static const QSet<QString> names{
        "PDF",    "A4",      "Letter", "Legal",    "Executive", "Ledger", "Tabloid", "Statement",
        "Quarto", "Folio",   "ANSI",   "JIS",      "PRC",       "DL",     "US",      "Chou",
        "Kaku",   "Monarch", "Super",  "K",        "mm",        "pt",     "in",      "CC",
        "DD",     "Alt",     "Left",   "Right",    "Up",        "Ctrl",   "Shift",   "CUPS",
        "Extra",  "Plus",    "Small",  "Personal", "Cicero",    "Didot"};
    static const QRegularExpression word("[A-Za-z]+\\d*[A-Za-z]*");
    for (auto found = word.globalMatch(text); found.hasNext();) {
        const QString latin = found.next().captured();
        const bool paperCode = latin.size() <= 3 && latin.front().isUpper();
        if (!names.contains(latin) && !paperCode) {
            return true;
        }
    }
    return false;
}

class GreekQtTest : public FormTest {
protected:
    // The texts of the modal windows that open() opens, each closed once read.
    QStringList modalTexts(const std::function<void()>& open) {
        QStringList texts;
        closer.beforeClosing = [&texts](QWidget& modal) { collectTexts(modal, texts); };
        open();
        QTest::qWait(50);
        closer.takeOthers();
        closer.beforeClosing = nullptr;
        return texts;
    }
};

// Every window and menu of Qt's own that the window can show speaks Greek, whatever the
// system's language (the tests run in the C locale).
TEST_F(GreekQtTest, EveryTextQtShowsIsGreek) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog printDialog(&printer, form.get());
    const auto printDialogButton = [&printDialog](const QString& text) {
        for (QAbstractButton* button : printDialog.findChildren<QAbstractButton*>()) {
            if (button->text().remove('&') == text) {
                return button;
            }
        }
        ADD_FAILURE() << "no button " << text.toStdString();
        return static_cast<QAbstractButton*>(nullptr);
    };
    struct Case {
        const char* name;
        std::function<QStringList()> texts;
        int atLeast; // texts, so that an empty window cannot pass
    };
    const std::vector<Case> cases{
        {"a box's context menu",
         [this] {
             QStringList texts;
             const std::unique_ptr<QMenu> menu(box("intnumber")->createStandardContextMenu());
             collectTexts(*menu, texts);
             return texts;
         },
         7},
        {"a spin box's menu (copies, pages, margins)",
         [] {
             return QStringList{QCoreApplication::translate("QAbstractSpinBox", "&Select All"),
                                QCoreApplication::translate("QAbstractSpinBox", "&Step up"),
                                QCoreApplication::translate("QAbstractSpinBox", "Step &down")};
         },
         3},
        {"the message box",
         [this] {
             QStringList texts;
             QMessageBox box(QMessageBox::Warning, "Μήνυμα", "Κείμενο", QMessageBox::Ok,
                             form.get());
             box.show();
             collectTexts(box, texts);
             return texts;
         },
         3},
        {"the print preview (Ctrl+P)",
         [this] {
             return modalTexts(
                 [this] { QTest::keyClick(box("intnumber"), Qt::Key_P, Qt::ControlModifier); });
         },
         15},
        {"the print dialog and its options",
         [&] {
             QStringList texts;
             printDialog.show();
             if (QAbstractButton* options = printDialogButton("Επιλογές >>")) {
                 options->click();
             }
             collectTexts(printDialog, texts);
             return texts;
         },
         40},
        {"printer properties and page setup",
         [&] {
             return modalTexts([&] {
                 if (QAbstractButton* properties = printDialogButton("Ιδιότητες")) {
                     properties->click();
                 }
             });
         },
         40},
        {"the file chooser for the PDF",
         [&] {
             return modalTexts([&] {
                 const auto* more = printDialog.findChild<QToolButton*>("fileBrowser");
                 ASSERT_NE(more, nullptr);
                 QTest::mouseClick(const_cast<QToolButton*>(more), Qt::LeftButton);
             });
         },
         15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList texts = c.texts();
        EXPECT_GE(texts.size(), c.atLeast) << "the window was read";
        for (const QString& text : texts) {
            EXPECT_FALSE(inEnglish(text)) << "in English: «" << text.toStdString() << "»";
            EXPECT_FALSE(text.contains(QRegularExpression("\\d\\.\\d")))
                << "a decimal point: «" << text.toStdString() << "»";
        }
    }
}

// Each command of a box's menu has an access key of its own, as Alt and a letter choose it.
TEST_F(GreekQtTest, ABoxsMenuHasAnAccessKeyForEachCommand) {
    const std::unique_ptr<QMenu> menu(box("intnumber")->createStandardContextMenu());
    QSet<QChar> keys;
    int withKeys = 0;
    for (const QAction* action : menu->actions()) {
        const qsizetype at = action->text().indexOf('&');
        if (at >= 0 && at + 1 < action->text().size()) {
            ++withKeys;
            const QChar key = action->text().at(at + 1).toLower();
            EXPECT_FALSE(keys.contains(key)) << "«" << action->text().toStdString() << "»";
            keys.insert(key);
        }
    }
    EXPECT_GE(withKeys, 5);
}

} // namespace
} // namespace qt_window
