#include "worksheet/printed_worksheet.h"

#include "worksheet/utf8.h"

#include <cmath>
#include <string_view>

namespace worksheet {

namespace {

// The line from a byte on (substr would check the place, and might throw).
std::string_view from(std::string_view line, std::size_t at) noexcept {
    return {line.data() + at, line.size() - at};
}

// Where each character of a UTF-8 line starts, and where the line ends; made in one allocation,
// with nothing in the loops that can fail.
std::vector<std::size_t> characterStarts(std::string_view line) {
    std::vector<std::size_t> starts(characterCount(line) + 1);
    std::size_t at = 0;
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        starts[i] = at;
        at += characterLength(from(line, at));
    }
    starts.back() = line.size();
    return starts;
}

// A piece of a line after so many spaces, as one line of the print, made in one allocation.
void appendPiece(std::size_t spaces, std::string_view piece, std::vector<std::string>& out) {
    std::string& line = out.emplace_back(spaces + piece.size(), ' ');
    std::copy(piece.begin(), piece.end(), line.begin() + static_cast<std::ptrdiff_t>(spaces));
}

// A line as drawn in lines of at most columns characters: each continuation indented under the
// line's own start, the line broken after its last space that fits, or where it is full when
// no space does. Each piece is cut from the line where it stands, so that a line of any length
// takes time in proportion to its length.
void appendContinued(std::string_view line, std::size_t columns, std::vector<std::string>& out) {
    const std::size_t start = std::min(line.find_first_not_of(' '), line.size());
    const std::string indent(std::min(start, columns / 2), ' ');
    const std::vector<std::size_t> starts = characterStarts(line);
    const std::size_t characters = starts.size() - 1;
    std::string_view lead; // before each piece: nothing, then the indent
    for (std::size_t first = 0;;) {
        // The piece's characters, after its lead, that fit; a piece never breaks in its indent.
        const std::size_t room = columns - lead.size();
        if (characters - first <= room) {
            appendPiece(lead.size(), from(line, starts[first]), out);
            return;
        }
        std::size_t end = first + room;
        for (std::size_t c = columns; c > indent.size() + 1; --c) {
            const std::size_t after = first + c - lead.size(); // the character after the break
            if (line[starts[after - 1]] == ' ') {
                end = after;
                break;
            }
        }
        appendPiece(lead.size(), {line.data() + starts[first], starts[end] - starts[first]}, out);
        first = end;
        lead = indent;
    }
}

// Lines onto pages of at most perPage lines, starting a new page.
void appendPages(std::span<const std::string> lines, std::size_t perPage,
                 std::vector<std::vector<std::string>>& pages) {
    for (std::size_t first = 0; first < lines.size(); first += perPage) {
        const std::size_t count = std::min(perPage, lines.size() - first);
        pages.emplace_back(lines.begin() + static_cast<std::ptrdiff_t>(first),
                           lines.begin() + static_cast<std::ptrdiff_t>(first + count));
    }
}

} // namespace

PrintedWorksheet printedWorksheet(const Worksheet& worksheet, PrintArea area) {
    const std::vector<std::string>& lines = worksheet.lines;

    // The size that fits the widest line other than an answer, in tenths of a point.
    std::size_t widest = 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!worksheet.isAnswer(i)) {
            widest = std::max(widest, characterCount(lines[i]));
        }
    }
    const double fitting =
        std::floor(area.width / (static_cast<double>(widest) * kPrintFont.advance) * 10) / 10;
    PrintedWorksheet printed{};
    printed.fontPoints = std::clamp(fitting, kPrintFont.smallest, kPrintFont.largest);
    printed.linePoints = printed.fontPoints * kPrintFont.lineSpacing;
    printed.columns = std::max<std::size_t>(
        1, static_cast<std::size_t>(area.width / (printed.fontPoints * kPrintFont.advance)));
    const auto perPage =
        std::max<std::size_t>(1, static_cast<std::size_t>(area.height / printed.linePoints));

    std::vector<std::string> pupils;
    std::vector<std::string> answerKey;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        appendContinued(lines[i], printed.columns, worksheet.inAnswerKey(i) ? answerKey : pupils);
    }
    appendPages(pupils, perPage, printed.pages);
    printed.answerKeyPage = printed.pages.size();
    appendPages(answerKey, perPage, printed.pages);
    return printed;
}

} // namespace worksheet
