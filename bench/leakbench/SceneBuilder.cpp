#include "SceneBuilder.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "DecoyFactory.h"
#include "FakeNames.h"
#include "ValueFactory.h"

namespace tarnveil::leakbench {

namespace {

// Attempts at filling one template before the template itself is taken to be wrong.
constexpr int maxFillAttempts = 60;

bool holdsValue(const LineTemplate& line)
{
    return std::any_of(line.pieces.begin(), line.pieces.end(),
                       [](const Piece& piece) { return piece.kind == Piece::Kind::value; });
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + 1;
    }
    lines.push_back(text.substr(from));
    return lines;
}

TextLine plainLine(const std::string& text, FontRole font, ColorRole color)
{
    return TextLine{{Segment{text, font, color, -1, -1, {}}}, 0, 0};
}

void append(std::vector<TextLine>& to, std::vector<TextLine> lines)
{
    for (auto& line : lines) {
        to.push_back(std::move(line));
    }
}

} // namespace

SceneBuilder::SceneBuilder(const FontSet& fonts, int scale, const DetectionSelfCheck& check, Rng& rng)
    : fonts_(fonts), scale_(scale), check_(check), rng_(rng)
{
}

std::vector<TextLine> SceneBuilder::fill(const LineTemplate& line, std::vector<SceneItem>& items)
{
    std::string lastProblem;
    for (int attempt = 0; attempt < maxFillAttempts; ++attempt) {
        std::vector<SceneItem> trial = items;
        auto lines = fillOnce(line, trial);
        std::optional<std::string> problem;
        for (std::size_t i = 0; i < lines.size() && !problem; ++i) {
            problem = check_.lineProblem(lines[i], trial);
        }
        if (!problem) {
            items = std::move(trial);
            return lines;
        }
        lastProblem = *problem;
    }
    throw std::runtime_error("cannot fill a line template so that detection matches its ground truth: " + lastProblem);
}

std::vector<TextLine> SceneBuilder::fillOnce(const LineTemplate& line, std::vector<SceneItem>& items)
{
    TextLine filled;
    for (const auto& piece : line.pieces) {
        Segment segment{piece.text, line.font, piece.color, piece.column, -1, {}};
        if (piece.kind == Piece::Kind::personName) {
            segment.text = FakeNames::fullName(rng_);
        } else if (piece.kind != Piece::Kind::literal) {
            SceneItem item;
            item.isValue = piece.kind == Piece::Kind::value;
            item.category = piece.category;
            item.decoy = piece.decoy;
            item.font = line.font;
            item.text = item.isValue ? ValueFactory::make(piece.category, piece.form, rng_)
                                     : DecoyFactory::make(piece.decoy, rng_);
            segment.text = item.text;
            segment.item = static_cast<int>(items.size());
            items.push_back(item);
        }
        filled.segments.push_back(std::move(segment));
    }
    // A private key block is drawn as one line per line of the key.
    if (filled.segments.size() == 1 && filled.segments[0].text.find('\n') != std::string::npos) {
        std::vector<TextLine> lines;
        for (const auto& text : splitLines(filled.segments[0].text)) {
            Segment segment = filled.segments[0];
            segment.text = text;
            lines.push_back(TextLine{{segment}, 0, 0});
        }
        return lines;
    }
    return {filled};
}

std::vector<SceneBuilder::Block> SceneBuilder::fillBody(const SceneDescription& description,
                                                        std::vector<SceneItem>& items)
{
    std::vector<Block> blocks;
    for (const auto& line : description.body) {
        if (line.optional && !rng_.chance(50)) {
            continue;
        }
        // Table rows with values repeat with fresh values; other rows appear once.
        const int repeats =
            description.table && holdsValue(line) ? rng_.between(description.minRows, description.maxRows) : 1;
        for (int i = 0; i < repeats; ++i) {
            blocks.push_back(Block{fill(line, items), line.gapBefore, line.codeBlock});
        }
    }
    return blocks;
}

double SceneBuilder::width(const TextLine& line) const
{
    double total = 0;
    for (const auto& segment : line.segments) {
        total += fonts_.advance(segment.font, segment.text);
    }
    return total;
}

