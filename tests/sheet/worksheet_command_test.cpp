#include "recording_view.h"
#include "sheet/exercise_sheet.h"
#include "support/temporary_folder.h"

#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace sheet {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing_support::readBytes;
using testing_support::TemporaryFolder;
using testing_support::writeBytes;

const std::string kReady = "Το φύλλο εργασίας ετοιμάστηκε στο παρασκήνιο. Ανοίξτε το αρχείο "
                           "numbers.txt και τυπώστε το ή μορφοποιείστε το όπως επιθυμείτε στο "
                           "word . ";

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

class WorksheetCommandTest : public ::testing::Test {
protected:
    void write() {
        const std::vector<std::filesystem::path> folders{programFolder, documentsFolder};
        sheet.writeWorksheet(folders);
    }
    const Message& onlyMessage() const {
        EXPECT_EQ(view.messages.size(), 1U);
        return view.messages.back();
    }

    TemporaryFolder temporary;
    std::filesystem::path programFolder = temporary.path() / "program";
    std::filesystem::path documentsFolder = temporary.path() / "documents";
    RecordingView view;
    ExerciseSheet sheet{view};

    void SetUp() override {
        std::filesystem::create_directory(programFolder);
        std::filesystem::create_directory(documentsFolder);
    }
};

TEST_F(WorksheetCommandTest, TheConvertedSampleIsWrittenIntoTheProgramFolderAndAnnounced) {
    sheet.convertToOrdinals();
    sheet.convertToCardinals();
    write();

    EXPECT_EQ(
        readBytes(programFolder / "numbers.txt"),
        readBytes(std::filesystem::path(ARITHMITIKA_TEST_DATA) / "sample_numbers_converted.txt"));
    EXPECT_TRUE(std::filesystem::is_empty(documentsFolder));
    const Message& message = onlyMessage();
    EXPECT_EQ(message.kind, Message::Kind::Plain);
    EXPECT_EQ(message.text, kReady);
}

TEST_F(WorksheetCommandTest, CanBeWrittenBeforeAnyConversion) {
    write();
    const std::string bytes = readBytes(programFolder / "numbers.txt");
    EXPECT_THAT(bytes, HasSubstr(std::string(33, '_') + "1001" + std::string(33, '_')));
    EXPECT_THAT(bytes, HasSubstr("\r\n" + std::string(11, ' ') + "765_\r\n"));
    EXPECT_EQ(onlyMessage().text, kReady);
}

TEST_F(WorksheetCommandTest, AProgramFolderThatCannotBeWrittenFallsBackToTheDocuments) {
    std::filesystem::remove(programFolder);
    writeBytes(programFolder, "not a folder"); // fails for root too

    write();

    EXPECT_TRUE(std::filesystem::exists(documentsFolder / "numbers.txt"));
    const Message& message = onlyMessage();
    EXPECT_EQ(message.kind, Message::Kind::Plain);
    EXPECT_THAT(message.text, HasSubstr("Ανοίξτε το αρχείο " +
                                        utf8(documentsFolder / "numbers.txt") + " και τυπώστε το"));
    EXPECT_THAT(message.text, HasSubstr("Δεν ήταν δυνατό να γραφτεί το «" +
                                        utf8(programFolder / "numbers.txt") + "»"));
}

TEST_F(WorksheetCommandTest, WhenNoFolderCanBeWrittenTheErrorNamesEachPathAndReason) {
    std::filesystem::remove_all(temporary.path());

    write();

    const Message& message = onlyMessage();
    EXPECT_EQ(message.kind, Message::Kind::Warning);
    EXPECT_THAT(message.text, Not(HasSubstr("ετοιμάστηκε")));
    EXPECT_THAT(message.text, HasSubstr("Το φύλλο εργασίας δεν γράφτηκε."));
    for (const auto& folder : {programFolder, documentsFolder}) {
        EXPECT_THAT(message.text,
                    HasSubstr("«" + utf8(folder / "numbers.txt") + "»: ο φάκελος δεν υπάρχει ("));
    }
}

TEST_F(WorksheetCommandTest, TheSameFolderIsTriedOnce) {
    std::filesystem::remove_all(temporary.path());
    const std::vector<std::filesystem::path> folders{programFolder, programFolder};
    sheet.writeWorksheet(folders);

    const std::string& text = onlyMessage().text;
    EXPECT_EQ(text.find("Δεν ήταν δυνατό"), text.rfind("Δεν ήταν δυνατό"));
}

TEST_F(WorksheetCommandTest, ReplacedCharactersAreCountedInTheMessage) {
    struct Case {
        std::string name;
        BoxId box;
        std::string typed;
        std::string note; // empty: no note at all
    };
    const std::vector<Case> cases{
        {"one character",
         {1, Column::Ordinal},
         "é",
         "\n\nΠροσοχή: 1 χαρακτήρας δεν υπάρχει στην ελληνική κωδικοσελίδα Windows-1253 και "
         "γράφτηκε ως «?»."},
        {"a number is printed twice",
         {2, Column::Number},
         "日",
         "\n\nΠροσοχή: 2 χαρακτήρες δεν υπάρχουν στην ελληνική κωδικοσελίδα Windows-1253 και "
         "γράφτηκαν ως «?»."},
        {"greek only", {3, Column::Cardinal}, "ΐ ώ ®", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingView freshView;
        ExerciseSheet fresh(freshView);
        fresh.setText(c.box, c.typed);
        const std::vector<std::filesystem::path> folders{programFolder};
        fresh.writeWorksheet(folders);

        ASSERT_EQ(freshView.messages.size(), 1U);
        EXPECT_EQ(freshView.messages.front().text, kReady + c.note);
    }
}

#ifdef _WIN32
// A word processor keeps the worksheet it shows open, and Windows will not replace an open
// file: the worksheet goes to the documents instead, and the message says why.
TEST_F(WorksheetCommandTest, AWorksheetHeldOpenOnWindowsIsWrittenToTheDocuments) {
    const std::filesystem::path held = programFolder / "numbers.txt";
    writeBytes(held, "the worksheet a word processor shows");
    HANDLE open = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    write();
    CloseHandle(open);

    EXPECT_EQ(readBytes(held), "the worksheet a word processor shows");
    EXPECT_TRUE(std::filesystem::exists(documentsFolder / "numbers.txt"));
    EXPECT_THAT(onlyMessage().text, HasSubstr("ανοιχτό σε άλλο πρόγραμμα"));
}
#endif

} // namespace
} // namespace sheet
