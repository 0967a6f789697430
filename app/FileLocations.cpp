#include "app/FileLocations.h"

#include "platform/Files.h"
#include "store/DataFileStartup.h"

namespace lymn {

namespace {

const char kProgramFolder[] = "lymn-sim";

}  // namespace

FileLocations FileLocations::portable(const std::filesystem::path& exeFolder) {
    FileLocations l;
    l.kind = Kind::Portable;
    l.workFolder = exeFolder;
    l.screenFolder = exeFolder / "screen";
    return l;
}

FileLocations FileLocations::detect(const std::filesystem::path& exeFolder,
                                    const UserFolders& user) {
    const auto installedData =
        exeFolder.parent_path() / "share" / kProgramFolder / store::kShippedName;
    const bool dataBeside = files::exists(exeFolder / store::kShippedName) ||
                            files::exists(exeFolder / store::kDataName);
    // Run as root, or installed under the user's own prefix, bin is writable too; the layout
    // still says where the data file belongs.
    const bool layout = !dataBeside && files::exists(installedData);
    if (files::isWritableDirectory(exeFolder) && !layout) return portable(exeFolder);

    FileLocations l;
    l.kind = Kind::Installed;
    // A read-only portable folder (a mounted archive) ships its data beside the program.
    l.shippedData = files::exists(installedData) || !files::exists(exeFolder / store::kShippedName)
                        ? installedData
                        : exeFolder / store::kShippedName;
    if (const auto data = user.dataHome()) l.workFolder = *data / kProgramFolder;
    if (const auto pictures = user.pictures())
        l.screenFolder = *pictures / kProgramFolder;
    else
        l.screenFolder = exeFolder / "screen";
    return l;
}

}  // namespace lymn
