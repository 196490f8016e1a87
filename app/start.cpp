#include "start.h"

#include "capture/capture_window.h"
#include "global_state.h"
#include "toolkit/program.h"
#include "windows/window_definitions.h"

namespace app {

int startRoutine() {
    toolkit::initialise({&windows::inputWindow(), &windows::artWindow(), &windows::aboutWindow(),
                         &capture::captureWindow()});
    // Every field of the global state keeps its start value: nothing to initialise.
    toolkit::registerExitRoutine(&exitRoutine);
    toolkit::loadFirstWindow(windows::inputWindow());
    toolkit::runEventLoop();
    return 0;
}

void exitRoutine() {
    std::string().swap(globalState.sourceText);
    std::string().swap(globalState.fillText);
    std::string().swap(globalState.colourText);
}

} // namespace app
