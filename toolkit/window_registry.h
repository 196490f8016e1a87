#pragma once
// The program's live top-level windows, for modal disabling and for ending the event loop.
#include <windows.h>

#include <memory>
#include <vector>

namespace toolkit {

class Window;
struct WindowDefinition;

void registerWindow(std::shared_ptr<Window> window);
// Called when a window's native handle is gone. When it was the last one, the event loop is
// told to end (quit code 0). The object itself is released later, from the event loop.
void unregisterWindow(const Window* window);
Window* findWindow(HWND handle);
// The open window built from that definition, if any.
Window* findWindow(const WindowDefinition& definition);
std::vector<HWND> liveWindowHandles();
// The program's window that the user works in now: the active one, or else the newest one
// that is shown. Null if there is none.
HWND windowInUse();
// After a modal window, dialog or message box has closed: the window that opened it is
// active again, and its focused control has the keyboard (the window puts it back).
void returnTo(HWND window);
// Drops windows that were unregistered since the last call; the event loop calls it.
void releaseUnregisteredWindows();
// The registry lets go of a window that is gone at once: its last owner is the caller.
void keepOnlyHere(const Window& window);

} // namespace toolkit
