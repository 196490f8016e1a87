// tuk as it starts for real, plus a report of how the process ended, for the start-up tests.
//   TUK_PROBE_REPORT  file that receives
//                     "code=<exit code> exitRoutineCalls=<n> textsReleased=<0|1>"
//   TUK_PROBE_MODE    "exit-program": calls exitProgram(0) once the input window is visible
//                     "broken-definition": starts with a window definition that does not hold
//                     together
// Before the start the three global texts get values too long to live inside the string
// objects (a shorter value assigned later keeps that storage), so that only an exit routine that
// releases them reports them released.
#include "app/global_state.h"
#include "app/start.h"
#include "toolkit/program.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

void report(int code, int exitRoutineCalls) {
    const char* path = std::getenv("TUK_PROBE_REPORT");
    if (!path)
        return;
    const auto& g = app::globalState;
    const bool released =
        g.sourceText.capacity() + g.fillText.capacity() + g.colourText.capacity() ==
        3 * std::string().capacity();
    std::ofstream(path) << "code=" << code << " exitRoutineCalls=" << exitRoutineCalls
                        << " textsReleased=" << (released ? 1 : 0);
}

void CALLBACK exitOnceVisible(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND input = FindWindowW(nullptr, L"tuk 3.1");
    if (input && IsWindowVisible(input)) {
        KillTimer(nullptr, timer);
        toolkit::exitProgram(0);
    }
}

int startWithBrokenDefinition() {
    static const toolkit::WindowDefinition broken{
        .name = "broken",
        .controls = {
            {.name = "child", .parent = "missing", .settings = toolkit::PushButtonSettings{}}}};
    toolkit::initialise({&broken});
    return 0;
}

} // namespace

int main() {
    toolkit::setProcessEndObserver(&report);
    const std::string mode = std::getenv("TUK_PROBE_MODE") ? std::getenv("TUK_PROBE_MODE") : "";
    if (mode == "broken-definition") {
        toolkit::registerExitRoutine(&app::exitRoutine);
        toolkit::runProgram(&startWithBrokenDefinition);
    }
    auto& g = app::globalState;
    g.sourceText.assign(200, 's');
    g.fillText.assign(200, 'f');
    g.colourText.assign(200, '1');
    if (mode == "exit-program")
        SetTimer(nullptr, 0, 50, &exitOnceVisible);
    toolkit::runProgram(&app::startRoutine);
}
