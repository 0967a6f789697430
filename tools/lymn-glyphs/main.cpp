// lymn-glyphs: starts the program without a window, up to its first frame, at scale 1 and at
// scale 2, and writes the glyphs those frames needed, so that the program itself can start
// without rendering them. (A start at scale 3 renders its own.)
//   lymn-glyphs DATA_FILE OUT
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "platform/Files.h"
#include "platform/headless/HeadlessBackend.h"

namespace fs = std::filesystem;

namespace {

// The glyphs of the first frame at a scale, added to those of seed, of a start beside a copy of
// the data file; any box it shows is an error (nothing returned).
std::optional<std::vector<uint8_t>> firstFrame(const fs::path& folder, int scale,
                                               const std::vector<uint8_t>& seed) {
    std::string box;
    lymn::HeadlessBackend backend(lymn::Rect::xywh(0, 0, 1024, 768), scale);
    lymn::Program program(backend, folder, [&](lymn::Application& app) {
        app.setBoxHandler(
            [&box](lymn::BoxKind, const std::string&, const std::string& text) { box = text; });
        if (!seed.empty()) app.fonts().seedCache(seed);
    });
    program.show();
    if (!box.empty() || !program.form()) {
        std::cerr << "lymn-glyphs: the program did not start: " << box << "\n";
        return std::nullopt;
    }
    return program.application().fonts().saveCache();
}

int render(const fs::path& dataFile, const fs::path& out, const fs::path& folder) {
    if (!lymn::files::copyReplace(dataFile, folder / "lymn.mdb")) {
        std::cerr << "lymn-glyphs: cannot copy " << dataFile << "\n";
        return 1;
    }
    std::vector<uint8_t> seed;
    for (int scale : {1, 2}) {
        auto glyphs = firstFrame(folder, scale, seed);
        if (!glyphs) return 1;
        seed = std::move(*glyphs);
    }
    if (!lymn::files::writeReplace(out, seed, lymn::files::Flush::No)) {
        std::cerr << "lymn-glyphs: cannot write " << out << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: lymn-glyphs DATA_FILE OUT\n";
        return 2;
    }
    const fs::path folder =
        fs::temp_directory_path() / ("lymn-glyphs-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    int status = 1;
    try {
        status = render(argv[1], argv[2], folder);
    } catch (const std::exception& e) {
        std::cerr << "lymn-glyphs: " << e.what() << "\n";
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
    return status;
}
