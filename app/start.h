#pragma once

namespace app {

// Initialises the toolkit, registers the exit routine, shows the input window and runs the
// event loop; 0 when the loop has ended.
int startRoutine();

// Releases the global texts; nothing else.
void exitRoutine();

} // namespace app
