#include "display_scale.h"

#include "handles.h"

namespace toolkit {

int systemDpi() {
    static const int dpi = [] {
        WindowDc screen(nullptr);
        const int measured = GetDeviceCaps(screen.get(), LOGPIXELSY);
        return measured > 0 ? measured : 96;
    }();
    return dpi;
}

int DisplayScale::toDisplay(int designPixels) const {
    return MulDiv(designPixels, dpi_, 96);
}

int DisplayScale::toDesign(int displayPixels) const {
    return MulDiv(displayPixels, 96, dpi_);
}

} // namespace toolkit
