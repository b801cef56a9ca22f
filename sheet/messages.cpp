#include "sheet/messages.h"

#include "sheet/number_text.h"
#include "worksheet/utf8.h"

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

// The whole numbers a conversion writes numerals for, as the messages name them.
std::string range() {
    return "από 1 έως " + std::to_string(kLargestNumber);
}

std::string reason(Refusal refusal) {
    switch (refusal) {
    case Refusal::NotANumber:
        return "δεν είναι αριθμός";
    case Refusal::NotWhole:
        return "δεν είναι ακέραιος αριθμός";
    case Refusal::OutOfRange:
        return "είναι εκτός ορίων (" + range() + ")";
    case Refusal::Negative:
        return "είναι αρνητικός αριθμός";
    case Refusal::Zero:
        return "δεν έχει αριθμητικό σε αυτό το πρόγραμμα";
    }
    return {};
}

// A refused number's text and why: «το «abc» δεν είναι αριθμός.»
std::string refusalText(std::string_view number, Refusal refusal) {
    return "το «" + shortened(number) + "» " + reason(refusal) + ".";
}

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// The system's reason in Greek where there is a plain one; its own words only where not.
std::string explained(std::error_code error) {
    std::string_view greek;
    if (error == std::errc::no_such_file_or_directory) {
        greek = "ο φάκελος δεν υπάρχει";
    } else if (error == std::errc::not_a_directory) {
        greek = "μέρος της διαδρομής δεν είναι φάκελος";
    } else if (error == std::errc::is_a_directory) {
        greek = "υπάρχει ήδη φάκελος με αυτό το όνομα";
    } else if (error == std::errc::permission_denied ||
               error == std::errc::operation_not_permitted) {
        greek = "δεν επιτρέπεται η εγγραφή εκεί";
    } else if (error == std::errc::read_only_file_system) {
        greek = "ο δίσκος είναι μόνο για ανάγνωση";
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
    // A reason with no Greek words of ours is still said in Greek; the system's own words, in
    // whatever language it has, only add to it.
    return greek.empty() ? "το σύστημα δεν το επέτρεψε (" + error.message() + ")"
                         : std::string(greek);
}

// A folder as the messages name it: as the subject («Δεν βρέθηκε ο φάκελος …») and after
// «στον».
struct FolderName {
    std::string_view subject;
    std::string_view place;
};
FolderName folderName(WorksheetFolder::Kind kind) {
    switch (kind) {
    case WorksheetFolder::Kind::Program:
    case WorksheetFolder::Kind::Temporary:
        return {"ο φάκελος του προγράμματος", "στον φάκελο του προγράμματος"};
    case WorksheetFolder::Kind::Documents:
        return {"ο φάκελος «Έγγραφα»", "στον φάκελο «Έγγραφα»"};
    case WorksheetFolder::Kind::Home:
        break;
    }
    return {"ο προσωπικός σας φάκελος", "στον προσωπικό σας φάκελο"};
}

// Windows runs a program opened inside a zip from a folder of its own that it empties later.
constexpr std::string_view kRunFromTheZip =
    "Το πρόγραμμα άνοιξε μέσα από το zip, χωρίς αποσυμπίεση, από προσωρινό φάκελο που τα "
    "Windows αδειάζουν. Για να γράφεται δίπλα στο πρόγραμμα, αποσυμπιέστε το zip (δεξί κλικ → "
    "«Εξαγωγή όλων») και ανοίξτε το πρόγραμμα από εκεί.";

// One line for each folder that did not take the worksheet, and why.
std::string whyNotWritten(std::span<const FolderNotUsed> failed) {
    std::string text;
    for (const FolderNotUsed& notUsed : failed) {
        text += text.empty() ? "" : "\n";
        if (notUsed.folder.kind == WorksheetFolder::Kind::Temporary) {
            text += kRunFromTheZip;
            continue;
        }
        if (notUsed.folder.path.empty()) {
            text += "Δεν βρέθηκε " + std::string(folderName(notUsed.folder.kind).subject) + ".";
            continue;
        }
        text += "Δεν γράφτηκε το «" + utf8(notUsed.folder.path / worksheet::kWorksheetFileName) +
                "»: " + explained(notUsed.error) + ".";
    }
    return text;
}

// The design's sentence that the worksheet is ready, as the file named so.
std::string readyText(std::string_view file) {
    return "Το φύλλο εργασίας ετοιμάστηκε στο παρασκήνιο. Ανοίξτε το αρχείο " + std::string(file) +
           " και τυπώστε το ή μορφοποιείστε το όπως επιθυμείτε στο word . ";
}

// How to print the worksheet from the program itself, after the ready sentence. On a tablet or
// a phone the browser's Print is under its Share.
std::string_view printHint(Desktop desktop) {
    if (desktop == Desktop::Web) {
        return "Για να το τυπώσετε από εδώ, πατήστε Ctrl+P ή «Εκτύπωση» στο μενού του "
               "προγράμματος περιήγησης (σε iPad, iPhone και Android: «Κοινοποίηση» → "
               "«Εκτύπωση»)· οι λύσεις τυπώνονται σε χωριστή σελίδα.";
    }
    return "Για να το τυπώσετε από εδώ, πατήστε Ctrl+P· οι λύσεις τυπώνονται σε χωριστή σελίδα.";
}

// LibreOffice reads a text file as UTF-8 unless told otherwise, and asks only when the file is
// opened by its own Open with that type; Word on a Greek Windows reads the file's Windows-1253
// as it is. The names are the ones LibreOffice's Greek menus show.
constexpr std::string_view kOpenInLibreOffice =
    "Στο LibreOffice ανοίξτε το από «Αρχείο → Άνοιγμα», με τύπο αρχείου «Κείμενο - Επιλογή "
    "κωδικοποίησης», και διαλέξτε «Ελληνικά (Windows-1253)».";

// Where the printer settings are, as each desktop's own Greek names them.
std::string_view printerSettings(Desktop desktop) {
    return desktop == Desktop::Windows ? "«Ρυθμίσεις → Εκτυπωτές και σαρωτές»"
                                       : "«Ρυθμίσεις → Εκτυπωτές»";
}

// A row by its number on the form and what its number box holds: «3 (466)», or «3» for a box
// left blank.
std::string rowAndNumber(std::size_t row, std::string_view number) {
    std::string text = std::to_string(row + 1);
    if (number.find_first_not_of(' ') != std::string_view::npos) {
        text += " (" + shortened(number) + ")";
    }
    return text;
}

std::string_view numeralsName(Numerals numerals) {
    switch (numerals) {
    case Numerals::Ordinal:
        return "το τακτικό αριθμητικό";
    case Numerals::Cardinal:
        return "το απόλυτο αριθμητικό";
    case Numerals::Both:
        break;
    }
    return "το τακτικό και το απόλυτο αριθμητικό";
}

// The steps of the one sentence that says what to do, in the order she takes them: numbers and
// characters are mended before the conversion that reads them.
constexpr std::string_view kFixNumber = "διορθώστε τον αριθμό";
constexpr std::string_view kFixNumbers = "διορθώστε τους αριθμούς";
constexpr std::string_view kChangeReplaced = "αλλάξτε ό,τι γράφτηκε ως «?»";
constexpr std::string_view kConvertBoth = "πατήστε τα δύο κουμπιά μετατροπής";
constexpr std::string_view kConvertOrdinals = "πατήστε το κουμπί μετατροπής σε τακτικά αριθμητικά";
constexpr std::string_view kConvertCardinals = "πατήστε το κουμπί μετατροπής σε απόλυτα αριθμητικά";

// A sentence's text with its first letter, a Greek small letter without accent, as a capital.
std::string capitalised(std::string_view text) {
    const worksheet::Utf8Character first = worksheet::decodeUtf8(text);
    const bool small = first.valid && first.codePoint >= U'α' && first.codePoint <= U'ω' &&
                       first.codePoint != U'ς';
    std::string capital;
    worksheet::appendUtf8(small ? first.codePoint - (U'α' - U'Α') : first.codePoint, capital);
    return capital + std::string(text.substr(first.length));
}

// What a row's problem says after its name: «λείπει το απόλυτο αριθμητικό.»
std::string unansweredText(const UnansweredRow& row) {
    switch (row.why) {
    case UnansweredRow::Why::Missing:
        return (row.numerals == Numerals::Both ? "λείπουν " : "λείπει ") +
               std::string(numeralsName(row.numerals)) + ".";
    case UnansweredRow::Why::Refused:
        return refusalText(row.number, row.refusal);
    case UnansweredRow::Why::OtherNumber:
        break;
    }
    return (row.numerals == Numerals::Both ? std::string("οι λύσεις είναι")
                                           : std::string(numeralsName(row.numerals)) + " είναι") +
           " για το " + std::to_string(row.answeredFor) + ", που άλλαξε μετά τη μετατροπή.";
}

std::string replacedText(const ReplacedRow& row) {
    if (row.characters.empty()) {
        return "ένας αόρατος χαρακτήρας, όπως το Tab, γράφτηκε ως «?».";
    }
    std::string characters;
    for (const std::string& character : row.characters) {
        characters += (characters.empty() ? "«" : ", «") + character + "»";
    }
    return row.characters.size() == 1
               ? "το " + characters +
                     " γράφτηκε ως «?», γιατί η ελληνική κωδικοποίηση του αρχείου δεν το έχει."
               : "τα " + characters +
                     " γράφτηκαν ως «?», γιατί η ελληνική κωδικοποίηση του αρχείου δεν τα έχει.";
}

// The rows the worksheet gets wrong, top to bottom, rows missing the same numerals one after
// another on one line, then the one sentence that mends them all, ending in again (the step
// that makes the worksheet anew). The first line says how many rows, as a warning unless one
// came before (warned).
std::string problemsNote(std::span<const UnansweredRow> unanswered,
                         std::span<const ReplacedRow> replaced, std::string_view again,
                         bool warned = false) {
    struct Line {
        std::vector<std::string> rows; // each named with its number
        std::string says;
    };
    std::vector<Line> lines;
    std::size_t rowsNamed = 0;
    std::size_t numbersToFix = 0;
    bool toConvert[2] = {false, false}; // ordinals, cardinals
    for (std::size_t r = 0; r < kRowCount; ++r) {
        std::vector<std::string> says;
        std::string number;
        bool refused = false;
        bool missing = false;
        for (const UnansweredRow& row : unanswered) {
            if (row.row != r) {
                continue;
            }
            number = row.number;
            refused = row.why == UnansweredRow::Why::Refused;
            missing = row.why == UnansweredRow::Why::Missing;
            numbersToFix += refused ? 1 : 0;
            toConvert[0] = toConvert[0] || refused || row.numerals != Numerals::Cardinal;
            toConvert[1] = toConvert[1] || refused || row.numerals != Numerals::Ordinal;
            says.push_back(unansweredText(row));
        }
        for (const ReplacedRow& row : replaced) {
            if (row.row == r) {
                number = row.number;
                says.push_back(replacedText(row));
            }
        }
        if (says.empty()) {
            continue;
        }
        ++rowsNamed;
        // A refusal names the number in what it says; other lines name it with the row.
        std::string name = refused ? std::to_string(r + 1) : rowAndNumber(r, number);
        std::string text = says.front(); // after the row's name; a second is a sentence
        if (says.size() > 1) {
            text += " " + capitalised(says.back());
        }
        if (missing && says.size() == 1 && !lines.empty() && lines.back().says == text) {
            lines.back().rows.push_back(std::move(name));
        } else {
            lines.push_back({{std::move(name)}, std::move(text)});
        }
    }
    if (lines.empty()) {
        return {};
    }

    std::string text = std::string(warned ? "" : "Προσοχή: ") +
                       (rowsNamed == 1 ? std::string("στο φύλλο εργασίας θέλει διόρθωση μία "
                                                     "γραμμή:\n")
                                       : "στο φύλλο εργασίας θέλουν διόρθωση " +
                                             std::to_string(rowsNamed) + " γραμμές:\n");
    if (warned) {
        text = capitalised(text);
    }
    for (const Line& line : lines) {
        std::string rows;
        for (const std::string& row : line.rows) {
            rows += (rows.empty() ? "" : ", ") + row;
        }
        text += (line.rows.size() == 1 ? "Γραμμή " : "Γραμμές ") + rows + ": " + line.says + "\n";
    }

    std::vector<std::string_view> steps;
    if (numbersToFix > 0) {
        steps.push_back(numbersToFix == 1 ? kFixNumber : kFixNumbers);
    }
    if (!replaced.empty()) {
        steps.push_back(kChangeReplaced);
    }
    if (toConvert[0] && toConvert[1]) {
        steps.push_back(kConvertBoth);
    } else if (toConvert[0] || toConvert[1]) {
        steps.push_back(toConvert[0] ? kConvertOrdinals : kConvertCardinals);
    }
    std::string step;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        step += (i == 0 ? "" : i + 1 == steps.size() ? " και " : ", ") + std::string(steps[i]);
    }
    return text + capitalised(step) + ", και μετά " + std::string(again) + ".";
}

