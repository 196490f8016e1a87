#include "sampling_surface.h"

namespace art {

toolkit::ControlDefinition samplingSurface(int left, int top) {
    using namespace toolkit;
    return {.name = "画板1",
            .left = left,
            .top = top,
            .width = 136,
            .height = 88,
            .visible = false,
            .disabled = true,
            .settings = SurfaceSettings{.border = Border::thinSunken,
                                        .backgroundColour = white,
                                        .keepsDrawing = false,
                                        .textColour = black,
                                        .transparentTextBackground = true,
                                        .independentOfDisplay = true}};
}

} // namespace art
