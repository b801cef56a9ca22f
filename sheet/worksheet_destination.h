#pragma once

// Where the worksheet command puts the worksheet, as the front-end that runs it says: a folder
// on the desktops, a download on the web page. Each puts the worksheet of the rows as they
// stand and says where it went, in the message the sheet then shows.

#include "sheet/messages.h"
#include "sheet/sheet_view.h"
#include "sheet/worksheet_folders.h"
#include "worksheet/worksheet_writer.h"

#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace sheet {

class WorksheetDestination {
public:
    // unanswered: the rows whose answers the message must warn of.
    virtual Message put(const worksheet::Worksheet& worksheet,
                        std::span<const UnansweredRow> unanswered) = 0;

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

    Message put(const worksheet::Worksheet& worksheet,
                std::span<const UnansweredRow> unanswered) override;

private:
    std::vector<WorksheetFolder> m_folders;
};

// The bytes numbers.txt would hold, handed to the browser to download as that file; the message
// says where the browser puts it, and how to print the worksheet from the page. How the bytes
// reach the browser is the page's own.
class DownloadDestination : public WorksheetDestination {
public:
    Message put(const worksheet::Worksheet& worksheet,
                std::span<const UnansweredRow> unanswered) final;

protected:
    virtual void download(std::string_view bytes) = 0;
};

} // namespace sheet
