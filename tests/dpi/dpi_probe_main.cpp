// Builds the program's windows from their definitions on this display and reports, to the
// file named in TUK_DPI_REPORT:
//   dpi <system dpi>
//   maximum <width> <height>                        the largest outer size the screen allows
//   window <name> <outer width> <outer height>       in the display's pixels
//   text <window> <control> <fits 0|1>              a caption's extent against its control
//   art <line>                                      18 lines of the art of "tuk 字"
//   capture <exact 0|1>                             a 61 x 41 drag over a screen of known
//                                                   pixels gives exactly those on the clipboard
#include "app/global_state.h"
#include "art/sampler.h"
#include "capture/capture_window.h"
#include "support/clipboard.h"
#include "support/message_box_answerer.h"
#include "support/pattern_screen.h"
#include "support/ui.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/edit_box.h"
#include "toolkit/program.h"
#include "toolkit/window.h"
#include "windows/window_definitions.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace testing_support;

namespace {

std::ostringstream out;

void reportWindow(const char* name, const toolkit::Window& window) {
    RECT r{};
    GetWindowRect(window.handle(), &r);
    out << "window " << name << ' ' << r.right - r.left << ' ' << r.bottom - r.top << '\n';
}

// Whether the text, in the control's own font, fits inside its client area.
bool textFits(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    RECT client{};
    GetClientRect(control, &client);
    return extent.cx <= client.right && extent.cy <= client.bottom;
}

void reportTexts(const char* windowName, const toolkit::Window& window,
                 std::initializer_list<const char*> controls) {
    for (const char* name : controls) {
        HWND control = window.control(name).handle();
        const bool fits = textFits(control, widen(windowText(control)));
        out << "text " << windowName << ' ' << name << ' ' << fits << '\n';
    }
}

} // namespace

int main() {
    out << "dpi " << toolkit::systemDpi() << '\n';
    out << "maximum " << GetSystemMetrics(SM_CXMAXTRACK) << ' ' << GetSystemMetrics(SM_CYMAXTRACK)
        << '\n';
    toolkit::WindowDefinition inputDefinition = windows::inputWindow();
    inputDefinition.handlers.clear(); // no first-run notice here
    auto input = toolkit::Window::create(inputDefinition);
    input->show();
    reportWindow("input", *input);
    reportTexts("input", *input,
                {"标签3", "标签4", "按钮1", "按钮2", "按钮初始化", "编辑框enter", "编辑框char"});

    auto about = toolkit::Window::create(windows::aboutWindow());
    reportWindow("about", *about);

    app::globalState.colourText = "255";
    auto art = toolkit::Window::create(windows::artWindow());
    art->show();
    reportWindow("art", *art);
    HWND toolbar = art->control("工具条1").handle();
    for (int i = 0; i < SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0); ++i) {
        TBBUTTON button{};
        SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        wchar_t text[64]{};
        SendMessageW(toolbar, TB_GETBUTTONTEXTW, button.idCommand, reinterpret_cast<LPARAM>(text));
        RECT r{};
        SendMessageW(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        HDC dc = GetDC(toolbar);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(toolbar, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
        SelectObject(dc, old);
        ReleaseDC(toolbar, dc);
        out << "text art button" << i << ' ' << (extent.cx < r.right - r.left) << '\n';
    }

    pumpMessages(std::chrono::milliseconds(100));
    app::globalState.sourceText = "tuk 字";
    app::globalState.fillText = "*";
    {
        MessageBoxAnswerer answerer({IDNO});
        art::runSampler(art->surface("画板1"), art->editBox("编辑框main"));
    }
    std::istringstream lines(art->editBox("编辑框main").text());
    for (std::string line; std::getline(lines, line);)
        out << "art " << line.substr(0, line.size() - 1) << '\n'; // without the "\r"

    {
        PatternScreen pattern;
        MessageBoxAnswerer answerer({IDNO});
        runSoon(
            [] {
                HWND surface =
                    toolkit::openWindow(capture::captureWindow())->control("画板1").handle();
                PostMessageW(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
                PostMessageW(surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(161, 141));
                PostMessageW(surface, WM_LBUTTONUP, 0, MAKELPARAM(161, 141));
            },
            std::chrono::milliseconds(300));
        toolkit::loadWindowModal(capture::captureWindow());
        const auto picture = clipboardPicture();
        const bool exact = picture && picture->width == 61 && picture->height == 41 &&
                           picture->rows == PatternScreen::region(100, 100, 61, 41).rows;
        out << "capture " << exact << '\n';
    }

    if (const char* path = std::getenv("TUK_DPI_REPORT"))
        std::ofstream(path, std::ios::binary) << out.str();
    ExitProcess(0);
}
