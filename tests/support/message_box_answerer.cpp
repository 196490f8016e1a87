#include "support/message_box_answerer.h"

#include "support/ui.h"

#include <thread>

namespace testing_support {
namespace {

constexpr int messageBoxTextId = 0xFFFF;
constexpr int messageBoxIconId = 0x440;
constexpr UINT_PTR answerTimer = 0x7A11;
thread_local MessageBoxAnswerer* activeAnswerer = nullptr;

bool isDialog(HWND window) {
    wchar_t className[16]{};
    GetClassNameW(window, className, 16);
    return std::wstring(className) == L"#32770";
}

} // namespace

SeenBox readMessageBox(HWND box) {
    SeenBox seen;
    seen.title = windowText(box);
    if (HWND text = GetDlgItem(box, messageBoxTextId))
        seen.text = windowText(text);
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
        if (HWND button = GetDlgItem(box, id); button && IsWindowVisible(button))
            seen.buttons.insert(id);
    HWND icon = GetDlgItem(box, messageBoxIconId);
    seen.hasIcon = icon && IsWindowVisible(icon) && SendMessageW(icon, STM_GETICON, 0, 0) != 0;
    return seen;
}

void pressButton(HWND box, int id) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

bool pressButtonAndWait(HWND box, int id, std::chrono::milliseconds timeout) {
    pressButton(box, id);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (IsWindow(box)) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

MessageBoxAnswerer::MessageBoxAnswerer(std::deque<int> answers) : answers_(std::move(answers)) {
    activeAnswerer = this;
    hook_ = SetWindowsHookExW(WH_CBT, &MessageBoxAnswerer::hook, nullptr, GetCurrentThreadId());
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    UnhookWindowsHookEx(hook_);
    activeAnswerer = nullptr;
}

LRESULT CALLBACK MessageBoxAnswerer::hook(int code, WPARAM wParam, LPARAM lParam) {
    auto* self = activeAnswerer;
    if (code == HCBT_ACTIVATE && self) {
        auto box = reinterpret_cast<HWND>(wParam);
        // The box is read once it is fully set up and its own loop runs.
        if (isDialog(box) && self->activated_.emplace(box, std::chrono::steady_clock::now()).second)
            SetTimer(box, answerTimer, 20, &MessageBoxAnswerer::answer);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK MessageBoxAnswerer::answer(HWND box, UINT, UINT_PTR timer, DWORD) {
    KillTimer(box, timer);
    auto* self = activeAnswerer;
    if (!self || !GetDlgItem(box, messageBoxTextId))
        return;
    SeenBox seen = readMessageBox(box);
    seen.activatedAt = self->activated_[box];
    self->seen_.push_back(seen);
    if (self->onShown)
        self->onShown(seen);
    int id = seen.buttons.empty() ? IDOK : *seen.buttons.begin();
    if (!self->answers_.empty()) {
        id = self->answers_.front();
        self->answers_.pop_front();
    }
    pressButton(box, id);
}

std::optional<HWND> waitForMessageBoxOf(DWORD processId, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        struct Search {
            DWORD processId;
            HWND found = nullptr;
        } search{processId};
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                // A box counts once it is set up: shown, with its text and its buttons.
                if (owner == s->processId && IsWindowVisible(window) && isDialog(window) &&
                    GetDlgItem(window, messageBoxTextId) &&
                    !readMessageBox(window).buttons.empty()) {
                    s->found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

} // namespace testing_support
