#include "sheet/worksheet_destination.h"

#include <filesystem>
#include <system_error>

namespace sheet {

Message FolderDestination::put(std::span<const worksheet::WorksheetRow> rows,
                               std::span<const UnansweredRow> unanswered) {
    std::vector<FolderNotUsed> failed;
    for (const WorksheetFolder& folder : m_folders) {
        if (folder.path.empty()) { // a place the platform could not find: nothing to try
            failed.push_back({folder, {}});
            continue;
        }
        std::error_code notMade;
        if (folder.kind == WorksheetFolder::Kind::Documents &&
            !std::filesystem::exists(folder.path, notMade)) {
            std::filesystem::create_directory(folder.path, notMade);
        }
        if (notMade) {
            failed.push_back({folder, notMade});
            continue;
        }
        const worksheet::SaveOutcome outcome = worksheet::saveWorksheet(rows, folder.path);
        if (outcome.saved()) {
            return worksheetSaved(outcome, folder.kind == WorksheetFolder::Kind::Program, failed,
                                  unanswered);
        }
        failed.push_back({folder, outcome.error});
    }
    return worksheetNotSaved(failed);
}

Message DownloadDestination::put(std::span<const worksheet::WorksheetRow> rows,
                                 std::span<const UnansweredRow> unanswered) {
    const worksheet::WorksheetBytes worksheet = worksheet::worksheetBytes(rows);
    download(worksheet.bytes);
    return worksheetDownloaded(worksheet.replacedCharacters, unanswered);
}

} // namespace sheet
