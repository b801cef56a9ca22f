#include "worksheet/paper.h"

#include "worksheet/utf8.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

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

// The worksheet's lines, page by page: each at the area's left edge, a pitch below the one
// before, a page taking at most perPage.
class Pager {
public:
    Pager(PaperSurface& surface, const PrintArea& area, const LineFont& font, std::size_t perPage)
        : m_surface(surface), m_area(area), m_font(font), m_perPage(perPage) {}

    // The next line, on a new page when this one is full. False: the surface took no more.
    bool draw(std::string_view text) {
        if (m_open && m_drawn == m_perPage && !endPage()) {
            return false;
        }
        if (!m_open) {
            if (!m_surface.beginPage(m_font)) {
                return false;
            }
            m_open = true;
            m_drawn = 0;
        }
        const double top = m_area.top + static_cast<double>(m_drawn) * m_font.pitch;
        m_surface.drawLine(text, {m_area.left, top});
        ++m_drawn;
        return true;
    }

    // Ends the page being drawn, if one is: the next line starts a page.
    bool endPage() {
        if (!m_open) {
            return true;
        }
        m_open = false;
        return m_surface.endPage();
    }

private:
    PaperSurface& m_surface;
    PrintArea m_area;
    LineFont m_font;
    std::size_t m_perPage;
    std::size_t m_drawn = 0; // on the page being drawn
    bool m_open = false;
};

// A line as drawn in lines of at most columns characters: each continuation indented under the
// line's own start, the line broken after its last space that fits, or where it is full when
// no space does. Each piece is cut from the line where it stands, so that a line of any length
// takes time in proportion to its length.
bool drawContinued(std::string_view line, std::size_t columns, Pager& pager) {
    if (characterCount(line) <= columns) {
        return pager.draw(line);
    }
    const std::size_t start = std::min(line.find_first_not_of(' '), line.size());
    const std::size_t indent = std::min(start, columns / 2);
    const std::vector<std::size_t> starts = characterStarts(line);
    const std::size_t characters = starts.size() - 1;
    std::string piece;
    std::size_t lead = 0; // the spaces before a piece: none, then the indent
    for (std::size_t first = 0;;) {
        // The piece's characters, after its lead, that fit; a piece never breaks in its indent.
        const std::size_t room = columns - lead;
        std::size_t end = characters;
        if (characters - first > room) {
            end = first + room;
            for (std::size_t c = columns; c > indent + 1; --c) {
                const std::size_t after = first + c - lead; // the character after the break
                if (line[starts[after - 1]] == ' ') {
                    end = after;
                    break;
                }
            }
        }
        piece.assign(lead, ' ').append(line.data() + starts[first], starts[end] - starts[first]);
        if (!pager.draw(piece)) {
            return false;
        }
        if (end == characters) {
            return true;
        }
        first = end;
        lead = indent;
    }
}

} // namespace

bool drawOnPaper(const Worksheet& worksheet, const Paper& paper, PaperSurface& surface) {
    const std::vector<std::string>& lines = worksheet.lines;
    const PrintArea area = printArea(paper);

    // The size that fits the widest line other than an answer, in tenths of a point.
    std::size_t widest = 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!worksheet.isAnswer(i)) {
            widest = std::max(widest, characterCount(lines[i]));
        }
    }
    const double fitting =
        std::floor(area.width / (static_cast<double>(widest) * kPrintFont.advance) * 10) / 10;
    const double points = std::clamp(fitting, kPrintFont.smallest, kPrintFont.largest);
    const LineFont font{points, points * kPrintFont.lineSpacing};
    // At least one character a line and one line a page, however little the paper leaves.
    const auto columns =
        static_cast<std::size_t>(std::max(1.0, area.width / (points * kPrintFont.advance)));
    const auto perPage = static_cast<std::size_t>(std::max(1.0, area.height / font.pitch));

    Pager pager(surface, area, font, perPage);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == worksheet.parts.answerKey && !pager.endPage()) {
            return false;
        }
        if (!drawContinued(lines[i], columns, pager)) {
            return false;
        }
    }
    return pager.endPage();
}

} // namespace worksheet
