#include "recording_view.h"
#include "sheet/exercise_sheet.h"
#include "sheet/messages.h"
#include "support/child_process.h"
#include "support/temporary_folder.h"
#include "worksheet/worksheet_writer.h"

#include <filesystem>
#include <sstream>
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
using ::testing::StartsWith;
using testing_support::readBytes;
using testing_support::TemporaryFolder;
using testing_support::writeBytes;

const std::string kReadyText = "Το φύλλο εργασίας ετοιμάστηκε στο παρασκήνιο. Ανοίξτε το αρχείο "
                               "numbers.txt και τυπώστε το ή μορφοποιείστε το όπως επιθυμείτε "
                               "στο word . ";
const std::string kOpenOnLinux =
    "\n\nΣτο LibreOffice ανοίξτε το με τύπο αρχείου «Κείμενο - Επιλογή κωδικοποίησης» και σύνολο "
    "χαρακτήρων «Ελληνικά (Windows-1253)», για να φανούν σωστά τα ελληνικά.";
const std::string kOpenFromBrowser =
    "\n\nΤο αρχείο βρίσκεται στις «Λήψεις» του προγράμματος περιήγησης. Στο Word, αν ρωτήσει "
    "για την κωδικοποίηση, επιλέξτε «Ελληνικά (Windows)». Στο LibreOffice ανοίξτε το με τύπο "
    "αρχείου «Κείμενο - Επιλογή κωδικοποίησης» και σύνολο χαρακτήρων «Ελληνικά (Windows-1253)», "
    "για να φανούν σωστά τα ελληνικά.\n\nΓια να το τυπώσετε αμέσως, τυπώστε αυτή τη σελίδα "
    "(Ctrl+P ή από το μενού του φυλλομετρητή): βγαίνει το φύλλο εργασίας, με τις λύσεις σε "
    "δική τους σελίδα.";
const std::string kPrintWithCtrlP =
    "\n\nΜε Ctrl+P τυπώνετε το φύλλο εργασίας, με τις λύσεις σε δική τους σελίδα.";
// The message as this platform's program shows it.
const std::string kReady =
    kReadyText + (thisDesktop() == Desktop::Linux ? kPrintWithCtrlP + kOpenOnLinux
                  : thisDesktop() == Desktop::Web ? kOpenFromBrowser
                                                  : kPrintWithCtrlP);

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// A download's bytes, kept as a browser would save them.
class KeptDownload final : public DownloadDestination {
public:
    std::string bytes;

private:
    void download(std::string_view downloaded) override { bytes = downloaded; }
};

class WorksheetCommandTest : public ::testing::Test {
protected:
    // The program's folder first (none: the platform could not find it), then the documents
    // and the home.
    void write() { write(programFolder); }
    void write(const std::filesystem::path& program) {
        FolderDestination folders({{program, WorksheetFolder::Kind::Program},
                                   {documentsFolder, WorksheetFolder::Kind::Documents},
                                   {homeFolder, WorksheetFolder::Kind::Home}});
        sheet.writeWorksheet(folders);
    }
    const Message& onlyMessage() const {
        EXPECT_EQ(view.messages.size(), 1U);
        return view.messages.back();
    }

    TemporaryFolder temporary;
    std::filesystem::path programFolder = temporary.path() / "program";
    std::filesystem::path homeFolder = temporary.path() / "home";
    std::filesystem::path documentsFolder = homeFolder / "Έγγραφα";
    RecordingView view;
    ExerciseSheet sheet{view};

