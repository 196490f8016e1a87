#pragma once
// Start-up, the event loops, modal windows and the end of the process.
#include "definitions.h"

#include <initializer_list>
#include <string_view>

namespace toolkit {

class Window;

// The folder of the program file becomes the working directory, component-object support is
// initialised and the window definitions are checked. A definition that does not hold
// together is a fatal error.
void initialise(std::initializer_list<const WindowDefinition*> definitions);
void registerExitRoutine(void (*routine)());

// Builds and shows the first window (not modal, no owner) and returns once it is shown.
// Failing to create it is a fatal error.
void loadFirstWindow(const WindowDefinition& definition);
// Runs until the last window of the program has gone.
void runEventLoop();

// Builds the window, shows it, disables the program's other windows and runs a nested event
// loop until the window has been destroyed.
void loadWindowModal(const WindowDefinition& definition);
// Returns at once; the window goes from the event loop.
void destroyWindow(Window& window);
// The open window built from that definition, if there is one.
Window* openWindow(const WindowDefinition& definition);

// Runs the start routine, then the exit routine once, and ends the process with the start
// routine's result.
[[noreturn]] void runProgram(int (*startRoutine)());
// Runs the exit routine, then ends the process at once with the code.
[[noreturn]] void exitProgram(int code);
// Tells the user in a message box of the toolkit's own, then ends the process with -1
// without the exit routine.
[[noreturn]] void fatalError(std::string_view text);

// For test programs: called just before the process ends, with the exit code and how often
// the exit routine ran.
using ProcessEndObserver = void (*)(int exitCode, int exitRoutineCalls);
void setProcessEndObserver(ProcessEndObserver observer);

} // namespace toolkit
