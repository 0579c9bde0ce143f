#include "ocr/engine/LineSegmenter.h"

#include <algorithm>
#include <cmath>

#include <opencv2/imgproc.hpp>

#include "ocr/engine/GreyView.h"

namespace tarnveil::LineSegmenter {

namespace {

/// Pixels darker than this may belong to a frame around text (a code span's border).
constexpr int faintLevel = 236;
/// Marks at most this many pixels wide and tall are specks (dots, noise): they never decide
/// where a line is, though their pixels stay in the bitmap.
constexpr int speckSize = 2;
/// A mark taller and wider than this many glyph heights is a picture, not text.
constexpr double blobInGlyphs = 2.5;
/// A mark taller than this many glyph heights is a picture or a bar, whatever its width.
constexpr double tallInGlyphs = 4.0;
/// Straight strokes at least this many glyph heights long are rules or borders.
constexpr double horizontalRuleInGlyphs = 5.0;
constexpr double verticalRuleInGlyphs = 2.5;
/// A piece lower than this many glyph heights (a row of dots, an accent cut off from its
/// letters) joins the line it overlaps that is nearest, within `pieceReachInGlyphs`.
constexpr double pieceInGlyphs = 0.45;
constexpr double pieceReachInGlyphs = 0.6;
/// Specks beside either end of a line (the ":::" closing a password-hash dump, a trailing
/// period) belong to it when each is at most `speckGapInGlyphs` from the last; a line grows by
/// at most `speckRunInGlyphs` this way.
constexpr double speckGapInGlyphs = 1.0;
constexpr double speckRunInGlyphs = 4.0;
/// A piece taller than this many glyph heights is more than one line; it is split at gaps of
/// `narrowGapInGlyphs`.
constexpr double tallLineInGlyphs = 2.4;
constexpr double narrowGapInGlyphs = 0.6;
/// The cut never goes deeper than this; what is left at that depth is one line.
constexpr int maximumDepth = 64;

PixelBox boxOf(const cv::Mat& stats, int label)
{
    const int* s = stats.ptr<int>(label);
    return {s[cv::CC_STAT_LEFT], s[cv::CC_STAT_TOP], s[cv::CC_STAT_LEFT] + s[cv::CC_STAT_WIDTH],
            s[cv::CC_STAT_TOP] + s[cv::CC_STAT_HEIGHT]};
}

/// The median height of the marks that look like glyphs: neither specks nor long strokes.
int typicalGlyphHeight(const cv::Mat& stats, int count)
{
    std::vector<int> heights;
    for (int label = 1; label < count; ++label) {
        const PixelBox box = boxOf(stats, label);
        if (box.height() >= 4 && box.width() <= 4 * box.height() && box.height() <= 8 * std::max(1, box.width())) {
            heights.push_back(box.height());
        }
    }
    if (heights.empty()) {
        return 0;
    }
    std::nth_element(heights.begin(), heights.begin() + std::ptrdiff_t(heights.size() / 2), heights.end());
    return heights[heights.size() / 2];
}

/// The buffers of the connected-component passes, kept from one pass to the next: allocating
/// a label image per pass costs more than labelling.
struct Marks {
    cv::Mat labels;
    cv::Mat stats;
    cv::Mat centroids;

