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

    // Without the user's folders, screenshots still go where a portable program's would.
    FileLocations l = portable(exeFolder);
    l.kind = Kind::Installed;
    l.workFolder.clear();
    // A read-only portable folder (a mounted archive) ships its data beside the program.
    const auto beside = exeFolder / store::kShippedName;
    l.shippedData = !files::exists(installedData) && files::exists(beside) ? beside : installedData;
    if (const auto data = user.dataHome()) l.workFolder = *data / kProgramFolder;
    if (const auto pictures = user.pictures()) l.screenFolder = *pictures / kProgramFolder;
    return l;
}

}  // namespace lymn
