// The art window "main": the output box, the toolbar, the font lists and the sampling surface.
#include "art/sampling_surface.h"
#include "art_window.h"
#include "window_definitions.h"

namespace windows {

using namespace toolkit;

namespace {

ControlDefinition comboBox(const char* name, int left, const char* editText) {
    return {.name = name,
            .left = left,
            .top = 3,
            .width = 77,
            .height = 20,
            .disabled = true,
            .settings = ComboBoxSettings{.editText = editText, .listHeight = 160}};
}

WindowDefinition makeArtWindow() {
    return {
        .name = "main",
        .title = "main",
        .left = 50,
        .top = 50,
        .width = 1009,
        .height = 460,
        .frame = Frame::resizable,
        .clientEdge = true,
        .backgroundColour = systemButtonFace,
        .controls =
            {
                comboBox("组合框2", 520, "9"),
                comboBox("组合框1", 443, ""),
                {.name = "工具条1",
                 .settings =
                     ToolbarSettings{
                         .backgroundColour = 0x00BEDF20,
                         .buttons =
                             {
                                 {"3", "获取造的字"},
                                 {"初始化", "重新输入信息"},
                                 {"退出", "退出程序"},
                                 {"关于",
                                  "tuk：发现 bug 或有意见，请发邮件到 tuk-feedback@example.com"},
                                 {"提示", "获取文字后拉伸窗口尺寸来截屏or复制", true},
                                 {"截图", "截图分享"},
                                 {"字体", "更换字体"},
                             }}},
                art::samplingSurface(424, 256),
                {.name = "编辑框main",
                 .left = 0,
                 .top = 0,
                 .width = 560,
                 .height = 344,
                 .settings =
                     EditBoxSettings{.multiLine = true,
                                     .horizontalScrollBar = true,
                                     .verticalScrollBar = true,
                                     .border = Border::line,
                                     .textColour = black,
                                     .backgroundColour = white,
                                     .font = {.face = "@宋体", .height = -13, .weight = 400}}},
            },
        .handlers =
            {
                {{}, Event::created, &onArtWindowCreated},
                {{}, Event::sizeChanged, &onArtWindowSizeChanged},
                {"组合框2", Event::listItemSelected, &onFontSizePicked},
                {"组合框1", Event::listItemSelected, &onFontNamePicked},
                {"工具条1", Event::buttonClicked, &onToolbarButton},
                // The output box's textChanged does nothing.
            },
    };
}

} // namespace

const WindowDefinition& artWindow() {
    static const WindowDefinition definition = makeArtWindow();
    return definition;
}

} // namespace windows