    /// Labels the 8-connected marks of `mask`; the number of labels, background included.
    int label(const cv::Mat& mask) { return cv::connectedComponentsWithStats(mask, labels, stats, centroids, 8, CV_32S); }
};

struct Rules {
    cv::Mat horizontal;
    cv::Mat vertical;
};

/// The pixels of `mask` that lie on a horizontal run of at least `length` set pixels: what an
/// opening with a 1 × length line keeps, in one pass.
cv::Mat horizontalRuns(const cv::Mat& mask, int length)
{
    cv::Mat runs = cv::Mat::zeros(mask.size(), CV_8U);
    for (int y = 0; y < mask.rows; ++y) {
        const uchar* in = mask.ptr<uchar>(y);
        uchar* out = runs.ptr<uchar>(y);
        int start = -1;
        for (int x = 0; x <= mask.cols; ++x) {
            const bool set = x < mask.cols && in[x] != 0;
            if (set && start < 0) {
                start = x;
            } else if (!set && start >= 0) {
                if (x - start >= length) {
                    std::fill(out + start, out + x, uchar(255));
                }
                start = -1;
            }
        }
    }
    return runs;
}

/// The pixels of `mask` that lie on a vertical run of at least `length` set pixels.
cv::Mat verticalRuns(const cv::Mat& mask, int length)
{
    cv::Mat runs = cv::Mat::zeros(mask.size(), CV_8U);
    std::vector<int> height(std::size_t(mask.cols), 0);
    auto close = [&](int x, int endRow) {
        const int run = height[std::size_t(x)];
        if (run >= length) {
            for (int y = endRow - run; y < endRow; ++y) {
                runs.ptr<uchar>(y)[x] = 255;
            }
        }
        height[std::size_t(x)] = 0;
    };
    for (int y = 0; y < mask.rows; ++y) {
        const uchar* in = mask.ptr<uchar>(y);
        for (int x = 0; x < mask.cols; ++x) {
            if (in[x] != 0) {
                ++height[std::size_t(x)];
            } else if (height[std::size_t(x)] > 0) {
                close(x, y);
            }
        }
    }
    for (int x = 0; x < mask.cols; ++x) {
        close(x, mask.rows);
    }
    return runs;
}

int horizontalRuleLength(int glyph) { return std::max(24, int(std::lround(horizontalRuleInGlyphs * glyph))); }

/// Long straight horizontal and vertical strokes of `ink`.
Rules rulesOf(const cv::Mat& ink, int glyph)
{
    const int down = std::max(16, int(std::lround(verticalRuleInGlyphs * glyph)));
    return {horizontalRuns(ink, horizontalRuleLength(glyph)), verticalRuns(ink, down)};
}

bool hasInk(const cv::Mat& mask, int left, int top, int right, int bottom)
{
    left = std::max(0, left);
    top = std::max(0, top);
    right = std::min(mask.cols, right);
    bottom = std::min(mask.rows, bottom);
    return right > left && bottom > top && cv::countNonZero(mask(cv::Rect(left, top, right - left, bottom - top))) > 0;
}

/// Whether `box`, a mark left after the rules were taken out, is the side of a frame: a thin
/// upright stroke that met a horizontal rule at its top and another at its bottom, as the
/// sides of a code span's or a cell's border do. An underlined letter meets a rule only below.
bool isFrameSide(const PixelBox& box, const cv::Mat& horizontalRules, int glyph)
{
    if (box.width() > std::max(4, glyph / 2) || box.height() < glyph) {
        return false;
    }
    return hasInk(horizontalRules, box.left - 2, box.top - 2, box.right + 2, box.top + 2) &&
           hasInk(horizontalRules, box.left - 2, box.bottom - 2, box.right + 2, box.bottom + 2);
}

/// Paints out of `ink` and `grey` the frames around text: the borders of code spans, cells and
/// fields, often too faint to count as ink but still read as "|" or "(" beside a token. Faint
/// horizontal rules lose their light pixels (dark text on a tinted band keeps its own), and the
/// thin sides between a top and a bottom rule go whole.
void removeFrames(cv::Mat& ink, cv::Mat& grey, int glyph, Marks& marks)
{
    cv::Mat faint;
    cv::threshold(grey, faint, faintLevel - 1, 255, cv::THRESH_BINARY_INV);
    const cv::Mat horizontalRules = horizontalRuns(faint, horizontalRuleLength(glyph));
    faint.setTo(0, horizontalRules);
    grey.setTo(255, horizontalRules & (grey >= inkLevel));
    const int count = marks.label(faint);
    const cv::Mat& labels = marks.labels;
    const cv::Mat& stats = marks.stats;
    for (int label = 1; label < count; ++label) {
        const PixelBox box = boxOf(stats, label);
        if (!isFrameSide(box, horizontalRules, glyph)) {
            continue;
        }
        const cv::Rect area(box.left, box.top, box.width(), box.height());
        const cv::Mat side = labels(area) == label;
        ink(area).setTo(0, side);
        grey(area).setTo(255, side);
    }
}

/// Whether a mark of the closed ink map is a picture (avatar, icon, badge): taller and wider
/// than text, compact, and with ink on every row. Lines of text that closing merged into one
/// mark always keep a blank row between them in the open ink map.
bool isPicture(const PixelBox& box, const cv::Mat& ink, int glyph)
{
    const double width = box.width();
    const double height = box.height();
    if (height > tallInGlyphs * glyph && width < 0.5 * height) {
        return true; // a bar, a scroll bar's thumb
    }
    if (!(height > blobInGlyphs * glyph && width > blobInGlyphs * glyph && width < 2 * height && height < 2 * width)) {
        return false;
    }
    const cv::Mat area = ink(cv::Rect(box.left, box.top, box.width(), box.height()));
    for (int y = 0; y < area.rows; ++y) {
        if (cv::countNonZero(area.row(y)) == 0) {
            return false;
        }
    }
    return true;
}

/// The boxes of the pictures in `ink`: marks found after closing gaps of up to half a glyph,
/// so the pieces of an avatar's ring or an icon's outline count as one.
std::vector<PixelBox> picturesOf(const cv::Mat& ink, int glyph, Marks& marks)
{
    const int reach = std::max(3, (glyph / 2) | 1);
    cv::Mat closed;
    cv::morphologyEx(ink, closed, cv::MORPH_CLOSE, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(reach, reach)));
    const int count = marks.label(closed);
    const cv::Mat& stats = marks.stats;
    std::vector<PixelBox> pictures;
    for (int label = 1; label < count; ++label) {
        const PixelBox box = boxOf(stats, label);
        if (isPicture(box, ink, glyph)) {
            pictures.push_back(box);
        }
    }
    return pictures;
}

enum class Axis { rows, columns };

int startOf(const PixelBox& box, Axis axis) { return axis == Axis::rows ? box.top : box.left; }
int endOf(const PixelBox& box, Axis axis) { return axis == Axis::rows ? box.bottom : box.right; }

/// `marks` in groups separated along `axis` by gaps of at least `gap` pixels, in order.
std::vector<std::vector<PixelBox>> split(std::vector<PixelBox> marks, Axis axis, int gap)
{
    std::sort(marks.begin(), marks.end(),
              [axis](const PixelBox& a, const PixelBox& b) { return startOf(a, axis) < startOf(b, axis); });
    std::vector<std::vector<PixelBox>> groups;
    int reach = 0;
    for (const PixelBox& mark : marks) {
        if (groups.empty() || startOf(mark, axis) - reach >= gap) {
            groups.emplace_back();
            reach = endOf(mark, axis);
        }
        groups.back().push_back(mark);
        reach = std::max(reach, endOf(mark, axis));
    }
    return groups;
}

PixelBox unionOf(const std::vector<PixelBox>& marks)
{
    PixelBox box;
    for (const PixelBox& mark : marks) {
        box = box.united(mark);
    }
    return box;
}

struct CutLimits {
    int columnGap;  ///< columns split at gaps at least this wide
    int narrowGap;  ///< a piece too tall for one line splits at gaps at least this wide
    int tallLine;   ///< a piece taller than this holds more than one line
};

/// Cuts `marks` into lines: rows at blank rows, columns at wide gaps, alternately. A piece that
/// has neither but is too tall for one line (two rows bridged by a mark beside them, such as
/// the remains of an avatar) is split at narrower gaps, so its rows can come apart.
void cut(std::vector<PixelBox> marks, const CutLimits& limits, int depth, std::vector<PixelBox>& lines)
{
    if (depth < maximumDepth) {
        auto slabs = split(marks, Axis::rows, 1);
        if (slabs.size() == 1) {
            slabs = split(marks, Axis::columns, limits.columnGap);
        }
        if (slabs.size() == 1 && unionOf(marks).height() > limits.tallLine) {
            slabs = split(marks, Axis::columns, limits.narrowGap);
        }
        if (slabs.size() > 1) {
            for (auto& slab : slabs) {
                cut(std::move(slab), limits, depth + 1, lines);
            }
            return;
        }
    }
    lines.push_back(unionOf(marks));
}

int verticalDistance(const PixelBox& a, const PixelBox& b)
{
    return std::max({0, a.top - b.bottom, b.top - a.bottom});
}

bool overlapsHorizontally(const PixelBox& a, const PixelBox& b) { return a.left < b.right && b.left < a.right; }

/// Low pieces (dots of an "i" above a line without ascenders, a row of periods) joined to the
/// nearest line they overlap.
std::vector<PixelBox> withPiecesJoined(std::vector<PixelBox> lines, int glyph)
{
    const int low = int(std::lround(pieceInGlyphs * glyph));
    const int reach = int(std::lround(pieceReachInGlyphs * glyph));
    std::vector<bool> gone(lines.size(), false);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].height() >= low) {
            continue;
        }
        std::size_t best = lines.size();
        int bestDistance = reach + 1;
        for (std::size_t j = 0; j < lines.size(); ++j) {
            if (j == i || gone[j] || lines[j].height() < low || !overlapsHorizontally(lines[i], lines[j])) {
                continue;
            }
            const int distance = verticalDistance(lines[i], lines[j]);
            if (distance < bestDistance) {
                best = j;
                bestDistance = distance;
            }
        }
        if (best < lines.size()) {
            lines[best] = lines[best].united(lines[i]);
            gone[i] = true;
        }
    }
    std::vector<PixelBox> kept;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!gone[i]) {
            kept.push_back(lines[i]);
        }
    }
    return kept;
}

