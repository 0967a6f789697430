#include "platform/FontSystem.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>
#include <vector>

#include "platform/Error.h"
#include "platform/GlyphSeed.h"
#include "platform/Utf8.h"

namespace lymn {

namespace {

enum class Render { Strikes, Antialias };

// One face of a fallback chain, as it is asked from fontconfig.
struct FaceRequest {
    const char* family;
    Render render;
};

// The chains of the faces the layout names. The Latin faces fall back to the Song face's
// strikes for Chinese, as the original desktop linked them; WenQuanYi is the last resort.
std::vector<FaceRequest> chainFor(const std::string& face) {
    if (face == "宋体" || face == "SimSun" || face == "新宋体")
        return {{"AR PL UMing CN", Render::Strikes}, {"WenQuanYi Zen Hei", Render::Antialias}};
    if (face == "华文行楷" || face == "STXingkai")
        return {{"AR PL UKai CN", Render::Antialias},
                {"AR PL UMing CN", Render::Antialias},
                {"WenQuanYi Zen Hei", Render::Antialias}};
    return {{"DejaVu Sans", Render::Antialias},
            {"AR PL UMing CN", Render::Strikes},
            {"WenQuanYi Zen Hei", Render::Antialias}};
}

using Glyph = CachedGlyph;

struct LoadedFace {
    FT_Face face = nullptr;
    std::string family;
    Render render = Render::Antialias;
};

struct KnownFace {
    const char* family;
    bool bold;
    const char* file;
    int index;
};

const KnownFace kKnownFaces[] = {
#include "KnownFaces.inc"
    {"", false, "", 0},
};

uint64_t glyphKey(int chain, int height, bool bold, int scale, char32_t ch) {
    return (static_cast<uint64_t>(chain) << 48) | (static_cast<uint64_t>(height & 0x3FF) << 38) |
           (static_cast<uint64_t>(bold) << 37) | (static_cast<uint64_t>((scale - 1) & 3) << 35) |
           ch;
}

int keyChain(uint64_t key) {
    return static_cast<int>(key >> 48);
}
int keyHeight(uint64_t key) {
    return static_cast<int>((key >> 38) & 0x3FF);
}
bool keyBold(uint64_t key) {
    return ((key >> 37) & 1) != 0;
}
int keyScale(uint64_t key) {
    return static_cast<int>((key >> 35) & 3) + 1;
}
char32_t keyChar(uint64_t key) {
    return static_cast<char32_t>(key & 0x7FFFFFFFF);
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

}  // namespace

struct FontSystem::Impl {
    FT_Library library = nullptr;
    // fontconfig's configuration is loaded only when a face is not where the build found it.
    FcConfig* configLoaded = nullptr;
    // Faces by (family, bold); nullptr face when the family is not installed.
    std::map<std::pair<std::string, bool>, LoadedFace> faces;
    std::map<std::pair<std::string, int>, FT_Face> files;
    std::map<std::string, int> chainIds;
    std::vector<std::vector<FaceRequest>> chains;
    std::vector<std::string> chainNames;           // the face name that made each chain
    std::vector<GlyphSeed::FileStamp> seededFrom;  // the font files of seeded glyphs
    std::unordered_map<uint64_t, Glyph> glyphs;
    std::map<std::tuple<int, int, bool>, FontMetrics> metricsCache;
    // Metrics and glyphs made without any face say only that no font was there: not kept in a
    // seed, which would outlive that.
    std::set<std::tuple<int, int, bool>> metricsWithoutFace;

    // FreeType starts with the first font file: a start whose glyphs were all seeded needs none.
    FT_Library freetype() {
        if (!library && FT_Init_FreeType(&library) != 0) {
            library = nullptr;
            throw Error("Cannot initialise FreeType");
        }
        return library;
    }

    FcConfig* config() {
        if (!configLoaded) configLoaded = FcInitLoadConfigAndFonts();
        return configLoaded;
    }

    ~Impl() {
        for (auto& [key, face] : files)
            if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
        if (configLoaded) FcConfigDestroy(configLoaded);
    }

