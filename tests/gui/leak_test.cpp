// Many conversions and captures in one run leave the process's GDI and USER objects where they
// were, and its memory bounded.
#include "app/global_state.h"
#include "capture/capture_window.h"
#include "support/message_box_answerer.h"
#include "support/ui.h"
#include "toolkit/edit_box.h"
#include "toolkit/program.h"
#include "toolkit/toolbar.h"
#include "toolkit/window.h"
#include "windows/window_definitions.h"

#include <gtest/gtest.h>

using namespace testing_support;
using app::globalState;

namespace {

struct Usage {
    DWORD gdiObjects;
    DWORD userObjects;
    SIZE_T privateBytes;
};

// Committed private memory, summed over the address space (this works under Wine too, where
// the process counters stay at 0).
SIZE_T committedPrivateBytes() {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (auto* at = static_cast<char*>(nullptr);
         VirtualQuery(at, &region, sizeof region) == sizeof region; at += region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += region.RegionSize;
        if (region.RegionSize == 0)
            break;
    }
    return total;
}

Usage usageNow() {
    return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
            GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), committedPrivateBytes()};
}

void convertOnce(toolkit::Window& art) {
    MessageBoxAnswerer answerer({IDNO});
    SendMessageW(art.handle(), WM_COMMAND, MAKEWPARAM(toolkit::Toolbar::commandOf(0), BN_CLICKED),
                 reinterpret_cast<LPARAM>(art.control("工具条1").handle()));
}

void captureOnce() {
    MessageBoxAnswerer answerer({IDNO});
    runSoon(
        [] {
            HWND surface = toolkit::openWindow(capture::captureWindow())->control("画板1").handle();
            PostMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
            PostMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 100));
            PostMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(300, 200));
        },
        20ms);
    toolkit::loadWindowModal(capture::captureWindow());
}

} // namespace

TEST(Leaks, TwoHundredConversionsAndFiftyCapturesLeaveNothingBehind) {
    globalState = {};
    globalState.sourceText = "国tuk";
    globalState.fillText.assign(1, '*');
    globalState.colourText = "255";
    // The art window stays open: a capture needs a window of the program below it.
    auto art = toolkit::Window::create(windows::artWindow());
    art->show();
    convertOnce(*art); // first use settles fonts, caches and the clipboard
    captureOnce();
    art->editBox("编辑框main").setText("");
    pumpMessages(50ms);
    const Usage before = usageNow();

    for (int i = 0; i < 200; ++i)
        convertOnce(*art);
    art->editBox("编辑框main").setText(""); // the art itself is what the box is for
    for (int i = 0; i < 50; ++i)
        captureOnce();
    pumpMessages(100ms);
    const Usage after = usageNow();

    // Where the platform counts them (Windows), the objects are back where they were. Wine
    // answers 0 for every process, which proves nothing: that part is then reported skipped
    // and the memory check below has to catch a leaked bitmap.
    if (before.gdiObjects == 0 && after.gdiObjects == 0) {
        std::printf("GDI/USER object counts: SKIPPED, this platform does not count them\n");
        RecordProperty("gui_object_counts", "skipped: not counted by the platform");
    } else {
        EXPECT_EQ(after.gdiObjects, before.gdiObjects);
        EXPECT_EQ(after.userObjects, before.userObjects);
    }
    // A leaked screenshot alone would be several megabytes each time, fifty times over.
    const double grownMegabytes =
        (static_cast<double>(after.privateBytes) - static_cast<double>(before.privateBytes)) /
        (1 << 20);
    EXPECT_LT(grownMegabytes, 16.0) << "private memory grew by " << grownMegabytes << " MB";
    RecordProperty("private_memory_growth_mb", std::to_string(grownMegabytes));
    std::printf("private memory: %.1f MB before, %.1f MB after (%+.1f MB)\n",
                before.privateBytes / 1048576.0, after.privateBytes / 1048576.0, grownMegabytes);
    DestroyWindow(art->handle());
}
