// The zoned line writer on arbitrary statements of arbitrary bytes, encoded for the file as the
// worksheet is. After every statement the column count equals the bytes written since the last
// line end; only end-of-line separators
// write CR LF, and no other CR or LF reaches the file; the replaced count equals the "?" written
// that were not in the items.
//
// Input: a run of elements, each a control byte (separator in its low bits, "statement ends
// here" in its top bit), a length byte, and that many bytes of item text.

#include "worksheet/windows1253.h"
#include "worksheet/zoned_line_writer.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using worksheet::Separator;
    worksheet::StringSink sink;
    worksheet::Windows1253Sink encoded(sink);
    worksheet::ZonedLineWriter out(encoded);

    std::deque<std::string> texts; // stays in place while the elements view it
    std::vector<worksheet::Element> statement;
    std::size_t lineEnds = 0;
    std::size_t questionMarksGiven = 0;
    std::size_t at = 0;

    const auto printStatement = [&] {
        out.print(statement);
        statement.clear();
        const std::string& bytes = sink.bytes();
        const std::size_t lastEnd = bytes.rfind("\r\n");
        const std::size_t lineStart = lastEnd == std::string::npos ? 0 : lastEnd + 2;
        check(out.column() == bytes.size() - lineStart);
    };

    while (at + 2 <= size) {
        const std::uint8_t control = data[at];
        const std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
        texts.emplace_back(reinterpret_cast<const char*>(data + at + 2), length);
        at += 2 + length;

        const auto separator = static_cast<Separator>(control % 3);
        lineEnds += separator == Separator::EndOfLine ? 1 : 0;
        questionMarksGiven +=
            static_cast<std::size_t>(std::count(texts.back().begin(), texts.back().end(), '?'));
        statement.emplace_back(texts.back(), separator);
        if ((control & 0x80) != 0) {
            printStatement();
        }
    }
    if (!statement.empty()) {
        printStatement();
    }

    const std::string& bytes = sink.bytes();
    const auto count = [&bytes](std::string_view what) {
        std::size_t found = 0;
        for (std::size_t i = bytes.find(what); i != std::string::npos;
             i = bytes.find(what, i + 1)) {
            ++found;
        }
        return found;
    };
    check(count("\r\n") == lineEnds);
    check(count("\r") == lineEnds && count("\n") == lineEnds);
    check(out.replacedCount() + encoded.replacedCount() == count("?") - questionMarksGiven);
    return 0;
}
