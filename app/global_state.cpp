#include "global_state.h"

namespace app {

GlobalState globalState;

} // namespace app
