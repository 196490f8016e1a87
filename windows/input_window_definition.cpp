// The input window: the text, the fill text and the colour, with buttons "1", "2" and "初始化".
#include "app/input_window_created.h"
#include "input_window.h"
#include "window_definitions.h"

namespace windows {

using namespace toolkit;

namespace {

ControlDefinition groupBox(const char* name, int left, int top, int width, int height) {
    return {.name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .settings = GroupBoxSettings{.textColour = black, .backgroundColour = white}};
}

ControlDefinition button(const char* name, const char* caption, int left) {
    return {.name = name,
            .parent = "分组框2",
            .left = left,
            .top = 16,
            .width = 60,
            .height = 30,
            .tabStop = true,
            .settings = PushButtonSettings{.caption = caption}};
}

ControlDefinition label(const char* name, const char* caption, int top) {
    return {.name = name,
            .parent = "分组框1",
            .left = 20,
            .top = top,
            .width = 58,
            .height = 20,
            .settings = LabelSettings{.caption = caption, .border = Border::line}};
}

WindowDefinition makeInputWindow() {
    return {
        .name = "输入窗口",
        .title = "tuk 3.1",
        .left = 50,
        .top = 50,
        .width = 348,
        .height = 210,
        .frame = Frame::resizableToolWindow,
        .backgroundColour = white,
        .controls =
            {
                groupBox("分组框2", 16, 112, 312, 56),
                button("按钮初始化", "初始化", 224),
                button("按钮2", "2", 128),
                button("按钮1", "1", 32),
                groupBox("分组框3", 16, 8, 150, 96),
                {.name = "画板4",
                 .parent = "分组框3",
                 .left = 20,
                 .top = 54,
                 .width = 105,
                 .height = 30,
                 .settings = SurfaceSettings{.border = Border::line,
                                             .backgroundColour = white,
                                             .penColour = black,
                                             .brushColour = white,
                                             .textColour = black}},
                {.name = "编辑框enter",
                 .parent = "分组框3",
                 .left = 20,
                 .top = 20,
                 .width = 105,
                 .height = 30,
                 .tabStop = true,
                 .settings = EditBoxSettings{.text = "在此输入文字"}},
                groupBox("分组框1", 176, 8, 150, 96),
                {.name = "颜色选择器2",
                 .parent = "分组框1",
                 .left = 84,
                 .top = 20,
                 .width = 38,
                 .height = 20,
                 .tabStop = true,
                 .settings = ColourPickerSettings{.colour = 0xFF0090}},
                label("标签3", "文字颜色：", 20),
                label("标签4", "字    符：", 60),
                {.name = "编辑框char",
                 .parent = "分组框1",
                 .left = 84,
                 .top = 60,
                 .width = 38,
                 .height = 20,
                 .tabStop = true,
                 .settings = EditBoxSettings{.text = "*", .align = HorizontalAlign::centre}},
            },
        .handlers =
            {
                {{}, Event::created, &app::onInputWindowCreated},
                {"编辑框enter", Event::leftButtonPressed, &onInputBoxPressed},
                {"按钮1", Event::clicked, &onStoreInputs},
                {"颜色选择器2", Event::colourChosen, &onColourChosen},
                {"按钮2", Event::clicked, &onOpenArtWindow},
                {"按钮初始化", Event::clicked, &onResetInputs},
            },
    };
}

} // namespace

const WindowDefinition& inputWindow() {
    static const WindowDefinition definition = makeInputWindow();
    return definition;
}

} // namespace windows
