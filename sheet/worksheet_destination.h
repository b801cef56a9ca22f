#pragma once

// Where a command puts the worksheet, as the front-end that runs it says: a folder on the
// desktops, a download on the web page, paper. Each puts the worksheet it is given and returns
// the message saying what became of it, made by the sheet's messages from what happened.

#include "sheet/messages.h"
#include "sheet/worksheet_folders.h"
#include "worksheet/worksheet_writer.h"

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace sheet {

class WorksheetDestination {
public:
    // problems: what the message must warn of. Nothing: no message to show.
    virtual std::optional<Message> put(const worksheet::Worksheet& worksheet,
                                       const WorksheetProblems& problems) = 0;

protected:
    WorksheetDestination() = default;
    WorksheetDestination(const WorksheetDestination&) = default;
    WorksheetDestination& operator=(const WorksheetDestination&) = default;
    ~WorksheetDestination() = default;
};

// numbers.txt in the first of the folders that takes it (see worksheetFolders); the message
// says where, and why each folder before it did not take it.
class FolderDestination final : public WorksheetDestination {
public:
    explicit FolderDestination(std::vector<WorksheetFolder> folders)
        : m_folders(std::move(folders)) {}

    std::optional<Message> put(const worksheet::Worksheet& worksheet,
                               const WorksheetProblems& problems) override;

private:
    std::vector<WorksheetFolder> m_folders;
};

// The bytes numbers.txt would hold, handed to the browser to download as that file. How the
// bytes reach the browser is the page's own.
class DownloadDestination : public WorksheetDestination {
public:
    std::optional<Message> put(const worksheet::Worksheet& worksheet,
                               const WorksheetProblems& problems) final;

protected:
    virtual void download(std::string_view bytes) = 0;
};

// The worksheet on a printer the teacher picks. How it is picked and spooled is the window's
// own, and so is the surface it draws the pages on (see worksheet/paper.h); it says what
// happened.
class PaperDestination : public WorksheetDestination {
public:
    std::optional<Message> put(const worksheet::Worksheet& worksheet,
                               const WorksheetProblems& problems) final;

protected:
    virtual PrintOutcome print(const worksheet::Worksheet& worksheet) = 0;
};

} // namespace sheet
