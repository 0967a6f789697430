#include "platform/PngWriter.h"

#include <png.h>

#include <vector>

#include "platform/Error.h"
#include "platform/Files.h"

namespace lymn::png {

namespace {

void append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

// The PNG file's bytes.
std::vector<uint8_t> encode(const Bitmap& bitmap, bool alpha) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw Error("Cannot encode a PNG picture");
    }
    const int channels = alpha ? 4 : 3;
    std::vector<uint8_t> row(static_cast<size_t>(bitmap.deviceWidth()) * channels);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw Error("Cannot encode a PNG picture");
    }
    png_set_write_fn(png, &out, append, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.deviceWidth()),
                 static_cast<png_uint_32>(bitmap.deviceHeight()), 8,
                 alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < bitmap.deviceHeight(); ++y) {
        const uint32_t* src = bitmap.row(y);
        for (int x = 0; x < bitmap.deviceWidth(); ++x) {
            uint8_t* p = row.data() + static_cast<size_t>(x) * channels;
            p[0] = static_cast<uint8_t>(src[x] >> 16);
            p[1] = static_cast<uint8_t>(src[x] >> 8);
            p[2] = static_cast<uint8_t>(src[x]);
            if (alpha) p[3] = static_cast<uint8_t>(src[x] >> 24);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace

void write(const Bitmap& bitmap, const std::string& path, bool alpha) {
    // Written whole or not at all; these are tools' and tests' pictures, not worth a flush.
    if (!files::writeReplace(path, encode(bitmap, alpha), files::Flush::No))
        throw Error("Cannot create file " + path);
}

Bitmap read(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        throw Error("Cannot open file " + path);
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint8_t> buffer(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr)) {
        png_image_free(&image);
        throw Error("Cannot read file " + path);
    }
    Bitmap out(static_cast<int>(image.width), static_cast<int>(image.height));
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const uint8_t* p = buffer.data() + (static_cast<size_t>(y) * out.width() + x) * 4;
            out.setPixel(
                x, y,
                (uint32_t{p[3]} << 24) | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0]);
        }
    return out;
}

}  // namespace lymn::png
