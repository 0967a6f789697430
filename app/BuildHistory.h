#pragma once

#include <deque>
#include <optional>

#include "sim/Build.h"

namespace lymn {

// The builds a window went through, for undo and redo: each change that leaves another build
// than the current one is a step; a new step after undoing drops the steps that were undone.
class BuildHistory {
  public:
    static constexpr int kDepth = 100;

    // The build now shown; the first call sets where undo stops.
    void record(const sim::Build& build);
    // The build one step back (forward), which becomes the current one; nothing at the end.
    std::optional<sim::Build> undo();
    std::optional<sim::Build> redo();
    bool canUndo() const { return at_ > 0; }
    bool canRedo() const { return at_ + 1 < steps_.size(); }
    size_t size() const { return steps_.size(); }

  private:
    std::deque<sim::Build> steps_;
    size_t at_ = 0;
};

}  // namespace lymn
