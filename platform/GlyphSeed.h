#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lymn {

// A glyph as the text renderer caches it: coverage bytes, one per pixel, row by row.
struct CachedGlyph {
    int left = 0;  // bitmap left edge relative to the pen
    int top = 0;   // bitmap top relative to the baseline, upwards
    int width = 0;
    int height = 0;
    int advance = 0;
    int face = -1;  // index in the chain that rendered it
    std::vector<uint8_t> coverage;
};

// The stored form of rendered glyphs and line metrics, with the size and modification time of
// each font file they came from. Chains are named by the face name that made them.
class GlyphSeed {
  public:
    struct FileStamp {
        std::string path;
        uint64_t size = 0;
        int64_t seconds = 0;
        int64_t nanoseconds = 0;

        // The stamp of the file as it is now; nothing when it is gone.
        static std::optional<FileStamp> of(const std::string& path);
        bool operator==(const FileStamp&) const = default;
    };
    struct Metrics {
        int chain = 0;
        int height = 0;
        bool bold = false;
        int ascent = 0;
        int descent = 0;
    };
    struct Glyph {
        int chain = 0;
        int height = 0;  // the font's height; the glyph is drawn at scale times it
        bool bold = false;
        int scale = 1;
        char32_t ch = 0;
        CachedGlyph glyph;
    };

    std::vector<FileStamp> files;
    std::vector<std::string> chains;
    std::vector<Metrics> metrics;
    std::vector<Glyph> glyphs;

    std::vector<uint8_t> bytes() const;
    // Nothing for bytes of another format or version, cut short, or naming a chain it lacks.
    static std::optional<GlyphSeed> read(std::span<const uint8_t> bytes);
    // Whether every font file is still the one the glyphs were rendered from.
    bool filesUnchanged() const;
};

}  // namespace lymn
