#pragma once
// Child processes of the program under test, started as a user would start them.
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// The folder holding this test program and the programs under test.
std::string programFolder();

class ChildProcess {
  public:
    // Starts a program of the build folder with extra environment variables.
    explicit ChildProcess(const std::string& program,
                          const std::vector<std::pair<std::string, std::string>>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    bool started() const { return info_.hProcess != nullptr; }
    // The exit code once it has ended, or nothing after the timeout.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);
    // A visible top-level window of this process with that title, waiting up to the timeout.
    HWND waitForWindow(const std::string& title, std::chrono::milliseconds timeout,
                       bool mustBeVisible = true) const;
    HWND findWindow(const std::string& title) const;

  private:
    PROCESS_INFORMATION info_{};
};

} // namespace testing_support
