#pragma once

#include <filesystem>

#include "store/DataFileStartup.h"

namespace lymn::store {

// Records which shipped file the working folder's data came from.
inline constexpr char kStampName[] = "lymn.mdb.stamp";

// The installed program's working folder, before the start-up sequence runs in it: the folder is
// made when missing; the shipped data file is copied in (as lymn.mdb, which the start-up then
// takes as its data file) when the folder holds no data file, and again when the shipped file
// has changed since the copy the stamp records, so that an update of the game data reaches every
// user. A data file found without a stamp is the user's own and stays. Raises an error saying
// what the player can do when the folder cannot be made or written or the data cannot be copied.
void SeedWorkFolder(const std::filesystem::path& shipped, const std::filesystem::path& folder,
                    int lockWaitMs = kLockWaitMs);

}  // namespace lymn::store