    int chainId(const std::string& face) {
        auto it = chainIds.find(face);
        if (it != chainIds.end()) return it->second;
        auto chain = chainFor(face);
        for (int i = 0; i < static_cast<int>(chains.size()); ++i) {
            if (chains[i].size() == chain.size() &&
                std::equal(chain.begin(), chain.end(), chains[i].begin(),
                           [](const FaceRequest& a, const FaceRequest& b) {
                               return std::string(a.family) == b.family && a.render == b.render;
                           })) {
                chainIds[face] = i;
                return i;
            }
        }
        chains.push_back(chain);
        chainNames.push_back(face);
        chainIds[face] = static_cast<int>(chains.size()) - 1;
        return chainIds[face];
    }

    // The face from the place the build found it, when it is still that family there.
    FT_Face known(const std::string& family, bool bold) {
        const KnownFace* regular = nullptr;
        for (const KnownFace& k : kKnownFaces) {
            if (lower(k.family) != lower(family)) continue;
            if (k.bold == bold) return open(k);
            if (!k.bold) regular = &k;
        }
        // A family without a bold file is made bold by the renderer.
        return bold && regular ? open(*regular) : nullptr;
    }

    FT_Face open(const KnownFace& k) {
        FT_Face face = openFile(k.file, k.index);
        if (!face || !face->family_name || lower(face->family_name) != lower(k.family))
            return nullptr;
        return face;
    }

    // Each file's face is opened once, whatever style and chain asks for it.
    FT_Face openFile(const std::string& file, int index) {
        auto key = std::make_pair(file, index);
        auto it = files.find(key);
        if (it != files.end()) return it->second;
        FT_Face face = nullptr;
        if (FT_New_Face(freetype(), file.c_str(), index, &face) != 0) face = nullptr;
        files.emplace(key, face);
        return face;
    }

    // The face of a family: where the build found it, else as fontconfig finds it now, kept only
    // when it is that family.
    LoadedFace& load(const std::string& family, bool bold, Render render) {
        auto key = std::make_pair(family, bold);
        auto it = faces.find(key);
        if (it != faces.end()) return it->second;
        LoadedFace loaded;
        loaded.render = render;
        if (FT_Face face = known(family, bold)) {
            loaded.face = face;
            loaded.family = family;
            return faces.emplace(key, loaded).first->second;
        }
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
        FcConfigSubstitute(config(), pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config(), pattern, &result);
        FcPatternDestroy(pattern);
        if (match) {
            FcChar8* found = nullptr;
            FcChar8* file = nullptr;
            int index = 0;
            bool same = false;
            for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &found) == FcResultMatch; ++i)
                if (lower(reinterpret_cast<const char*>(found)) == lower(family)) same = true;
            if (same && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
                FcPatternGetInteger(match, FC_INDEX, 0, &index);
                if (FT_Face face = openFile(reinterpret_cast<const char*>(file), index)) {
                    loaded.face = face;
                    loaded.family = family;
                }
            }
            FcPatternDestroy(match);
        }
        return faces.emplace(key, loaded).first->second;
    }

