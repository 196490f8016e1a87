#include "art_window.h"

#include "app/global_state.h"
#include "art/sampler.h"
#include "capture/capture_window.h"
#include "font_list.h"
#include "toolkit/combo_box.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/edit_box.h"
#include "toolkit/font_families.h"
#include "toolkit/message_box.h"
#include "toolkit/number_text.h"
#include "toolkit/program.h"
#include "toolkit/toolbar.h"
#include "toolkit/window.h"
#include "window_definitions.h"

namespace windows {

using app::globalState;
using toolkit::toNumber;

void onArtWindowCreated(toolkit::Window& window, const toolkit::EventArgs&) {
    toolkit::ComboBox& names = window.comboBox("组合框1");
    const FontList fonts = makeFontList(toolkit::reportedFontFamilies());
    for (std::size_t i = 0; i < fonts.items.size(); ++i) {
        const int index = names.addItem(fonts.items[i]);
        if (static_cast<int>(i) == fonts.current)
            names.setCurrentItem(index);
    }

    toolkit::ComboBox& sizes = window.comboBox("组合框2");
    for (int n = 1; n <= 72; ++n)
        sizes.addItem(toolkit::toText(n));

    toolkit::EditBox& output = window.editBox("编辑框main");
    output.setWidth(window.width() - 20);
    output.setHeight(window.height() - 40);
    output.setTextColour(toolkit::toColour(globalState.colourText));
    window.toolbar("工具条1").setBackgroundColour(toolkit::toColour(globalState.colourText));
}

void onArtWindowSizeChanged(toolkit::Window& window, const toolkit::EventArgs&) {
    toolkit::EditBox& output = window.editBox("编辑框main");
    output.setWidth(window.width() - 20);
    output.setHeight(window.height() - 40);
    toolkit::DrawingSurface& surface = window.surface("画板1");
    surface.setLeft(window.width() - surface.width());
    surface.setTop(window.height() - surface.height());
}

void onFontSizePicked(toolkit::Window& window, const toolkit::EventArgs&) {
    toolkit::DrawingSurface& surface = window.surface("画板1");
    toolkit::ComboBox& sizes = window.comboBox("组合框2");
    surface.setBackgroundPicture({});
    const double size = toNumber(sizes.itemText(sizes.currentItem()));
    surface.setFontSize(size);
    if (size - 25 >= -1e-7)
        toolkit::messageBox(sizeWarning, toolkit::boxOk, "提示");
}

void onFontNamePicked(toolkit::Window& window, const toolkit::EventArgs&) {
    toolkit::DrawingSurface& surface = window.surface("画板1");
    toolkit::ComboBox& names = window.comboBox("组合框1");
    surface.setBackgroundPicture({});
    surface.setFontName(names.itemText(names.currentItem()));
}

void onToolbarButton(toolkit::Window& window, const toolkit::EventArgs& args) {
    switch (args.index) {
    case 0: // "3"
        art::runSampler(window.surface("画板1"), window.editBox("编辑框main"));
        break;
    case 1: // "初始化"
        toolkit::destroyWindow(window);
        break;
    case 2: // "退出"
        toolkit::exitProgram(0);
    case 3: // "关于"
        toolkit::loadWindowModal(aboutWindow());
        break;
    case 4: // "提示" only shows its tooltip
        break;
    case 5: // "截图"
        toolkit::loadWindowModal(capture::captureWindow());
        break;
    case 6: // "字体"
        window.comboBox("组合框1").setDisabled(false);
        window.comboBox("组合框2").setDisabled(false);
        break;
    default:
        break;
    }
}

} // namespace windows
