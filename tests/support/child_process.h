#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/wait.h>

#include <spawn.h>
#include <unistd.h> // environ
#endif

namespace testing_support {

// Another program, started at once; wait() returns its exit code. It inherits no open file:
// a file this process happens to have open would otherwise stay open in the child for its
// whole life, and on Windows an open file cannot be replaced.
class ChildProcess {
public:
    ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
#ifdef _WIN32
        // The arguments here hold no quotes, so quoting each one is enough.
        std::wstring commandLine = L"\"" + program.wstring() + L"\"";
        for (const std::string& argument : arguments) {
            commandLine += L" \"" + std::filesystem::path(argument).wstring() + L"\"";
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(program.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                            0, nullptr, nullptr, &startup, &started)) {
            throw std::runtime_error("cannot start " + program.string());
        }
        CloseHandle(started.hThread);
        m_process = started.hProcess;
#else
        std::vector<std::string> all{program.string()};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& argument : all) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, all.front().c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
            throw std::runtime_error("cannot start " + program.string());
        }
#endif
    }

    int wait() {
#ifdef _WIN32
        WaitForSingleObject(m_process, INFINITE);
        DWORD status = 0;
        GetExitCodeProcess(m_process, &status);
        CloseHandle(m_process);
        return static_cast<int>(status);
#else
        int status = 0;
        waitpid(m_pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    }

private:
#ifdef _WIN32
    HANDLE m_process = nullptr;
#else
    pid_t m_pid = 0;
#endif
};

} // namespace testing_support
