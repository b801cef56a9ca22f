#include "recording_view.h"
#include "sheet/exercise_sheet.h"
#include "sheet/messages.h"
#include "support/child_process.h"
#include "support/temporary_folder.h"
#include "worksheet/worksheet_writer.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
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

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// The design's sentence that the worksheet is ready, naming the file she opens.
std::string readySentence(const std::string& file) {
    return "Το φύλλο εργασίας ετοιμάστηκε στο παρασκήνιο. Ανοίξτε το αρχείο " + file +
           " και τυπώστε το ή μορφοποιείστε το όπως επιθυμείτε στο word . ";
}
const std::string kReadyInDownloads =
    readySentence("«numbers» που κατεβάσατε τελευταίο στις «Λήψεις»");

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
    EXPECT_THAT(message.text, StartsWith(readySentence(utf8(programFolder / "numbers.txt"))));
}

// A program run from inside a zip is in a folder Windows empties: the worksheet goes to the
// documents, and the message says why before it says where.
TEST_F(WorksheetCommandTest, AProgramRunFromTheTemporaryFolderWritesIntoTheDocuments) {
    FolderDestination folders({{programFolder, WorksheetFolder::Kind::Temporary},
                               {documentsFolder, WorksheetFolder::Kind::Documents}});
    sheet.writeWorksheet(folders);
    EXPECT_TRUE(std::filesystem::is_empty(programFolder));
    EXPECT_TRUE(std::filesystem::exists(documentsFolder / "numbers.txt"));
    EXPECT_THAT(onlyMessage().text, StartsWith("Προσοχή: το φύλλο εργασίας γράφτηκε στον φάκελο "
                                               "«Έγγραφα».\nΤο πρόγραμμα άνοιξε μέσα από το zip"));
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
    EXPECT_THAT(onlyMessage().text, StartsWith(kReadyInDownloads));
}

TEST_F(WorksheetCommandTest, CanBeWrittenBeforeAnyConversion) {
    write();
    const std::string bytes = readBytes(programFolder / "numbers.txt");
    EXPECT_THAT(bytes, HasSubstr(std::string(33, '_') + "1001" + std::string(33, '_')));
    EXPECT_THAT(bytes, HasSubstr("\r\n" + std::string(11, ' ') + "765_\r\n"));
    EXPECT_EQ(onlyMessage().kind, Message::Kind::Warning) << "ready, with the rows it lacks";
}

void convertBoth(ExerciseSheet& sheet) {
    sheet.convertToOrdinals();
    sheet.convertToCardinals();
}

