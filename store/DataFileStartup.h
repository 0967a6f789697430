#pragma once

#include <filesystem>
#include <functional>

#include "store/TADOConnection.h"

namespace lymn::store {

inline constexpr char kShippedName[] = "lymn.mdb";
inline constexpr char kDataName[] = "lymn.db";
inline constexpr char kScratchName[] = "Temp.db";
inline constexpr char kLockName[] = "lymn.lock";

// The start-up preparation of the data file in its folder (the executable's, or the installed
// program's working folder): the shipped file takes
// its working name, the standard signature is put back through the scratch copy, the connection
// opens, and the marker goes back the same way. Every rename, copy and delete is attempted and
// its failure ignored; a header write that cannot open its file and the connection raise their
// errors and stop the sequence. The whole sequence holds an exclusive lock file, so two programs
// starting together take turns; one that holds it longer than lockWaitMs (hung) is reported.
// beforeStep, when set, is called with the number (1 to 12) of each step before it runs.
inline constexpr int kLockWaitMs = 10000;
void PrepareDataFile(TADOConnection& connection, const std::filesystem::path& folder,
                     const std::function<void(int step)>& beforeStep = {},
                     int lockWaitMs = kLockWaitMs);

}  // namespace lymn::store
