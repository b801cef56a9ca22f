#include "form_fixture.h"
#include "qt_window/face_button.h"
#include "support/temporary_folder.h"

#include <filesystem>
#include <string>
#include <vector>

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>

namespace qt_window {
namespace {

const std::vector<const char*> kNumberBoxes{"intnumber",  "intnumber1", "intnumber2", "intnumber3",
                                            "intnumber4", "intnumber5", "intnumber6"};
const std::vector<const char*> kOrdinalBoxes{"strRoman",  "strRoman1", "strRoman2", "strRoman3",
                                             "strRoman4", "strRoman5", "strRoman6"};
const std::vector<const char*> kCardinalBoxes{"strgreek",  "strgreek1", "strgreek2", "strgreek3",
                                              "strgreek4", "strgreek5", "strgreek6"};

class BehaviourTest : public FormTest {
protected:
    // The names of the controls that Tab visits, starting from intnumber.
    std::vector<std::string> tabRound() {
        box("intnumber")->setFocus();
        std::vector<std::string> visited;
        for (int i = 0; i < 40; ++i) {
            visited.push_back(QApplication::focusWidget()->objectName().toStdString());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == box("intnumber")) {
                break;
            }
        }
        return visited;
    }
    void type(QLineEdit* box, const QString& character) {
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, character, Qt::NoModifier);
    }
    std::vector<QString> texts(const std::vector<const char*>& names) const {
        std::vector<QString> result;
        result.reserve(names.size());
        for (const char* name : names) {
            result.push_back(box(name)->text());
        }
        return result;
    }
};

TEST_F(BehaviourTest, FocusStartsInIntnumberAndTabSkipsStrRomanWhileItIsDisabled) {
    EXPECT_EQ(QApplication::focusWidget(), box("intnumber"));

    const std::vector<std::string> designedOrder{
        "intnumber",  "strRoman",   "Command1",   "Command2",   "strgreek",
        "Command3",   "intnumber1", "intnumber2", "intnumber3", "intnumber4",
        "intnumber5", "intnumber6", "strRoman1",  "strRoman2",  "strRoman3",
        "strRoman4",  "strRoman5",  "strRoman6",  "strgreek1",  "strgreek2",
        "strgreek3",  "strgreek4",  "strgreek5",  "strgreek6",  "Command4"};
    std::vector<std::string> withoutStrRoman = designedOrder;
    withoutStrRoman.erase(withoutStrRoman.begin() + 1);
    EXPECT_EQ(tabRound(), withoutStrRoman);

    click("Command2"); // either conversion enables strRoman
    EXPECT_TRUE(box("strRoman")->isEnabled());
    EXPECT_EQ(tabRound(), designedOrder);
}

TEST_F(BehaviourTest, IntnumberRefusesLettersAndTakesDigitsSignsAndPointsUpToFive) {
    QLineEdit* number = box("intnumber");
    number->clear();
    QTest::keyClicks(number, "a");
    type(number, "Α"); // Greek capital alpha
    type(number, "ά");
    QTest::keyClicks(number, "Z:~");
    EXPECT_EQ(number->text(), "");

    QTest::keyClicks(number, "-1.5");
    EXPECT_EQ(number->text(), "-1.5");
    QTest::keyClicks(number, "9");
    EXPECT_EQ(number->text(), "-1.59");
    QTest::keyClicks(number, "8"); // a sixth character
    EXPECT_EQ(number->text(), "-1.59");

    QTest::keyClick(number, Qt::Key_Backspace);
    EXPECT_EQ(number->text(), "-1.5");
}

TEST_F(BehaviourTest, CharactersFromAnInputMethodAreFilteredToo) {
    QLineEdit* number = box("intnumber");
    number->clear();
    QInputMethodEvent composed;
    composed.setCommitString("ά2έ");
    QApplication::sendEvent(number, &composed);
    EXPECT_EQ(number->text(), "2");
}

