#include "platform/GlyphSeed.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"

namespace lymn {

namespace {

constexpr uint8_t kMagic[4] = {'L', 'Y', 'G', 'C'};
constexpr uint32_t kVersion = 2;
constexpr int kMaxScale = 3;
constexpr int kMaxHeight = 0x3FF;

void writeGlyph(ByteWriter& w, const GlyphSeed::Glyph& e) {
    const CachedGlyph& g = e.glyph;
    w.u16(static_cast<uint16_t>(e.chain));
    w.u16(static_cast<uint16_t>(e.height));
    w.u8(e.bold ? 1 : 0);
    w.u8(static_cast<uint8_t>(e.scale));
    w.u32(static_cast<uint32_t>(e.ch));
    w.i32(g.left);
    w.i32(g.top);
    w.u16(static_cast<uint16_t>(g.width));
    w.u16(static_cast<uint16_t>(g.height));
    w.i32(g.advance);
    w.i32(g.face);
    w.raw(g.coverage.data(), g.coverage.size());
}

bool readGlyph(ByteReader& r, size_t chains, GlyphSeed::Glyph& e) {
    e.chain = r.u16();
    e.height = r.u16();
    e.bold = r.u8() != 0;
    e.scale = r.u8();
    e.ch = r.u32();
    CachedGlyph& g = e.glyph;
    g.left = r.i32();
    g.top = r.i32();
    g.width = r.u16();
    g.height = r.u16();
    g.advance = r.i32();
    g.face = r.i32();
    const size_t size = static_cast<size_t>(g.width) * g.height;
    const auto coverage = r.raw(size);
    if (!r.ok() || static_cast<size_t>(e.chain) >= chains || e.height > kMaxHeight || e.scale < 1 ||
        e.scale > kMaxScale || e.ch > 0x10FFFF || g.face < 0 || g.face > 255 ||
        coverage.size() != size)
        return false;
    g.coverage.assign(coverage.begin(), coverage.end());
    return true;
}

}  // namespace

std::optional<GlyphSeed::FileStamp> GlyphSeed::FileStamp::of(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileStamp{path, static_cast<uint64_t>(st.st_size), st.st_mtim.tv_sec,
                     st.st_mtim.tv_nsec};
}

std::vector<uint8_t> GlyphSeed::bytes() const {
    ByteWriter w;
    w.raw(kMagic, sizeof kMagic);
    w.u32(kVersion);
    w.u32(static_cast<uint32_t>(files.size()));
    for (const FileStamp& f : files) {
        w.text(f.path);
        w.u64(f.size);
        w.i64(f.seconds);
        w.i64(f.nanoseconds);
    }
    w.u32(static_cast<uint32_t>(chains.size()));
    for (const std::string& name : chains) w.text(name);
    w.u32(static_cast<uint32_t>(metrics.size()));
    for (const Metrics& m : metrics) {
        w.u16(static_cast<uint16_t>(m.chain));
        w.u16(static_cast<uint16_t>(m.height));
        w.u8(m.bold ? 1 : 0);
        w.i32(m.ascent);
        w.i32(m.descent);
    }
    w.u32(static_cast<uint32_t>(glyphs.size()));
    for (const Glyph& g : glyphs) writeGlyph(w, g);
    return w.take();
}

std::optional<GlyphSeed> GlyphSeed::read(std::span<const uint8_t> bytes) {
    ByteReader r(bytes);
    const auto magic = r.raw(sizeof kMagic);
    if (!std::equal(magic.begin(), magic.end(), std::begin(kMagic), std::end(kMagic)) ||
        r.u32() != kVersion)
        return std::nullopt;
    GlyphSeed seed;
    for (uint32_t n = r.u32(); r.ok() && n > 0; --n) {
        FileStamp f;
        f.path = r.text();
        f.size = r.u64();
        f.seconds = r.i64();
        f.nanoseconds = r.i64();
        seed.files.push_back(std::move(f));
    }
    for (uint32_t n = r.u32(); r.ok() && n > 0; --n) seed.chains.push_back(r.text());
    for (uint32_t n = r.u32(); r.ok() && n > 0; --n) {
        Metrics m{r.u16(), r.u16(), r.u8() != 0, r.i32(), r.i32()};
        if (static_cast<size_t>(m.chain) >= seed.chains.size() || m.height > kMaxHeight)
            return std::nullopt;
        seed.metrics.push_back(m);
    }
    for (uint32_t n = r.u32(); r.ok() && n > 0; --n) {
        Glyph g;
        if (!readGlyph(r, seed.chains.size(), g)) return std::nullopt;
        seed.glyphs.push_back(std::move(g));
    }
    if (!r.ok() || !r.atEnd()) return std::nullopt;
    return seed;
}

bool GlyphSeed::filesUnchanged() const {
    return std::all_of(files.begin(), files.end(),
                       [](const FileStamp& f) { return FileStamp::of(f.path) == f; });
}

}  // namespace lymn
