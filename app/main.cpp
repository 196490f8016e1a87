#include "app/start.h"
#include "toolkit/program.h"

int main() {
    toolkit::runProgram(&app::startRoutine);
}
