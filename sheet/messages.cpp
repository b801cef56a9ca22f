#include "sheet/messages.h"

#include "sheet/number_text.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

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

// The whole numbers a conversion takes, as the messages name them.
std::string range() {
    return "από 0 έως " + std::to_string(kLargestNumber);
}

std::string reason(Refusal refusal) {
    switch (refusal) {
    case Refusal::NotANumber:
        return "δεν είναι αριθμός";
    case Refusal::OutOfRange:
        return "είναι εκτός ορίων (" + range() + ")";
    case Refusal::Negative:
        return "είναι αρνητικός αριθμός";
    }
    return {};
}

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// The system's reason, after a Greek explanation where there is a plain one.
std::string explained(std::error_code error) {
    std::string_view greek;
    if (error == std::errc::no_such_file_or_directory) {
        greek = "ο φάκελος δεν υπάρχει";
    } else if (error == std::errc::not_a_directory) {
        greek = "μέρος της διαδρομής δεν είναι φάκελος";
    } else if (error == std::errc::is_a_directory) {
        greek = "υπάρχει ήδη φάκελος με το όνομα numbers.txt";
    } else if (error == std::errc::permission_denied ||
               error == std::errc::operation_not_permitted) {
        greek = "δεν επιτρέπεται η εγγραφή εκεί";
    } else if (error == std::errc::read_only_file_system) {
        greek = "ο δίσκος δέχεται μόνο ανάγνωση";
    } else if (error == std::errc::no_space_on_device) {
        greek = "δεν υπάρχει αρκετός χώρος στον δίσκο";
    } else if (error == std::errc::file_too_large) {
        greek = "το αρχείο ξεπερνά το επιτρεπόμενο μέγεθος";
    } else if (error == std::errc::filename_too_long) {
        greek = "η διαδρομή είναι πολύ μεγάλη";
    }
    if (const std::string_view own = platformReason(error); !own.empty()) {
        greek = own;
    }
    const std::string system = error.message();
    return greek.empty() ? system : std::string(greek) + " (" + system + ")";
}

std::string_view placeName(WorksheetFolder::Kind kind) {
    switch (kind) {
    case WorksheetFolder::Kind::Program:
        return "ο φάκελος του προγράμματος";
    case WorksheetFolder::Kind::Documents:
        return "ο φάκελος των εγγράφων";
    case WorksheetFolder::Kind::Home:
        return "ο προσωπικός φάκελος";
    }
    return {};
}

std::string whyNotWritten(std::span<const FolderNotUsed> failed) {
    std::string text;
    for (const FolderNotUsed& notUsed : failed) {
        text += text.empty() ? "" : "\n";
        if (notUsed.folder.path.empty()) {
            text += "Δεν βρέθηκε " + std::string(placeName(notUsed.folder.kind)) + ".";
            continue;
        }
        text += "Δεν ήταν δυνατό να γραφτεί το «" +
                utf8(notUsed.folder.path / worksheet::kWorksheetFileName) +
                "»: " + explained(notUsed.error) + ".";
    }
    return text;
}

// The page prints as the worksheet itself (see printed_worksheet.h).
constexpr std::string_view kPrintThePage =
    "Για να το τυπώσετε αμέσως, τυπώστε αυτή τη σελίδα (Ctrl+P ή από το μενού του "
    "φυλλομετρητή): βγαίνει το φύλλο εργασίας, με τις λύσεις σε δική τους σελίδα.";

// The desktops print the worksheet themselves (see printed_worksheet.h).
constexpr std::string_view kPrintWithCtrlP =
    "Με Ctrl+P τυπώνετε το φύλλο εργασίας, με τις λύσεις σε δική τους σελίδα.";

// The worksheet is ready as the file named so, and how to open it on this desktop.
std::string readyText(const std::string& file, Desktop desktop) {
    std::string text = "Το φύλλο εργασίας ετοιμάστηκε στο παρασκήνιο. Ανοίξτε το αρχείο " + file +
                       " και τυπώστε το ή μορφοποιείστε το όπως επιθυμείτε στο word . ";
    // LibreOffice's own Greek names for the filter and the encoding, as its menus show them,
    // and Word's name for the encoding.
    constexpr std::string_view kLibreOffice =
        "Στο LibreOffice ανοίξτε το με τύπο αρχείου «Κείμενο - Επιλογή κωδικοποίησης» και "
        "σύνολο χαρακτήρων «Ελληνικά (Windows-1253)», για να φανούν σωστά τα ελληνικά.";
    if (desktop != Desktop::Web) {
        text += "\n\n" + std::string(kPrintWithCtrlP);
    }
    if (desktop == Desktop::Linux) {
        text += "\n\n" + std::string(kLibreOffice);
    } else if (desktop == Desktop::Web) {
        text += "\n\nΤο αρχείο βρίσκεται στις «Λήψεις» του προγράμματος περιήγησης. Στο Word, "
                "αν ρωτήσει για την κωδικοποίηση, επιλέξτε «Ελληνικά (Windows)». " +
                std::string(kLibreOffice) + "\n\n" + std::string(kPrintThePage);
    }
    return text;
}

// How many characters the code page lacked, if any.
std::string replacedNote(std::size_t replacedCharacters) {
    if (replacedCharacters == 1) {
        return "\n\nΠροσοχή: 1 χαρακτήρας δεν υπάρχει στην ελληνική κωδικοσελίδα "
               "Windows-1253 και γράφτηκε ως «?».";
    }
    if (replacedCharacters > 1) {
        return "\n\nΠροσοχή: " + std::to_string(replacedCharacters) +
               " χαρακτήρες δεν υπάρχουν στην ελληνική κωδικοσελίδα Windows-1253 και "
               "γράφτηκαν ως «?».";
    }
    return {};
}

