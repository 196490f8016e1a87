// Start-up of the real tuk.exe: from starting the process until the input window is visible,
// with the first run already recorded (no notice).
#include "support/process.h"
#include "support/ui.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace testing_support;

int main() {
    CreateDirectoryW(L"D:\\tuk", nullptr);
    writeFile("D:\\tuk\\tuk.ini", "[1]\r\nh=r\r\n");
    std::vector<double> millis;
    for (int run = 0; run < 10; ++run) {
        const auto start = std::chrono::steady_clock::now();
        ChildProcess tuk("tuk.exe");
        HWND input = tuk.waitForWindow("tuk 3.1", std::chrono::seconds(20));
        millis.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        if (!input)
            return 1;
        PostMessageW(input, WM_CLOSE, 0, 0);
        tuk.waitForExit(std::chrono::seconds(10));
    }
    std::sort(millis.begin(), millis.end());
    std::printf("start-up until the input window is visible (median of 10): %6.1f ms\n", millis[5]);
    return 0;
}
