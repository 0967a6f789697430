#include "app/BuildHistory.h"

namespace lymn {

void BuildHistory::record(const sim::Build& build) {
    if (!steps_.empty() && steps_[at_] == build) return;
    if (!steps_.empty())
        steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(at_) + 1, steps_.end());
    steps_.push_back(build);
    // The oldest step goes once there are more than kDepth to go back through.
    if (steps_.size() > static_cast<size_t>(kDepth) + 1) steps_.pop_front();
    at_ = steps_.size() - 1;
}

std::optional<sim::Build> BuildHistory::undo() {
    if (!canUndo()) return std::nullopt;
    return steps_[--at_];
}

std::optional<sim::Build> BuildHistory::redo() {
    if (!canRedo()) return std::nullopt;
    return steps_[++at_];
}

}  // namespace lymn
