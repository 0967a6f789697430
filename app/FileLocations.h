#pragma once

#include <filesystem>

#include "platform/UserFolders.h"

namespace lymn {

// Where the program keeps its files. A portable folder (the program's own folder, writable)
// keeps the data file, its lock and the screenshots beside the program. An installed program
// works in the user's data folder, seeded from the data file installed with it, and saves its
// screenshots in a folder of its own in the user's pictures folder.
struct FileLocations {
    enum class Kind { Portable, Installed };

    Kind kind = Kind::Portable;
    // The data file, its lock and the scratch copy live here (empty: the user's folders are
    // unknown).
    std::filesystem::path workFolder;
    // Installed: the data file installed with the program, copied into workFolder.
    std::filesystem::path shippedData;
    std::filesystem::path screenFolder;

    bool installed() const { return kind == Kind::Installed; }

    static FileLocations portable(const std::filesystem::path& exeFolder);
    // An executable folder that cannot be written, or a bin folder beside share/lymn-sim with no
    // data file of its own, is an installation.
    static FileLocations detect(const std::filesystem::path& exeFolder, const UserFolders& user);
};

}  // namespace lymn
