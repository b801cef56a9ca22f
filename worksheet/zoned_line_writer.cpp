#include "worksheet/zoned_line_writer.h"

#include "worksheet/utf8.h"

#include <string>

namespace worksheet {

void ZonedLineWriter::print(std::span<const Element> statement) {
    for (const Element& element : statement) {
        appendText(element.text);
        switch (element.separator) {
        case Separator::Semicolon:
            break;
        case Separator::Comma: {
            // Always to the next zone start past the current column: a comma met exactly at a
            // zone start pads a whole zone.
            const std::size_t padding = kZoneWidth - m_column % kZoneWidth;
            m_line.append(padding, ' ');
            m_column += padding;
            break;
        }
        case Separator::EndOfLine:
            m_sink.line(m_line);
            m_line.clear();
            m_column = 0;
            ++m_lineEnds;
            break;
        }
    }
}

void ZonedLineWriter::appendText(std::string_view utf8) {
    // The characters written as they are go out in runs, and only what ends a run appends, so
    // that a long text costs no call that can fail for each of its characters.
    std::size_t runStart = 0;
    std::size_t at = 0;
    while (at < utf8.size()) {
        ++m_column;
        if (const auto byte = static_cast<unsigned char>(utf8[at]);
            byte < 0x80 && !isControl(byte)) {
            ++at; // printable ASCII, the most of a long text
            continue;
        }
        const Utf8Character character = decodeUtf8({utf8.data() + at, utf8.size() - at});
        if (character.valid && !isControl(character.codePoint)) {
            at += character.length;
            continue;
        }
        m_line.append(utf8.data() + runStart, at - runStart);
        m_line += '?';
        at += character.length;
        runStart = at;
    }
    m_line.append(utf8.data() + runStart, at - runStart);
}

} // namespace worksheet