    // Whatever fontconfig offers for the face name, when none of the chain is installed.
    LoadedFace& substitute(bool bold) {
        auto key = std::make_pair(std::string("\x01substitute"), bold);
        auto it = faces.find(key);
        if (it != faces.end()) return it->second;
        LoadedFace loaded;
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
        FcConfigSubstitute(config(), pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config(), pattern, &result);
        FcPatternDestroy(pattern);
        FcChar8* file = nullptr;
        int index = 0;
        if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            if (FT_Face face = openFile(reinterpret_cast<const char*>(file), index)) {
                loaded.face = face;
                loaded.family = face->family_name ? face->family_name : "";
            }
        }
        if (match) FcPatternDestroy(match);
        return faces.emplace(key, loaded).first->second;
    }

    LoadedFace* face(int chain, int index, bool bold) {
        const auto& req = chains[chain];
        if (index < static_cast<int>(req.size())) {
            LoadedFace& f = load(req[index].family, bold, req[index].render);
            return f.face ? &f : nullptr;
        }
        LoadedFace& s = substitute(bold);
        return s.face ? &s : nullptr;
    }

    int chainLength(int chain) const { return static_cast<int>(chains[chain].size()) + 1; }

    static int strikeFor(FT_Face face, int height) {
        for (int i = 0; i < face->num_fixed_sizes; ++i)
            if (face->available_sizes[i].height == height) return i;
        return -1;
    }

    FontMetrics metrics(int chain, int height, bool bold) {
        auto key = std::make_tuple(chain, height, bold);
        auto it = metricsCache.find(key);
        if (it != metricsCache.end()) return it->second;
        FontMetrics m{height, 0};
        for (int i = 0; i < chainLength(chain); ++i) {
            LoadedFace* f = face(chain, i, bold);
            if (!f) continue;
            // Cell height as Windows computes it: the scaled Windows ascent and descent.
            const TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f->face, FT_SFNT_OS2));
            const double scale = static_cast<double>(height) / f->face->units_per_EM;
            const double ascent = os2 ? os2->usWinAscent : f->face->ascender;
            const double descent = os2 ? os2->usWinDescent : -f->face->descender;
            m.ascent = static_cast<int>(std::lround(ascent * scale));
            m.descent = static_cast<int>(std::lround(descent * scale));
            metricsCache[key] = m;
            return m;
        }
        metricsWithoutFace.insert(key);
        metricsCache[key] = m;
        return m;
    }

    static void embolden(Glyph& g) {
        // One extra column, each pixel the stronger of itself and its left neighbour, as the
        // classic desktop widened its bitmap fonts for bold.
        const int w = g.width + 1;
        std::vector<uint8_t> out(static_cast<size_t>(w) * g.height, 0);
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < w; ++x) {
                const uint8_t here = x < g.width ? g.coverage[y * g.width + x] : 0;
                const uint8_t left = x > 0 ? g.coverage[y * g.width + x - 1] : 0;
                out[y * w + x] = std::max(here, left);
            }
        g.coverage = std::move(out);
        g.width = w;
        g.advance += 1;
    }

    // Above scale 1 every face renders from its outlines, at scale times the height.
    bool render(LoadedFace& f, int height, bool bold, bool boldFromFile, int scale, char32_t ch,
                Glyph& g) {
        FT_Face face = f.face;
        const FT_UInt index = FT_Get_Char_Index(face, ch);
        if (index == 0) return false;
        const int strike = f.render == Render::Strikes && scale == 1 ? strikeFor(face, height) : -1;
        height *= scale;
        FT_Int32 flags = FT_LOAD_DEFAULT;
        if (strike >= 0) {
            FT_Select_Size(face, strike);
        } else {
            FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(height));
            flags |= FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_NORMAL;
        }
        if (FT_Load_Glyph(face, index, flags) != 0) return false;
        FT_GlyphSlot slot = face->glyph;
        const bool outline = slot->format == FT_GLYPH_FORMAT_OUTLINE;
        const bool synthBold = bold && !boldFromFile;
        if (outline && synthBold && strike < 0)
            FT_Outline_EmboldenXY(&slot->outline, 48 * scale, 0);
        if (outline && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return false;
        const FT_Bitmap& bm = slot->bitmap;
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = static_cast<int>(bm.width);
        g.height = static_cast<int>(bm.rows);
        g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        g.coverage.assign(static_cast<size_t>(g.width) * g.height, 0);
        for (int y = 0; y < g.height; ++y) {
            const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
            for (int x = 0; x < g.width; ++x) {
                uint8_t v = 0;
                if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                    v = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
                else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY)
                    v = row[x];
                g.coverage[static_cast<size_t>(y) * g.width + x] = v;
            }
        }
        if (synthBold && (!outline || strike >= 0))
            embolden(g);
        else if (synthBold)
            g.advance += scale;
        return true;
    }

    const Glyph& glyph(int chain, int height, bool bold, char32_t ch, int scale = 1) {
        const uint64_t key = glyphKey(chain, height, bold, scale, ch);
        auto it = glyphs.find(key);
        if (it != glyphs.end()) return it->second;
        Glyph g;
        for (int i = 0; i < chainLength(chain); ++i) {
            // Bold comes from the family's bold file when it has one, else it is synthesised.
            LoadedFace* f = bold ? face(chain, i, true) : nullptr;
            bool boldFile = f && f->face->style_flags & FT_STYLE_FLAG_BOLD;
            if (!boldFile) f = face(chain, i, false);
            if (!f) continue;
            if (render(*f, height, bold, boldFile, scale, ch, g)) {
                g.face = i;
                break;
            }
        }
        if (g.face < 0 && ch != 0xFFFD && ch >= 0x20) {
            // Nothing renders it: draw it as a box-less blank of half the height.
            g.advance = std::max(1, height * scale / 2);
        }
        if (scale > 1) alignTo(g, glyph(chain, height, bold, ch), scale);
        return glyphs.emplace(key, std::move(g)).first->second;
    }

    // The horizontal centre of a glyph's ink from the pen, weighted by coverage; none for a blank.
    static std::optional<double> inkCentre(const Glyph& g) {
        double sum = 0, weighted = 0;
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x) {
                const double c = g.coverage[static_cast<size_t>(y) * g.width + x];
                sum += c;
                weighted += c * (x + 0.5);
            }
        if (sum == 0) return std::nullopt;
        return g.left + weighted / sum;
    }

    // A glyph drawn above scale 1 takes the place of the glyph of scale 1: its advance multiplied
    // and its ink centred where that glyph's ink is, so that text keeps its layout and extent.
    static void alignTo(Glyph& big, const Glyph& one, int scale) {
        big.advance = one.advance * scale;
        const auto c1 = inkCentre(one), cn = inkCentre(big);
        if (c1 && cn) big.left += static_cast<int>(std::lround(*c1 * scale - *cn));
    }

    // The font files behind the cache: those seeded from and those opened since.
    std::vector<GlyphSeed::FileStamp> fileStamps() const {
        std::vector<GlyphSeed::FileStamp> stamps = seededFrom;
        for (const auto& [key, face] : files) {
            auto stamp = face ? GlyphSeed::FileStamp::of(key.first) : std::nullopt;
            if (stamp && std::find(stamps.begin(), stamps.end(), *stamp) == stamps.end())
                stamps.push_back(*stamp);
        }
        std::sort(stamps.begin(), stamps.end(),
                  [](const auto& a, const auto& b) { return a.path < b.path; });
        return stamps;
    }

    GlyphSeed seed() const {
        GlyphSeed out;
        out.files = fileStamps();
        out.chains = chainNames;
        for (const auto& [key, m] : metricsCache)
            if (!metricsWithoutFace.contains(key))
                out.metrics.push_back(
                    {std::get<0>(key), std::get<1>(key), std::get<2>(key), m.ascent, m.descent});
        // In key order, so that the same texts give the same bytes.
        std::vector<uint64_t> keys;
        for (const auto& [key, g] : glyphs)
            if (g.face >= 0) keys.push_back(key);
        std::sort(keys.begin(), keys.end());
        for (uint64_t key : keys)
            out.glyphs.push_back({keyChain(key), keyHeight(key), keyBold(key), keyScale(key),
                                  keyChar(key), glyphs.at(key)});
        return out;
    }

    void take(GlyphSeed seed) {
        for (const auto& f : seed.files)
            if (std::find(seededFrom.begin(), seededFrom.end(), f) == seededFrom.end())
                seededFrom.push_back(f);
        std::vector<int> ids;
        for (const std::string& name : seed.chains) ids.push_back(chainId(name));
        for (const auto& m : seed.metrics)
            metricsCache.emplace(std::make_tuple(ids[m.chain], m.height, m.bold),
                                 FontMetrics{m.ascent, m.descent});
        for (auto& g : seed.glyphs)
            glyphs.emplace(glyphKey(ids[g.chain], g.height, g.bold, g.scale, g.ch),
                           std::move(g.glyph));
    }
};