// The worksheet takes the boxes as they stand; the message then names each row the worksheet
// gets wrong, and the one step that mends them, before it says where the worksheet is.
TEST(WorksheetProblemsTest, TheMessageNamesEachRowItGetsWrongAndTheStepThatMendsIt) {
    using Steps = void (*)(ExerciseSheet&);
    struct Case {
        std::string name;
        Steps steps;
        std::vector<std::string> listed; // the message's lines naming rows
        std::string step;                // the line after them
    };
    const std::string sampleRows = "Γραμμές 1 (1001), 2 (156), 3 (67), 4 (466), 5 (78), 6 (23), "
                                   "7 (765): ";
    const std::string again = ", και μετά πατήστε ξανά «Φύλλο εργασίας».";
    const std::string checkMarkReplaced =
        "«✓» γράφτηκε ως «?», γιατί η ελληνική κωδικοποίηση του αρχείου δεν το έχει.";
    const std::string convertAgain = "Πατήστε τα δύο κουμπιά μετατροπής" + again;
    const std::vector<Case> cases{
        {"converted", convertBoth, {}, {}},
        {"never converted",
         [](ExerciseSheet&) {},
         {sampleRows + "λείπουν το τακτικό και το απόλυτο αριθμητικό."},
         convertAgain},
        {"only the ordinals converted, never the cardinals",
         [](ExerciseSheet& s) { s.convertToOrdinals(); },
         {sampleRows + "λείπει το απόλυτο αριθμητικό."},
         "Πατήστε το κουμπί μετατροπής σε απόλυτα αριθμητικά" + again},
        {"only the cardinals converted",
         [](ExerciseSheet& s) { s.convertToCardinals(); },
         {sampleRows + "λείπει το τακτικό αριθμητικό."},
         "Πατήστε το κουμπί μετατροπής σε τακτικά αριθμητικά" + again},
        {"converted, then a number changed",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({2, Column::Number}, "5");
         },
         {"Γραμμή 3 (5): οι λύσεις είναι για το 67, που άλλαξε μετά τη μετατροπή."},
         convertAgain},
        {"a number changed, then only the ordinals converted",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({0, Column::Number}, "3");
             s.convertToOrdinals();
         },
         {"Γραμμή 1 (3): το απόλυτο αριθμητικό είναι για το 1001, που άλλαξε μετά τη "
          "μετατροπή."},
         "Πατήστε το κουμπί μετατροπής σε απόλυτα αριθμητικά" + again},
        {"changed to the same number in other digits",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({0, Column::Number}, " 1.001 ");
             s.setText({1, Column::Number}, "156.0");
         },
         {},
         {}},
        {"refused rows",
         [](ExerciseSheet& s) {
             s.setText({2, Column::Number}, "-5");
             s.setText({3, Column::Number}, "30000");
             s.setText({4, Column::Number}, "α");
             s.setText({5, Column::Number}, "+1,5");
             convertBoth(s);
         },
         {"Γραμμή 3: το «-5» είναι αρνητικός αριθμός.",
          "Γραμμή 4: το «30000» είναι εκτός ορίων (από 1 έως 29999).",
          "Γραμμή 5: το «α» δεν είναι αριθμός.", "Γραμμή 6: το «+1,5» δεν είναι ακέραιος αριθμός."},
         "Διορθώστε τους αριθμούς και πατήστε τα δύο κουμπιά μετατροπής" + again},
        {"a zero, the one row named",
         [](ExerciseSheet& s) {
             s.setText({6, Column::Number}, "0");
             convertBoth(s);
         },
         {"Γραμμή 7: το «0» δεν έχει αριθμητικό σε αυτό το πρόγραμμα."},
         "Διορθώστε τον αριθμό και πατήστε τα δύο κουμπιά μετατροπής" + again},
        {"a problem in each row, top to bottom; only missing numerals share a line",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({0, Column::Cardinal}, "");
             s.setText({1, Column::Number}, "-5");
             s.setText({2, Column::Cardinal}, "");
             s.setText({3, Column::Number}, "466 ✓");
             s.setText({4, Column::Number}, "8");
             s.setText({5, Column::Number}, "30000");
             s.setText({6, Column::Number}, "30000");
         },
         {"Γραμμή 1 (1001): λείπει το απόλυτο αριθμητικό.",
          "Γραμμή 2: το «-5» είναι αρνητικός αριθμός.",
          "Γραμμή 3 (67): λείπει το απόλυτο αριθμητικό.",
          "Γραμμή 4: το «466 ✓» δεν είναι αριθμός. Το " + checkMarkReplaced,
          "Γραμμή 5 (8): οι λύσεις είναι για το 78, που άλλαξε μετά τη μετατροπή.",
          "Γραμμή 6: το «30000» είναι εκτός ορίων (από 1 έως 29999).",
          "Γραμμή 7: το «30000» είναι εκτός ορίων (από 1 έως 29999)."},
         "Διορθώστε τους αριθμούς, αλλάξτε ό,τι γράφτηκε ως «?» και πατήστε τα δύο κουμπιά "
         "μετατροπής" +
             again},
        {"converted, then the number and one answer emptied",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({6, Column::Number}, "");
             s.setText({6, Column::Ordinal}, "");
         },
         {"Γραμμή 7: το απόλυτο αριθμητικό είναι για το 765, που άλλαξε μετά τη μετατροπή."},
         "Πατήστε το κουμπί μετατροπής σε απόλυτα αριθμητικά" + again},
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
         {},
         {}},
        {"one answer corrected, the other left from the old number",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({1, Column::Number}, "157");
             s.setText({1, Column::Cardinal}, "εκατόν πενήντα επτά");
         },
         {"Γραμμή 2 (157): το τακτικό αριθμητικό είναι για το 156, που άλλαξε μετά τη "
          "μετατροπή."},
         "Πατήστε το κουμπί μετατροπής σε τακτικά αριθμητικά" + again},
        {"a number box emptied to spaces",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({6, Column::Number}, "   ");
         },
         {"Γραμμή 7: οι λύσεις είναι για το 765, που άλλαξε μετά τη μετατροπή."},
         convertAgain},
        {"a row emptied whole is no exercise",
         [](ExerciseSheet& s) {
             convertBoth(s);
             for (const Column column : kColumns) {
                 s.setText({4, column}, "");
             }
         },
         {},
         {}},
        {"characters the file lacks, each named once; Greek ones are written",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({1, Column::Ordinal}, "é");
             s.setText({2, Column::Number}, "日");
             s.setText({2, Column::Ordinal}, "τρίτος");
             s.setText({2, Column::Cardinal}, "日 ü \t");
             s.setText({3, Column::Cardinal}, "ΐ ώ ®");
         },
         {"Γραμμή 2 (156): το «é» γράφτηκε ως «?», γιατί η ελληνική κωδικοποίηση του αρχείου "
          "δεν το έχει.",
          "Γραμμή 3 (日): τα «日», «ü» γράφτηκαν ως «?», γιατί η ελληνική κωδικοποίηση του "
          "αρχείου δεν τα έχει."},
         "Αλλάξτε ό,τι γράφτηκε ως «?»" + again},
        {"an invisible character alone",
         [](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({4, Column::Cardinal}, "εβδομήντα\tοκτώ");
         },
         {"Γραμμή 5 (78): ένας αόρατος χαρακτήρας, όπως το Tab, γράφτηκε ως «?»."},
         "Αλλάξτε ό,τι γράφτηκε ως «?»" + again},
    };
    // The same warning wherever the worksheet goes: a download, or a folder on a desktop.
    TemporaryFolder folder;
    KeptDownload download;
    FolderDestination folders({{folder.path(), WorksheetFolder::Kind::Program}});
    struct Destination {
        const char* name;
        WorksheetDestination& destination;
        std::string ready; // the design's sentence
    };
    const std::vector<Destination> destinations{
        {"a download", download, kReadyInDownloads},
        {"a folder", folders, readySentence(utf8(folder.path() / "numbers.txt"))},
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
                      worksheet::worksheetBytes(worksheet::makeWorksheet(rows)))
                << "the file as it was";
            ASSERT_EQ(view.messages.size(), 1U);
            const Message& message = view.messages.front();
            std::vector<std::string> listed;
            std::string step;
            std::istringstream lines(message.text);
            for (std::string line; std::getline(lines, line);) {
                if (line.starts_with("Γραμμ")) {
                    listed.push_back(line);
                } else if (!listed.empty() && step.empty()) {
                    step = line;
                }
            }
            EXPECT_EQ(listed, c.listed);
            EXPECT_EQ(step, c.step);
            EXPECT_EQ(message.kind,
                      c.listed.empty() ? Message::Kind::Plain : Message::Kind::Warning);
            const std::string warning = c.listed.empty() ? "" : "Προσοχή: στο φύλλο εργασίας θέλ";
            EXPECT_THAT(message.text, StartsWith(warning));
            EXPECT_THAT(message.text, HasSubstr(d.ready)) << "what happened, then where it is";
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
                    HasSubstr("«" + utf8(folder / "numbers.txt") + "»: ο φάκελος δεν υπάρχει.\n"));
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
        return "Δεν γράφτηκε το «" + utf8(file) + "»: ";
    };
    const std::string documents = "Προσοχή: το φύλλο εργασίας γράφτηκε στον φάκελο «Έγγραφα».\n";
    const std::string home = "Προσοχή: το φύλλο εργασίας γράφτηκε στον προσωπικό σας φάκελο.\n";
    struct Case {
        std::string name;
        Program program;
        Documents documents;
        std::filesystem::path writtenTo;
        std::string why; // what the message begins with: the first folder that did not take it
    };
    std::vector<Case> cases{
        {"a program folder that cannot be written: the documents", Program::NotAFolder,
         Documents::Present, documentsFolder, documents + refused(besideProgram)},
        {"a missing documents folder is made", Program::NotAFolder, Documents::Missing,
         documentsFolder, documents + refused(besideProgram)},
        {"one that cannot be made: the home", Program::NotAFolder, Documents::TakenByAFile,
         homeFolder, home + refused(besideProgram)},
        {"a folder named numbers.txt in the way", Program::HoldsAFolderNamedNumbersTxt,
         Documents::Present, documentsFolder,
         documents + refused(besideProgram) + "υπάρχει ήδη φάκελος με αυτό το όνομα.\n"},
        {"no program folder found", Program::NotFound, Documents::Present, documentsFolder,
         documents + "Δεν βρέθηκε ο φάκελος του προγράμματος.\n\n"},
    };