/// Paints out of `ink` and `grey` what is not text: rules and borders, frames around text, and
/// pictures with what lies inside them.
void paintOutNonText(cv::Mat& ink, cv::Mat& grey, int glyph, Marks& workspace)
{
    const Rules rules = rulesOf(ink, glyph);
    for (const cv::Mat* rule : {&rules.horizontal, &rules.vertical}) {
        ink.setTo(0, *rule);
        grey.setTo(255, *rule);
    }
    removeFrames(ink, grey, glyph, workspace);
    for (const PixelBox& picture : picturesOf(ink, glyph, workspace)) {
        const cv::Rect area(picture.left, picture.top, picture.width(), picture.height());
        ink(area).setTo(0);
        grey(area).setTo(255);
    }
}

/// The marks of `ink`: those that can tell where a line is, and the specks.
struct SortedMarks {
    std::vector<PixelBox> text;
    std::vector<PixelBox> specks; ///< left to right
};

SortedMarks marksOf(const cv::Mat& ink, Marks& workspace)
{
    const int count = workspace.label(ink);
    SortedMarks marks;
    for (int label = 1; label < count; ++label) {
        const PixelBox box = boxOf(workspace.stats, label);
        (box.width() > speckSize || box.height() > speckSize ? marks.text : marks.specks).push_back(box);
    }
    std::sort(marks.specks.begin(), marks.specks.end(),
              [](const PixelBox& a, const PixelBox& b) { return a.left < b.left; });
    return marks;
}

