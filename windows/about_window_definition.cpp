// The about window: what tuk is, how to use it, whom to tell, and the latest release notes.
#include "window_definitions.h"

namespace windows {

using namespace toolkit;

namespace {

const char* const aboutText =
    "1.tuk 是一款将输入的文字转换成指定字符的特殊字，可以应用用在bbs回帖、博客、聊天中。\r\n"
    "\r\n"
    "2.该软件小巧、简洁、无病毒是绿色软件，无需安装就可打开直接使用。\r\n"
    "\r\n"
    "2.按钮 1 2 3 顺序完成造字操作。\r\n"
    "\r\n"
    "3.本程序完全免费，请勿用作商业用途。\r\n"
    "\r\n"
    "4.如果您发现该程序bug or 有意见请联系邮箱(e-mail)：tuk-feedback@example.com\r\n"
    "\r\n"
    "2014.2.18 更新说明：3.0\r\n"
    "\r\n"
    "1.许多用户不会使用，特加入截图功能。\r\n"
    "\r\n"
    "2.美化界面，优化代码。\r\n"
    "\r\n"
    "2014.2.18 更新说明：3.1\r\n"
    "\r\n"
    "1.功能优化\r\n"
    "\r\n"
    "2.界面美化";

WindowDefinition makeAboutWindow() {
    return {
        .name = "about",
        .title = "关于程序",
        .left = 50,
        .top = 50,
        .width = 372,
        .height = 245,
        .frame = Frame::fixed,
        .backgroundColour = systemButtonFace,
        .controls =
            {
                {.name = "编辑框1",
                 .left = 0,
                 .top = 0,
                 .width = 368,
                 .height = 216,
                 .tabStop = true,
                 .settings = EditBoxSettings{.text = aboutText,
                                             .multiLine = true,
                                             .verticalScrollBar = true}},
            },
    };
}

} // namespace

const WindowDefinition& aboutWindow() {
    static const WindowDefinition definition = makeAboutWindow();
    return definition;
}

} // namespace windows
