#pragma once

// Where the worksheet command may write numbers.txt, in order of preference.
//
// The worksheet belongs beside the program, as teachers know it, when she runs a copy she put
// somewhere herself (unzipped onto the desktop or a USB stick). A program an installer put in
// place never writes there, even when started by the administrator: a worksheet in /usr/bin
// would outlive the package and mix a user's file with the system's, and one in Windows' hidden
// programs folder would never be found. Then, or when the program's folder cannot be written,
// the worksheet goes into the user's documents folder, made if the user has none yet, and last
// into the user's home folder. A program run from the system's temporary folder (Windows runs
// a program opened inside a zip from there, without extracting it) is treated as installed too:
// the system empties that folder, and the worksheet with it.

#include <filesystem>
#include <span>
#include <vector>

namespace sheet {

struct WorksheetFolder {
    enum class Kind {
        Program,   // beside the running program
        Documents, // the user's documents; made when missing (that folder only, never its parents)
        Home,      // the user's home folder
        // The program's folder inside the system's temporary folder: never written, only
        // listed, so that the message can say why the worksheet went elsewhere.
        Temporary,
    };

    std::filesystem::path path;
    Kind kind;

    friend bool operator==(const WorksheetFolder&, const WorksheetFolder&) = default;
};

// The places a platform knows; an empty path is one it could not find.
struct ProgramPlaces {
    std::filesystem::path programFolder;
    // The folders a package, an installer or an administrator installs programs into (the
    // build's own install folder, /usr/bin; Windows' programs folders); the program never
    // writes its worksheet into one of these, nor into a folder inside one.
    std::span<const std::filesystem::path> systemFolders;
    std::filesystem::path documents;
    std::filesystem::path home;
    // The system's temporary folders, which it empties when it likes.
    std::span<const std::filesystem::path> temporaryFolders = {};
};

std::vector<WorksheetFolder> worksheetFolders(const ProgramPlaces& places);

// The folder of the running program as the system names it, whatever its letters and however
// long; empty if the system cannot say. On Linux the name is kept as bytes, so a folder named
// in a legacy code page (unzipped from a Windows archive) is found too.
std::filesystem::path runningProgramFolder();

} // namespace sheet
