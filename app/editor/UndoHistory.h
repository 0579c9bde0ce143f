#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "planning/RedactionRegion.h"

namespace tarnveil {

/// The undo and redo history of the region list: whole copies of the list, most recent last.
/// The undo side never holds more than `limit` steps, whichever way a step arrives; the
/// oldest steps are dropped first.
class UndoHistory {
public:
    using RegionList = std::vector<RedactionRegion>;

    static constexpr std::size_t limit = 200;

    /// Records `regions` as the newest undo step and forgets every redo step.
    void record(RegionList regions);

    /// The newest undo step, which it removes; `current` becomes the newest redo step. None,
    /// and nothing changes, when there is no undo step.
    std::optional<RegionList> undo(RegionList current);

    /// The newest redo step, which it removes; `current` becomes the newest undo step. None,
    /// and nothing changes, when there is no redo step.
    std::optional<RegionList> redo(RegionList current);

    /// Forgets every step.
    void clear();

    const std::deque<RegionList>& undoSteps() const { return undo_; }
    const std::deque<RegionList>& redoSteps() const { return redo_; }
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }

private:
    static void pushBounded(std::deque<RegionList>& stack, RegionList regions);

    std::deque<RegionList> undo_;
    std::deque<RegionList> redo_;
};

} // namespace tarnveil
