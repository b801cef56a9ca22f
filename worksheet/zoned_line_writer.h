#pragma once

// Writes plain text as a sequence of print statements, the way the worksheet is laid out.
//
// A statement is a list of elements, each an optional text item followed by a separator that
// says where the next item goes: directly after it (semicolon), at the start of the next
// 14-column print zone (comma), or on a new line (end of line). A statement that ends in a
// semicolon or comma leaves the line open for the next statement to continue.
//
// Text is given and laid out as UTF-8; columns are counted in characters. What cannot be one
// character of a line is written as one "?": a malformed UTF-8 sequence, and a control
// character (a line break pasted into an item would otherwise break the worksheet's lines).
// The writer lays text out only, and hands on each line as it ends: the line ends and the code
// page of a file are the encoding's (see worksheetBytes).

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace worksheet {

// A character the writer writes as "?", since it would break or hide a line.
constexpr bool isControl(char32_t character) {
    return character < 0x20 || character == 0x7F;
}

enum class Separator {
    Semicolon, // nothing between this item and the next
    Comma,     // spaces up to the start of the next print zone
    EndOfLine, // the line ends
};

struct Element {
    // A bare separator, an element without text.
    constexpr Element(Separator separator) : separator(separator) {} // NOLINT: reads as notation
    constexpr Element(std::string_view text, Separator separator)
        : text(text), separator(separator) {}

    std::string_view text;
    Separator separator;
};

// Where the writer hands each line when it ends: its text in UTF-8, without a line end.
class LineSink {
public:
    virtual void line(std::string_view utf8) = 0;

protected:
    LineSink() = default;
    LineSink(const LineSink&) = default;
    LineSink& operator=(const LineSink&) = default;
    ~LineSink() = default;
};

class ZonedLineWriter {
public:
    static constexpr std::size_t kZoneWidth = 14;

    explicit ZonedLineWriter(LineSink& sink) : m_sink(sink) {}

    void print(std::span<const Element> statement);
    void print(std::initializer_list<Element> statement) {
        print(std::span(statement.begin(), statement.size()));
    }

    // Characters written since the last line end.
    std::size_t column() const { return m_column; }
    // Lines ended so far: the number of the line being written, counted from 0.
    std::size_t lineEnds() const { return m_lineEnds; }

private:
    void appendText(std::string_view utf8);

    LineSink& m_sink;
    std::string m_line; // the line being written, until it ends
    std::size_t m_column = 0;
    std::size_t m_lineEnds = 0;
};

} // namespace worksheet
