#include "sheet/worksheet_destination.h"

#include <filesystem>
#include <system_error>

namespace sheet {

std::optional<Message> FolderDestination::put(const worksheet::Worksheet& worksheet,
                                              const WorksheetProblems& problems) {
    std::vector<FolderNotUsed> failed;
    for (const WorksheetFolder& folder : m_folders) {
        // A place the platform could not find, or one the system empties: nothing to try.
        if (folder.path.empty() || folder.kind == WorksheetFolder::Kind::Temporary) {
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
            return worksheetSaved(outcome, folder.kind, failed, problems);
        }
        failed.push_back({folder, outcome.error});
    }
    return worksheetNotSaved(failed);
}

std::optional<Message> DownloadDestination::put(const worksheet::Worksheet& worksheet,
                                                const WorksheetProblems& problems) {
    download(worksheet::worksheetBytes(worksheet));
    return worksheetDownloaded(problems);
}

std::optional<Message> PaperDestination::put(const worksheet::Worksheet& worksheet,
                                             const WorksheetProblems& problems) {
    return worksheetPrinted(print(worksheet), problems.unanswered);
}

} // namespace sheet
