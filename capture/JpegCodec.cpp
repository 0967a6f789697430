#include "capture/JpegCodec.h"

#include <cstdio>
// libjpeg needs FILE and size_t before its header.
#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <memory>
#include <utility>

#include "platform/Error.h"
#include "platform/Files.h"

namespace lymn::jpeg {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* e = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, e->message);
    std::longjmp(e->jump, 1);
}

}  // namespace

bool isBuildCode(std::string_view code) {
    if (code.empty() || code.size() > kMaxBuildCodeLength) return false;
    return std::all_of(code.begin(), code.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               c == '-';
    });
}

namespace {

// The comment marker's bytes for a build code; empty when there is no code.
std::string buildComment(std::string_view build) {
    if (build.empty()) return {};
    if (!isBuildCode(build)) throw Error(formatMessage("Not a build code: %s", std::string(build)));
    return std::string(kBuildPrefix) + std::string(build);
}

void writeRows(jpeg_compress_struct& cinfo, const Bitmap& picture, std::vector<uint8_t>& row) {
    while (cinfo.next_scanline < cinfo.image_height) {
        const uint32_t* src = picture.row(static_cast<int>(cinfo.next_scanline));
        for (int x = 0; x < picture.deviceWidth(); ++x) {
            row[3 * x] = static_cast<uint8_t>(src[x] >> 16);
            row[3 * x + 1] = static_cast<uint8_t>(src[x] >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(src[x]);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
}

}  // namespace

std::vector<uint8_t> encode(const Bitmap& picture, int quality, std::string_view build) {
    const std::string comment = buildComment(build);
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<uint8_t> row(static_cast<size_t>(picture.deviceWidth()) * 3);
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        throw Error(err.message);
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(picture.deviceWidth());
    cinfo.image_height = static_cast<JDIMENSION>(picture.deviceHeight());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&cinfo, TRUE);
    // Written here the marker follows the JFIF header and precedes the tables and the frame.
    if (!comment.empty())
        jpeg_write_marker(&cinfo, JPEG_COM, reinterpret_cast<const JOCTET*>(comment.data()),
                          static_cast<unsigned int>(comment.size()));
    writeRows(cinfo, picture, row);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

void save(const Bitmap& picture, const std::filesystem::path& path, std::string_view build) {
    const std::vector<uint8_t> bytes = encode(picture, kScreenshotQuality, build);
    // A full disk or a crash leaves no cut-off picture behind.
    if (!files::writeReplace(path, bytes))
        throw Error(formatMessage("Cannot create file %s", path.string()));
}

namespace {

// Reads the header (and with pixels, the whole picture) of a JPEG stream; prepare runs before
// the header is read.
template <class Prepare, class Body>
void read(std::span<const uint8_t> bytes, Prepare&& prepare, Body&& body) {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        throw Error(err.message);
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    prepare(cinfo);
    jpeg_read_header(&cinfo, TRUE);
    body(cinfo);
    jpeg_destroy_decompress(&cinfo);
}

void prepareNothing(jpeg_decompress_struct&) {}

template <class Body>
void read(std::span<const uint8_t> bytes, Body&& body) {
    read(bytes, prepareNothing, std::forward<Body>(body));
}

void ignoreMessage(j_common_ptr) {}

std::string_view textOf(const jpeg_marker_struct& m) {
    return {reinterpret_cast<const char*>(m.data), m.data_length};
}

bool isBuildMarker(const jpeg_marker_struct& m) {
    return m.marker == JPEG_COM && textOf(m).starts_with(kBuildPrefix);
}

// The code of a build marker; nothing when it is not a build code, as with one too long to
// have been kept whole.
std::optional<std::string> codeOf(const jpeg_marker_struct& m) {
    if (m.original_length != m.data_length) return std::nullopt;
    const std::string_view code = textOf(m).substr(kBuildPrefix.size());
    if (!isBuildCode(code)) return std::nullopt;
    return std::string(code);
}

}  // namespace

Info inspect(std::span<const uint8_t> bytes) {
    Info info;
    read(bytes, [&info](jpeg_decompress_struct& c) {
        info.width = static_cast<int>(c.image_width);
        info.height = static_cast<int>(c.image_height);
        info.components = c.num_components;
        info.progressive = c.progressive_mode;
        info.jfif = c.saw_JFIF_marker;
        info.colorSpace = c.jpeg_color_space;
        info.baseline = !c.progressive_mode && !c.arith_code && c.data_precision == 8;
        if (c.quant_tbl_ptrs[0]) info.quantTable0 = c.quant_tbl_ptrs[0]->quantval[0];
    });
    // The first start-of-frame marker among the segments.
    for (size_t i = 2; i + 4 <= bytes.size();) {
        if (bytes[i] != 0xFF) break;
        const uint8_t marker = bytes[i + 1];
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            info.sof0 = marker == 0xC0;
            break;
        }
        i += 2 + ((static_cast<size_t>(bytes[i + 2]) << 8) | bytes[i + 3]);
    }
    return info;
}

Bitmap decode(std::span<const uint8_t> bytes) {
    Bitmap out;
    read(bytes, [&out](jpeg_decompress_struct& c) {
        c.out_color_space = JCS_RGB;
        jpeg_start_decompress(&c);
        out.resize(static_cast<int>(c.output_width), static_cast<int>(c.output_height));
        std::vector<uint8_t> row(static_cast<size_t>(c.output_width) * 3);
        while (c.output_scanline < c.output_height) {
            JSAMPROW rows[1] = {row.data()};
            const int y = static_cast<int>(c.output_scanline);
            jpeg_read_scanlines(&c, rows, 1);
            for (int x = 0; x < out.width(); ++x)
                out.setColor(x, y, {row[3 * x], row[3 * x + 1], row[3 * x + 2]});
        }
        jpeg_finish_decompress(&c);
    });
    return out;
}

std::optional<std::string> buildCode(std::span<const uint8_t> bytes) {
    std::optional<std::string> code;
    const auto keepComments = [](jpeg_decompress_struct& c) {
        // Only as much of each comment as a marker with the longest code needs is kept.
        jpeg_save_markers(&c, JPEG_COM,
                          static_cast<unsigned int>(kBuildPrefix.size() + kMaxBuildCodeLength));
        // A damaged stream's warnings are not the program's to print.
        c.err->output_message = ignoreMessage;
    };
    try {
        read(bytes, keepComments, [&code](jpeg_decompress_struct& c) {
            jpeg_saved_marker_ptr m = c.marker_list;
            while (m && !isBuildMarker(*m)) m = m->next;
            if (m) code = codeOf(*m);
        });
    } catch (const Error& e) {
        throw Error(std::string("Not a readable JPEG picture: ") + e.what());
    }
    return code;
}

}  // namespace lymn::jpeg