#ifdef _WIN32
    cases.push_back({"a read-only numbers.txt is kept", Program::ReadOnlyWorksheet,
                     Documents::Present, documentsFolder,
                     documents + refused(besideProgram) + "το αρχείο είναι μόνο για ανάγνωση.\n"});
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
        EXPECT_EQ(message.kind, Message::Kind::Warning) << "the worksheet is not where it was";
        EXPECT_THAT(message.text, StartsWith(c.why));
        EXPECT_THAT(message.text,
                    HasSubstr("\n\n" + readySentence(utf8(c.writtenTo / "numbers.txt"))));
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

// Every reason the system can give is put in Greek; one we have no words for is said in Greek
// too, with the system's own words after it.
TEST(WorksheetNotSavedTest, EveryReasonIsExplained) {
    const std::filesystem::path program = std::filesystem::path("/media") / "usb";
    const auto line = [&program](std::error_code error, const std::string& greek) {
        return "Δεν γράφτηκε το «" + utf8(program / "numbers.txt") + "»: " +
               (greek.empty() ? "το σύστημα δεν το επέτρεψε (" + error.message() + ")" : greek) +
               ".";
    };
    struct Case {
        std::error_code error;
        std::string greek;
    };
    std::vector<Case> cases{
        {std::make_error_code(std::errc::no_such_file_or_directory), "ο φάκελος δεν υπάρχει"},
        {std::make_error_code(std::errc::not_a_directory), "μέρος της διαδρομής δεν είναι φάκελος"},
        {std::make_error_code(std::errc::is_a_directory), "υπάρχει ήδη φάκελος με αυτό το όνομα"},
        {std::make_error_code(std::errc::permission_denied), "δεν επιτρέπεται η εγγραφή εκεί"},
        {std::make_error_code(std::errc::operation_not_permitted),
         "δεν επιτρέπεται η εγγραφή εκεί"},
        {std::make_error_code(std::errc::read_only_file_system),
         "ο δίσκος είναι μόνο για ανάγνωση"},
        {std::make_error_code(std::errc::no_space_on_device),
         "δεν υπάρχει αρκετός χώρος στον δίσκο"},
        {std::make_error_code(std::errc::file_too_large),
         "το αρχείο ξεπερνά το επιτρεπόμενο μέγεθος"},
        {std::make_error_code(std::errc::filename_too_long), "η διαδρομή είναι πολύ μεγάλη"},
        {std::make_error_code(std::errc::io_error), ""},
    };
#ifdef _WIN32
    const std::string heldOpen = "δεν επιτρέπεται η εγγραφή, ή το αρχείο είναι ανοιχτό σε άλλο "
                                 "πρόγραμμα (όπως το Word)";
    for (const DWORD code : {ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION}) {
        cases.push_back({{static_cast<int>(code), std::system_category()}, heldOpen});
    }
    cases.push_back(
        {{ERROR_FILE_READ_ONLY, std::system_category()}, "το αρχείο είναι μόνο για ανάγνωση"});
#endif
    for (const Case& c : cases) {
        SCOPED_TRACE(c.greek);
        const std::vector<FolderNotUsed> failed{
            {{program, WorksheetFolder::Kind::Program}, c.error}};
        const Message message = worksheetNotSaved(failed);
        EXPECT_EQ(message.kind, Message::Kind::Warning);
        EXPECT_EQ(message.text,
                  "Το φύλλο εργασίας δεν γράφτηκε.\n\n" + line(c.error, c.greek) +
                      "\n\nΑρκεί ένας φάκελος να το δεχτεί: κλείστε το αρχείο αν είναι ανοιχτό σε "
                      "άλλο πρόγραμμα, ή αντιγράψτε το πρόγραμμα στην Επιφάνεια εργασίας και "
                      "ανοίξτε το από εκεί, και πατήστε ξανά «Φύλλο εργασίας».");
    }

    const std::vector<FolderNotUsed> notFound{{{{}, WorksheetFolder::Kind::Program}, {}},
                                              {{{}, WorksheetFolder::Kind::Documents}, {}},
                                              {{{}, WorksheetFolder::Kind::Home}, {}}};
    EXPECT_THAT(worksheetNotSaved(notFound).text,
                StartsWith("Το φύλλο εργασίας δεν γράφτηκε.\n\nΔεν βρέθηκε ο φάκελος του "
                           "προγράμματος.\nΔεν βρέθηκε ο φάκελος «Έγγραφα».\nΔεν βρέθηκε ο "
                           "προσωπικός σας φάκελος.\n\n"));
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
    const std::vector<std::filesystem::path> temporaryFolders{temporary.path() / "Temp"};
    const std::filesystem::path unzipped = temporaryFolders[0] / "Temp1_arithmitika.zip";
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
        {"nor one installed into its own folder inside",
         {system / "Arithmitika", systemFolders, documents, home},
         {{documents, Documents}, {home, Home}}},
        {"a folder beside an install folder is no install folder",
         {temporary.path() / "usr-bin-copy", systemFolders, documents, home},
         {{temporary.path() / "usr-bin-copy", Program}, {documents, Documents}, {home, Home}}},
        {"a documents folder that is the home is tried once",
         {copied, systemFolders, home, home},
         {{copied, Program}, {home, Documents}}},
        {"a program run from the temporary folder is listed, to say why it is not written",
         {unzipped, systemFolders, documents, home, temporaryFolders},
         {{unzipped, Temporary}, {documents, Documents}, {home, Home}}},
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

// Whole messages as the teacher reads them, one for each desktop, kept as reviewed: a slip in
// any word or in the order of what they say shows here. {file} stands for the file's
// path, {program file} for the one the program's folder refused.
// ARITHMITIKA_UPDATE_GOLDENS=1 writes them anew, to be read before they are committed; the run
// that writes them fails, as it has compared nothing.
TEST(WorksheetMessagesTest, WholeMessagesReadAsReviewed) {
    const auto problemsAfter = [](void (*steps)(ExerciseSheet&)) {
        RecordingView view;
        ExerciseSheet sheet(view);
        steps(sheet);
        return WorksheetProblems{sheet.unansweredRows(), sheet.replacedRows()};
    };
    const std::filesystem::path program = std::filesystem::path("usb") / "arithmitika";
    const std::filesystem::path documents = std::filesystem::path("maria") / "Έγγραφα";
    const std::vector<FolderNotUsed> programRefused{
        {{program, WorksheetFolder::Kind::Program},
         std::make_error_code(std::errc::permission_denied)}};
    struct Case {
        std::string golden;
        std::filesystem::path file;
        Message message;
    };
    const std::vector<Case> cases{
        {"linux_converted.txt", program / "numbers.txt",
         worksheetSaved({program / "numbers.txt", {}}, WorksheetFolder::Kind::Program, {},
                        problemsAfter(convertBoth), Desktop::Linux)},
        {"windows_ordinals_only_in_documents.txt", documents / "numbers.txt",
         worksheetSaved(
             {documents / "numbers.txt", {}}, WorksheetFolder::Kind::Documents, programRefused,
             problemsAfter([](ExerciseSheet& s) { s.convertToOrdinals(); }), Desktop::Windows)},
        {"web_changed_and_unwritable.txt",
         {},
         worksheetDownloaded(problemsAfter([](ExerciseSheet& s) {
             convertBoth(s);
             s.setText({3, Column::Number}, "25");
             s.setText({5, Column::Cardinal}, "είκοσι τρία ✓");
         }))},
        {"windows_printed_on_a_paused_printer.txt",
         {},
         *worksheetPrinted({PrintOutcome::Result::Held, "Γραφείο καθηγητών"},
                           problemsAfter([](ExerciseSheet& s) {
                               convertBoth(s);
                               s.setText({6, Column::Number}, "1,5");
                               s.convertToOrdinals();
                               s.convertToCardinals();
                           }).unanswered,
                           Desktop::Windows)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        const std::filesystem::path golden =
            std::filesystem::path(ARITHMITIKA_SHEET_TEST_DATA) / "messages" / c.golden;
        std::string text = c.message.text;
        // The paths as this system writes them.
        for (const auto& [path, name] :
             {std::pair{c.file, "{file}"}, std::pair{program / "numbers.txt", "{program file}"}}) {
            const std::size_t at = text.find(utf8(path));
            if (!path.empty() && at != std::string::npos) {
                text.replace(at, utf8(path).size(), name);
            }
        }
        text =
            (c.message.kind == Message::Kind::Warning ? "[warning]\n" : "[plain]\n") + text + "\n";
        if (std::getenv("ARITHMITIKA_UPDATE_GOLDENS") != nullptr) {
            writeBytes(golden, text);
            ADD_FAILURE() << "written anew, not compared: read it, then run without "
                             "ARITHMITIKA_UPDATE_GOLDENS";
            continue;
        }
        EXPECT_EQ(text, readBytes(golden));
    }
}

// Each print that did not reach paper is a warning naming the printer and the key to press
// again; one that did, with nothing wrong in its rows, says nothing.
TEST(WorksheetMessagesTest, EachPrintOutcomeIsSaidOrNot) {
    using enum PrintOutcome::Result;
    struct Case {
        PrintOutcome::Result result;
        std::optional<std::string> says; // a phrase of the warning; none: no message
    };
    const std::vector<Case> cases{
        {Printed, std::nullopt},
        {Cancelled, std::nullopt},
        {NoPrinter, "δεν υπάρχει εκτυπωτής"},
        {Refused, "ο εκτυπωτής «Τάξη» δεν δέχεται εργασίες"},
        {Failed, "ο εκτυπωτής «Τάξη» δεν το δέχτηκε"},
        {Held, "ο εκτυπωτής «Τάξη» είναι σε παύση"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.result));
        const std::optional<Message> message = worksheetPrinted({c.result, "Τάξη"}, {});
        ASSERT_EQ(message.has_value(), c.says.has_value());
        if (message) {
            EXPECT_EQ(message->kind, Message::Kind::Warning);
            EXPECT_THAT(message->text, HasSubstr(*c.says));
            EXPECT_THAT(message->text, HasSubstr(c.result == Held ? "θα τυπωθεί" : "Ctrl+P"));
        }
    }
    const std::vector<UnansweredRow> missing{{0, "12", UnansweredRow::Why::Missing}};
    EXPECT_EQ(worksheetPrinted({Printed, "Τάξη"}, missing)->kind, Message::Kind::Warning)
        << "a key printed with rows missing";
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