    void SetUp() override {
        std::filesystem::create_directory(programFolder);
        std::filesystem::create_directories(documentsFolder);
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

// A web page hands the worksheet to the browser instead of writing it into a folder.
TEST_F(WorksheetCommandTest, ADownloadHasTheWorksheetsBytesAndSaysWhereTheBrowserPutsThem) {
    sheet.convertToOrdinals();
    sheet.convertToCardinals();

    KeptDownload download;
    sheet.writeWorksheet(download);
    EXPECT_EQ(download.bytes, readBytes(std::filesystem::path(ARITHMITIKA_TEST_DATA) /
                                        "sample_numbers_converted.txt"));
    EXPECT_TRUE(std::filesystem::is_empty(programFolder));
    EXPECT_EQ(onlyMessage().text, kReadyText + kOpenFromBrowser);
}

TEST_F(WorksheetCommandTest, CanBeWrittenBeforeAnyConversion) {
    write();
    const std::string bytes = readBytes(programFolder / "numbers.txt");
    EXPECT_THAT(bytes, HasSubstr(std::string(33, '_') + "1001" + std::string(33, '_')));
    EXPECT_THAT(bytes, HasSubstr("\r\n" + std::string(11, ' ') + "765_\r\n"));
    EXPECT_EQ(onlyMessage().text.rfind(kReady, 0), 0U) << "ready, with the rows it lacks";
}

void convertBoth(ExerciseSheet& sheet) {
    sheet.convertToOrdinals();
    sheet.convertToCardinals();
}

// The worksheet takes the boxes as they stand; the message then names each row whose key line
// would mislead the teacher who marks by it.
TEST(UnansweredRowsTest, TheMessageNamesEachRowWithoutItsOwnAnswers) {
    using Steps = void (*)(ExerciseSheet&);
    struct Case {
        std::string name;
        Steps steps;
        std::vector<std::string> listed; // the message's lines naming rows
    };
    const std::vector<std::string> everyRowUnconverted{
        "Γραμμή 1 (1001): δεν έχει μετατραπεί ακόμη.", "Γραμμή 2 (156): δεν έχει μετατραπεί ακόμη.",
        "Γραμμή 3 (67): δεν έχει μετατραπεί ακόμη.",   "Γραμμή 4 (466): δεν έχει μετατραπεί ακόμη.",
        "Γραμμή 5 (78): δεν έχει μετατραπεί ακόμη.",   "Γραμμή 6 (23): δεν έχει μετατραπεί ακόμη.",
        "Γραμμή 7 (765): δεν έχει μετατραπεί ακόμη."};
    const std::vector<Case> cases{
        {"converted", convertBoth, {}},
        {"never converted", [](ExerciseSheet&) {}, everyRowUnconverted},
        {"converted, then a number changed",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({2, Column::Number}, "5");
         },
         {"Γραμμή 3 (5): οι λύσεις είναι του αριθμού 67, που άλλαξε μετά τη μετατροπή."}},
        {"only the ordinals converted",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({0, Column::Number}, "3");
             s.convertToOrdinals();
         },
         {"Γραμμή 1 (3): οι λύσεις είναι του αριθμού 1001, που άλλαξε μετά τη μετατροπή."}},
        {"changed to the same number in other digits",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({0, Column::Number}, " 1.001 ");
             s.setText({1, Column::Number}, "156.0");
         },
         {}},
        {"refused rows",
         [](ExerciseSheet& s) {
             s.setText({3, Column::Number}, "-5");
             s.setText({4, Column::Number}, "40000");
             s.setText({5, Column::Number}, "α");
             convertBoth(s);
         },
         {"Γραμμή 4 (-5): είναι αρνητικός αριθμός, δεν έχει λύση.",
          "Γραμμή 5 (40000): είναι εκτός ορίων (από 0 έως 29999), δεν έχει λύση.",
          "Γραμμή 6 (α): δεν είναι αριθμός, δεν έχει λύση."}},
        {"a zero",
         [](ExerciseSheet& s) {
             s.setText({6, Column::Number}, "0");
             convertBoth(s);
         },
         {"Γραμμή 7 (0): το μηδέν δεν έχει αριθμητικό στους πίνακες, η λύση είναι κενή."}},
        {"answers typed by hand are hers",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({1, Column::Number}, "157");
             s.setText({1, Column::Ordinal}, "εκατοστός πεντηκοστός έβδομος");
             s.setText({1, Column::Cardinal}, "εκατόν πενήντα επτά");
             s.setText({6, Column::Number}, "0");
             s.setText({6, Column::Ordinal}, "μηδενικός");
             s.setText({6, Column::Cardinal}, "μηδέν");
         },
         {}},
        {"one answer corrected, the other left from the old number",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({1, Column::Number}, "157");
             s.setText({1, Column::Cardinal}, "εκατόν πενήντα επτά");
         },
         {"Γραμμή 2 (157): οι λύσεις είναι του αριθμού 156, που άλλαξε μετά τη μετατροπή."}},
        {"only the ordinals converted, never the cardinals",
         [](ExerciseSheet& s) { s.convertToOrdinals(); }, everyRowUnconverted},
        {"a number box emptied to spaces",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({6, Column::Number}, "   ");
         },
         {"Γραμμή 7: οι λύσεις είναι του αριθμού 765, που άλλαξε μετά τη μετατροπή."}},
        {"a number box emptied with one answer",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({6, Column::Number}, "");
             s.setText({6, Column::Ordinal}, "");
         },
         {"Γραμμή 7: οι λύσεις είναι του αριθμού 765, που άλλαξε μετά τη μετατροπή."}},
        {"a row emptied whole is no exercise",
         [](ExerciseSheet& s) {
             convertBoth(s);
             for (const Column column : kColumns) {
                 s.setText({4, column}, "");
             }
         },
         {}},
    };
    // The same warning wherever the worksheet goes: a download, or a folder on a desktop.
    TemporaryFolder folder;
    KeptDownload download;
    FolderDestination folders({{folder.path(), WorksheetFolder::Kind::Program}});
    struct Destination {
        const char* name;
        WorksheetDestination& destination;
        std::string readyText; // the message when it has nothing to warn of
    };
    const std::vector<Destination> destinations{
        {"a download", download, kReadyText + kOpenFromBrowser},
        {"a folder", folders, kReady},
    };
    for (const Case& c : cases) {
        for (const Destination& d : destinations) {
            SCOPED_TRACE(c.name + " into " + d.name);
            RecordingView view;
            ExerciseSheet sheet(view);
            c.steps(sheet);
            view.messages.clear(); // what the conversions said
            std::vector<worksheet::WorksheetRow> rows;
            for (std::size_t r = 0; r < kRowCount; ++r) {
                rows.push_back({sheet.row(r).number, sheet.row(r).ordinal, sheet.row(r).cardinal});
            }
            sheet.writeWorksheet(d.destination);
            EXPECT_EQ(&d.destination == &download ? download.bytes
                                                  : readBytes(folder.path() / "numbers.txt"),
                      worksheet::worksheetBytes(worksheet::makeWorksheet(rows)).bytes)
                << "the file as it was";
            ASSERT_EQ(view.messages.size(), 1U);
            const Message& message = view.messages.front();
            std::vector<std::string> listed;
            std::istringstream lines(message.text);
            for (std::string line; std::getline(lines, line);) {
                if (line.starts_with("Γραμμή ")) {
                    listed.push_back(line);
                }
            }
            EXPECT_EQ(listed, c.listed);
            if (c.listed.empty()) {
                EXPECT_EQ(message.kind, Message::Kind::Plain);
                EXPECT_EQ(message.text, d.readyText) << "today's message";
            } else {
                EXPECT_EQ(message.kind, Message::Kind::Warning);
                EXPECT_THAT(
                    message.text,
                    StartsWith(d.readyText + "\n\nΠροσοχή: οι λύσεις λείπουν ή είναι λάθος"));
            }
        }
    }
}

