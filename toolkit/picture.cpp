#include "picture.h"

#include "dib.h"

namespace toolkit {

Picture Picture::fromRaster(const BmpRaster& raster) {
    Picture picture;
    picture.bitmap_ = makeScreenBitmap(raster);
    if (picture.bitmap_) {
        picture.width_ = raster.width;
        picture.height_ = raster.height;
    }
    return picture;
}

Picture Picture::copyOf(HDC source, int x, int y, int width, int height) {
    Picture picture;
    if (width <= 0 || height <= 0)
        return picture;
    WindowDc screen(nullptr);
    Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    if (!bitmap)
        return picture;
    {
        MemoryDc memory(screen.get());
        Selection selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, source, x, y, SRCCOPY);
    }
    picture.bitmap_ = std::move(bitmap);
    picture.width_ = width;
    picture.height_ = height;
    return picture;
}

Picture Picture::ofScreen() {
    settleScreen();
    WindowDc screen(nullptr);
    return copyOf(screen.get(), 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

void settleScreen() {
    // Where a window has just gone, the windows below may not have repainted that part yet.
    // Their repaint reaches the screen through the event queue (on X11, exposure events), so
    // the queue is given a moment first; the messages themselves stay where they are.
    for (int round = 0; round < 3; ++round) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, round == 0 ? 0 : 15, QS_ALLINPUT);
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM) -> BOOL {
                if (IsWindowVisible(window))
                    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                return TRUE;
            },
            0);
    }
    GdiFlush();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
}

} // namespace toolkit
