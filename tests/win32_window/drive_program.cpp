// Uses an installed program as a teacher would, from outside its process: starts it, waits for
// its window, converts the sample numbers both ways, writes the worksheet, reads and dismisses
// the message that says it is ready, and closes the window.
//
//   drive_program PROGRAM.exe
//
// Exits with 0 when every step happened, and says which did not otherwise.

#include "win32_window/form1takt.h"
#include "win32_window/text.h"

#include <cstdio>
#include <string>

#include <windows.h>

namespace {

using win32_window::Form1takt;

// Waits up to ten seconds for found() to give a window.
template <typename Find> HWND waitFor(Find found) {
    for (int tries = 0; tries < 200; ++tries) {
        if (const HWND window = found()) {
            return window;
        }
        Sleep(50);
    }
    return nullptr;
}

int fail(const char* step) {
    std::fprintf(stderr, "drive_program: %s\n", step);
    return 1;
}

// The message box the program shows: a dialog of the program's one thread.
HWND messageBoxOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM result) {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The steps, on the running program; 0 when each one happened.
int drive(DWORD thread) {
    // Shown only once every control is in place.
    const HWND form = waitFor([] {
        const HWND found = FindWindowW(L"Form1takt", nullptr);
        return found != nullptr && IsWindowVisible(found) ? found : nullptr;
    });
    if (form == nullptr) {
        return fail("the program's window did not open");
    }
    const auto button = [form](const char* name) {
        return GetDlgItem(form, Form1takt::controlId(name));
    };
    SendMessageW(button("Command1"), BM_CLICK, 0, 0);
    SendMessageW(button("Command2"), BM_CLICK, 0, 0);
    // The worksheet command ends in a modal message: posted, so this program can answer it.
    PostMessageW(button("Command4"), BM_CLICK, 0, 0);
    const HWND message = waitFor([thread] { return messageBoxOf(thread); });
    if (message == nullptr) {
        return fail("no message after the worksheet command");
    }
    wchar_t text[1024] = {};
    GetDlgItemTextW(message, 0xFFFF, text, 1024); // the message box's text
    std::printf("message: %s\n", win32_window::narrow(text).c_str());
    PostMessageW(message, WM_COMMAND, IDOK, 0);
    PostMessageW(form, WM_CLOSE, 0, 0);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 2) {
        return fail("usage: drive_program PROGRAM.exe");
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program{};
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &program)) {
        return fail("the program did not start");
    }
    const int failed = drive(program.dwThreadId);
    if (failed != 0 || WaitForSingleObject(program.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(program.hProcess, 1); // nothing is left running
        return failed != 0 ? failed : fail("the program did not end when its window was closed");
    }
    DWORD exitCode = 1;
    GetExitCodeProcess(program.hProcess, &exitCode);
    CloseHandle(program.hThread);
    CloseHandle(program.hProcess);
    return exitCode == 0 ? 0 : fail("the program ended with an error");
}
