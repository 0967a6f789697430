#include "store/DataFileStartup.h"

#include "platform/Error.h"
#include "platform/Files.h"
#include "store/ConnectionString.h"
#include "store/DataFileHeader.h"
#include "store/DataFileMessages.h"

namespace lymn::store {

void PrepareDataFile(TADOConnection& connection, const std::filesystem::path& exeFolder,
                     const std::function<void(int step)>& beforeStep, int lockWaitMs) {
    auto step = [&](int n) {
        if (beforeStep) beforeStep(n);
    };
    const files::LockFile lock(exeFolder / kLockName, lockWaitMs);
    if (lock.busy()) throw Error(messages::heldByAnother((exeFolder / kDataName).string()));
    step(1);
    files::renameNoReplace(exeFolder / kShippedName, exeFolder / kDataName);
    step(2);
    connection.Close();
    step(3);
    const auto data = exeFolder / kDataName;
    const auto scratch = exeFolder / kScratchName;
    step(4);
    files::copyReplace(data, scratch, files::Flush::No);
    step(5);
    RestoreDataFileHeader(scratch);
    step(6);
    files::copyReplace(scratch, data);
    step(7);
    connection.setConnectionString(dataConnectionString(data));
    step(8);
    connection.Open();
    step(9);
    files::copyReplace(data, scratch, files::Flush::No);
    step(10);
    HideDataFileHeader(scratch);
    step(11);
    files::copyReplace(scratch, data);
    step(12);
    files::remove(scratch);
}

}  // namespace lymn::store
