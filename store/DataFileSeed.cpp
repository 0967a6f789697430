#include "store/DataFileSeed.h"

#include <sys/stat.h>

#include <cinttypes>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/Error.h"
#include "platform/Files.h"
#include "store/DataFileMessages.h"

namespace lymn::store {

namespace {

// What the stamp holds of the shipped file: its size and time tell a change cheaply, the
// hash of its bytes decides when they differ.
struct Stamp {
    uint64_t size = 0;
    int64_t mtimeNs = 0;
    uint64_t hash = 0;

    std::string text() const {
        char line[96];
        std::snprintf(line, sizeof line, "1 %" PRIu64 " %" PRId64 " %016" PRIx64 "\n", size,
                      mtimeNs, hash);
        return line;
    }
    static std::optional<Stamp> parse(const std::string& text) {
        Stamp s;
        int version = 0;
        if (std::sscanf(text.c_str(), "%d %" SCNu64 " %" SCNd64 " %" SCNx64, &version, &s.size,
                        &s.mtimeNs, &s.hash) != 4 ||
            version != 1)
            return std::nullopt;
        return s;
    }
};

uint64_t fnv1a(const std::vector<uint8_t>& bytes) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (uint8_t b : bytes) h = (h ^ b) * 0x100000001b3ull;
    return h;
}

std::optional<Stamp> readStamp(const std::filesystem::path& p) {
    const auto bytes = files::readAll(p);
    if (!bytes) return std::nullopt;
    return Stamp::parse(std::string(bytes->begin(), bytes->end()));
}

void writeStamp(const std::filesystem::path& folder, const Stamp& s) {
    const std::string text = s.text();
    if (!files::writeReplace(folder / kStampName,
                             {reinterpret_cast<const uint8_t*>(text.data()), text.size()}))
        throw Error(messages::copyFailed(folder.string()));
}

}  // namespace

void SeedWorkFolder(const std::filesystem::path& shipped, const std::filesystem::path& folder,
                    int lockWaitMs) {
    if (folder.empty()) throw Error(messages::noHome());
    if (!files::createDirectories(folder) || !files::isWritableDirectory(folder))
        throw Error(messages::noFolder(folder.string()));
    const files::LockFile lock(folder / kLockName, lockWaitMs);
    if (lock.busy()) throw Error(messages::heldByAnother((folder / kDataName).string()));

    const auto data = folder / kDataName;
    const auto copy = folder / kShippedName;
    const bool hasData = files::exists(data) || files::exists(copy);
    struct stat st {};
    if (::stat(shipped.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        // Nothing to bring up to date; the data already here serves.
        if (hasData) return;
        throw Error(messages::noShipped(shipped.string()));
    }
    Stamp now;
    now.size = static_cast<uint64_t>(st.st_size);
    now.mtimeNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    const auto last = readStamp(folder / kStampName);
    if (hasData && last && last->size == now.size && last->mtimeNs == now.mtimeNs) return;

    const auto bytes = files::readAll(shipped);
    if (!bytes) throw Error(messages::noShipped(shipped.string()));
    now.hash = fnv1a(*bytes);
    // Data without a stamp is the user's own; data from this very file needs no copy.
    if (hasData && (!last || last->hash == now.hash)) {
        writeStamp(folder, now);
        return;
    }
    if (!files::copyReplace(shipped, copy)) throw Error(messages::copyFailed(folder.string()));
    // The working copy of the old data goes, so that the start-up takes the new file.
    if (files::exists(data) && !files::remove(data))
        throw Error(messages::copyFailed(folder.string()));
    writeStamp(folder, now);
}

}  // namespace lymn::store
