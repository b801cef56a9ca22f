#include "worksheet/windows1253.h"
#include "worksheet/zoned_line_writer.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

namespace worksheet {
namespace {

using enum Separator;

// Keeps the lines the writer hands on.
class LineList final : public LineSink {
public:
    void line(std::string_view utf8) override { lines.emplace_back(utf8); }

    std::vector<std::string> lines;
};

// A line as the worksheet file holds it, in Windows-1253.
std::string encoded(std::string_view line) {
    StringSink bytes;
    Windows1253Sink(bytes).write(line);
    return bytes.bytes();
}

class ZonedLineWriterTest : public ::testing::Test {
protected:
    LineList sink;
    ZonedLineWriter out{sink};
};

TEST_F(ZonedLineWriterTest, CommaPadsToTheNextZone) {
    out.print({{"ab", Comma}, {"c", EndOfLine}});
    EXPECT_EQ(sink.lines, std::vector<std::string>{"ab" + std::string(12, ' ') + "c"});
}

TEST_F(ZonedLineWriterTest, ItemsStartInTheColumnsTheSeparatorsGive) {
    struct Case {
        std::string name;
        std::size_t leading; // spaces before the separator
        Separator separator;
        std::size_t startColumn; // counted from 1
    };
    const std::vector<Case> cases{
        {"semicolon after eleven", 11, Semicolon, 12},
        {"comma from 2", 2, Comma, 15},
        {"comma from 17", 17, Comma, 29},
        {"comma from 28", 28, Comma, 43}, // a zone start: a whole zone more
        {"comma from 31", 31, Comma, 43},
        {"comma from 39", 39, Comma, 43},
        {"comma from 45", 45, Comma, 57},
        {"comma from 49", 49, Comma, 57},
        {"comma from 0", 0, Comma, 15},
        {"comma from 14", 14, Comma, 29},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineList lineSink;
        ZonedLineWriter line(lineSink);
        line.print({{std::string(c.leading, ' '), c.separator}, {"x", EndOfLine}});
        EXPECT_EQ(lineSink.lines.at(0).find('x') + 1, c.startColumn);
        EXPECT_EQ(line.column(), 0U);
    }
}

TEST_F(ZonedLineWriterTest, AnOpenLineIsEndedByTheNextStatementsEndOfLine) {
    out.print({{"abc", Semicolon}});
    EXPECT_EQ(out.column(), 3U);
    EXPECT_TRUE(sink.lines.empty()) << "an open line is handed on when it ends";
    out.print({EndOfLine});
    out.print({EndOfLine});
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"abc", ""})); // a line, then an empty one
    EXPECT_EQ(out.lineEnds(), 2U);
}

TEST_F(ZonedLineWriterTest, BareCommasAndStatementsContinueTheLine) {
    out.print({{"a", Semicolon}, Comma, {"b", Comma}});
    out.print({{"c", EndOfLine}});
    EXPECT_EQ(sink.lines, std::vector<std::string>{"a" + std::string(13, ' ') + "b" +
                                                   std::string(13, ' ') + "c"});
}

// The writer lays out text: a character is one column however many bytes it takes in UTF-8,
// and becomes one byte where the text is encoded for the file.
TEST_F(ZonedLineWriterTest, GreekIsOneColumnAndOneByteInTheFile) {
    out.print({{"Αά ®", Comma}, {"x", EndOfLine}});
    ASSERT_EQ(sink.lines, std::vector<std::string>{"Αά ®" + std::string(10, ' ') + "x"});
    EXPECT_EQ(encoded(sink.lines[0]), "\xC1\xDC \xAE" + std::string(10, ' ') + "x");
}

TEST_F(ZonedLineWriterTest, WhatCannotBeWrittenBecomesOneQuestionMarkEach) {
    struct Case {
        std::string name;
        std::string item;
        std::string written; // in the file
    };
    const std::vector<Case> cases{
        {"missing from the code page", "a日本b", "a??b"},
        {"latin with accents", "café", "caf?"},
        {"emoji", "\U0001F600", "?"},
        {"line feed", "1\n2", "1?2"},
        {"carriage return and line feed", "1\r\n2", "1??2"},
        {"tab", "\t", "?"},
        {"nul", std::string(1, '\0'), "?"},
        {"delete", "\x7F", "?"},
        {"a C1 control", "\u0085", "?"},
        {"malformed lead",
         "a\xFF"
         "b",
         "a?b"},
        {"truncated sequence",
         "a\xE2\x82"
         "b",
         "a?b"},
        {"truncated at the end", "a\xCE", "a?"},
        {"surrogate, three pieces", "\xED\xA0\x80", "???"},
        {"question marks typed are kept", "?;?", "?;?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineList lineSink;
        ZonedLineWriter line(lineSink);
        line.print({{c.item, Comma}, {"|", EndOfLine}});
        ASSERT_EQ(lineSink.lines.size(), 1U) << "only the end of line ends a line";
        const std::string bytes = encoded(lineSink.lines[0]);
        EXPECT_EQ(bytes.substr(0, c.written.size()), c.written);
        EXPECT_EQ(bytes.find('|'), 14U) << "the column count must equal the bytes written";
    }
}

TEST_F(ZonedLineWriterTest, ASinkFailureReachesTheCaller) {
    class FullSink final : public LineSink {
    public:
        void line(std::string_view) override {
            throw std::system_error(std::make_error_code(std::errc::no_space_on_device));
        }
    } full;
    ZonedLineWriter line(full);
    EXPECT_THROW(line.print({{"a", EndOfLine}}), std::system_error);
}

} // namespace
} // namespace worksheet