std::vector<double> SceneBuilder::columnWidths(const std::vector<const TextLine*>& lines) const
{
    std::vector<double> widths;
    for (const TextLine* line : lines) {
        // A column's width runs from the segment that starts it to the next column's start.
        int column = -1;
        double run = 0;
        const auto close = [&] {
            if (column >= 0) {
                widths.resize(std::max(widths.size(), static_cast<std::size_t>(column) + 1), 0);
                widths[static_cast<std::size_t>(column)] = std::max(widths[static_cast<std::size_t>(column)], run);
            }
        };
        for (const auto& segment : line->segments) {
            if (segment.column >= 0) {
                close();
                column = segment.column;
                run = 0;
            }
            run += fonts_.advance(segment.font, segment.text);
        }
        close();
    }
    return widths;
}

std::vector<TextLine> SceneBuilder::fillAll(const std::vector<LineTemplate>& lines, std::vector<SceneItem>& items)
{
    std::vector<TextLine> filled;
    for (const auto& line : lines) {
        if (!line.optional || rng_.chance(50)) {
            append(filled, fill(line, items));
        }
    }
    return filled;
}

SceneBuilder::Chrome SceneBuilder::fillChrome(const SceneDescription& description, std::vector<SceneItem>& items)
{
    Chrome chrome;
    chrome.title = plainLine(description.title, FontRole::ui, ColorRole::chromeText);
    for (const auto& tab : description.tabs) {
        chrome.tabs.push_back(plainLine(tab, FontRole::ui, ColorRole::chromeText));
    }
    if (description.addressBar) {
        chrome.address = fill(*description.addressBar, items).front();
    }
    if (!description.searchText.empty()) {
        chrome.search = plainLine(description.searchText, FontRole::ui, ColorRole::dim);
    }
    return chrome;
}

double SceneBuilder::right(TextLine line, const Layout& layout) const
{
    if (line.segments.empty()) {
        return layout.contentLeft;
    }
    place(line, layout.contentLeft, 0, layout.lineAdvance, layout.columnXs);
    const Segment& last = line.segments.back();
    return last.origin.x() + fonts_.advance(last.font, last.text);
}

SceneBuilder::Layout SceneBuilder::measure(const SceneDescription& description, const Chrome& chrome,
                                           const std::vector<TextLine>& sidebar, const std::vector<TextLine>& header,
                                           const std::vector<Block>& body) const
{
    Layout layout;
    layout.size = fonts_.pixelSize();
    layout.unit = scale_;
    layout.margin = 12 * layout.unit;
    layout.lineAdvance = std::round(layout.size * description.lineSpacing);
    layout.sidebarAdvance = std::round(layout.size * 1.9);
    for (const auto& line : sidebar) {
        layout.sidebarWidth = std::max(layout.sidebarWidth, width(line) + 2 * layout.margin + 16 * layout.unit);
    }
    if (!sidebar.empty()) {
        layout.sidebarWidth = std::max(layout.sidebarWidth, 150 * layout.unit);
    }
    if (description.lineNumbers) {
        layout.gutterWidth = fonts_.advance(FontRole::mono, "99") + 2 * layout.margin;
    }
    layout.contentLeft = layout.sidebarWidth + 2 * layout.margin + layout.gutterWidth;

    std::vector<const TextLine*> bodyLines;
    for (const auto& line : header) {
        bodyLines.push_back(&line);
    }
    for (const auto& block : body) {
        for (const auto& line : block.lines) {
            bodyLines.push_back(&line);
        }
    }
    double x = layout.contentLeft;
    for (const double column : columnWidths(bodyLines)) {
        layout.columnXs.push_back(x);
        x += column + 2 * layout.size;
    }

    double needed = layout.margin + width(chrome.title) + 6 * layout.size;
    for (const TextLine* line : bodyLines) {
        needed = std::max(needed, right(*line, layout) + layout.size + 2 * layout.margin);
    }
    if (chrome.address) {
        needed = std::max(needed, layout.margin + 8 * layout.size + width(*chrome.address) + 2 * layout.margin);
    }
    layout.width = std::ceil(needed);
    return layout;
}

