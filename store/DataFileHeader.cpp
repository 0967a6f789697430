#include "store/DataFileHeader.h"

#include <algorithm>

#include "platform/Error.h"
#include "platform/Files.h"

namespace lymn::store {

HeaderState headerState(std::span<const uint8_t> s) {
    if (s.size() < 16) return HeaderState::Unknown;
    auto is = [&](const HeaderBlock& b) { return std::equal(b.begin(), b.end(), s.begin()); };
    if (is(kStandardSignature)) return HeaderState::Signature;
    if (is(kMarker)) return HeaderState::Marker;
    if (is(kEngineHeader)) return HeaderState::Engine;
    return HeaderState::Unknown;
}

const char* headerStateName(HeaderState s) {
    switch (s) {
        case HeaderState::Signature:
            return "signature";
        case HeaderState::Marker:
            return "marker";
        case HeaderState::Engine:
            return "engine";
        case HeaderState::Unknown:
            return "unknown";
    }
    return "unknown";
}

namespace {

void writeHeader(const std::filesystem::path& path, const HeaderBlock& block) {
    // A folder is not a file here, as for the desktop's file test.
    if (!files::exists(path) || files::isDirectory(path)) return;
    auto fd = files::openExistingExclusive(path);
    if (!fd || !files::writeAt(fd->get(), 0, block))
        throw Error(formatMessage("Cannot open file %s", path.string()));
}

}  // namespace

void RestoreDataFileHeader(const std::filesystem::path& path) {
    writeHeader(path, kStandardSignature);
}

void HideDataFileHeader(const std::filesystem::path& path) {
    writeHeader(path, kMarker);
}

}  // namespace lymn::store
