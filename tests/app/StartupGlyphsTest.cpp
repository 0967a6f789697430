#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/Program.h"
#include "app/StartupGlyphs.h"
#include "platform/headless/HeadlessBackend.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;

struct FirstFrame {
    Bitmap frame;
    size_t glyphsBeforeShow = 0;
    size_t glyphsAfterShow = 0;
};

// A whole start beside a fresh data file, up to the first frame.
FirstFrame start(bool seeded, int scale) {
    const fs::path dir = fs::temp_directory_path() / ("lymn-seed-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", dir / "lymn.mdb");
    FirstFrame out;
    {
        HeadlessBackend backend(Rect::xywh(0, 0, 1024, 768), scale);
        Program program(backend, dir, [&](Application& app) {
            app.setBoxHandler([](BoxKind, const std::string&, const std::string& text) {
                ADD_FAILURE() << "box: " << text;
            });
            if (seeded) {
                EXPECT_TRUE(app.fonts().seedCache(startupGlyphs()));
            }
        });
        out.glyphsBeforeShow = program.application().fonts().cachedGlyphs();
        program.show();
        out.glyphsAfterShow = program.application().fonts().cachedGlyphs();
        out.frame = program.form()->frame();
    }
    fs::remove_all(dir);
    return out;
}

// At scale 1 and at scale 2 alike.
TEST(StartupGlyphs, TheBuiltInGlyphsDrawTheFirstFrameAsTheFontsDo) {
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        const FirstFrame rendered = start(false, scale);
        const FirstFrame seeded = start(true, scale);
        EXPECT_EQ(seeded.frame, rendered.frame);
        // Every glyph of the first frame came with the program: none was rendered at start.
        EXPECT_LE(rendered.glyphsAfterShow, seeded.glyphsAfterShow);
        EXPECT_EQ(seeded.glyphsBeforeShow, seeded.glyphsAfterShow);
        EXPECT_GT(rendered.glyphsAfterShow, 100u);
    }
}

}  // namespace
}  // namespace lymn
