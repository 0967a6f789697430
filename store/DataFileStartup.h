#pragma once

#include <filesystem>
#include <functional>

#include "store/TADOConnection.h"

namespace lymn::store {

inline constexpr char kShippedName[] = "lymn.mdb";
inline constexpr char kDataName[] = "lymn.db";
inline constexpr char kScratchName[] = "Temp.db";
inline constexpr char kLockName[] = "lymn.lock";

// The start-up preparation of the data file in the executable's folder: the shipped file takes
// its working name, the standard signature is put back through the scratch copy, the connection
// opens, and the marker goes back the same way. Every rename, copy and delete is attempted and
// its failure ignored; a header write that cannot open its file and the connection raise their
// errors and stop the sequence. The whole sequence holds an exclusive lock file, so two programs
// starting together take turns. beforeStep, when set, is called with the number (1 to 12) of
// each step before it runs.
void PrepareDataFile(TADOConnection& connection, const std::filesystem::path& exeFolder,
                     const std::function<void(int step)>& beforeStep = {});

}  // namespace lymn::store
