#include "window_registry.h"

#include "window.h"

#include <algorithm>

namespace toolkit {
namespace {

std::vector<std::shared_ptr<Window>> liveWindows;
// Gone from the screen, but a handler of theirs may still be on the stack.
std::vector<std::shared_ptr<Window>> goneWindows;

} // namespace

void registerWindow(std::shared_ptr<Window> window) {
    liveWindows.push_back(std::move(window));
}

void unregisterWindow(const Window* window) {
    auto found = std::find_if(liveWindows.begin(), liveWindows.end(),
                              [&](const auto& w) { return w.get() == window; });
    if (found == liveWindows.end())
        return;
    goneWindows.push_back(std::move(*found));
    liveWindows.erase(found);
    if (liveWindows.empty())
        PostQuitMessage(0);
}

Window* findWindow(HWND handle) {
    for (const auto& w : liveWindows)
        if (w->handle() == handle)
            return w.get();
    return nullptr;
}

Window* findWindow(const WindowDefinition& definition) {
    for (const auto& w : liveWindows)
        if (&w->definition() == &definition && !w->destroyed())
            return w.get();
    return nullptr;
}

std::vector<HWND> liveWindowHandles() {
    std::vector<HWND> handles;
    for (const auto& w : liveWindows)
        handles.push_back(w->handle());
    return handles;
}

HWND windowInUse() {
    HWND active = GetActiveWindow();
    if (active && findWindow(active))
        return active;
    for (auto w = liveWindows.rbegin(); w != liveWindows.rend(); ++w)
        if (IsWindowVisible((*w)->handle()))
            return (*w)->handle();
    return nullptr;
}

void returnTo(HWND window) {
    if (!window || !findWindow(window) || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return;
    SetForegroundWindow(window);
    SetActiveWindow(window);
}

void releaseUnregisteredWindows() {
    goneWindows.clear();
}

void keepOnlyHere(const Window& window) {
    std::erase_if(goneWindows, [&](const auto& w) { return w.get() == &window; });
}

} // namespace toolkit
