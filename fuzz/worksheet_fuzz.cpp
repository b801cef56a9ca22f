// The worksheet from seven rows of arbitrary texts: always 55 lines, each ending in CR LF with
// no other CR or LF, and every line that does not show a row exactly as in the worksheet of
// the sample numbers.
//
// Input: the 21 box texts, number, ordinal and cardinal of each row in turn, separated by the
// byte 0xFF; missing texts are empty.

#include "worksheet/worksheet_writer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

std::vector<std::string> lines(const std::string& bytes) {
    std::vector<std::string> split;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        split.push_back(bytes.substr(start, end - start));
    }
    check(start == bytes.size());
    return split;
}

const std::vector<std::string>& sampleLines() {
    static const std::vector<std::string> sample = [] {
        std::ifstream in(ARITHMITIKA_SAMPLE_WORKSHEET, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        check(!bytes.empty());
        return lines(bytes);
    }();
    return sample;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::array<std::string_view, 21> texts{};
    std::size_t start = 0;
    for (std::string_view& text : texts) {
        if (start > input.size()) {
            break;
        }
        const std::size_t end = std::min(input.find('\xFF', start), input.size());
        text = input.substr(start, end - start);
        start = end + 1;
    }
    std::vector<worksheet::WorksheetRow> rows;
    rows.reserve(7);
    for (std::size_t r = 0; r < 7; ++r) {
        rows.push_back({texts[3 * r], texts[3 * r + 1], texts[3 * r + 2]});
    }

    const std::string bytes = worksheet::worksheetBytes(worksheet::makeWorksheet(rows));

    const std::vector<std::string> written = lines(bytes);
    check(written.size() == 55);
    for (const std::string& line : written) {
        check(line.find_first_of("\r\n") == std::string::npos);
    }

    std::set<std::size_t> rowLines;
    for (std::size_t r = 0; r < 7; ++r) {
        rowLines.insert(13 + 4 * r); // the number line
        rowLines.insert(47 + r);     // the key line
    }
    const std::vector<std::string>& sample = sampleLines();
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (rowLines.count(i) == 0) {
            check(written[i] == sample[i]);
        }
    }
    const std::string blank(33, '_');
    for (std::size_t r = 0; r < 7; ++r) {
        const std::string& line = written[13 + 4 * r];
        check(line.starts_with(std::string(11, ' ') + blank) && line.ends_with(blank));
        check(written[47 + r].starts_with(std::string(11, ' ')));
    }
    return 0;
}
