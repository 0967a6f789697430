#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Connection.h"

namespace lymn {

// A notification that listeners connect to. The listener keeps the Connection it is given; the
// link ends when either side goes away, so neither keeps a dangling reference to the other.
template <class... Args>
class Signal {
  public:
    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    [[nodiscard]] Connection connect(std::function<void(Args...)> slot) {
        auto s = std::make_shared<Slot>(std::move(slot));
        slots_.push_back(s);
        return Connection([weak = std::weak_ptr<Slot>(s)] {
            if (auto alive = weak.lock()) alive->connected = false;
        });
    }

    void operator()(Args... args) {
        // A slot may connect or disconnect others while it runs: walk a copy, skip the gone.
        slots_.erase(std::remove_if(slots_.begin(), slots_.end(),
                                    [](const auto& s) { return !s->connected; }),
                     slots_.end());
        const auto current = slots_;
        for (const auto& s : current)
            if (s->connected) s->call(args...);
    }

    size_t connections() const {
        return static_cast<size_t>(std::count_if(slots_.begin(), slots_.end(),
                                                 [](const auto& s) { return s->connected; }));
    }

  private:
    struct Slot {
        explicit Slot(std::function<void(Args...)> f) : call(std::move(f)) {}
        std::function<void(Args...)> call;
        bool connected = true;
    };
    std::vector<std::shared_ptr<Slot>> slots_;
};

}  // namespace lymn
