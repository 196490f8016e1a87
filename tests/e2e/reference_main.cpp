// Prints the 18 lines of character art that a text should give, from a rendering of its own:
// the text (UTF-8, from a file) is drawn with TextOutW in the platform's default interface
// font at (5, 5) on a white memory bitmap, and each pixel x = 1..100 of the rows y = 1..18
// becomes the fill text and a blank (not exactly white) or two blanks.
//   e2e_reference.exe <text file> <fill text file>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string readAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::wstring fromUtf8(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? length : 0);
    return wide;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const std::wstring text = fromUtf8(readAll(argv[1]));
    const std::string fill = readAll(argv[2]);

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 40);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const RECT all{0, 0, 200, 40};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutW(dc, 5, 5, text.data(), static_cast<int>(text.size()));

    std::string lines;
    for (int y = 1; y <= 18; ++y) {
        for (int x = 1; x <= 100; ++x)
            lines += GetPixel(dc, x, y) == RGB(255, 255, 255) ? "  " : fill + " ";
        lines += "\n";
    }
    std::fwrite(lines.data(), 1, lines.size(), stdout);

    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return 0;
}
