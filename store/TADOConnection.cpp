#include "store/TADOConnection.h"

#include <optional>

#include "platform/Error.h"
#include "platform/Files.h"
#include "store/ConnectionString.h"
#include "store/DataFileHeader.h"

namespace lymn::store {

namespace {

const char kProvider[] = "Microsoft.Jet.OLEDB.4.0";

std::string quoted(const std::string& path) {
    return "'" + path + "'";
}

}  // namespace

void TADOConnection::Open() {
    if (image_) return;
    if (connectionString_.empty())
        throw Error(
            "[Microsoft][ODBC Driver Manager] Data source name not found and no default driver "
            "specified");
    const ConnectionString cs(connectionString_);
    if (cs.value("Provider") != kProvider)
        throw Error("Provider cannot be found. It may not be properly installed.");
    const std::string path = cs.value("Data Source");
    if (path.empty() || !files::exists(path))
        throw Error("Could not find file " + quoted(path) + ".");
    auto bytes = files::readAll(path);
    if (!bytes)
        throw Error("The Microsoft Jet database engine cannot open the file " + quoted(path) +
                    ". It is already opened exclusively by another user, or you need permission to "
                    "view its data.");
    OpenImage(std::move(*bytes), path);
}

void TADOConnection::OpenImage(std::vector<uint8_t> bytes, const std::string& path) {
    const ConnectionString cs(connectionString_);
    if (headerState(bytes) != HeaderState::Signature)
        throw Error("Unrecognized database format " + quoted(path) + ".");
    std::unique_ptr<SqliteImage> image;
    std::optional<std::string> stored;
    try {
        image = std::make_unique<SqliteImage>(std::move(bytes));
        stored = storedPassword(*image);
    } catch (const Error&) {
        throw Error("Unrecognized database format " + quoted(path) + ".");
    }
    if (stored && *stored != cs.value("Jet OLEDB:Database Password"))
        throw Error("Not a valid password.");
    image_ = std::move(image);
}

SqliteImage& TADOConnection::image() {
    if (!image_) throw Error("Operation is not allowed when the object is closed.");
    return *image_;
}

}  // namespace lymn::store
