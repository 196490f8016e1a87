#include "picture.h"

#include "bmp_codec.h"
#include "dib.h"

namespace toolkit {

Picture Picture::fromImageBytes(std::string_view bytes) {
    Picture picture;
    if (auto raster = decodeBmp(bytes))
        picture.bitmap_ = makeScreenBitmap(*raster);
    return picture;
}

} // namespace toolkit
