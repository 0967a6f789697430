#include "store/TADOConnection.h"

#include <unistd.h>

#include <optional>

#include "platform/Error.h"
#include "platform/Files.h"
#include "store/ConnectionString.h"
#include "store/DataFileHeader.h"
#include "store/DataFileMessages.h"

namespace lymn::store {

namespace {

const char kProvider[] = "Microsoft.Jet.OLEDB.4.0";

// Why a file that exists could not be read.
std::string unreadableFile(const std::string& path) {
    if (files::isDirectory(path)) return messages::notOurs(path);
    if (::access(path.c_str(), R_OK) != 0) return messages::noPermission(path);
    return messages::damaged(path);
}

}  // namespace

void TADOConnection::Open() {
    if (image_) return;
    if (connectionString_.empty()) throw Error(messages::noConnection());
    const ConnectionString cs(connectionString_);
    if (cs.value("Provider") != kProvider)
        throw Error("Provider cannot be found. It may not be properly installed.");
    const std::string path = cs.value("Data Source");
    if (path.empty() || !files::exists(path)) throw Error(messages::missing(path));
    auto bytes = files::readAll(path);
    if (!bytes) throw Error(unreadableFile(path));
    OpenImage(std::move(*bytes), path);
}

void TADOConnection::OpenImage(std::vector<uint8_t> bytes, const std::string& path) {
    const ConnectionString cs(connectionString_);
    switch (headerState(bytes)) {
        case HeaderState::Signature:
            break;
        case HeaderState::Marker: {
            // The start-up could not put the signature back: it could not write here.
            const std::filesystem::path file(path);
            const auto folder = file.parent_path().empty() ? "." : file.parent_path();
            if (!files::isWritableFile(file) || !files::isWritableDirectory(folder))
                throw Error(messages::noPermission(path));
            throw Error(messages::notPrepared(path));
        }
        case HeaderState::Unknown:
            if (bytes.size() < 16) throw Error(messages::damaged(path));
            throw Error(messages::notOurs(path));
        case HeaderState::Engine:
            throw Error(messages::notOurs(path));
    }
    std::unique_ptr<SqliteImage> image;
    std::optional<std::string> stored;
    try {
        image = std::make_unique<SqliteImage>(std::move(bytes));
        stored = storedPassword(*image);
    } catch (const Error&) {
        throw Error(messages::damaged(path));
    }
    if (stored && *stored != cs.value("Jet OLEDB:Database Password"))
        throw Error(messages::notOurs(path));
    image_ = std::move(image);
    path_ = path;
}

SqliteImage& TADOConnection::image() {
    if (!image_) throw Error("Operation is not allowed when the object is closed.");
    return *image_;
}

}  // namespace lymn::store
