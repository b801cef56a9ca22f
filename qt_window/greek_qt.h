#pragma once

// Qt's own words in Greek: the text boxes' menu, the message box's button, the print preview,
// the print dialog and its options, printer properties and page setup, and the file chooser.
// Qt ships no Greek translation of its own, so the program carries one (translations/qt_el.ts,
// compiled at build time) and installs it whatever the system's language.

class QCoreApplication;

namespace qt_window {

// Installs the translation into the application, before any window is made; false if it is
// missing from the program.
bool installGreekQt(QCoreApplication& application);

} // namespace qt_window
