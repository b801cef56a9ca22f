#include "worksheet/utf8.h"
#include "worksheet/windows1253.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#if __has_include(<iconv.h>) && !defined(_WIN32)
#define ARITHMITIKA_HAVE_ICONV 1
#include <iconv.h>
#endif

namespace worksheet {
namespace {

#ifdef ARITHMITIKA_HAVE_ICONV
// glibc's own converter, an independent source for the code page.
class Iconv {
public:
    Iconv(const char* to, const char* from) : m_handle(iconv_open(to, from)) {}
    ~Iconv() {
        if (valid()) {
            iconv_close(m_handle);
        }
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    // iconv_open's documented failure value is (iconv_t)-1.
    bool valid() const {
        return m_handle != reinterpret_cast<iconv_t>(-1); // NOLINT(performance-no-int-to-ptr)
    }

    std::optional<std::string> convert(std::string input) {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        std::string output(16, '\0');
        char* in = input.data();
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        if (iconv(m_handle, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            return std::nullopt;
        }
        output.resize(output.size() - outLeft);
        return output;
    }

private:
    iconv_t m_handle;
};

std::string utf32(char32_t character) {
    return std::string(reinterpret_cast<const char*>(&character), sizeof character);
}

TEST(Windows1253, EveryCodePointEncodesAsGlibcDoes) {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "WebAssembly's C library has no code page converter to compare with";
#endif
    Iconv toCodePage("CP1253", "UTF-32LE");
    ASSERT_TRUE(toCodePage.valid()) << "glibc has no CP1253 converter";
    int mapped = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue; // surrogates are not characters
        }
        // glibc drops the language tags (U+E0000 to U+E007F) instead of refusing them.
        const std::optional<std::string> converted = toCodePage.convert(utf32(c));
        const bool expected = converted.has_value() && !converted->empty();
        const std::optional<unsigned char> byte = windows1253Byte(c);
        ASSERT_EQ(byte.has_value(), expected) << "U+" << std::hex << unsigned(c);
        if (byte) {
            ASSERT_EQ(converted.value_or(""), std::string(1, static_cast<char>(*byte)))
                << "U+" << std::hex << unsigned(c);
            ++mapped;
        }
    }
    EXPECT_EQ(mapped, 256 - 17); // the code page leaves 17 bytes unassigned
}

TEST(Windows1253, UnassignedBytesStayUnusedAsGlibcSays) {
    Iconv fromCodePage("UTF-32LE", "CP1253");
    ASSERT_TRUE(fromCodePage.valid());
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const auto decoded = fromCodePage.convert(std::string(1, static_cast<char>(byte)));
        const char16_t ours = kWindows1253UpperHalf[static_cast<std::size_t>(byte - 0x80)];
        SCOPED_TRACE(byte);
        EXPECT_EQ(decoded.has_value(), ours != 0);
    }
}
#endif

TEST(DecodeUtf8, ReadsCharactersAndCutsMalformedSequencesIntoMaximalPieces) {
    struct Case {
        const char* name;
        std::string bytes;
        Utf8Character expected;
    };
    const std::vector<Case> cases{
        {"ascii", "a", {U'a', 1, true}},
        {"two bytes", "ά", {U'ά', 2, true}},
        {"three bytes", "€", {U'€', 3, true}},
        {"four bytes", "\U0001F600", {U'\U0001F600', 4, true}},
        {"highest", "\xF4\x8F\xBF\xBF", {0x10FFFF, 4, true}},
        {"nul", std::string(1, '\0'), {0, 1, true}},
        {"stray continuation", "\x80", {0, 1, false}},
        {"overlong two-byte lead", "\xC0\x80", {0, 1, false}},
        {"overlong three bytes", "\xE0\x80\x80", {0, 1, false}},
        {"overlong four bytes", "\xF0\x80\x80\x80", {0, 1, false}},
        {"surrogate", "\xED\xA0\x80", {0, 1, false}},
        {"past U+10FFFF", "\xF4\x90\x80\x80", {0, 1, false}},
        {"invalid lead", "\xF5\x80", {0, 1, false}},
        {"byte FF", "\xFF", {0, 1, false}},
        {"truncated at the end", "\xE2\x82", {0, 2, false}},
        {"truncated by ascii",
         "\xE2\x82"
         "a",
         {0, 2, false}},
        {"four bytes cut after three",
         "\xF0\x9F\x98"
         "b",
         {0, 3, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Utf8Character decoded = decodeUtf8(c.bytes);
        EXPECT_EQ(decoded.valid, c.expected.valid);
        EXPECT_EQ(decoded.length, c.expected.length);
        if (c.expected.valid) {
            EXPECT_EQ(decoded.codePoint, c.expected.codePoint);
        }
    }
}

} // namespace
} // namespace worksheet
