// Windows built from definitions, modal loops, destruction, keys and mouse events.
#include "support/message_box_answerer.h"
#include "support/ui.h"
#include "toolkit/drawing_surface.h"
#include "toolkit/edit_box.h"
#include "toolkit/message_box.h"
#include "toolkit/program.h"
#include "toolkit/window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace toolkit;
using namespace testing_support;

namespace {

// What the handlers saw, in order.
std::vector<std::string> journal;
Window* current = nullptr;

void note(const std::string& entry) {
    journal.push_back(entry);
}

void onCreated(Window& w, const EventArgs&) {
    current = &w;
    note("created visible=" + std::to_string(w.visible()));
}
void onMoved(Window&, const EventArgs&) {
    note("moved");
}
void onSizeChanged(Window&, const EventArgs&) {
    note("sizeChanged");
}
void onCanBeClosed(Window&, const EventArgs&) {
    note("canBeClosed");
}
void onWillBeDestroyed(Window& w, const EventArgs&) {
    note("willBeDestroyed");
    // The windows that the modal opening disabled are enabled before this.
    for (HWND other = GetTopWindow(nullptr); other; other = GetWindow(other, GW_HWNDNEXT))
        if (other != w.handle() && GetWindowTextLengthW(other) > 0) {
            if (windowText(other) == "owner")
                note(std::string("owner enabled=") + (IsWindowEnabled(other) ? "1" : "0"));
        }
}
void onPressed(Window& w, const EventArgs& args) {
    // Raised before the edit box handles the press: it has not taken the focus yet.
    note("pressed x=" + std::to_string(args.x) + " y=" + std::to_string(args.y) +
         " keys=" + std::to_string(args.keyState) +
         " focused=" + std::to_string(GetFocus() == w.editBox("edit").handle()));
}
void onClicked(Window& w, const EventArgs&) {
    note("clicked");
    destroyWindow(w);
    note(std::string("still there=") + (IsWindow(w.handle()) ? "1" : "0"));
}

WindowDefinition modalWindow() {
    return {
        .name = "modal",
        .title = "modal",
        .left = 300,
        .top = 300,
        .width = 300,
        .height = 200,
        .controls =
            {
                {.name = "group",
                 .left = 10,
                 .top = 10,
                 .width = 200,
                 .height = 100,
                 .settings = GroupBoxSettings{}},
                {.name = "inner",
                 .parent = "group",
                 .left = 10,
                 .top = 20,
                 .width = 80,
                 .height = 24,
                 .tabStop = true,
                 .settings = EditBoxSettings{.text = "inner"}},
                {.name = "edit",
                 .left = 20,
                 .top = 120,
                 .width = 100,
                 .height = 24,
                 .tabStop = true,
                 .settings = EditBoxSettings{.text = "edit"}},
                {.name = "button",
                 .left = 130,
                 .top = 120,
                 .width = 60,
                 .height = 24,
                 .tabStop = true,
                 .settings = PushButtonSettings{.caption = "go"}},
                {.name = "under",
                 .left = 130,
                 .top = 120,
                 .width = 60,
                 .height = 24,
                 .settings = SurfaceSettings{}},
            },
        .handlers =
            {
                {{}, Event::created, &onCreated},
                {{}, Event::moved, &onMoved},
                {{}, Event::sizeChanged, &onSizeChanged},
                {{}, Event::canBeClosed, &onCanBeClosed},
                {{}, Event::willBeDestroyed, &onWillBeDestroyed},
                {"edit", Event::leftButtonPressed, &onPressed},
                {"button", Event::clicked, &onClicked},
            },
    };
}

class WindowToolkitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        journal.clear();
        current = nullptr;
        owner_ = Window::create(ownerDefinition_);
        ASSERT_TRUE(owner_);
        owner_->show();
    }
    void TearDown() override {
        if (owner_ && !owner_->destroyed())
            DestroyWindow(owner_->handle());
        pumpMessages(10ms);
    }
    // Opens the modal window; `whileOpen` runs from inside its event loop.
    void openModal(std::function<void()> whileOpen) {
        runSoon(std::move(whileOpen), 100ms);
        loadWindowModal(modal_);
    }

    WindowDefinition ownerDefinition_{
        .name = "owner", .title = "owner", .left = 20, .top = 20, .width = 200, .height = 150};
    WindowDefinition modal_ = modalWindow();
    std::shared_ptr<Window> owner_;
};

} // namespace