void SceneBuilder::place(TextLine& line, double x, double top, double advance,
                         const std::vector<double>& columnXs) const
{
    double ascent = 0;
    double descent = 0;
    for (const auto& segment : line.segments) {
        ascent = std::max(ascent, fonts_.ascent(segment.font));
        descent = std::max(descent, fonts_.descent(segment.font));
    }
    const double baseline = std::round(top + (advance + ascent - descent) / 2);
    double cursor = x;
    for (auto& segment : line.segments) {
        if (segment.column >= 0 && static_cast<std::size_t>(segment.column) < columnXs.size()) {
            cursor = columnXs[static_cast<std::size_t>(segment.column)];
        }
        segment.origin = QPointF(std::round(cursor), baseline);
        cursor += fonts_.advance(segment.font, segment.text);
    }
    const double reach = 0.3 * fonts_.pixelSize();
    line.bandTop = static_cast<int>(std::floor(baseline - ascent - reach));
    line.bandBottom = static_cast<int>(std::ceil(baseline + descent + reach));
}

double SceneBuilder::placeChrome(Chrome chrome, const Layout& layout, Scene& scene) const
{
    const double size = layout.size;
    const double titleHeight = std::round(size * 2.2);
    scene.decorations.push_back({QRectF(0, 0, layout.width, titleHeight), ColorRole::chrome});
    for (int i = 1; i <= 3; ++i) {
        const double diameter = 0.8 * size;
        scene.decorations.push_back(
            {QRectF(layout.width - layout.margin - i * 1.4 * size, (titleHeight - diameter) / 2, diameter, diameter),
             ColorRole::dim, diameter / 2});
    }
    place(chrome.title, layout.margin, 0, titleHeight, {});
    scene.lines.push_back(chrome.title);
    double y = titleHeight;
    if (!chrome.tabs.empty()) {
        const double height = std::round(size * 2.4);
        scene.decorations.push_back({QRectF(0, y, layout.width, height), ColorRole::panel});
        double x = layout.margin;
        for (std::size_t i = 0; i < chrome.tabs.size(); ++i) {
            const double tabWidth = width(chrome.tabs[i]) + 2 * size;
            if (i == 0) {
                scene.decorations.push_back({QRectF(x, y + 3 * layout.unit, tabWidth, height - 3 * layout.unit),
                                             ColorRole::background, 4 * layout.unit});
            }
            place(chrome.tabs[i], x + size, y, height, {});
            scene.lines.push_back(chrome.tabs[i]);
            x += tabWidth + 4 * layout.unit;
        }
        y += height;
    }
    if (chrome.address) {
        const double left = layout.margin + 6 * size;
        y += placeBar(*chrome.address, y, left, layout.width - left - layout.margin, layout, scene);
    }
    if (chrome.search) {
        const double left = layout.sidebarWidth + layout.margin;
        const double fieldWidth = std::max(layout.width / 3, width(*chrome.search) + 4 * size);
        y += placeBar(*chrome.search, y, left, fieldWidth, layout, scene);
    }
    scene.decorations.push_back({QRectF(0, y, layout.width, layout.unit), ColorRole::border});
    return y + layout.unit;
}

double SceneBuilder::placeBar(TextLine line, double top, double fieldLeft, double fieldWidth, const Layout& layout,
                              Scene& scene) const
{
    const double height = std::round(layout.size * 2.8);
    const double inset = 0.45 * layout.size;
    scene.decorations.push_back({QRectF(0, top, layout.width, height), ColorRole::panel});
    scene.decorations.push_back(
        {QRectF(fieldLeft, top + inset, fieldWidth, height - 2 * inset), ColorRole::field, (height - 2 * inset) / 2});
    place(line, fieldLeft + layout.size, top, height, {});
    scene.lines.push_back(std::move(line));
    return height;
}

double SceneBuilder::placeSidebar(std::vector<TextLine> lines, double top, const Layout& layout, Scene& scene) const
{
    double y = top + layout.margin;
    for (auto& line : lines) {
        place(line, layout.margin + 8 * layout.unit, y, layout.sidebarAdvance, {});
        scene.lines.push_back(std::move(line));
        y += layout.sidebarAdvance;
    }
    return y;
}

double SceneBuilder::placeHeader(std::vector<TextLine> lines, double top, const Layout& layout, Scene& scene) const
{
    double y = top;
    const double height = std::round(layout.size * 2.2);
    for (auto& line : lines) {
        const double rowRight = right(line, layout);
        scene.decorations.push_back(
            {QRectF(layout.contentLeft - layout.size / 2, y, rowRight - layout.contentLeft + layout.size, height),
             ColorRole::panel});
        place(line, layout.contentLeft, y, height, layout.columnXs);
        scene.lines.push_back(std::move(line));
        y += height;
    }
    return y;
}

