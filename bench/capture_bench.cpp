// The capture overlay at the screen size of the display it runs on, beside its floors:
// - from opening it until it has painted, against a bare grab of the screen into a compatible
//   bitmap shown in a full-screen popup with one BitBlt;
// - one mouse move while dragging (the full repaint of the screen-sized surface and the outline
//   drawn again), against one BitBlt of the screen-sized bitmap;
// - the peak working set during a capture over the working set before it, against one screen
//   bitmap.
#include "app/global_state.h"
#include "capture/capture_window.h"
#include "ratio.h"
#include "support/ui.h"
#include "toolkit/handles.h"
#include "toolkit/program.h"
#include "toolkit/window.h"

#include <psapi.h>

#include <chrono>

using namespace testing_support;
using Clock = std::chrono::steady_clock;

namespace {

double millisSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

SIZE_T workingSet(bool peak) {
    PROCESS_MEMORY_COUNTERS counters{sizeof counters};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return peak ? counters.PeakWorkingSetSize : counters.WorkingSetSize;
}

// tuk's overlay: opening to first paint, then 20 drag moves.
void measureOverlay(std::vector<double>& opening, std::vector<double>& moves) {
    const auto start = Clock::now();
    // A timer is handled only once nothing is left to paint.
    runSoon(
        [&] {
            opening.push_back(millisSince(start));
            HWND surface = toolkit::openWindow(capture::captureWindow())->control("画板1").handle();
            SendMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
            for (int i = 0; i < 20; ++i) {
                const auto before = Clock::now();
                SendMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON,
                             MAKELPARAM(300 + i * 7, 200 + i * 5));
                moves.push_back(millisSince(before));
            }
            SendMessageW(surface, WM_RBUTTONDOWN, 0, MAKELPARAM(300, 300));
            SendMessageW(surface, WM_RBUTTONUP, 0, MAKELPARAM(300, 300));
        },
        std::chrono::milliseconds(1));
    toolkit::loadWindowModal(capture::captureWindow());
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

HBITMAP floorPicture = nullptr;

LRESULT CALLBACK floorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, floorPicture);
        BitBlt(dc, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), memory, 0, 0,
               SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The floor: grab the screen, show it full-screen, paint it with one BitBlt; then 20 BitBlts
// of the whole bitmap, as a drag move repaints.
void measureFloor(std::vector<double>& opening, std::vector<double>& moves) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const auto start = Clock::now();
    HDC screen = GetDC(nullptr);
    floorPicture = CreateCompatibleBitmap(screen, width, height);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, floorPicture);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    HWND window = CreateWindowExW(0, L"tukFloor", L"", WS_POPUP, 0, 0, width, height, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    bool painted = false;
    runSoon(
        [&] {
            opening.push_back(millisSince(start));
            painted = true;
        },
        std::chrono::milliseconds(1));
    pumpUntil([&] { return painted; }, std::chrono::seconds(10));
    HDC dc = GetDC(window);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, floorPicture);
    for (int i = 0; i < 20; ++i) {
        const auto before = Clock::now();
        BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
        GdiFlush();
        moves.push_back(millisSince(before));
    }
    SelectObject(source, previous);
    DeleteDC(source);
    ReleaseDC(window, dc);
    DestroyWindow(window);
    DeleteObject(floorPicture);
    pumpMessages(std::chrono::milliseconds(50));
}

} // namespace

int main() {
    app::globalState.colourText = "255";
    WNDCLASSW wc{};
    wc.lpfnWndProc = &floorProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"tukFloor";
    RegisterClassW(&wc);

    // The memory figure first: the peak so far must not come from the floor's own bitmap.
    const SIZE_T before = workingSet(false);
    std::vector<double> opening;
    std::vector<double> moves;
    measureOverlay(opening, moves);
    const double peakGrowth = (static_cast<double>(workingSet(true)) - before) / (1 << 20);

    std::vector<double> floorOpening;
    std::vector<double> floorMoves;
    for (int round = 0; round < 5; ++round) {
        measureFloor(floorOpening, floorMoves);
        measureOverlay(opening, moves);
    }
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const double screenBitmap = width * 4.0 * height / (1 << 20);
    std::printf("screen %dx%d\n", width, height);
    printRatio("overlay open to first paint (median of 6)", median(opening), median(floorOpening));
    printRatio("one drag move (median of 120)", median(moves), median(floorMoves));
    std::printf("one drag move, slowest: %.1f ms\n", *std::max_element(moves.begin(), moves.end()));
    std::printf("peak memory during a capture: %.1f MB over the working set before, %.2f x one "
                "screen bitmap (%.1f MB)\n",
                peakGrowth, peakGrowth / screenBitmap, screenBitmap);
    return 0;
}
