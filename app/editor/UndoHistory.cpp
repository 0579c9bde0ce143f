#include "UndoHistory.h"

namespace tarnveil {

void UndoHistory::pushBounded(std::deque<RegionList>& stack, RegionList regions)
{
    stack.push_back(std::move(regions));
    while (stack.size() > limit) {
        stack.pop_front();
    }
}

void UndoHistory::record(RegionList regions)
{
    pushBounded(undo_, std::move(regions));
    redo_.clear();
}

std::optional<UndoHistory::RegionList> UndoHistory::undo(RegionList current)
{
    if (undo_.empty()) {
        return std::nullopt;
    }
    RegionList step = std::move(undo_.back());
    undo_.pop_back();
    pushBounded(redo_, std::move(current));
    return step;
}

std::optional<UndoHistory::RegionList> UndoHistory::redo(RegionList current)
{
    if (redo_.empty()) {
        return std::nullopt;
    }
    RegionList step = std::move(redo_.back());
    redo_.pop_back();
    pushBounded(undo_, std::move(current));
    return step;
}

void UndoHistory::clear()
{
    undo_.clear();
    redo_.clear();
}

} // namespace tarnveil