bool withinRows(const PixelBox& speck, const PixelBox& line)
{
    const int middle = (speck.top + speck.bottom) / 2;
    return middle >= line.top && middle < line.bottom;
}

/// Whether another line of `lines` shares rows with `line` within `reach` pixels beyond its
/// right end (`right`) or its left one: then the specks between them may be either's.
bool hasNeighbour(const std::vector<PixelBox>& lines, std::size_t index, bool right, int reach)
{
    const PixelBox& line = lines[index];
    for (std::size_t j = 0; j < lines.size(); ++j) {
        const PixelBox& other = lines[j];
        if (j == index || other.bottom <= line.top || other.top >= line.bottom) {
            continue;
        }
        const bool near = right ? other.left >= line.right - 1 && other.left <= line.right + reach
                                : other.right <= line.left + 1 && other.right >= line.left - reach;
        if (near) {
            return true;
        }
    }
    return false;
}

/// `line` grown over the run of specks that continues its right end.
void attachRight(PixelBox& line, const std::vector<PixelBox>& specks, int gap, int run)
{
    const auto byLeft = [](const PixelBox& speck, int x) { return speck.left < x; };
    const int end = line.right + run;
    for (auto it = std::lower_bound(specks.begin(), specks.end(), line.right, byLeft);
         it != specks.end() && it->left <= line.right + gap && it->right <= end; ++it) {
        if (withinRows(*it, line)) {
            line.right = std::max(line.right, it->right);
        }
    }
}

