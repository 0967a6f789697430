// lymn-art: draws the program's pictures by rule and writes them as files.
//   lymn-art theme DIR             the theme pictures (BMP, 24 bits per pixel)
//   lymn-art layout DIR ICONS      the picture lists (BMP, 32 bits), the logo (JPEG), the icon
//                                  (BMP) in DIR; the icon at each size as ICONS/NxN/lymn-sim.png
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "platform/Files.h"
#include "platform/PngWriter.h"
#include "tools/lymn-art/LayoutArt.h"
#include "tools/lymn-art/ThemeArt.h"

namespace fs = std::filesystem;

namespace {

bool write(const fs::path& p, const std::vector<uint8_t>& bytes) {
    if (lymn::files::writeAll(p, bytes)) return true;
    std::cerr << "lymn-art: cannot write " << p << "\n";
    return false;
}

int theme(const fs::path& dir) {
    fs::create_directories(dir);
    int written = 0;
    for (const auto& [name, picture] : lymn::art::themePictures()) {
        if (!write(dir / (name + ".bmp"), picture.toBmp(24))) return 1;
        ++written;
    }
    std::cout << "lymn-art: wrote " << written << " theme pictures to " << dir << "\n";
    return 0;
}

int layout(const fs::path& dir, const fs::path& icons) {
    fs::create_directories(dir);
    const auto art = lymn::art::layoutPictures();
    char name[48];
    for (size_t i = 0; i < art.imageList1.size(); ++i) {
        std::snprintf(name, sizeof name, "IMAGELIST1_%02zu.bmp", i);
        if (!write(dir / name, art.imageList1[i].toBmp(32))) return 1;
    }
    for (size_t i = 0; i < art.imageList2.size(); ++i) {
        std::snprintf(name, sizeof name, "IMAGELIST2_%02zu.bmp", i);
        if (!write(dir / name, art.imageList2[i].toBmp(32))) return 1;
    }
    if (!write(dir / "LOGO.jpg", art.logoJpeg)) return 1;
    if (!write(dir / "MAINICON.bmp", art.icon.toBmp(32))) return 1;
    for (const auto& [size, icon] : art.icons) {
        const fs::path folder = icons / (std::to_string(size) + "x" + std::to_string(size));
        fs::create_directories(folder);
        lymn::png::write(icon, (folder / "lymn-sim.png").string(), true);
    }
    std::cout << "lymn-art: wrote the layout pictures to " << dir << " and the icons to " << icons
              << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "theme" && argc == 3) return theme(argv[2]);
    if (what == "layout" && argc == 4) return layout(argv[2], argv[3]);
    std::cerr << "usage: lymn-art theme DIR | lymn-art layout DIR ICONS\n";
    return 2;
}
