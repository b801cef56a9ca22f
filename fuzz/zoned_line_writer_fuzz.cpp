// The zoned line writer on arbitrary statements of arbitrary bytes, each line encoded for the
// file as the worksheet's are. Every line it hands on holds no control character and, in the
// file's code page, as many bytes as it has columns; after a statement that ends its line the
// column count is back at 0; it hands on one line for each end-of-line separator.
//
// Input: a run of elements, each a control byte (separator in its low bits, "statement ends
// here" in its top bit), a length byte, and that many bytes of item text.

#include "worksheet/utf8.h"
#include "worksheet/windows1253.h"
#include "worksheet/zoned_line_writer.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Checks each line as it is handed on, and counts them.
class CheckedLines final : public worksheet::LineSink {
public:
    void line(std::string_view utf8) override {
        std::size_t characters = 0;
        for (std::size_t at = 0; at < utf8.size(); ++characters) {
            const worksheet::Utf8Character character = worksheet::decodeUtf8(utf8.substr(at));
            check(character.valid && !worksheet::isControl(character.codePoint));
            at += character.length;
        }
        worksheet::StringSink bytes;
        worksheet::Windows1253Sink(bytes).write(utf8);
        check(bytes.bytes().size() == characters);
        ++count;
    }

    std::size_t count = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using worksheet::Separator;
    CheckedLines lines;
    worksheet::ZonedLineWriter out(lines);

    std::deque<std::string> texts; // stays in place while the elements view it
    std::vector<worksheet::Element> statement;
    std::size_t lineEnds = 0;
    std::size_t at = 0;

    const auto printStatement = [&] {
        const bool ends = statement.back().separator == Separator::EndOfLine;
        out.print(statement);
        statement.clear();
        check(!ends || out.column() == 0);
        check(lines.count == lineEnds && out.lineEnds() == lineEnds);
    };

    while (at + 2 <= size) {
        const std::uint8_t control = data[at];
        const std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
        texts.emplace_back(reinterpret_cast<const char*>(data + at + 2), length);
        at += 2 + length;

        const auto separator = static_cast<Separator>(control % 3);
        lineEnds += separator == Separator::EndOfLine ? 1 : 0;
        statement.emplace_back(texts.back(), separator);
        if ((control & 0x80) != 0) {
            printStatement();
        }
    }
    if (!statement.empty()) {
        printStatement();
    }
    return 0;
}
