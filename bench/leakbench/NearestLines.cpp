#include "NearestLines.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tarnveil::leakbench {

namespace {

double gap(double start, double end, double otherStart, double otherEnd)
{
    return std::max({0.0, otherStart - end, start - otherEnd});
}

/// Vertical distance first, horizontal distance as a small tie-breaker.
double distance(const TruthItem& value, const ScanLine& line)
{
    const InkMask& ink = value.ink;
    const double vertical = gap(ink.y, ink.y + ink.height, line.y, line.y + line.height);
    const double horizontal = gap(ink.x, ink.x + ink.width, line.x, line.x + line.width);
    return vertical * 1000 + horizontal;
}

std::size_t longestCommonRun(const std::string& a, const std::string& b)
{
    std::vector<std::size_t> previous(b.size() + 1, 0);
    std::vector<std::size_t> current(b.size() + 1, 0);
    std::size_t best = 0;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            current[j] = a[i - 1] == b[j - 1] ? previous[j - 1] + 1 : 0;
            best = std::max(best, current[j]);
        }
        std::swap(previous, current);
    }
    return best;
}

bool isBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

} // namespace

std::vector<std::string> NearestLines::find(const TruthItem& value, const std::vector<ScanLine>& lines,
                                            std::size_t count)
{
    const bool boxed = std::any_of(lines.begin(), lines.end(), [](const ScanLine& line) { return line.hasBox; });
    std::vector<std::pair<double, std::size_t>> ranked;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // A line of blanks says nothing about what the recogniser read.
        if ((boxed && !lines[i].hasBox) || isBlank(lines[i].text)) {
            continue;
        }
        const double score =
            boxed ? distance(value, lines[i]) : -static_cast<double>(longestCommonRun(value.line, lines[i].text));
        ranked.emplace_back(score, i);
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < ranked.size() && texts.size() < count; ++i) {
        texts.push_back(lines[ranked[i].second].text);
    }
    return texts;
}

} // namespace tarnveil::leakbench