FontSystem::FontSystem() : impl_(std::make_unique<Impl>()) {}
FontSystem::~FontSystem() = default;

FontMetrics FontSystem::metrics(const FontSpec& font) {
    return impl_->metrics(impl_->chainId(font.face), font.height, font.bold);
}

int FontSystem::textWidth(const FontSpec& font, std::string_view text) {
    const int chain = impl_->chainId(font.face);
    int width = 0;
    for (char32_t ch : utf8Decode(text))
        width += impl_->glyph(chain, font.height, font.bold, ch).advance;
    return width;
}

void FontSystem::drawText(Bitmap& target, const Rect& clip, int x, int y, const FontSpec& font,
                          Color color, std::string_view text, int scale) {
    const Rect c = clip.intersected(target.deviceRect());
    if (c.empty()) return;
    const int chain = impl_->chainId(font.face);
    const int baseline = y + impl_->metrics(chain, font.height, font.bold).ascent * scale;
    int pen = x;
    for (char32_t ch : utf8Decode(text)) {
        const Glyph& g = impl_->glyph(chain, font.height, font.bold, ch, scale);
        const int gx = pen + g.left;
        const int gy = baseline - g.top;
        const Rect box = Rect::xywh(gx, gy, g.width, g.height).intersected(c);
        for (int py = box.top; py < box.bottom; ++py) {
            uint32_t* row = target.row(py);
            const uint8_t* cov = g.coverage.data() + static_cast<size_t>(py - gy) * g.width;
            for (int px = box.left; px < box.right; ++px) {
                const uint8_t a = cov[px - gx];
                if (a == 0) continue;
                if (a == 255) {
                    row[px] = color.pixel();
                } else {
                    row[px] = blend(Color::fromPixel(row[px]), color, a).pixel();
                }
            }
        }
        pen += g.advance;
        if (pen > c.right) break;
    }
}

