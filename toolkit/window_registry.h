#pragma once
// The program's live top-level windows, for modal disabling and for ending the event loop.
#include <windows.h>

#include <memory>
#include <vector>

namespace toolkit {

class Window;

void registerWindow(std::shared_ptr<Window> window);
// Called when a window's native handle is gone. When it was the last one, the event loop is
// told to end (quit code 0). The object itself is released later, from the event loop.
void unregisterWindow(const Window* window);
Window* findWindow(HWND handle);
std::vector<HWND> liveWindowHandles();
// Drops windows that were unregistered since the last call; the event loop calls it.
void releaseUnregisteredWindows();

} // namespace toolkit