TEST_F(BehaviourTest, APasteIntoIntnumberIsNotFiltered) {
    QGuiApplication::clipboard()->setText("abc");
    QLineEdit* number = box("intnumber");
    number->clear();
    QTest::keyClick(number, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(number->text(), "abc");
}

TEST_F(BehaviourTest, TheOtherNumberBoxesTakeAnyTextOfAnyLength) {
    QLineEdit* number = box("intnumber3");
    number->clear();
    const QString longText = "abc" + QString(200, '7');
    QTest::keyClicks(number, longText);
    type(number, "λ");
    EXPECT_EQ(number->text(), longText + "λ");
}

TEST_F(BehaviourTest, AMoveOverTheSurfaceTurnsCommand1RedButMovesOverControlsDoNot) {
    auto* command1 = control<FaceButton>("Command1");
    const auto centreOf = [this](const char* name) { return control(name)->geometry().center(); };

    for (const char* name :
         {"Label1", "Label4", "intnumber", "strRoman", "Command2", "Command3", "Command4"}) {
        QTest::mouseMove(form.get(), centreOf(name));
    }
    EXPECT_EQ(command1->face(), QColor(255, 255, 0));
    EXPECT_DOUBLE_EQ(command1->font().pointSizeF(), 8.25);

    QTest::mouseMove(form.get(), QPoint(320, 380)); // between the buttons and the right edge
    EXPECT_EQ(command1->face(), QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(command1->font().pointSizeF(), 10.0);
}

TEST_F(BehaviourTest, ClicksConvertWriteTheWorksheetAndErase) {
    click("Command1");
    click("Command2");
    EXPECT_EQ(texts(kOrdinalBoxes),
              (std::vector<QString>{"χιλιοστός πρώτος ", "εκατοστός πεντηκοστός έκτος ",
                                    "εξηκοστός έβδομος ", "τετρακοσιοστός εξηκοστός έκτος ",
                                    "εβδομηκοστός όγδοος ", "εικοστός τρίτος ",
                                    "επτακοσιοστός εξηκοστός πέμπτος "}));
    EXPECT_EQ(texts(kCardinalBoxes),
              (std::vector<QString>{"χίλια ένα ", "εκατό(ν) πενήντα έξι ", "εξήντα επτά ",
                                    "τετρακόσια εξήντα έξι ", "εβδομήντα οκτώ ", "είκοσι τρία ",
                                    "επτακόσια εξήντα πέντε "}));

    click("Command4");
    EXPECT_EQ(testing_support::readBytes(programFolder.path() / "numbers.txt"),
              testing_support::readBytes(std::filesystem::path(ARITHMITIKA_TEST_DATA) /
                                         "sample_numbers_converted.txt"));
    const std::vector<SeenMessage> seen = closer.take();
    ASSERT_EQ(seen.size(), 1U);
    const QString file =
        QString::fromStdU16String((programFolder.path() / "numbers.txt").u16string());
    EXPECT_TRUE(seen[0].text.startsWith("Το φύλλο εργασίας ετοιμάστηκε στο παρασκήνιο. Ανοίξτε "
                                        "το αρχείο " +
                                        file + " και τυπώστε"))
        << seen[0].text.toStdString();
    EXPECT_EQ(seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen[0].title, form->windowTitle());

    click("Command3");
    for (const auto* column : {&kNumberBoxes, &kOrdinalBoxes, &kCardinalBoxes}) {
        EXPECT_EQ(texts(*column), std::vector<QString>(7));
    }
    EXPECT_TRUE(box("strRoman")->isEnabled());
}

TEST_F(BehaviourTest, ANumeralLongerThanItsBoxIsShownFromItsBeginning) {
    QLineEdit* number = box("intnumber");
    number->clear();
    QTest::keyClicks(number, "29999");
    click("Command1");

    QLineEdit* ordinal = box("strRoman");
    ASSERT_GT(ordinal->fontMetrics().horizontalAdvance(ordinal->text()), ordinal->width());
    EXPECT_EQ(ordinal->cursorPosition(), 0);
    const QRect cursor = ordinal->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_LT(cursor.left(), ordinal->width() / 4) << "the beginning of the text is in view";
}

TEST_F(BehaviourTest, ARefusedNumberIsReportedWithAWarning) {
    QLineEdit* number = box("intnumber1");
    number->clear();
    QTest::keyClicks(number, "abc");
    click("Command1");

    const std::vector<SeenMessage> seen = closer.take();
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(seen[0].text.contains("Γραμμή 2: το «abc» δεν είναι αριθμός."));
    EXPECT_EQ(box("strRoman1")->text(), "");
    EXPECT_EQ(box("strRoman")->text(), "χιλιοστός πρώτος ");
}

TEST_F(BehaviourTest, AWorksheetThatCannotBeWrittenIsReportedWithAWarning) {
    std::filesystem::remove_all(programFolder.path());
    click("Command4");

    const std::vector<SeenMessage> seen = closer.take();
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(seen[0].text.startsWith("Το φύλλο εργασίας δεν γράφτηκε."));
}

} // namespace
} // namespace qt_window
