// lymn-art: draws the program's pictures by rule and writes them as files.
//   lymn-art theme DIR [--scale N]         the theme pictures (BMP, 24 bits per pixel)
//   lymn-art layout DIR ICONS [--scale N]  the picture lists (BMP, 32 bits), the logo (JPEG), the
//                                          icon (BMP) in DIR; the icon at each size as
//                                          ICONS/NxN/lymn-sim.png
// At a scale N of 2 or 3 the pictures are drawn at N times the detail and named NAME@Nx; the
// icons are drawn at their own sizes and written at scale 1 only.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/PngWriter.h"
#include "tools/lymn-art/LayoutArt.h"
#include "tools/lymn-art/ThemeArt.h"

namespace fs = std::filesystem;

namespace {

bool write(const fs::path& p, const std::vector<uint8_t>& bytes) {
    // An unchanged file is left as it is, so that the build embeds it again only when it changed.
    if (lymn::files::readAll(p) == bytes) return true;
    if (lymn::files::writeReplace(p, bytes, lymn::files::Flush::No)) return true;
    std::cerr << "lymn-art: cannot write " << p << "\n";
    return false;
}

// NAME, or NAME@Nx above scale 1, with the extension.
std::string fileName(const std::string& name, int scale, const char* extension) {
    return scale > 1 ? name + "@" + std::to_string(scale) + "x" + extension : name + extension;
}

int theme(const fs::path& dir, int scale) {
    fs::create_directories(dir);
    int written = 0;
    for (const auto& [name, picture] : lymn::art::themePictures(scale)) {
        if (!write(dir / fileName(name, scale, ".bmp"), picture.toBmp(24))) return 1;
        ++written;
    }
    std::cout << "lymn-art: wrote " << written << " theme pictures to " << dir << "\n";
    return 0;
}

bool writeList(const fs::path& dir, const char* name, const std::vector<lymn::Bitmap>& list,
               int scale) {
    char picture[48];
    for (size_t i = 0; i < list.size(); ++i) {
        std::snprintf(picture, sizeof picture, "%s_%02zu", name, i);
        if (!write(dir / fileName(picture, scale, ".bmp"), list[i].toBmp(32))) return false;
    }
    return true;
}

int layout(const fs::path& dir, const fs::path& icons, int scale) {
    fs::create_directories(dir);
    const auto art = lymn::art::layoutPictures(scale);
    if (!writeList(dir, "IMAGELIST1", art.imageList1, scale) ||
        !writeList(dir, "IMAGELIST2", art.imageList2, scale))
        return 1;
    if (!write(dir / fileName("LOGO", scale, ".jpg"), art.logoJpeg)) return 1;
    if (scale > 1) {
        std::cout << "lymn-art: wrote the layout pictures at scale " << scale << " to " << dir
                  << "\n";
        return 0;
    }
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

// The words after the command, with "--scale N" taken out into scale; false when it is not
// one of 1 to 3.
bool takeScale(std::vector<std::string>& words, int& scale) {
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] != "--scale") continue;
        if (i + 1 >= words.size()) return false;
        const std::string& n = words[i + 1];
        if (n != "1" && n != "2" && n != "3") return false;
        scale = n[0] - '0';
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(i),
                    words.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        return true;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    std::vector<std::string> words(argv + std::min(argc, 2), argv + argc);
    int scale = 1;
    if (takeScale(words, scale)) {
        if (what == "theme" && words.size() == 1) return theme(words[0], scale);
        if (what == "layout" && words.size() == 2) return layout(words[0], words[1], scale);
    }
    std::cerr << "usage: lymn-art theme DIR [--scale N] | lymn-art layout DIR ICONS [--scale N]"
                 " (N: 1 to 3)\n";
    return 2;
}
