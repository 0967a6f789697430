// lymn-art: draws the program's pictures by rule and writes them as files.
//   lymn-art theme DIR     the theme pictures (BMP, 24 bits per pixel)
#include <filesystem>
#include <iostream>

#include "platform/Files.h"
#include "tools/lymn-art/ThemeArt.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 3 || std::string(argv[1]) != "theme") {
        std::cerr << "usage: lymn-art theme DIR\n";
        return 2;
    }
    const fs::path dir = argv[2];
    fs::create_directories(dir);
    int written = 0;
    for (const auto& [name, picture] : lymn::art::themePictures()) {
        const auto bytes = picture.toBmp(24);
        if (!lymn::files::writeAll(dir / (name + ".bmp"), bytes)) {
            std::cerr << "lymn-art: cannot write " << (dir / (name + ".bmp")) << "\n";
            return 1;
        }
        ++written;
    }
    std::cout << "lymn-art: wrote " << written << " pictures to " << dir << "\n";
    return 0;
}