// Each row the answer key gets wrong, and why.
std::string unansweredNote(std::span<const UnansweredRow> unanswered) {
    if (unanswered.empty()) {
        return {};
    }
    std::string text = "\n\nΠροσοχή: οι λύσεις λείπουν ή είναι λάθος σε αυτές τις γραμμές:\n";
    for (const UnansweredRow& row : unanswered) {
        text += "Γραμμή " + std::to_string(row.row + 1);
        if (row.number.find_first_not_of(' ') != std::string::npos) {
            text += " (" + shortened(row.number) + ")";
        }
        switch (row.why) {
        case UnansweredRow::Why::NotConverted:
            text += ": δεν έχει μετατραπεί ακόμη.\n";
            break;
        case UnansweredRow::Why::Refused:
            text += ": " + reason(row.refusal) + ", δεν έχει λύση.\n";
            break;
        case UnansweredRow::Why::Zero:
            text += ": το μηδέν δεν έχει αριθμητικό στους πίνακες, η λύση είναι κενή.\n";
            break;
        case UnansweredRow::Why::OtherNumber:
            text += ": οι λύσεις είναι του αριθμού " + std::to_string(row.answeredFor) +
                    ", που άλλαξε μετά τη μετατροπή.\n";
            break;
        }
    }
    return text + "Διορθώστε τις και φτιάξτε ξανά το φύλλο εργασίας.";
}

Message ready(std::string text, std::span<const UnansweredRow> unanswered,
              std::size_t replacedCharacters) {
    return {unanswered.empty() ? Message::Kind::Plain : Message::Kind::Warning,
            std::move(text) + unansweredNote(unanswered) + replacedNote(replacedCharacters)};
}

} // namespace

Message conversionReport(std::span<const RefusedNumber> refused,
                         std::span<const RoundedNumber> rounded) {
    std::string text;
    if (!refused.empty()) {
        text = refused.size() == 1
                   ? "Ένας αριθμός δεν μετατράπηκε:\n\n"
                   : std::to_string(refused.size()) + " αριθμοί δεν μετατράπηκαν:\n\n";
        for (const RefusedNumber& number : refused) {
            text += "Γραμμή " + std::to_string(number.row + 1) + ": το «" + shortened(number.text) +
                    "» " + reason(number.refusal) + ".\n";
        }
        text += "\nΓράψτε σε κάθε γραμμή έναν ακέραιο αριθμό " + range() + ".";
    }
    if (!rounded.empty()) {
        text += text.empty() ? "" : "\n\n";
        text += rounded.size() == 1 ? "Ένας αριθμός είχε δεκαδικά και στρογγυλεύτηκε:\n\n"
                                    : std::to_string(rounded.size()) +
                                          " αριθμοί είχαν δεκαδικά και στρογγυλεύτηκαν:\n\n";
        bool cut = false;
        for (const RoundedNumber& number : rounded) {
            text += "Γραμμή " + std::to_string(number.row + 1) + ": το «" + shortened(number.text) +
                    "» μετατράπηκε ως " + std::to_string(number.value) + ".\n";
            cut = cut || number.cut;
        }
        if (cut) {
            const std::string largest = std::to_string(kLargestNumber);
            text += "\nΤο πρώτο κουτί δέχεται έως " + std::to_string(kFirstNumberLength) +
                    " χαρακτήρες: για χιλιάδες γράψτε τον αριθμό χωρίς τελεία (" + largest +
                    ", όχι " + largest.substr(0, largest.size() - 3) + "." +
                    largest.substr(largest.size() - 3) + ").";
        } else {
            text += "\nΑν δεν ήταν αυτό που θέλατε, διορθώστε τον αριθμό και πατήστε ξανά το "
                    "κουμπί μετατροπής.";
        }
    }
    return {Message::Kind::Warning, std::move(text)};
}

Message worksheetSaved(const worksheet::SaveOutcome& saved, bool besideProgram,
                       std::span<const FolderNotUsed> failed,
                       std::span<const UnansweredRow> unanswered, Desktop desktop) {
    std::string text = readyText(
        besideProgram ? std::string(worksheet::kWorksheetFileName) : utf8(saved.file), desktop);
    if (!failed.empty()) {
        text += "\n\n" + whyNotWritten(failed);
    }
    return ready(std::move(text), unanswered, saved.replacedCharacters);
}

Message worksheetDownloaded(std::size_t replacedCharacters,
                            std::span<const UnansweredRow> unanswered) {
    return ready(readyText(std::string(worksheet::kWorksheetFileName), Desktop::Web), unanswered,
                 replacedCharacters);
}

Message worksheetNotSaved(std::span<const FolderNotUsed> failed) {
    return {Message::Kind::Warning, "Το φύλλο εργασίας δεν γράφτηκε.\n\n" + whyNotWritten(failed)};
}

Message noPrinter() {
    return {Message::Kind::Warning,
            "Το φύλλο εργασίας δεν τυπώθηκε: δεν υπάρχει εγκατεστημένος εκτυπωτής. Προσθέστε "
            "έναν εκτυπωτή στις ρυθμίσεις του υπολογιστή και πατήστε ξανά Ctrl+P."};
}

Message worksheetNotPrinted() {
    return {Message::Kind::Warning,
            "Το φύλλο εργασίας δεν τυπώθηκε: ο εκτυπωτής δεν το δέχτηκε. Ελέγξτε ότι είναι "
            "αναμμένος, συνδεδεμένος και έχει χαρτί, και πατήστε ξανά Ctrl+P."};
}

} // namespace sheet