TEST_F(WorksheetCommandTest, WhenNoFolderCanBeWrittenTheErrorNamesEachPathAndReason) {
    std::filesystem::remove_all(temporary.path());

    write();

    const Message& message = onlyMessage();
    EXPECT_EQ(message.kind, Message::Kind::Warning);
    EXPECT_THAT(message.text, Not(HasSubstr("ετοιμάστηκε")));
    EXPECT_THAT(message.text, HasSubstr("Το φύλλο εργασίας δεν γράφτηκε."));
    for (const auto& folder : {programFolder, documentsFolder, homeFolder}) {
        EXPECT_THAT(message.text,
                    HasSubstr("«" + utf8(folder / "numbers.txt") + "»: ο φάκελος δεν υπάρχει ("));
    }
    EXPECT_FALSE(std::filesystem::exists(homeFolder)) << "only the documents folder is made";
}

// Each folder that cannot take the worksheet is named with what kept it, and the next one
// takes it.
TEST_F(WorksheetCommandTest, AFolderThatCannotTakeTheWorksheetIsNamedAndTheNextOneTakesIt) {
    enum class Program { NotAFolder, HoldsAFolderNamedNumbersTxt, ReadOnlyWorksheet, NotFound };
    enum class Documents { Present, Missing, TakenByAFile };
    const std::filesystem::path besideProgram = programFolder / "numbers.txt";
    const auto refused = [](const std::filesystem::path& file) {
        return "Δεν ήταν δυνατό να γραφτεί το «" + utf8(file) + "»: ";
    };
    struct Case {
        std::string name;
        Program program;
        Documents documents;
        std::filesystem::path writtenTo;
        std::string why; // what the message says of the last folder that did not take it
    };
    std::vector<Case> cases{
        {"a program folder that cannot be written: the documents", Program::NotAFolder,
         Documents::Present, documentsFolder, refused(besideProgram)},
        {"a missing documents folder is made", Program::NotAFolder, Documents::Missing,
         documentsFolder, refused(besideProgram)},
        {"one that cannot be made: the home", Program::NotAFolder, Documents::TakenByAFile,
         homeFolder, refused(documentsFolder / "numbers.txt")},
        {"a folder named numbers.txt in the way", Program::HoldsAFolderNamedNumbersTxt,
         Documents::Present, documentsFolder,
         refused(besideProgram) + "υπάρχει ήδη φάκελος με το όνομα numbers.txt ("},
        {"no program folder found", Program::NotFound, Documents::Present, documentsFolder,
         "\n\nΔεν βρέθηκε ο φάκελος του προγράμματος."},
    };
#ifdef _WIN32
    cases.push_back({"a read-only numbers.txt is kept", Program::ReadOnlyWorksheet,
                     Documents::Present, documentsFolder,
                     refused(besideProgram) + "το αρχείο numbers.txt είναι μόνο για ανάγνωση ("});
#endif
    sheet.convertToOrdinals(); // answers to every row: the message is about the folders
    sheet.convertToCardinals();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(temporary.path());
        std::filesystem::create_directories(homeFolder);
        switch (c.program) {
        case Program::NotAFolder:
            writeBytes(programFolder, "not a folder"); // fails for root too
            break;
        case Program::HoldsAFolderNamedNumbersTxt:
            std::filesystem::create_directories(besideProgram);
            break;
        case Program::ReadOnlyWorksheet:
            std::filesystem::create_directory(programFolder);
            writeBytes(besideProgram, "last week's worksheet");
#ifdef _WIN32
            SetFileAttributesW(besideProgram.c_str(), FILE_ATTRIBUTE_READONLY);
#endif
            break;
        case Program::NotFound:
            break;
        }
        if (c.documents == Documents::Present) {
            std::filesystem::create_directory(documentsFolder);
        } else if (c.documents == Documents::TakenByAFile) {
            writeBytes(documentsFolder, "not a folder either");
        }
        view.messages.clear();

        write(c.program == Program::NotFound ? std::filesystem::path() : programFolder);

        EXPECT_TRUE(std::filesystem::exists(c.writtenTo / "numbers.txt"));
        const Message& message = onlyMessage();
        EXPECT_EQ(message.kind, Message::Kind::Plain);
        EXPECT_THAT(message.text, HasSubstr("Ανοίξτε το αρχείο " +
                                            utf8(c.writtenTo / "numbers.txt") + " και τυπώστε το"));
        EXPECT_THAT(message.text, HasSubstr(c.why));
        if (c.program == Program::ReadOnlyWorksheet) {
            EXPECT_EQ(readBytes(besideProgram), "last week's worksheet");
#ifdef _WIN32
            SetFileAttributesW(besideProgram.c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
        }
    }
}

