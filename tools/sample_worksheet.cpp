// Writes the worksheet of the form's sample numbers, converted both ways, as numbers.txt in
// the folder named on the command line: the file a teacher gets on the first day.

#include "sheet/exercise_sheet.h"
#include "sheet/sheet_view.h"
#include "sheet/worksheet_folders.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Shows nothing; keeps the one message, which says whether the worksheet was written.
class QuietView final : public sheet::NullView {
public:
    void showMessage(const sheet::Message& message) override { last = message; }

    sheet::Message last{sheet::Message::Kind::Warning, "nothing was written"};
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QuietView view;
    sheet::ExerciseSheet sheet(view);
    sheet.convertToOrdinals();
    sheet.convertToCardinals();
    sheet::FolderDestination folder({{argv[1], sheet::WorksheetFolder::Kind::Program}});
    sheet.writeWorksheet(folder);
    if (view.last.kind != sheet::Message::Kind::Plain) {
        std::fprintf(stderr, "%s\n", view.last.text.c_str());
        return 1;
    }
    return 0;
}
