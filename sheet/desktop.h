#pragma once

// What the messages say differently on each desktop. Each platform's build takes one of
// desktop_linux.cpp, desktop_windows.cpp and desktop_web.cpp, and the reasons of
// desktop_windows.cpp or else reasons_generic.cpp.

#include <string_view>
#include <system_error>

namespace sheet {

// The desktop the teacher opens the worksheet on. Word on a Greek Windows reads the file's
// Windows-1253 as it is; LibreOffice and the text editors of Linux read a text file as UTF-8
// unless told otherwise, so a Linux teacher is told how. In a browser the file is downloaded,
// and may be opened anywhere: the teacher is told where it went, and how to open it in both.
enum class Desktop { Windows, Linux, Web };

// The desktop this program was built for.
Desktop thisDesktop();

// The system's own reason in Greek where the platform has one that the generic reasons do not
// cover (Windows' codes for a file held open or marked read-only); empty otherwise.
std::string_view platformReason(std::error_code error);

} // namespace sheet