#ifndef _WIN32
// A folder unzipped from a Windows archive may be named in a legacy code page, here
// Windows-1253's "qαρια": the program finds it all the same and writes beside itself.
TEST(RunningProgramFolderTest, AFolderNamedInAnotherCodePageIsFound) {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "WebAssembly starts no other programs";
#endif
    const TemporaryFolder temporary;
    const std::filesystem::path folder = temporary.path() / std::string("q\xe1\xf1\xe9\xe1");
    std::filesystem::create_directory(folder);
    const std::filesystem::path copied = folder / "write_beside_itself";
    std::filesystem::copy_file(ARITHMITIKA_WRITE_BESIDE_ITSELF, copied);

    EXPECT_EQ(testing_support::ChildProcess(copied, {}).wait(), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "numbers.txt"));
}
#endif

// Every reason the system can give is put in Greek, before the system's own words.
TEST(WorksheetNotSavedTest, EveryReasonIsExplained) {
    const std::filesystem::path program = std::filesystem::path("/media") / "usb";
    const auto line = [&program](std::error_code error, const std::string& greek) {
        return "Δεν ήταν δυνατό να γραφτεί το «" + utf8(program / "numbers.txt") + "»: " + greek +
               " (" + error.message() + ").";
    };
    struct Case {
        std::error_code error;
        std::string greek;
    };
    std::vector<Case> cases{
        {std::make_error_code(std::errc::no_such_file_or_directory), "ο φάκελος δεν υπάρχει"},
        {std::make_error_code(std::errc::not_a_directory), "μέρος της διαδρομής δεν είναι φάκελος"},
        {std::make_error_code(std::errc::is_a_directory),
         "υπάρχει ήδη φάκελος με το όνομα numbers.txt"},
        {std::make_error_code(std::errc::permission_denied), "δεν επιτρέπεται η εγγραφή εκεί"},
        {std::make_error_code(std::errc::operation_not_permitted),
         "δεν επιτρέπεται η εγγραφή εκεί"},
        {std::make_error_code(std::errc::read_only_file_system), "ο δίσκος δέχεται μόνο ανάγνωση"},
        {std::make_error_code(std::errc::no_space_on_device),
         "δεν υπάρχει αρκετός χώρος στον δίσκο"},
        {std::make_error_code(std::errc::file_too_large),
         "το αρχείο ξεπερνά το επιτρεπόμενο μέγεθος"},
        {std::make_error_code(std::errc::filename_too_long), "η διαδρομή είναι πολύ μεγάλη"},
    };
#ifdef _WIN32
    const std::string heldOpen = "δεν επιτρέπεται η εγγραφή, ή το αρχείο είναι ανοιχτό σε άλλο "
                                 "πρόγραμμα· αν είναι, κλείστε το και δοκιμάστε ξανά";
    for (const DWORD code : {ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION}) {
        cases.push_back({{static_cast<int>(code), std::system_category()}, heldOpen});
    }
    cases.push_back({{ERROR_FILE_READ_ONLY, std::system_category()},
                     "το αρχείο numbers.txt είναι μόνο για ανάγνωση"});
#endif
    for (const Case& c : cases) {
        SCOPED_TRACE(c.greek);
        const std::vector<FolderNotUsed> failed{
            {{program, WorksheetFolder::Kind::Program}, c.error}};
        const Message message = worksheetNotSaved(failed);
        EXPECT_EQ(message.kind, Message::Kind::Warning);
        EXPECT_EQ(message.text, "Το φύλλο εργασίας δεν γράφτηκε.\n\n" + line(c.error, c.greek));
    }

    const std::vector<FolderNotUsed> notFound{{{{}, WorksheetFolder::Kind::Program}, {}},
                                              {{{}, WorksheetFolder::Kind::Documents}, {}},
                                              {{{}, WorksheetFolder::Kind::Home}, {}}};
    EXPECT_EQ(worksheetNotSaved(notFound).text,
              "Το φύλλο εργασίας δεν γράφτηκε.\n\nΔεν βρέθηκε ο φάκελος του προγράμματος.\n"
              "Δεν βρέθηκε ο φάκελος των εγγράφων.\nΔεν βρέθηκε ο προσωπικός φάκελος.");
}

