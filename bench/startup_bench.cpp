// Start-up of the real tuk.exe, from starting the process until the input window is visible
// (the first run already recorded, so no notice), beside its floor: a bare Win32 process that
// shows a window of the same size. The two alternate, ten runs each.
#include "ratio.h"
#include "support/process.h"
#include "support/ui.h"

#include <chrono>

using namespace testing_support;

namespace {

// Milliseconds from starting the program until its window is visible; -1 if it never was.
double timeToWindow(const char* program, const char* title) {
    const auto start = std::chrono::steady_clock::now();
    ChildProcess process(program);
    HWND window = process.waitForWindow(title, std::chrono::seconds(20));
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!window)
        return -1;
    PostMessageW(window, WM_CLOSE, 0, 0);
    process.waitForExit(std::chrono::seconds(10));
    return ms;
}

} // namespace

int main() {
    CreateDirectoryW(L"D:\\tuk", nullptr);
    writeFile("D:\\tuk\\tuk.ini", "[1]\r\nh=r\r\n");
    std::vector<double> tuk;
    std::vector<double> floor;
    for (int run = 0; run < 10; ++run) {
        tuk.push_back(timeToWindow("tuk.exe", "tuk 3.1"));
        floor.push_back(timeToWindow("startup_floor.exe", "floor"));
        if (tuk.back() < 0 || floor.back() < 0)
            return 1;
    }
    printRatio("start-up until the input window is visible (median of 10)", median(tuk),
               median(floor));
    return 0;
}
