#include "sheet/worksheet_destination.h"

#include <filesystem>
#include <system_error>

namespace sheet {

Message FolderDestination::put(const worksheet::Worksheet& worksheet,
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
        const worksheet::SaveOutcome outcome = worksheet::saveWorksheet(worksheet, folder.path);
        if (outcome.saved()) {
            return worksheetSaved(outcome, folder.kind == WorksheetFolder::Kind::Program, failed,
                                  unanswered);
        }
        failed.push_back({folder, outcome.error});
    }
    return worksheetNotSaved(failed);
}

Message DownloadDestination::put(const worksheet::Worksheet& worksheet,
                                 std::span<const UnansweredRow> unanswered) {
    const worksheet::WorksheetBytes bytes = worksheet::worksheetBytes(worksheet);
    download(bytes.bytes);
    return worksheetDownloaded(bytes.replacedCharacters, unanswered);
}

} // namespace sheet