TEST(WorksheetFoldersTest, AnInstalledProgramNeverWritesBesideItself) {
    const TemporaryFolder temporary;
    const std::filesystem::path copied = temporary.path() / "copied";
    const std::filesystem::path system = temporary.path() / "usr-bin";
    const std::filesystem::path linked = temporary.path() / "bin"; // like /bin for /usr/bin
    std::filesystem::create_directory(system);
    std::error_code noLinks; // Windows programs may not be allowed to make them
    std::filesystem::create_directory_symlink(system, linked, noLinks);
    const std::vector<std::filesystem::path> systemFolders{system};
    const std::filesystem::path documents = "/home/d/Documents";
    const std::filesystem::path home = "/home/d";
    using enum WorksheetFolder::Kind;

    struct Case {
        std::string name;
        ProgramPlaces places;
        std::vector<WorksheetFolder> expected;
    };
    std::vector<Case> cases{
        {"a program copied anywhere writes beside itself first",
         {copied, systemFolders, documents, home},
         {{copied, Program}, {documents, Documents}, {home, Home}}},
        {"an installed program does not",
         {system, systemFolders, documents, home},
         {{documents, Documents}, {home, Home}}},
        {"a documents folder that is the home is tried once",
         {copied, systemFolders, home, home},
         {{copied, Program}, {home, Documents}}},
        {"places not found stay, to be named in the message",
         {{}, systemFolders, {}, {}},
         {{{}, Program}, {{}, Documents}, {{}, Home}}},
    };
    if (!noLinks) {
        cases.push_back({"nor under another name for the same folder",
                         {linked, systemFolders, documents, home},
                         {{documents, Documents}, {home, Home}}});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(worksheetFolders(c.places), c.expected);
    }
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
        for (std::size_t r = 0; r < kRowCount; ++r) { // every row answered, by hand
            fresh.setText({r, Column::Ordinal}, "α");
            fresh.setText({r, Column::Cardinal}, "β");
        }
        fresh.setText(c.box, c.typed);
        FolderDestination folder({{programFolder, WorksheetFolder::Kind::Program}});
        fresh.writeWorksheet(folder);

        ASSERT_EQ(freshView.messages.size(), 1U);
        EXPECT_EQ(freshView.messages.front().text, kReady + c.note);
    }
}