TEST_F(WindowToolkitTest, ControlsAreBuiltWhereTheDefinitionSaysStackedInTableOrder) {
    auto window = Window::create(modal_);
    ASSERT_TRUE(window);
    const Control& inner = window->control("inner");
    EXPECT_EQ(GetParent(inner.handle()), window->control("group").handle());
    EXPECT_EQ(inner.left(), 10);
    EXPECT_EQ(inner.top(), 20);
    EXPECT_EQ(inner.width(), 80);
    EXPECT_EQ(inner.height(), 24);
    EXPECT_EQ(window->left(), 300);
    EXPECT_EQ(window->width(), 300);
    // First listed is on top: the button lies above the surface defined after it.
    std::vector<HWND> topDown;
    for (HWND c = GetWindow(window->handle(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        topDown.push_back(c);
    const std::vector<HWND> expected{
        window->control("group").handle(), window->control("edit").handle(),
        window->control("button").handle(), window->control("under").handle()};
    EXPECT_EQ(topDown, expected);
}

TEST_F(WindowToolkitTest, ModalWindowDisablesTheOthersAndReturnsWhenDestroyed) {
    bool ownerDisabledMeanwhile = false;
    openModal([&] {
        ownerDisabledMeanwhile = !IsWindowEnabled(owner_->handle());
        SendMessageW(current->control("button").handle(), BM_CLICK, 0, 0);
        note("after click");
    });
    note("returned");
    EXPECT_TRUE(ownerDisabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(owner_->handle()));
    const std::vector<std::string> expected{"created visible=0", "moved",           "sizeChanged",
                                            "clicked",           "still there=1",   "after click",
                                            "willBeDestroyed",   "owner enabled=1", "returned"};
    EXPECT_EQ(journal, expected);
}

TEST_F(WindowToolkitTest, EscAndTheCloseBoxCloseAfterCanBeClosed) {
    for (bool escape : {true, false}) {
        journal.clear();
        openModal([&] {
            if (escape)
                PostMessageW(current->control("edit").handle(), WM_KEYDOWN, VK_ESCAPE, 1);
            else
                PostMessageW(current->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        const std::vector<std::string> tail(journal.end() - 3, journal.end());
        const std::vector<std::string> expected{"canBeClosed", "willBeDestroyed",
                                                "owner enabled=1"};
        EXPECT_EQ(tail, expected) << (escape ? "Esc" : "close box");
    }
}

TEST_F(WindowToolkitTest, TabMovesThroughTheTabStopsIntoGroupBoxes) {
    std::vector<HWND> visited;
    std::vector<HWND> expected;
    // Each key goes through the window's own event loop: one step per press.
    for (int i = 0; i < 4; ++i)
        runSoon(
            [&] {
                visited.push_back(GetFocus());
                PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
            },
            std::chrono::milliseconds(200 + 60 * i));
    runSoon(
        [&] {
            visited.push_back(GetFocus());
            destroyWindow(*current);
        },
        500ms);
    openModal([&] {
        expected = {current->control("inner").handle(), current->control("edit").handle(),
                    current->control("button").handle(), current->control("inner").handle(),
                    current->control("edit").handle()};
        SetFocus(current->control("inner").handle());
    });
    EXPECT_EQ(visited, expected);
}

TEST_F(WindowToolkitTest, MouseEventsComeBeforeTheControlHandlesThem) {
    openModal([&] {
        SetFocus(current->control("button").handle());
        SendMessageW(current->control("edit").handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT,
                     MAKELPARAM(7, 9));
        SendMessageW(current->control("edit").handle(), WM_LBUTTONUP, 0, MAKELPARAM(7, 9));
        note(std::string("focused after=") +
             (GetFocus() == current->control("edit").handle() ? "1" : "0"));
        destroyWindow(*current);
    });
    const std::vector<std::string> expected{"pressed x=7 y=9 keys=2 focused=0", "focused after=1"};
    const std::vector<std::string> middle(journal.begin() + 3, journal.begin() + 5);
    EXPECT_EQ(middle, expected);
}

TEST_F(WindowToolkitTest, SizesAreClampedAndMinusOneKeepsASize) {
    auto window = Window::create(modal_);
    Control& edit = window->control("edit");
    edit.move(5, 6, -1, 40);
    EXPECT_EQ(edit.left(), 5);
    EXPECT_EQ(edit.width(), 100);
    EXPECT_EQ(edit.height(), 40);
    edit.setWidth(-20);
    EXPECT_EQ(edit.width(), 0);
    window->setHeight(250);
    EXPECT_EQ(window->height(), 250);
    EXPECT_EQ(journal.back(), "sizeChanged");
}

TEST_F(WindowToolkitTest, HeldAppendsReachTheBoxBeforeAnythingCanSeeIt) {
    auto window = Window::create(modal_);
    EditBox& box = window->editBox("edit");
    box.setText("");
    auto rawText = [&] { return windowText(box.handle()); };
    box.appendText("ab");
    box.appendText("");
    box.appendText("国");
    EXPECT_EQ(rawText(), "ab国") << "a plain Win32 read";

    box.appendText("cd");
    std::string atQuestion;
    MessageBoxAnswerer answerer;
    answerer.onShown = [&](const SeenBox&) { atQuestion = rawText(); };
    messageBox("?", boxOk);
    EXPECT_EQ(atQuestion, "ab国cd") << "before the program waits for the user";

    box.appendText("ef");
    box.setText("new");
    EXPECT_EQ(box.text(), "new") << "a held append does not land after a later setText";
    DestroyWindow(window->handle());
}

TEST_F(WindowToolkitTest, AppendingMovesTheCaretToTheEndAndScrollsToIt) {
    WindowDefinition definition{
        .name = "log",
        .title = "log",
        .left = 40,
        .top = 40,
        .width = 300,
        .height = 200,
        .controls = {{.name = "box",
                      .width = 280,
                      .height = 150,
                      .settings = EditBoxSettings{.multiLine = true,
                                                  .horizontalScrollBar = true,
                                                  .verticalScrollBar = true}}}};
    auto window = Window::create(definition);
    window->show();
    EditBox& box = window->editBox("box");
    SetFocus(box.handle());
    for (int line = 0; line < 60; ++line)
        box.appendText("line " + std::to_string(line) + "\r\n");
    box.appendText("last");
    pumpMessages(50ms);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box.handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(box.handle()));
    EXPECT_EQ(start, length);
    EXPECT_EQ(end, length);
    EXPECT_GT(SendMessageW(box.handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 40)
        << "scrolled to the end";
    EXPECT_EQ(GetFocus(), box.handle()) << "the box keeps the focus";
    EXPECT_TRUE(box.visible());
    DestroyWindow(window->handle());
}