std::string FontSystem::familyFor(const FontSpec& font, char32_t ch) {
    const int chain = impl_->chainId(font.face);
    const Glyph& g = impl_->glyph(chain, font.height, font.bold, ch);
    if (g.face < 0) return {};
    LoadedFace* f = impl_->face(chain, g.face, false);
    return f ? f->family : std::string{};
}

Bitmap FontSystem::colorGlyph(const std::string& family, char32_t ch) {
    LoadedFace& f = impl_->load(family, false, Render::Antialias);
    if (!f.face) throw Error("Font not found: " + family);
    FT_Face face = f.face;
    if (face->num_fixed_sizes > 0) FT_Select_Size(face, 0);
    const FT_UInt index = FT_Get_Char_Index(face, ch);
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_COLOR) != 0)
        throw Error("Glyph not found in " + family);
    if (face->glyph->format == FT_GLYPH_FORMAT_OUTLINE)
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL);
    const FT_Bitmap& bm = face->glyph->bitmap;
    Bitmap out(static_cast<int>(bm.width), static_cast<int>(bm.rows));
    for (int y = 0; y < out.height(); ++y) {
        const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
        for (int x = 0; x < out.width(); ++x) {
            if (bm.pixel_mode == FT_PIXEL_MODE_BGRA) {
                const unsigned char* p = row + 4 * x;
                // Premultiplied BGRA.
                out.setPixel(
                    x, y,
                    (uint32_t{p[3]} << 24) | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0]);
            } else {
                const uint32_t a = row[x];
                out.setPixel(x, y, a << 24);
            }
        }
    }
    return out;
}

size_t FontSystem::cachedGlyphs() const {
    return impl_->glyphs.size();
}

std::vector<uint8_t> FontSystem::saveCache() const {
    return impl_->seed().bytes();
}

bool FontSystem::seedCache(std::span<const uint8_t> bytes) {
    std::optional<GlyphSeed> seed = GlyphSeed::read(bytes);
    if (!seed || !seed->filesUnchanged()) return false;
    for (const GlyphSeed::Glyph& g : seed->glyphs)
        if (g.glyph.face >= static_cast<int>(chainFor(seed->chains[g.chain]).size()) + 1)
            return false;
    impl_->take(std::move(*seed));
    return true;
}

}  // namespace lymn
