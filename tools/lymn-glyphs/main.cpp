// lymn-glyphs: starts the program without a window, up to its first frame, and writes the glyphs
// that frame needed, so that the program itself can start without rendering them.
//   lymn-glyphs DATA_FILE OUT
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "app/Program.h"
#include "platform/Files.h"
#include "platform/headless/HeadlessBackend.h"

namespace fs = std::filesystem;

namespace {

// The first frame of a start beside a copy of the data file; any box it shows is an error.
int render(const fs::path& dataFile, const fs::path& out, const fs::path& folder) {
    if (!lymn::files::copyReplace(dataFile, folder / "lymn.mdb")) {
        std::cerr << "lymn-glyphs: cannot copy " << dataFile << "\n";
        return 1;
    }
    std::string box;
    lymn::HeadlessBackend backend;
    lymn::Program program(backend, folder, [&box](lymn::Application& app) {
        app.setBoxHandler(
            [&box](lymn::BoxKind, const std::string&, const std::string& text) { box = text; });
    });
    program.show();
    if (!box.empty() || !program.form()) {
        std::cerr << "lymn-glyphs: the program did not start: " << box << "\n";
        return 1;
    }
    if (!lymn::files::writeAll(out, program.application().fonts().saveCache())) {
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
