#include "ocr/RowJoiner.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "ocr/Geometry.h"

namespace tarnveil::RowJoiner {

namespace {

bool usable(const Rect& box)
{
    return box.isFinite() && box.standardWidth() > 0 && box.standardHeight() > 0;
}

/// The gap from `left`'s right edge to `right`'s left edge when `right` may continue the row
/// of `left`; none otherwise.
std::optional<double> continuation(const Rect& left, const Rect& right)
{
    const double shorter = std::min(left.standardHeight(), right.standardHeight());
    const double taller = std::max(left.standardHeight(), right.standardHeight());
    if (taller > 1.5 * shorter || !Geometry::sameBaseline(left, right, 0.5)) {
        return std::nullopt;
    }
    const double gap = right.minX() - left.maxX();
    // Pieces may overlap a little where the engine's boxes are generous.
    if (gap < -0.5 * shorter || gap > maxGapInHeights * taller) {
        return std::nullopt;
    }
    return gap;
}

struct Group {
    std::size_t first; ///< the engine's index of its first piece
    std::vector<std::size_t> members;
    Rect box;
};

} // namespace

std::vector<RecognizedRow> joined(std::vector<RecognizedRow> rows)
{
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return rows[a].box.minX() < rows[b].box.minX();
    });
    std::vector<Group> groups;
    for (const std::size_t index : order) {
        const Rect& box = rows[index].box;
        Group* best = nullptr;
        double bestGap = 0;
        if (usable(box)) {
            for (Group& group : groups) {
                const Rect& last = rows[group.members.back()].box;
                const auto gap = usable(last) ? continuation(last, box) : std::nullopt;
                if (gap && (!best || *gap < bestGap)) {
                    best = &group;
                    bestGap = *gap;
                }
            }
        }
        if (best) {
            best->members.push_back(index);
            best->box = Geometry::unionOf(best->box, box);
        } else {
            groups.push_back(Group{index, {index}, box});
        }
    }
    std::sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) { return a.first < b.first; });

    std::vector<RecognizedRow> result;
    result.reserve(groups.size());
    for (const Group& group : groups) {
        RecognizedRow row;
        row.box = group.box;
        double weighted = 0;
        std::size_t symbols = 0;
        for (const std::size_t member : group.members) {
            RecognizedRow& piece = rows[member];
            const std::size_t count = std::max<std::size_t>(1, piece.symbolCount());
            weighted += double(piece.confidence) * double(count);
            symbols += count;
            std::move(piece.words.begin(), piece.words.end(), std::back_inserter(row.words));
        }
        row.confidence = float(weighted / double(symbols));
        result.push_back(withSplitWordsJoined(std::move(row)));
    }
    return result;
}

RecognizedRow withSplitWordsJoined(RecognizedRow row)
{
    auto& words = row.words;
    std::vector<double> gaps;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (usable(words[i - 1].box) && usable(words[i].box)) {
            gaps.push_back(words[i].box.minX() - words[i - 1].box.maxX());
        }
    }
    if (gaps.size() < 2 || !usable(row.box)) {
        return row;
    }
    std::nth_element(gaps.begin(), gaps.begin() + std::ptrdiff_t(gaps.size() / 2), gaps.end());
    const double threshold =
        std::min(splitGapRatio * gaps[gaps.size() / 2], splitGapRatio * 0.75 * row.box.standardHeight());
    std::vector<RecognizedWord> kept;
    for (auto& word : words) {
        if (!kept.empty() && usable(kept.back().box) && usable(word.box) &&
            word.box.minX() - kept.back().box.maxX() < threshold) {
            RecognizedWord& previous = kept.back();
            previous.box = Geometry::unionOf(previous.box, word.box);
            std::move(word.symbols.begin(), word.symbols.end(), std::back_inserter(previous.symbols));
        } else {
            kept.push_back(std::move(word));
        }
    }
    words = std::move(kept);
    return row;
}

} // namespace tarnveil::RowJoiner