double SceneBuilder::placeBody(std::vector<Block> blocks, bool table, double top, const Layout& layout,
                               Scene& scene) const
{
    double y = top;
    double tableRight = layout.contentLeft;
    for (const auto& block : blocks) {
        for (const auto& line : block.lines) {
            tableRight = std::max(tableRight, right(line, layout));
        }
    }
    for (auto& block : blocks) {
        if (block.gapBefore) {
            y += std::round(0.6 * layout.lineAdvance);
        }
        if (block.codeBlock) {
            double blockRight = layout.contentLeft;
            for (const auto& line : block.lines) {
                blockRight = std::max(blockRight, right(line, layout));
            }
            scene.decorations.push_back(
                {QRectF(layout.contentLeft - layout.size / 2, y, blockRight - layout.contentLeft + layout.size,
                        static_cast<double>(block.lines.size()) * layout.lineAdvance),
                 ColorRole::codeBlock, 4 * layout.unit});
        }
        for (auto& line : block.lines) {
            place(line, layout.contentLeft, y, layout.lineAdvance, layout.columnXs);
            scene.lines.push_back(std::move(line));
            y += layout.lineAdvance;
            if (table) {
                scene.decorations.push_back({QRectF(layout.contentLeft - layout.size / 2, y - layout.unit,
                                                    tableRight - layout.contentLeft + layout.size, layout.unit),
                                             ColorRole::border});
            }
        }
    }
    return y;
}

void SceneBuilder::placeLineNumbers(std::size_t firstBodyLine, const Layout& layout, Scene& scene) const
{
    const std::size_t lastBodyLine = scene.lines.size();
    for (std::size_t i = firstBodyLine; i < lastBodyLine; ++i) {
        const TextLine& body = scene.lines[i];
        if (body.segments.empty()) {
            continue;
        }
        const std::string number = std::to_string(i - firstBodyLine + 1);
        const double x = layout.contentLeft - layout.margin - fonts_.advance(FontRole::mono, number);
        Segment segment{
            number, FontRole::mono, ColorRole::dim, -1, -1, QPointF(std::round(x), body.segments.front().origin.y())};
        scene.lines.push_back(TextLine{{segment}, body.bandTop, body.bandBottom});
    }
}

Scene SceneBuilder::build(const SceneDescription& description, int targetWidth, int maxWidth)
{
    Scene scene;
    Chrome chrome = fillChrome(description, scene.items);
    auto sidebar = fillAll(description.sidebar, scene.items);
    auto header = fillAll(description.header, scene.items);
    auto body = fillBody(description, scene.items);

    Layout layout = measure(description, chrome, sidebar, header, body);
    if (layout.width > maxWidth) {
        throw std::runtime_error("the content needs " + std::to_string(static_cast<int>(layout.width)) +
                                 " pixels, more than the widest image (" + std::to_string(maxWidth) + ")");
    }
    layout.width = std::max<double>(layout.width, targetWidth);
    scene.width = static_cast<int>(layout.width);

    const double top = placeChrome(std::move(chrome), layout, scene);
    const double sidebarBottom = placeSidebar(std::move(sidebar), top, layout, scene);
    const double bodyTop = placeHeader(std::move(header), top + layout.margin, layout, scene);
    const std::size_t firstBodyLine = scene.lines.size();
    const double bodyBottom = placeBody(std::move(body), description.table, bodyTop, layout, scene);
    if (description.lineNumbers) {
        placeLineNumbers(firstBodyLine, layout, scene);
    }
    scene.height = static_cast<int>(std::ceil(std::max(sidebarBottom, bodyBottom) + 2 * layout.margin));
    if (layout.sidebarWidth > 0) {
        scene.decorations.push_back({QRectF(0, top, layout.sidebarWidth, scene.height - top), ColorRole::panel});
        scene.decorations.push_back(
            {QRectF(layout.sidebarWidth, top, layout.unit, scene.height - top), ColorRole::border});
    }
    return scene;
}

} // namespace tarnveil::leakbench
