#include "sample_worksheet.h"
#include "support/temporary_folder.h"
#include "worksheet/replacing_file.h"
#include "worksheet/utf8.h"
#include "worksheet/windows1253.h"
#include "worksheet/worksheet_writer.h"

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#ifdef _WIN32
#include "worksheet/extended_length_path.h"
#else
#include <csignal>
#include <sys/resource.h>
#endif

namespace worksheet {
namespace {

using testing_support::readBytes;
using testing_support::TemporaryFolder;
using testing_support::writeBytes;

// Where the rows' lines stand in the worksheet, counted from 0.
std::size_t numberLine(std::size_t row) {
    return 13 + 4 * row;
}
std::size_t keyLine(std::size_t row) {
    return 47 + row;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

// UTF-8 test text in Windows-1253; every character must have a byte there.
std::string encoded(std::string_view utf8) {
    std::string bytes;
    while (!utf8.empty()) {
        const Utf8Character character = decodeUtf8(utf8);
        const auto byte = windows1253Byte(character.codePoint);
        EXPECT_TRUE(character.valid && byte.has_value());
        bytes += static_cast<char>(byte.value_or('?'));
        utf8.remove_prefix(character.length);
    }
    return bytes;
}

// The sample worksheet with the lines of the given rows as they would read for their texts.
std::string sampleWithRows(const std::vector<WorksheetRow>& rows) {
    std::vector<std::string> lines = splitLines(readBytes(kSampleFile));
    const std::string sp11(11, ' ');
    const std::string blank(33, '_');
    for (std::size_t r = 0; r < rows.size(); ++r) {
        lines.at(numberLine(r)) = sp11 + blank + encoded(rows[r].number) + blank;
        lines.at(keyLine(r)) = sp11 + encoded(rows[r].ordinal) + encoded(rows[r].number) + "_" +
                               encoded(rows[r].cardinal);
    }
    return joinLines(lines);
}

std::string printed(const std::vector<WorksheetRow>& rows) {
    return worksheetBytes(makeWorksheet(rows));
}

TEST(PrintWorksheet, TheSampleNumbersConvertedGiveTheExpectedFileByteForByte) {
    const std::string expected = readBytes(kSampleFile);
    ASSERT_EQ(splitLines(expected).size(), 55U);
    EXPECT_EQ(printed(kSampleRows), expected);
}

TEST(PrintWorksheet, RowsArePrintedAsTheyStand) {
    struct Case {
        std::string name;
        std::vector<WorksheetRow> rows;
    };
    const std::vector<Case> cases{
        {"nothing converted",
         {{"1001", "", ""},
          {"156", "", ""},
          {"67", "", ""},
          {"466", "", ""},
          {"78", "", ""},
          {"23", "", ""},
          {"765", "", ""}}},
        {"all 21 boxes erased", std::vector<WorksheetRow>(7)},
        {"long numbers and greek text",
         {{"123456789012345678901234567890", "πρώτος", "ένα"},
          {"δεκαπέντε", "ΔΕΚΑΤΟΣ ΠΕΜΠΤΟΣ ", "«δεκαπέντε» "},
          {"-0.5", "ΐΰϊϋ", "€®"},
          {"", "", "μόνο απόλυτο "},
          {"78", "εβδομηκοστός όγδοος ", "εβδομήντα οκτώ "},
          {"   ", "   ", "   "},
          {"32767", "Ά", "Ώ"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bytes = printed(c.rows);
        EXPECT_EQ(bytes, sampleWithRows(c.rows));
        EXPECT_EQ(splitLines(bytes).size(), 55U);
    }
}

TEST(PrintWorksheet, AnErasedRowIsElevenSpacesAndTheBlanksGlued) {
    const std::vector<std::string> lines = splitLines(printed(std::vector<WorksheetRow>(7)));
    EXPECT_EQ(lines.at(numberLine(0)), std::string(11, ' ') + std::string(66, '_'));
    EXPECT_EQ(lines.at(keyLine(6)), std::string(11, ' ') + "_");
}

TEST(SaveWorksheet, WritesNumbersTxtIntoTheFolderAndReplacesAnEarlierOneWhole) {
    TemporaryFolder folder;
    const std::filesystem::path file = folder.path() / "numbers.txt";
    writeBytes(file, std::string(100000, 'x')); // longer than the worksheet

    const SaveOutcome outcome = saveWorksheet(makeWorksheet(kSampleRows), folder.path());

    EXPECT_TRUE(outcome.saved()) << outcome.error.message();
    EXPECT_EQ(outcome.file, file);
    EXPECT_EQ(readBytes(file), readBytes(kSampleFile));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"numbers.txt"});
}

TEST(SaveWorksheet, WritesWhatALineCannotHoldAsQuestionMarks) {
    TemporaryFolder folder;
    std::vector<WorksheetRow> rows(7);
    rows[0] = {"日本", "x\ny", "é"}; // the number is printed twice: on its line and in the key

    const SaveOutcome outcome = saveWorksheet(makeWorksheet(rows), folder.path());

    ASSERT_TRUE(outcome.saved());
    EXPECT_EQ(splitLines(readBytes(outcome.file)).at(keyLine(0)), std::string(11, ' ') + "x?y??_?");
}

TEST(SaveWorksheet, AFolderNamedInGreekWorks) {
    TemporaryFolder folder(u8"Αριθμητικά φύλλα");
    const SaveOutcome outcome = saveWorksheet(makeWorksheet(kSampleRows), folder.path());
    ASSERT_TRUE(outcome.saved()) << outcome.error.message();
    EXPECT_EQ(readBytes(folder.path() / "numbers.txt"), readBytes(kSampleFile));
}

// A sink that takes some bytes, then fails as a full disk would.
class FailingAfter final : public ByteSink {
public:
    FailingAfter(ByteSink& inner, std::size_t budget) : m_inner(inner), m_budget(budget) {}
    void write(std::string_view bytes) override {
        const std::size_t taken = std::min(bytes.size(), m_budget);
        m_inner.write(bytes.substr(0, taken));
        m_budget -= taken;
        if (taken < bytes.size()) {
            throw std::system_error(std::make_error_code(std::errc::no_space_on_device));
        }
    }

private:
    ByteSink& m_inner;
    std::size_t m_budget;
};

TEST(SaveWorksheet, EveryFailureLeavesTheEarlierFileAsItWasAndNoTemporaryFile) {
    struct Case {
        std::string name;
        // Prepares the folder; returns where the worksheet is to be written.
        std::function<std::filesystem::path(const std::filesystem::path&)> prepare;
        std::errc reason;
    };
    const std::vector<Case> cases{
        {"the folder is missing",
         [](const std::filesystem::path& root) { return root / "missing"; },
         std::errc::no_such_file_or_directory},
        {"the folder is a regular file",
         [](const std::filesystem::path& root) {
             writeBytes(root / "plain", "plain");
             return root / "plain";
         },
         std::errc::not_a_directory},
        {"numbers.txt is a folder",
         [](const std::filesystem::path& root) {
             std::filesystem::create_directory(root / "numbers.txt");
             writeBytes(root / "numbers.txt" / "inside", "inside");
             return root;
         },
         std::errc::is_a_directory},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryFolder folder;
        const std::filesystem::path target = c.prepare(folder.path());
        const std::vector<std::string> before = folder.names();

        const SaveOutcome outcome = saveWorksheet(makeWorksheet(kSampleRows), target);

        EXPECT_FALSE(outcome.saved());
        EXPECT_EQ(outcome.file, target / "numbers.txt");
#ifndef _WIN32
        EXPECT_EQ(outcome.error, std::make_error_condition(c.reason)) << outcome.error.message();
#endif
        EXPECT_EQ(folder.names(), before);
        if (std::filesystem::is_directory(folder.path() / "numbers.txt")) {
            EXPECT_EQ(readBytes(folder.path() / "numbers.txt" / "inside"), "inside");
        }
    }
}

TEST(ReplacingFile, AWriteFailingPartWayLeavesTheEarlierFileAsItWas) {
    TemporaryFolder folder;
    const std::filesystem::path file = folder.path() / "numbers.txt";
    writeBytes(file, "earlier worksheet");
    {
        ReplacingFile replacing(file);
        FailingAfter sink(replacing, 1000);
        EXPECT_THROW(sink.write(worksheetBytes(makeWorksheet(kSampleRows))), std::system_error);
        EXPECT_EQ(folder.names().size(), 2U) << "the temporary file exists while writing";
    }
    EXPECT_EQ(readBytes(file), "earlier worksheet");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"numbers.txt"});
}

#ifndef _WIN32
// The system refuses writes past a file size limit, root included: a real write error.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int);
};

TEST(SaveWorksheet, ARealWriteErrorLeavesTheEarlierFileAsItWas) {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "WebAssembly's file system has no file size limit";
#endif
    TemporaryFolder folder;
    const std::filesystem::path file = folder.path() / "numbers.txt";
    writeBytes(file, "earlier worksheet");

    SaveOutcome outcome;
    {
        FileSizeLimit limit(1000);
        outcome = saveWorksheet(makeWorksheet(kSampleRows), folder.path());
    }

    EXPECT_FALSE(outcome.saved());
    EXPECT_EQ(outcome.error, std::make_error_condition(std::errc::file_too_large));
    EXPECT_EQ(readBytes(file), "earlier worksheet");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"numbers.txt"});
}
#endif

#ifdef _WIN32
// Without long-path support Windows stops at 260 characters, and the temporary file's name is
// about 35 longer than numbers.txt: every path the writer opens carries the prefix that lifts
// the limit. (Wine has no such limit, so only the paths can be checked here.)
TEST(ReplacingFile, OpensPathsThatWindowsTakesPast260Characters) {
    struct Case {
        std::wstring given;
        std::wstring opened;
    };
    const std::vector<Case> cases{
        {LR"(C:\Users\d\numbers.txt)", LR"(\\?\C:\Users\d\numbers.txt)"},
        {LR"(C:/Users/d/./Έγγραφα/../numbers.txt)", LR"(\\?\C:\Users\d\numbers.txt)"},
        {LR"(\\school\teachers\numbers.txt)", LR"(\\?\UNC\school\teachers\numbers.txt)"},
        {LR"(\\?\D:\numbers.txt)", LR"(\\?\D:\numbers.txt)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(extendedLengthPath(c.given), c.opened);
    }
}
#endif

} // namespace
} // namespace worksheet
