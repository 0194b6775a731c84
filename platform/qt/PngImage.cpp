#include "platform/qt/PngImage.h"

#include <png.h>

QImage DecodePng(QByteArrayView bytes, int maxSide) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), static_cast<size_t>(bytes.size())))
        return {};
    if (png.width == 0 || png.height == 0 || png.width > static_cast<png_uint_32>(maxSide) ||
        png.height > static_cast<png_uint_32>(maxSide)) {
        png_image_free(&png);
        return {};
    }
    // Without a gamma of their own, 16-bit pictures are sRGB like 8-bit ones
    // (libpng would take them for linear and lighten them).
    png.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    // The byte order of QImage's 0xAARRGGBB pixels in memory.
    png.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image(static_cast<int>(png.width), static_cast<int>(png.height), QImage::Format_ARGB32);
    if (image.isNull()) {
        png_image_free(&png);
        return {};
    }
    // finish_read frees what begin_read made, whether it succeeds or not.
    if (!png_image_finish_read(&png, nullptr, image.bits(),
                               static_cast<png_int_32>(image.bytesPerLine()), nullptr))
        return {};
    return image;
}
