// The capture overlay at the screen size of the display it runs on: the time from opening it
// until it has painted, and the handling of one mouse move while dragging (the full repaint of
// the screen-sized surface and the outline drawn again).
#include "app/global_state.h"
#include "capture/capture_window.h"
#include "support/ui.h"
#include "toolkit/program.h"
#include "toolkit/window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace testing_support;
using Clock = std::chrono::steady_clock;

int main() {
    app::globalState.colourText = "255";
    std::vector<double> opening;
    std::vector<double> moves;
    for (int round = 0; round < 5; ++round) {
        const auto start = Clock::now();
        // A timer is handled only once nothing is left to paint.
        runSoon(
            [&] {
                opening.push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                toolkit::Window* overlay = toolkit::openWindow(capture::captureWindow());
                HWND surface = overlay->control("画板1").handle();
                SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
                for (int i = 0; i < 20; ++i) {
                    const auto before = Clock::now();
                    SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON,
                                 MAKELPARAM(300 + i * 7, 200 + i * 5));
                    moves.push_back(
                        std::chrono::duration<double, std::milli>(Clock::now() - before).count());
                }
                SendMessageW(surface, WM_RBUTTONDOWN, 0, MAKELPARAM(300, 300));
                SendMessageW(surface, WM_RBUTTONUP, 0, MAKELPARAM(300, 300));
            },
            std::chrono::milliseconds(1));
        toolkit::loadWindowModal(capture::captureWindow());
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("screen %dx%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::printf("overlay open to first paint (median of %zu): %6.1f ms\n", opening.size(),
                median(opening));
    std::printf("one drag move (median of %zu):              %6.1f ms\n", moves.size(),
                median(moves));
    std::printf("one drag move (slowest):                    %6.1f ms\n",
                *std::max_element(moves.begin(), moves.end()));
    return 0;
}
