#pragma once
// Answers real message boxes as a user would, and records what they said.
#include <windows.h>

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace testing_support {

struct SeenBox {
    std::string text;
    std::string title;
    std::set<int> buttons; // IDOK, IDYES, ...
    bool hasIcon = false;
    std::chrono::steady_clock::time_point activatedAt{}; // when it came up (answerer only)
};

// Reads a message box window: its text, title, buttons and icon. Works across processes.
SeenBox readMessageBox(HWND box);
// Presses one of its buttons (IDOK, IDYES, IDNO, ...).
void pressButton(HWND box, int id);
// The same for a box of another process, then waits until the box has gone.
bool pressButtonAndWait(HWND box, int id, std::chrono::milliseconds timeout);

// While alive, every message box that this thread opens is read, recorded and answered with
// the next of the given button ids (IDOK or the first button once they run out).
class MessageBoxAnswerer {
  public:
    explicit MessageBoxAnswerer(std::deque<int> answers = {});
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    const std::vector<SeenBox>& seen() const { return seen_; }
    // Runs while the box is up, before it is answered.
    std::function<void(const SeenBox&)> onShown;

  private:
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK answer(HWND box, UINT, UINT_PTR timer, DWORD);
    HHOOK hook_ = nullptr;
    std::deque<int> answers_;
    std::vector<SeenBox> seen_;
    std::map<HWND, std::chrono::steady_clock::time_point> activated_; // once per box
};

// A message box of another process: waits until one is shown, up to the timeout.
std::optional<HWND> waitForMessageBoxOf(DWORD processId, std::chrono::milliseconds timeout);

} // namespace testing_support
