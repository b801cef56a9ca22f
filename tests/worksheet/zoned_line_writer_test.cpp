#include "worksheet/windows1253.h"
#include "worksheet/zoned_line_writer.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

namespace worksheet {
namespace {

using enum Separator;

// The writer as the worksheet file uses it: its text encoded in Windows-1253.
class ZonedLineWriterTest : public ::testing::Test {
protected:
    StringSink sink;
    Windows1253Sink encoded{sink};
    ZonedLineWriter out{encoded};
};

TEST_F(ZonedLineWriterTest, CommaPadsToTheNextZone) {
    out.print({{"ab", Comma}, {"c", EndOfLine}});
    EXPECT_EQ(sink.bytes(), "ab" + std::string(12, ' ') + "c\r\n");
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
        StringSink lineSink;
        ZonedLineWriter line(lineSink);
        line.print({{std::string(c.leading, ' '), c.separator}, {"x", EndOfLine}});
        EXPECT_EQ(lineSink.bytes().find('x') + 1, c.startColumn);
        EXPECT_EQ(line.column(), 0U);
    }
}

TEST_F(ZonedLineWriterTest, AnOpenLineIsEndedByTheNextStatementsEndOfLine) {
    out.print({{"abc", Semicolon}});
    EXPECT_EQ(out.column(), 3U);
    out.print({EndOfLine});
    out.print({EndOfLine});
    EXPECT_EQ(sink.bytes(), "abc\r\n\r\n"); // one line, then one empty line
}

TEST_F(ZonedLineWriterTest, BareCommasAndStatementsContinueTheLine) {
    out.print({{"a", Semicolon}, Comma, {"b", Comma}});
    out.print({{"c", EndOfLine}});
    EXPECT_EQ(sink.bytes(), "a" + std::string(13, ' ') + "b" + std::string(13, ' ') + "c\r\n");
}

// The writer lays out text: a character is one column however many bytes it takes in UTF-8,
// and becomes one byte where the text is encoded for the file.
TEST_F(ZonedLineWriterTest, GreekIsOneColumnAndOneByteInTheFile) {
    StringSink text;
    ZonedLineWriter laidOut(text);
    for (ZonedLineWriter* writer : {&laidOut, &out}) {
        writer->print({{"Αά ®", Comma}, {"x", EndOfLine}});
        EXPECT_EQ(writer->replacedCount(), 0U);
    }
    EXPECT_EQ(text.bytes(), "Αά ®" + std::string(10, ' ') + "x\r\n");
    EXPECT_EQ(sink.bytes(), "\xC1\xDC \xAE" + std::string(10, ' ') + "x\r\n");
    EXPECT_EQ(encoded.replacedCount(), 0U);
}

TEST_F(ZonedLineWriterTest, WhatCannotBeWrittenBecomesOneQuestionMarkEach) {
    struct Case {
        std::string name;
        std::string item;
        std::string written;
        std::size_t replaced;
    };
    const std::vector<Case> cases{
        {"missing from the code page", "a日本b", "a??b", 2},
        {"latin with accents", "café", "caf?", 1},
        {"emoji", "\U0001F600", "?", 1},
        {"line feed", "1\n2", "1?2", 1},
        {"carriage return and line feed", "1\r\n2", "1??2", 2},
        {"tab", "\t", "?", 1},
        {"nul", std::string(1, '\0'), "?", 1},
        {"delete", "\x7F", "?", 1},
        {"a C1 control", "\u0085", "?", 1},
        {"malformed lead",
         "a\xFF"
         "b",
         "a?b", 1},
        {"truncated sequence",
         "a\xE2\x82"
         "b",
         "a?b", 1},
        {"truncated at the end", "a\xCE", "a?", 1},
        {"surrogate, three pieces", "\xED\xA0\x80", "???", 3},
        {"question marks typed are kept and not counted", "?;?", "?;?", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StringSink lineSink;
        Windows1253Sink lineEncoded(lineSink);
        ZonedLineWriter line(lineEncoded);
        line.print({{c.item, Comma}, {"|", EndOfLine}});
        const std::string& bytes = lineSink.bytes();
        EXPECT_EQ(bytes.substr(0, c.written.size()), c.written);
        EXPECT_EQ(bytes.find('|'), 14U) << "the column count must equal the bytes written";
        EXPECT_EQ(bytes.find('\r'), bytes.size() - 2) << "only the line end writes CR LF";
        EXPECT_EQ(line.replacedCount() + lineEncoded.replacedCount(), c.replaced);
    }
}

TEST_F(ZonedLineWriterTest, ASinkFailureReachesTheCaller) {
    class FullSink final : public ByteSink {
    public:
        void write(std::string_view) override {
            throw std::system_error(std::make_error_code(std::errc::no_space_on_device));
        }
    } full;
    ZonedLineWriter line(full);
    EXPECT_THROW(line.print({{"a", EndOfLine}}), std::system_error);
}

} // namespace
} // namespace worksheet
