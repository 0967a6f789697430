#pragma once

#include <functional>

namespace lymn {

// A listener's end of a link to a Signal: it ends the link when it is destroyed, reassigned or
// told to; a link whose signal is gone ends by itself.
class Connection {
  public:
    Connection() = default;
    explicit Connection(std::function<void()> disconnect) : disconnect_(std::move(disconnect)) {}
    ~Connection() { disconnect(); }
    Connection(Connection&& o) noexcept : disconnect_(std::move(o.disconnect_)) {
        o.disconnect_ = nullptr;
    }
    Connection& operator=(Connection&& o) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void disconnect();

  private:
    std::function<void()> disconnect_;
};

}  // namespace lymn