/// `line` grown over the run of specks that continues its left end.
void attachLeft(PixelBox& line, const std::vector<PixelBox>& specks, int gap, int run)
{
    const auto byLeft = [](const PixelBox& speck, int x) { return speck.left < x; };
    const int end = line.left - run;
    auto it = std::lower_bound(specks.begin(), specks.end(), line.left, byLeft);
    while (it != specks.begin()) {
        --it;
        if (it->right < line.left - gap || it->left < end) {
            break;
        }
        if (withinRows(*it, line) && it->right <= line.left) {
            line.left = it->left;
        }
    }
}

/// The lines grown over the runs of specks that continue their outer ends. Specks between two
/// lines of one row are left to the reading of both.
std::vector<PixelBox> withSpecksAttached(const std::vector<PixelBox>& lines, const std::vector<PixelBox>& specks,
                                         int glyph)
{
    const int gap = std::max(1, int(std::lround(speckGapInGlyphs * glyph)));
    const int run = int(std::lround(speckRunInGlyphs * glyph));
    std::vector<PixelBox> grown = lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!hasNeighbour(lines, i, true, run + gap)) {
            attachRight(grown[i], specks, gap, run);
        }
        if (!hasNeighbour(lines, i, false, run + gap)) {
            attachLeft(grown[i], specks, gap, run);
        }
    }
    return grown;
}

} // namespace

TextLineLayout segment(const QImage& bitmap)
{
    TextLineLayout layout;
    if (bitmap.isNull() || bitmap.format() != QImage::Format_Grayscale8) {
        layout.usable = false;
        return layout;
    }
    layout.cleaned = bitmap.copy();
    cv::Mat grey = greyView(layout.cleaned);
    cv::Mat ink;
    cv::threshold(grey, ink, inkLevel - 1, 255, cv::THRESH_BINARY_INV);

    Marks workspace;
    const int count = workspace.label(ink);
    if (count - 1 > maximumMarks) {
        layout.usable = false;
        return layout;
    }
    const int glyph = typicalGlyphHeight(workspace.stats, count);
    layout.glyphHeight = glyph;
    if (glyph == 0) {
        return layout;
    }
    paintOutNonText(ink, grey, glyph, workspace);
    const CutLimits limits{std::max(4, int(std::lround(columnGapInGlyphs * glyph))),
                           std::max(3, int(std::lround(narrowGapInGlyphs * glyph))),
                           int(std::lround(tallLineInGlyphs * glyph))};
    std::vector<PixelBox> lines;
    SortedMarks marks = marksOf(ink, workspace);
    cut(std::move(marks.text), limits, 0, lines);
    layout.lines = withSpecksAttached(withPiecesJoined(std::move(lines), glyph), marks.specks, glyph);
    return layout;
}

} // namespace tarnveil::LineSegmenter
