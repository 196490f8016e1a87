// Prints where the controls of the input and art windows lie, relative to each window's outer
// top-left corner, so that the end-to-end tests can click them from outside as a user does.
// The windows are built here from the program's own definitions, with the same fonts and
// controls as in tuk.exe, and never shown.
//   input <control> <x> <y> <w> <h>
//   art <control> <x> <y> <w> <h>
//   art-button <index> <x> <y> <w> <h>
#include "toolkit/window.h"
#include "windows/window_definitions.h"

#include <commctrl.h>

#include <cstdio>

namespace {

void print(const char* window, const char* name, const toolkit::Window& w, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    std::printf("%s %s %ld %ld %ld %ld\n", window, name, r.left - w.left(), r.top - w.top(),
                r.right - r.left, r.bottom - r.top);
}

} // namespace

int main() {
    // Without its handlers: the first-run notice must not come up here.
    toolkit::WindowDefinition inputDefinition = windows::inputWindow();
    inputDefinition.handlers.clear();
    auto input = toolkit::Window::create(inputDefinition);
    for (const char* name :
         {"编辑框enter", "编辑框char", "按钮1", "按钮2", "按钮初始化", "颜色选择器2"})
        print("input", name, *input, input->control(name).handle());

    auto art = toolkit::Window::create(windows::artWindow());
    for (const char* name : {"编辑框main", "组合框1", "组合框2"})
        print("art", name, *art, art->control(name).handle());
    HWND toolbar = art->control("工具条1").handle();
    const auto buttons = SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0);
    for (int i = 0; i < buttons; ++i) {
        RECT r{};
        SendMessageW(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(toolbar, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
        std::printf("art-button %d %ld %ld %ld %ld\n", i, r.left - art->left(), r.top - art->top(),
                    r.right - r.left, r.bottom - r.top);
    }
    std::fflush(stdout);
    // Leave without the created handlers' dialogs or the loop: nothing was shown.
    ExitProcess(0);
}
