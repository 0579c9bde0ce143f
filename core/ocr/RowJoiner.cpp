#include "ocr/RowJoiner.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

#include "ocr/Geometry.h"

namespace tarnveil::RowJoiner {

namespace {

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

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2), values.end());
    return values[values.size() / 2];
}

/// The character pitch of a row set in a monospaced font, or none when the row does not look
/// monospaced: the width per symbol of its longer words, when most of them agree within 8 %.
std::optional<double> monospacePitch(const RecognizedRow& row)
{
    std::vector<double> perSymbol;
    for (const auto& word : row.words) {
        const auto count = std::count_if(word.symbols.begin(), word.symbols.end(),
                                         [](const RecognizedWord::Symbol& symbol) { return !symbol.text.empty(); });
        if (count >= minimumPitchSymbols && word.box.hasArea()) {
            perSymbol.push_back(word.box.standardWidth() / double(count));
        }
    }
    if (perSymbol.size() < minimumPitchWords) {
        return std::nullopt;
    }
    const double pitch = median(perSymbol);
    const auto agreeing = std::count_if(perSymbol.begin(), perSymbol.end(),
                                        [&](double value) { return std::abs(value - pitch) <= 0.08 * pitch; });
    if (double(agreeing) < 0.8 * double(perSymbol.size())) {
        return std::nullopt;
    }
    return pitch;
}

std::vector<double> wordGaps(const RecognizedRow& row)
{
    std::vector<double> gaps;
    for (std::size_t i = 1; i < row.words.size(); ++i) {
        if (row.words[i - 1].box.hasArea() && row.words[i].box.hasArea()) {
            gaps.push_back(row.words[i].box.minX() - row.words[i - 1].box.maxX());
        }
    }
    return gaps;
}

/// The narrowest gap between two words of the row that is still a space; 0 when the row has
/// too few gaps to tell.
double spaceThreshold(const RecognizedRow& row)
{
    const std::vector<double> gaps = wordGaps(row);
    if (gaps.size() < 2) {
        return 0;
    }
    // A monospaced row: its words agree on a pitch, and its spaces are whole empty cells (in
    // a proportional font a space is narrower than the average letter). The widest gap is the
    // test, as the engine's false spaces can outnumber the true ones.
    const double widestGap = *std::max_element(gaps.begin(), gaps.end());
    if (const auto pitch = monospacePitch(row); pitch && widestGap >= 0.95 * *pitch) {
        return monospaceSplitRatio * *pitch;
    }
    return std::min(splitGapRatio * median(gaps), splitGapRatio * 0.75 * row.box.standardHeight());
}

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
        if (box.hasArea()) {
            for (Group& group : groups) {
                const Rect& last = rows[group.members.back()].box;
                const auto gap = last.hasArea() ? continuation(last, box) : std::nullopt;
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
    if (!row.box.hasArea()) {
        return row;
    }
    const double threshold = spaceThreshold(row);
    if (!(threshold > 0)) {
        return row;
    }
    std::vector<RecognizedWord> kept;
    for (auto& word : row.words) {
        if (!kept.empty() && kept.back().box.hasArea() && word.box.hasArea() &&
            word.box.minX() - kept.back().box.maxX() < threshold) {
            kept.back().absorb(std::move(word));
        } else {
            kept.push_back(std::move(word));
        }
    }
    row.words = std::move(kept);
    return row;
}

} // namespace tarnveil::RowJoiner
