#include "platform/Connection.h"

namespace lymn {

Connection& Connection::operator=(Connection&& o) noexcept {
    if (this != &o) {
        disconnect();
        disconnect_ = std::move(o.disconnect_);
        o.disconnect_ = nullptr;
    }
    return *this;
}

void Connection::disconnect() {
    if (!disconnect_) return;
    auto d = std::move(disconnect_);
    disconnect_ = nullptr;
    d();
}

}  // namespace lymn
