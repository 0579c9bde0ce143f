#include "SceneBuilder.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "DecoyFactory.h"
#include "FakeNames.h"
#include "KeyBlockClip.h"
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

/// A person's initials: the first letter of the first two words of the name.
std::string initialsOf(const std::string& name)
{
    std::string initials;
    bool wordStart = true;
    for (const char c : name) {
        if (c == ' ') {
            wordStart = true;
        } else if (wordStart && initials.size() < 2) {
            initials += c;
            wordStart = false;
        } else {
            wordStart = false;
        }
    }
    return initials;
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
        Segment segment{piece.text, piece.span ? FontRole::mono : piece.font.value_or(line.font), piece.color,
                        piece.column, -1, {}, piece.span};
        if (piece.kind == Piece::Kind::personName) {
            segment.text = FakeNames::fullName(rng_);
        } else if (piece.kind != Piece::Kind::literal) {
            SceneItem item;
            item.isValue = piece.kind == Piece::Kind::value;
            item.category = piece.category;
            item.decoy = piece.decoy;
            item.font = segment.font;
            const auto earlier = std::find_if(items.rbegin(), items.rend(), [&](const SceneItem& other) {
                return other.isValue && other.category == piece.category;
            });
            if (piece.again && item.isValue && earlier != items.rend()) {
                item.text = earlier->text;
            } else {
                item.text = item.isValue ? ValueFactory::make(piece.category, piece.form, rng_)
                                         : DecoyFactory::make(piece.decoy, rng_);
            }
            segment.text = item.text;
            segment.item = static_cast<int>(items.size());
            items.push_back(item);
        }
        filled.segments.push_back(std::move(segment));
    }
    // A private key block is drawn as one line per line of the key, without the rows that lie
    // beyond the window's edge; its truth holds the visible rows only.
    if (filled.segments.size() == 1 && filled.segments[0].text.find('\n') != std::string::npos) {
        const int hidden = line.clip == ClipSide::none ? 0 : rng_.between(1, 2);
        const auto rows = KeyBlockClip::visibleRows(splitLines(filled.segments[0].text), line.clip, hidden);
        if (filled.segments[0].item >= 0) {
            items[static_cast<std::size_t>(filled.segments[0].item)].text = KeyBlockClip::joined(rows);
        }
        std::vector<TextLine> lines;
        for (const auto& text : rows) {
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
            Block block{fill(line, items), line.gapBefore, line.codeBlock, line.clip, std::nullopt};
            if (description.avatars && line.avatar) {
                block.avatar = avatarStyle();
            }
            blocks.push_back(std::move(block));
        }
    }
    return blocks;
}

Decoration SceneBuilder::avatarStyle()
{
    // A saturated colour of any hue, darker towards the bottom like a lit photo.
    const int hue = rng_.between(0, 359);
    const int saturation = rng_.between(110, 230);
    const int value = rng_.between(150, 225);
    Decoration avatar;
    avatar.shape = Decoration::Shape::avatar;
    avatar.top = QColor::fromHsv(hue, saturation, value);
    avatar.bottom = QColor::fromHsv((hue + 25) % 360, saturation, value - 60);
    avatar.silhouette = rng_.chance(40);
    return avatar;
}

double SceneBuilder::spanPadding() const
{
    return std::round(0.3 * fonts_.pixelSize());
}

