#include "sheet/precomposed.h"

#include "worksheet/utf8.h"

#include <algorithm>
#include <array>
#include <optional>

namespace sheet {

namespace {

// Characters that normal form C writes as others: a single character for one, or a mark for
// a pair of marks.
struct Replacement {
    char32_t character;
    std::u32string_view by;
};

// clang-format off
constexpr std::array<Replacement, 25> kReplacements{{
    {U'\u037E', U";"},            // Greek question mark: the semicolon
    {U'\u0387', U"\u00B7"},       // Greek ano teleia: the middle dot
    {U'\u1F71', U"\u03AC"},       // ά with oxia: with tonos
    {U'\u1F73', U"\u03AD"},       // έ
    {U'\u1F75', U"\u03AE"},       // ή
    {U'\u1F77', U"\u03AF"},       // ί
    {U'\u1F79', U"\u03CC"},       // ό
    {U'\u1F7B', U"\u03CD"},       // ύ
    {U'\u1F7D', U"\u03CE"},       // ώ
    {U'\u1FBB', U"\u0386"},       // Ά
    {U'\u1FBE', U"\u03B9"},       // prosgegrammeni: ι
    {U'\u1FC9', U"\u0388"},       // Έ
    {U'\u1FCB', U"\u0389"},       // Ή
    {U'\u1FD3', U"\u0390"},       // ΐ
    {U'\u1FDB', U"\u038A"},       // Ί
    {U'\u1FE3', U"\u03B0"},       // ΰ
    {U'\u1FEB', U"\u038E"},       // Ύ
    {U'\u1FEE', U"\u0385"},       // dialytika and oxia: dialytika and tonos
    {U'\u1FEF', U"`"},            // varia: the grave accent
    {U'\u1FF9', U"\u038C"},       // Ό
    {U'\u1FFB', U"\u038F"},       // Ώ
    {U'\u2126', U"\u03A9"},       // the ohm sign: Ω
    {U'\u212A', U"K"},            // the kelvin sign: K
    {U'\u0341', U"\u0301"},       // combining acute tone mark: the combining acute accent
    {U'\u0344', U"\u0308\u0301"}, // combining dialytika tonos: dialytika, then acute
}};

// A letter followed by a combining mark, and the one character they make.
struct Composition {
    char32_t letter;
    char32_t mark; // U+0301 acute (tonos), U+0308 diaeresis (dialytika)
    char32_t composed;
};

constexpr std::array<Composition, 21> kCompositions{{
    {U'\u00A8', U'\u0301', U'\u0385'}, // ΅
    {U'\u0391', U'\u0301', U'\u0386'}, // Ά
    {U'\u0395', U'\u0301', U'\u0388'}, // Έ
    {U'\u0397', U'\u0301', U'\u0389'}, // Ή
    {U'\u0399', U'\u0301', U'\u038A'}, // Ί
    {U'\u0399', U'\u0308', U'\u03AA'}, // Ϊ
    {U'\u039F', U'\u0301', U'\u038C'}, // Ό
    {U'\u03A5', U'\u0301', U'\u038E'}, // Ύ
    {U'\u03A5', U'\u0308', U'\u03AB'}, // Ϋ
    {U'\u03A9', U'\u0301', U'\u038F'}, // Ώ
    {U'\u03B1', U'\u0301', U'\u03AC'}, // ά
    {U'\u03B5', U'\u0301', U'\u03AD'}, // έ
    {U'\u03B7', U'\u0301', U'\u03AE'}, // ή
    {U'\u03B9', U'\u0301', U'\u03AF'}, // ί
    {U'\u03B9', U'\u0308', U'\u03CA'}, // ϊ
    {U'\u03BF', U'\u0301', U'\u03CC'}, // ό
    {U'\u03C5', U'\u0301', U'\u03CD'}, // ύ
    {U'\u03C5', U'\u0308', U'\u03CB'}, // ϋ
    {U'\u03C9', U'\u0301', U'\u03CE'}, // ώ
    {U'\u03CA', U'\u0301', U'\u0390'}, // ΐ: ϊ, then tonos
    {U'\u03CB', U'\u0301', U'\u03B0'}, // ΰ: ϋ, then tonos
}};
// clang-format on

std::optional<char32_t> composition(char32_t letter, char32_t mark) {
    const auto* found =
        std::find_if(kCompositions.begin(), kCompositions.end(),
                     [&](const Composition& c) { return c.letter == letter && c.mark == mark; });
    return found != kCompositions.end() ? std::optional(found->composed) : std::nullopt;
}

std::u32string_view replaced(const char32_t& character) {
    const auto* found =
        std::find_if(kReplacements.begin(), kReplacements.end(),
                     [character](const Replacement& r) { return r.character == character; });
    return found != kReplacements.end() ? found->by : std::u32string_view(&character, 1);
}

} // namespace

std::string precomposed(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    // The character written last and where it starts: a mark after it may compose with it. No
    // composition starts from U+0000, which stands for none.
    char32_t last = 0;
    std::size_t lastStart = 0;
    while (!utf8.empty()) {
        const worksheet::Utf8Character read = worksheet::decodeUtf8(utf8);
        if (!read.valid) {
            result.append(utf8.substr(0, read.length));
            last = 0;
        } else {
            for (const char32_t character : replaced(read.codePoint)) {
                if (const std::optional<char32_t> composed = composition(last, character)) {
                    result.resize(lastStart);
                    last = *composed;
                } else {
                    lastStart = result.size();
                    last = character;
                }
                worksheet::appendUtf8(last, result);
            }
        }
        utf8.remove_prefix(read.length);
    }
    return result;
}

} // namespace sheet
