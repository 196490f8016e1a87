#pragma once
// Driving real windows from a test: the message queue, files and drive D:.
#include "toolkit/text.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

using toolkit::narrow;
using toolkit::widen;

using namespace std::chrono_literals;

// Handles this thread's messages for the given time.
void pumpMessages(std::chrono::milliseconds duration);
// Handles messages until the condition holds; false after the timeout.
bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5s);

std::optional<std::string> readFile(const std::string& path);
bool writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
// The names of the files (not folders) in a folder whose path ends with a backslash.
std::vector<std::string> filesIn(const std::string& folder);

// The folder that the test prefix maps to drive D:, as a Windows path.
std::string dDriveFolder();
// Removes D:\tuk and everything in it.
void removeSettingsFolder();

// While alive, drive D: leads nowhere: its folder is moved aside.
class DriveDRemoved {
  public:
    DriveDRemoved();
    ~DriveDRemoved();
    DriveDRemoved(const DriveDRemoved&) = delete;
    DriveDRemoved& operator=(const DriveDRemoved&) = delete;
    bool ok() const { return ok_; }

  private:
    bool ok_ = false;
};

// Runs a step from the event loop after the delay, also inside nested loops (modal windows,
// message boxes): that is how a test acts while the code under test waits.
void runSoon(std::function<void()> step, std::chrono::milliseconds delay = 0ms);
// Drops the steps that have not run yet.
void cancelPendingSteps();

// A real left click (through the system's input queue) at client point (x, y) of a window.
void clickAt(HWND window, int x, int y);
// A real right click at a point of the screen.
void rightClickAtScreen(POINT point);
// A real drag with the left button between two points of the screen.
void dragOnScreen(POINT from, POINT to);
// A real key press and release, to the window that has the keyboard.
void pressKey(WORD virtualKey);

// The dialog (#32770) of this process that is up now, other than a message box; null if none.
HWND findDialog();
// The text of a window or control.
std::string windowText(HWND window);

// Client-area pixel of a window as it is on screen now.
COLORREF pixelOf(HWND window, int x, int y);

} // namespace testing_support