double SceneBuilder::width(const TextLine& line) const
{
    double total = 0;
    bool inSpan = false;
    for (const auto& segment : line.segments) {
        total += segment.span != inSpan ? spanPadding() : 0;
        inSpan = segment.span;
        total += fonts_.advance(segment.font, segment.text);
    }
    return total + (inSpan ? spanPadding() : 0);
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
    return last.origin.x() + fonts_.advance(last.font, last.text) + (last.span ? spanPadding() : 0);
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
    if (description.avatars) {
        layout.avatarColumn = std::round(1.7 * layout.lineAdvance) + layout.margin;
    }
    layout.contentLeft = layout.sidebarWidth + 2 * layout.margin + layout.gutterWidth + layout.avatarColumn;

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
    if (description.grid) {
        // Cells: a border, the padding, the text, the padding, then the next cell's border.
        layout.cellPadding = 5 * layout.unit;
        for (const double column : columnWidths(bodyLines)) {
            layout.columnXs.push_back(x);
            layout.gridXs.push_back(x - layout.cellPadding - layout.unit);
            x += column + 2 * layout.cellPadding + layout.unit;
        }
        layout.gridXs.push_back(x - layout.cellPadding - layout.unit);
    } else {
        for (const double column : columnWidths(bodyLines)) {
            layout.columnXs.push_back(x);
            x += column + 2 * layout.size;
        }
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
    bool inSpan = false;
    for (auto& segment : line.segments) {
        if (segment.column >= 0 && static_cast<std::size_t>(segment.column) < columnXs.size()) {
            cursor = columnXs[static_cast<std::size_t>(segment.column)];
        }
        // A code span's box keeps its text a little apart from the text around it.
        cursor += segment.span != inSpan ? spanPadding() : 0;
        inSpan = segment.span;
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
    double titleLeft = layout.margin;
    if (layout.windowsChrome) {
        placeWindowButtons(titleHeight, layout, scene);
        const double icon = std::round(0.9 * size);
        scene.decorations.push_back(
            {QRectF(layout.margin, std::round((titleHeight - icon) / 2), icon, icon), ColorRole::accent, layout.unit});
        titleLeft += icon + 0.6 * size;
    } else {
        for (int i = 1; i <= 3; ++i) {
            const double diameter = 0.8 * size;
            scene.decorations.push_back({QRectF(layout.width - layout.margin - i * 1.4 * size,
                                                (titleHeight - diameter) / 2, diameter, diameter),
                                         ColorRole::dim, diameter / 2});
        }
    }
    place(chrome.title, titleLeft, 0, titleHeight, {});
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

void SceneBuilder::placeWindowButtons(double titleHeight, const Layout& layout, Scene& scene) const
{
    // Minimise, maximise and close, right to left from the close button, each in a cell
    // 46 pixels wide around a 10-pixel glyph.
    const double cell = 46 * layout.unit;
    const double glyph = 10 * layout.unit;
    const double top = std::round((titleHeight - glyph) / 2);
    const auto glyphLeft = [&](int fromRight) { return std::round(layout.width - (fromRight + 0.5) * cell - glyph / 2); };
    Decoration close{QRectF(glyphLeft(0), top, glyph, glyph), ColorRole::chromeText};
    close.shape = Decoration::Shape::cross;
    close.stroke = layout.unit;
    Decoration maximise = close;
    maximise.rect.moveLeft(glyphLeft(1));
    maximise.shape = Decoration::Shape::outline;
    scene.decorations.push_back(close);
    scene.decorations.push_back(maximise);
    scene.decorations.push_back(
        {QRectF(glyphLeft(2), top + std::round(glyph / 2), glyph, layout.unit), ColorRole::chromeText});
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
    const double height = layout.gridXs.empty() ? std::round(layout.size * 2.2) : layout.lineAdvance;
    for (auto& line : lines) {
        const double rowRight = right(line, layout);
        const QRectF panel = layout.gridXs.empty() ? QRectF(layout.contentLeft - layout.size / 2, y,
                                                            rowRight - layout.contentLeft + layout.size, height)
                                                   : QRectF(layout.gridXs.front(), y,
                                                            layout.gridXs.back() - layout.gridXs.front(), height);
        scene.decorations.push_back({panel, ColorRole::panel});
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
    std::vector<TextLine> initials;
    for (auto& block : blocks) {
        if (block.gapBefore) {
            y += std::round(0.6 * layout.lineAdvance);
        }
        if (block.avatar && !block.lines.empty()) {
            placeAvatar(*block.avatar, block.lines.front(), y, layout, scene, initials);
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
            placeSpans(line, layout, scene);
            scene.lines.push_back(std::move(line));
            y += layout.lineAdvance;
            if (table && layout.gridXs.empty()) {
                scene.decorations.push_back({QRectF(layout.contentLeft - layout.size / 2, y - layout.unit,
                                                    tableRight - layout.contentLeft + layout.size, layout.unit),
                                             ColorRole::border});
            }
        }
    }
    // Initials come after the text they sit beside, in reading order.
    append(scene.lines, std::move(initials));
    return y;
}

void SceneBuilder::placeSpans(const TextLine& line, const Layout& layout, Scene& scene) const
{
    const double pad = spanPadding();
    const double baseline = line.segments.empty() ? 0 : line.segments.front().origin.y();
    const double top = baseline - fonts_.ascent(FontRole::mono) - std::round(0.15 * layout.size);
    const double bottom = baseline + fonts_.descent(FontRole::mono) + std::round(0.1 * layout.size);
    for (std::size_t i = 0; i < line.segments.size(); ++i) {
        if (!line.segments[i].span) {
            continue;
        }
        std::size_t last = i;
        while (last + 1 < line.segments.size() && line.segments[last + 1].span) {
            ++last;
        }
        const Segment& end = line.segments[last];
        const double left = line.segments[i].origin.x() - pad;
        const double right = end.origin.x() + fonts_.advance(end.font, end.text) + pad;
        const QRectF box(left, top, right - left, bottom - top);
        scene.decorations.push_back({box, ColorRole::codeBlock, 3 * layout.unit});
        Decoration border{box, ColorRole::border, 3 * layout.unit};
        border.shape = Decoration::Shape::outline;
        border.stroke = layout.unit;
        scene.decorations.push_back(border);
        i = last;
    }
}

void SceneBuilder::placeAvatar(Decoration avatar, const TextLine& author, double top, const Layout& layout,
                               Scene& scene, std::vector<TextLine>& initials) const
{
    // Beside the author row and the first row of the message.
    const double diameter = layout.avatarColumn - layout.margin;
    avatar.rect = QRectF(layout.contentLeft - layout.avatarColumn, top + std::round(0.15 * layout.lineAdvance),
                         diameter, diameter);
    scene.decorations.push_back(avatar);
    if (avatar.silhouette || author.segments.empty()) {
        return;
    }
    TextLine letters = plainLine(initialsOf(author.segments.front().text), FontRole::uiBold, ColorRole::avatarText);
    const double x = avatar.rect.center().x() - width(letters) / 2;
    place(letters, x, avatar.rect.top(), diameter, {});
    initials.push_back(std::move(letters));
}

void SceneBuilder::placeGrid(double top, double bottom, const Layout& layout, Scene& scene) const
{
    const double left = layout.gridXs.front();
    const double right = layout.gridXs.back() + layout.unit;
    for (double y = top; y < bottom + layout.lineAdvance / 2; y += layout.lineAdvance) {
        scene.decorations.push_back({QRectF(left, std::round(y), right - left, layout.unit), ColorRole::border});
    }
    for (const double x : layout.gridXs) {
        scene.decorations.push_back({QRectF(x, top, layout.unit, bottom - top + layout.unit), ColorRole::border});
    }
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
    layout.windowsChrome = description.windowsChrome;
    scene.width = static_cast<int>(layout.width);

    // A block cut off by the window's edge runs up to that edge, as scrolled text does.
    const bool flushTop = !body.empty() && body.front().clip == ClipSide::top;
    const bool flushBottom = !body.empty() && body.back().clip == ClipSide::bottom;
    const double top = placeChrome(std::move(chrome), layout, scene);
    const double sidebarBottom = placeSidebar(std::move(sidebar), top, layout, scene);
    const double headerTop = top + (flushTop ? 2 * layout.unit : layout.margin);
    const double bodyTop = placeHeader(std::move(header), headerTop, layout, scene);
    const std::size_t firstBodyLine = scene.lines.size();
    const double bodyBottom = placeBody(std::move(body), description.table, bodyTop, layout, scene);
    if (description.lineNumbers) {
        placeLineNumbers(firstBodyLine, layout, scene);
    }
    if (!layout.gridXs.empty()) {
        placeGrid(headerTop, bodyBottom, layout, scene);
    }
    const double bottomMargin = flushBottom ? 2 * layout.unit : 2 * layout.margin;
    scene.height = static_cast<int>(std::ceil(std::max(sidebarBottom, bodyBottom) + bottomMargin));
    if (flushTop) {
        // The scroll bar's thumb at the end of a long scroll-back.
        const double thumbWidth = 6 * layout.unit;
        const double thumbHeight = std::max(3 * layout.lineAdvance, (scene.height - top) / 6);
        scene.decorations.push_back({QRectF(layout.width - thumbWidth - 2 * layout.unit,
                                            scene.height - thumbHeight - 2 * layout.unit, thumbWidth, thumbHeight),
                                     ColorRole::border, thumbWidth / 2});
    }
    if (layout.sidebarWidth > 0) {
        scene.decorations.push_back({QRectF(0, top, layout.sidebarWidth, scene.height - top), ColorRole::panel});
        scene.decorations.push_back(
            {QRectF(layout.sidebarWidth, top, layout.unit, scene.height - top), ColorRole::border});
    }
    return scene;
}

} // namespace tarnveil::leakbench
