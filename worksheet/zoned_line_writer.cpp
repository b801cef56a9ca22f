#include "worksheet/zoned_line_writer.h"

#include "worksheet/utf8.h"

#include <string>

namespace worksheet {

void ZonedLineWriter::print(std::span<const Element> statement) {
    std::string bytes;
    for (const Element& element : statement) {
        appendText(element.text, bytes);
        switch (element.separator) {
        case Separator::Semicolon:
            break;
        case Separator::Comma: {
            // Always to the next zone start past the current column: a comma met exactly at a
            // zone start pads a whole zone.
            const std::size_t padding = kZoneWidth - m_column % kZoneWidth;
            bytes.append(padding, ' ');
            m_column += padding;
            break;
        }
        case Separator::EndOfLine:
            bytes += "\r\n";
            m_column = 0;
            ++m_lineEnds;
            break;
        }
    }
    m_sink.write(bytes);
}

void ZonedLineWriter::appendText(std::string_view utf8, std::string& out) {
    while (!utf8.empty()) {
        const Utf8Character character = decodeUtf8(utf8);
        if (character.valid && !isControl(character.codePoint)) {
            out += utf8.substr(0, character.length);
        } else {
            out += '?';
            ++m_replaced;
        }
        utf8.remove_prefix(character.length);
        ++m_column;
    }
}

} // namespace worksheet
