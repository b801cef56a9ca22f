// Opens the exercise form in its Windows window.

#include "form/design.h"
#include "sheet/messages.h"
#include "sheet/worksheet_folders.h"
#include "win32_window/form1takt.h"
#include "win32_window/startup.h"
#include "win32_window/text.h"

#include <array>
#include <exception>
#include <filesystem>
#include <string>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace {

// A known folder of the user's, wherever it was moved or redirected to; empty if Windows knows
// none. The path is asked for without checking that the folder is there, so that a missing
// Documents folder is made, as on Linux, rather than passed over.
std::filesystem::path knownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path))) {
        folder = path;
    }
    CoTaskMemFree(path);
    return folder;
}

// The user's temporary folder; empty if Windows names none.
std::filesystem::path temporaryFolder() {
    std::wstring path(MAX_PATH + 1, L'\0'); // the longest GetTempPathW returns, and its end
    const DWORD length = GetTempPathW(static_cast<DWORD>(path.size()), path.data());
    if (length == 0 || length >= path.size()) {
        return {};
    }
    path.resize(length);
    return std::filesystem::path(path).parent_path(); // without its closing backslash
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int nShowCmd) {
    const win32_window::Startup startup;
    try {
        // Where installers put programs: the user's own (the per-user installer's, which older
        // Windows and Wine do not name, so it is also found under the local application data)
        // and the machine's. A copy run from anywhere else writes its worksheet beside itself.
        const std::filesystem::path localAppData = knownFolder(FOLDERID_LocalAppData);
        const std::array<std::filesystem::path, 4> installFolders{
            knownFolder(FOLDERID_UserProgramFiles),
            localAppData.empty() ? localAppData : localAppData / L"Programs",
            knownFolder(FOLDERID_ProgramFiles), knownFolder(FOLDERID_ProgramFilesX86)};
        // Explorer runs a program opened inside a zip from a folder of its own in the temporary
        // folder, which is emptied later: the worksheet goes where she will find it again.
        const std::array<std::filesystem::path, 1> temporaryFolders{temporaryFolder()};
        win32_window::Form1takt form(hInstance, sheet::worksheetFolders({
                                                    .programFolder = sheet::runningProgramFolder(),
                                                    .systemFolders = installFolders,
                                                    .documents = knownFolder(FOLDERID_Documents),
                                                    .home = knownFolder(FOLDERID_Profile),
                                                    .temporaryFolders = temporaryFolders,
                                                }));
        ShowWindow(form.handle(), nShowCmd);
        UpdateWindow(form.handle());
        return form.run();
    } catch (const std::exception& failure) {
        const std::wstring text = win32_window::wide(sheet::windowNotOpened(failure.what()).text);
        MessageBoxW(nullptr, text.c_str(), win32_window::wide(form::kForm.caption).c_str(),
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}
