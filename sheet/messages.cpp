#include "sheet/messages.h"

#include <string_view>

namespace sheet {

namespace {

// A long paste is shown by its beginning, cut between two characters, never inside one.
std::string shortened(std::string_view text) {
    constexpr std::size_t kMaxCharacters = 30;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == kMaxCharacters) {
            return std::string(text.substr(0, i)) + "…";
        }
    }
    return std::string(text);
}

std::string_view reason(Refusal refusal) {
    switch (refusal) {
    case Refusal::NotANumber:
        return "δεν είναι αριθμός";
    case Refusal::OutOfRange:
        return "είναι εκτός ορίων";
    case Refusal::Negative:
        return "είναι αρνητικός αριθμός";
    }
    return {};
}

} // namespace

Message conversionReport(std::span<const RefusedNumber> refused) {
    std::string text = refused.size() == 1
                           ? "Ένας αριθμός δεν μετατράπηκε:\n\n"
                           : std::to_string(refused.size()) + " αριθμοί δεν μετατράπηκαν:\n\n";
    for (const RefusedNumber& number : refused) {
        text += "Γραμμή " + std::to_string(number.row + 1) + ": το «" + shortened(number.text) +
                "» " + std::string(reason(number.refusal)) + ".\n";
    }
    text += "\nΓράψτε σε κάθε γραμμή έναν ακέραιο αριθμό από 0 έως 29999.";
    return {Message::Kind::Warning, std::move(text)};
}

} // namespace sheet
