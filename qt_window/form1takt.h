#pragma once

// The program's one window, built from the form's table of controls and bound to the exercise
// sheet: it forwards the user's edits, clicks, key presses and mouse moves to the sheet and
// shows what the sheet reports back. It keeps no state of its own.

#include "qt_window/worksheet_printing.h"
#include "sheet/exercise_sheet.h"
#include "sheet/sheet_view.h"

#include <vector>

#include <QWidget>

class QLineEdit;

namespace qt_window {

class Form1takt final : public QWidget, private sheet::SheetView {
    Q_OBJECT

public:
    // worksheetFolders: where the worksheet may be written, in order of preference.
    explicit Form1takt(std::vector<sheet::WorksheetFolder> worksheetFolders,
                       QWidget* parent = nullptr);

    // Places the window in the middle of its screen's available area.
    void centreOnScreen();

    // Ctrl+P: the worksheet of the boxes as they stand in a print preview (see PreviewPaper),
    // then what the sheet says of it; nothing else changes.
    void printWorksheet();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectControls();
    QLineEdit* box(sheet::BoxId id) const;

    void showText(sheet::BoxId id, const std::string& text) override;
    void showStrRomanEnabled(bool enabled) override;
    void showHovered() override;
    void showMessage(const sheet::Message& message) override;

    sheet::FolderDestination m_worksheetDestination;
    PreviewPaper m_paper;
    sheet::ExerciseSheet m_sheet;
    std::vector<QWidget*> m_controls; // one per row of the design, in its order
};

} // namespace qt_window