// The step that makes the worksheet anew, as a file or on paper.
std::string againWithTheButton() {
    return "πατήστε ξανά «" + std::string(kWorksheetButtonCaption) + "»";
}
constexpr std::string_view kAgainWithCtrlP = "πατήστε ξανά Ctrl+P";

// Paragraphs, each after a blank line, leaving out the empty ones.
std::string paragraphs(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) {
        if (!part.empty()) {
            text += (text.empty() ? "" : "\n\n") + std::string(part);
        }
    }
    return text;
}

} // namespace

Message conversionReport(std::span<const RefusedNumber> refused,
                         std::span<const RoundedNumber> rounded) {
    std::string text;
    if (!refused.empty()) {
        const bool one = refused.size() == 1;
        text = one ? "Μία γραμμή δεν μετατράπηκε:\n\n"
                   : std::to_string(refused.size()) + " γραμμές δεν μετατράπηκαν:\n\n";
        for (const RefusedNumber& number : refused) {
            text += "Γραμμή " + std::to_string(number.row + 1) + ": " +
                    refusalText(number.text, number.refusal) + "\n";
        }
        text += std::string(one ? "\nΓράψτε σε αυτή τη γραμμή" : "\nΓράψτε σε αυτές τις γραμμές") +
                " έναν ακέραιο αριθμό " + range() + " και πατήστε ξανά το κουμπί μετατροπής.";
    }
    if (!rounded.empty()) {
        text += text.empty() ? "" : "\n\n";
        text += rounded.size() == 1
                    ? "Σε μία γραμμή ο αριθμός είχε δεκαδικά και στρογγυλεύτηκε:\n\n"
                    : "Σε " + std::to_string(rounded.size()) +
                          " γραμμές οι αριθμοί είχαν δεκαδικά και στρογγυλεύτηκαν:\n\n";
        bool cut = false;
        for (const RoundedNumber& number : rounded) {
            text += "Γραμμή " + std::to_string(number.row + 1) + ": το «" + shortened(number.text) +
                    "» έγινε " + std::to_string(number.value) + ".\n";
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

Message worksheetSaved(const worksheet::SaveOutcome& saved, WorksheetFolder::Kind place,
                       std::span<const FolderNotUsed> failed, const WorksheetProblems& problems,
                       Desktop desktop) {
    std::string moved;
    if (!failed.empty()) {
        moved = "Προσοχή: το φύλλο εργασίας γράφτηκε " + std::string(folderName(place).place) +
                ".\n" + whyNotWritten(failed);
    }
    const std::string problemsText =
        problemsNote(problems.unanswered, problems.replaced, againWithTheButton(), !moved.empty());
    const bool warn = !moved.empty() || !problemsText.empty();
    return {warn ? Message::Kind::Warning : Message::Kind::Plain,
            paragraphs({moved, problemsText, readyText(utf8(saved.file)), printHint(desktop),
                        desktop == Desktop::Linux ? kOpenInLibreOffice : std::string_view{}})};
}

Message worksheetDownloaded(const WorksheetProblems& problems) {
    // The browser renames a download whose name its folder already holds («numbers (1).txt»),
    // and the page cannot know the name it chose: the newest one is hers.
    const std::string problemsText =
        problemsNote(problems.unanswered, problems.replaced, againWithTheButton());
    return {problemsText.empty() ? Message::Kind::Plain : Message::Kind::Warning,
            paragraphs({problemsText, readyText("«numbers» που κατεβάσατε τελευταίο στις «Λήψεις»"),
                        printHint(Desktop::Web)})};
}

Message worksheetNotSaved(std::span<const FolderNotUsed> failed) {
    return {Message::Kind::Warning,
            paragraphs({"Το φύλλο εργασίας δεν γράφτηκε.", whyNotWritten(failed),
                        "Αρκεί ένας φάκελος να το δεχτεί: κλείστε το αρχείο αν είναι ανοιχτό σε "
                        "άλλο πρόγραμμα, ή αντιγράψτε το πρόγραμμα στην Επιφάνεια εργασίας και "
                        "ανοίξτε το από εκεί, και " +
                            againWithTheButton() + "."})};
}

std::optional<Message> worksheetPrinted(const PrintOutcome& outcome,
                                        std::span<const UnansweredRow> unanswered,
                                        Desktop desktop) {
    const std::string printer =
        outcome.printer.empty() ? "ο εκτυπωτής" : "ο εκτυπωτής «" + outcome.printer + "»";
    const std::string settings(printerSettings(desktop));
    switch (outcome.result) {
    case PrintOutcome::Result::Cancelled:
        return std::nullopt;
    case PrintOutcome::Result::NoPrinter:
        return Message{Message::Kind::Warning,
                       "Το φύλλο εργασίας δεν τυπώθηκε: δεν υπάρχει εκτυπωτής. Προσθέστε έναν "
                       "στις " +
                           settings + " και " + std::string(kAgainWithCtrlP) + "."};
    case PrintOutcome::Result::Refused:
        return Message{Message::Kind::Warning,
                       "Το φύλλο εργασίας δεν τυπώθηκε: " + printer +
                           " δεν δέχεται εργασίες. Ενεργοποιήστε τον στις " + settings +
                           " ή διαλέξτε άλλον, και " + std::string(kAgainWithCtrlP) + "."};
    case PrintOutcome::Result::Failed:
        return Message{Message::Kind::Warning,
                       "Το φύλλο εργασίας δεν τυπώθηκε: " + printer +
                           " δεν το δέχτηκε. Ελέγξτε ότι είναι αναμμένος, συνδεδεμένος και έχει "
                           "χαρτί, και " +
                           std::string(kAgainWithCtrlP) + "."};
    case PrintOutcome::Result::Held:
    case PrintOutcome::Result::Printed:
        break;
    }
    const bool held = outcome.result == PrintOutcome::Result::Held;
    const std::string waiting =
        "Προσοχή: το φύλλο εργασίας περιμένει στην ουρά, γιατί " + printer + " είναι σε παύση.";
    // A held job with rows to mend is cancelled first, or the flawed sheet prints as well as
    // the mended one.
    const std::string problemsText =
        problemsNote(unanswered, {},
                     held ? "βγάλτε τον εκτυπωτή από την παύση και " + std::string(kAgainWithCtrlP)
                          : std::string(kAgainWithCtrlP),
                     held);
    if (held && problemsText.empty()) {
        return Message{Message::Kind::Warning,
                       waiting + " Βγάλτε τον από την παύση στις " + settings + " και θα τυπωθεί."};
    }
    if (held) {
        return Message{Message::Kind::Warning,
                       paragraphs({waiting + " Ακυρώστε την εργασία στην ουρά του, στις " +
                                       settings + ", για να μην τυπωθεί όπως είναι.",
                                   problemsText})};
    }
    if (problemsText.empty()) {
        return std::nullopt;
    }
    return Message{Message::Kind::Warning, problemsText};
}

Message pageNotStarted() {
    return {Message::Kind::Warning,
            "Η σελίδα του προγράμματος δεν ξεκίνησε: το αρχείο της «arithmitika.js» δεν "
            "φορτώθηκε. Ό,τι γράψατε στα κουτιά μένει.\n\nΞαναφορτώστε τη σελίδα. Αν δεν "
            "ξεκινήσει ούτε τότε, αντιγράψτε ξανά ολόκληρο τον φάκελο της σελίδας στο USB stick "
            "ή στον διακομιστή του σχολείου, μαζί με το «arithmitika.js»."};
}

Message windowNotOpened(std::string_view detail) {
    return {Message::Kind::Warning,
            "Το πρόγραμμα δεν μπόρεσε να ανοίξει το παράθυρό του. Ανοίξτε το ξανά· αν δεν "
            "ανοίξει ούτε τότε, επανεκκινήστε τον υπολογιστή και δοκιμάστε πάλι.\n\n"
            "(Λεπτομέρειες για τεχνικό: " +
                std::string(detail) + ")"};
}

} // namespace sheet