TEST(WorksheetSavedTest, EachDesktopIsToldHowToOpenTheFileAndTheNotesFollow) {
    const std::filesystem::path elsewhere = std::filesystem::path("/home/d") / "numbers.txt";
    const std::vector<FolderNotUsed> refused{{{"/usr/bin", WorksheetFolder::Kind::Program},
                                              std::make_error_code(std::errc::permission_denied)}};
    const std::string why = "\n\nΔεν ήταν δυνατό να γραφτεί το «" +
                            utf8(std::filesystem::path("/usr/bin") / "numbers.txt") +
                            "»: δεν επιτρέπεται η εγγραφή εκεί (";
    const std::string questionMarks = "\n\nΠροσοχή: 2 χαρακτήρες δεν υπάρχουν στην ελληνική "
                                      "κωδικοσελίδα Windows-1253 και γράφτηκαν ως «?».";
    const std::string readyElsewhere =
        "Το φύλλο εργασίας ετοιμάστηκε στο παρασκήνιο. Ανοίξτε το αρχείο " + utf8(elsewhere) +
        " και τυπώστε το ή μορφοποιείστε το όπως επιθυμείτε στο word . ";

    struct Case {
        std::string name;
        Desktop desktop;
        bool fellBack;
        std::vector<std::string> parts; // the message's parts, in order; the last one begins it
    };
    const std::vector<Case> cases{
        {"windows, beside the program", Desktop::Windows, false, {kReadyText + kPrintWithCtrlP}},
        {"linux, beside the program",
         Desktop::Linux,
         false,
         {kReadyText + kPrintWithCtrlP + kOpenOnLinux}},
        {"a browser", Desktop::Web, false, {kReadyText + kOpenFromBrowser}},
        {"windows, elsewhere, with notes",
         Desktop::Windows,
         true,
         {readyElsewhere + kPrintWithCtrlP + why, questionMarks}},
        {"linux, elsewhere, with notes",
         Desktop::Linux,
         true,
         {readyElsewhere + kPrintWithCtrlP + kOpenOnLinux + why, questionMarks}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const worksheet::SaveOutcome saved{
            c.fellBack ? elsewhere : "numbers.txt", {}, c.fellBack ? 2U : 0U};
        const Message message = worksheetSaved(
            saved, !c.fellBack, c.fellBack ? std::span(refused) : std::span<const FolderNotUsed>(),
            {}, c.desktop);
        EXPECT_EQ(message.kind, Message::Kind::Plain);
        if (!c.fellBack) {
            EXPECT_EQ(message.text, c.parts[0]);
            continue;
        }
        EXPECT_EQ(message.text.rfind(c.parts[0], 0), 0U) << message.text;
        EXPECT_TRUE(message.text.ends_with(c.parts[1])) << message.text;
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
