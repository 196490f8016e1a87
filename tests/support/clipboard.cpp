#include "support/clipboard.h"

#include <windows.h>

namespace testing_support {

std::optional<toolkit::BmpRaster> clipboardPicture() {
    if (!OpenClipboard(nullptr))
        return std::nullopt;
    std::optional<toolkit::BmpRaster> picture;
    if (auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) {
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        toolkit::BmpRaster raster = toolkit::BmpRaster::filled(info.bmWidth, info.bmHeight, 0);
        BITMAPINFO request{};
        request.bmiHeader = {sizeof request.bmiHeader, info.bmWidth, info.bmHeight, 1, 24, BI_RGB};
        HDC screen = GetDC(nullptr);
        if (GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), raster.rows.data(),
                      &request, DIB_RGB_COLORS) == info.bmHeight)
            picture = std::move(raster);
        ReleaseDC(nullptr, screen);
    }
    CloseClipboard();
    return picture;
}

std::optional<std::string> clipboardText() {
    if (!OpenClipboard(nullptr))
        return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        const auto* wide = static_cast<const wchar_t*>(GlobalLock(data));
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), size, nullptr, nullptr);
        utf8.resize(static_cast<std::size_t>(size > 0 ? size - 1 : 0));
        GlobalUnlock(data);
        text = utf8;
    }
    CloseClipboard();
    return text;
}

void putClipboardText(const std::string& text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size) * sizeof(wchar_t));
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, static_cast<wchar_t*>(GlobalLock(data)),
                        size);
    GlobalUnlock(data);
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        if (!SetClipboardData(CF_UNICODETEXT, data))
            GlobalFree(data);
        CloseClipboard();
    } else {
        GlobalFree(data);
    }
}

} // namespace testing_support
