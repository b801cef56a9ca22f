#include "sheet/precomposed.h"

#include "worksheet/utf8.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

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

// Below it, no character is replaced or composes as a mark (every character replaced, and
// every mark, is past it).
constexpr char32_t kFirstChanged = 0x80;
static_assert(std::all_of(kReplacements.begin(), kReplacements.end(),
                          [](const Replacement& r) { return r.character >= kFirstChanged; }));
static_assert(std::all_of(kCompositions.begin(), kCompositions.end(),
                          [](const Composition& c) { return c.mark >= kFirstChanged; }));

std::optional<char32_t> composition(char32_t letter, char32_t mark) noexcept {
    const auto* found =
        std::find_if(kCompositions.begin(), kCompositions.end(),
                     [&](const Composition& c) { return c.letter == letter && c.mark == mark; });
    return found != kCompositions.end() ? std::optional(found->composed) : std::nullopt;
}

std::u32string_view replaced(const char32_t& character) noexcept {
    const auto* found =
        std::find_if(kReplacements.begin(), kReplacements.end(),
                     [character](const Replacement& r) { return r.character == character; });
    return found != kReplacements.end() ? found->by : std::u32string_view(&character, 1);
}

} // namespace

std::string precomposed(std::string_view utf8) {
    // Written into room made once, as no character grows to more than twice its bytes (U+0344,
    // two bytes, becomes two marks of two), with room for the widest character after the end,
    // so that the loop over a long paste calls nothing that can fail.
    std::string result(2 * utf8.size() + 4, '\0');
    std::size_t size = 0;
    // The character written last and where it starts: a mark after it may compose with it. No
    // composition starts from U+0000, which stands for none.
    char32_t last = 0;
    std::size_t lastStart = 0;
    while (!utf8.empty()) {
        const worksheet::Utf8Character read = worksheet::decodeUtf8(utf8);
        if (!read.valid) {
            std::copy_n(utf8.begin(), read.length, result.begin() + static_cast<long>(size));
            size += read.length;
            last = 0;
        } else if (read.codePoint < kFirstChanged) { // as it is, and no mark to compose
            result[size] = utf8.front();
            lastStart = size++;
            last = read.codePoint;
        } else {
            for (const char32_t character : replaced(read.codePoint)) {
                if (const std::optional<char32_t> composed = composition(last, character)) {
                    size = lastStart;
                    last = *composed;
                } else {
                    lastStart = size;
                    last = character;
                }
                size += worksheet::encodeUtf8(last, std::span<char, 4>(result.data() + size, 4));
            }
        }
        utf8.remove_prefix(read.length);
    }
    result.resize(size);
    return result;
}

} // namespace sheet
