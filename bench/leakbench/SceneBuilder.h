#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Decoration.h"
#include "DetectionSelfCheck.h"
#include "FontSet.h"
#include "LineTemplate.h"
#include "Rng.h"
#include "Scene.h"
#include "SceneDescription.h"

namespace tarnveil::leakbench {

/// Turns a scene description into a laid-out scene: fills every template with fresh values
/// and decoys, then places chrome, sidebar and body lines in image pixels. A filled line
/// whose detections would not match its ground truth exactly (a made-up phone number that
/// happens to be a valid card number as well, say) is filled again with other values.
class SceneBuilder {
public:
    SceneBuilder(const FontSet& fonts, int scale, const DetectionSelfCheck& check, Rng& rng);

    /// The scene at `targetWidth` pixels, or wider when its content needs it. Throws
    /// std::runtime_error when the content needs more than `maxWidth`, or a template cannot
    /// be filled so that detection matches it.
    Scene build(const SceneDescription& description, int targetWidth, int maxWidth);

private:
    struct Chrome {
        TextLine title;
        std::vector<TextLine> tabs;
        std::optional<TextLine> address;
        std::optional<TextLine> search;
    };

    struct Block {
        std::vector<TextLine> lines;
        bool gapBefore = false;
        bool codeBlock = false;
        ClipSide clip = ClipSide::none;
        /// For a message's author row: its avatar, placed when the block is.
        std::optional<Decoration> avatar;
    };

    struct Layout {
        double size = 0;   // font pixel size, scaled
        double unit = 1;   // one unscaled pixel
        double margin = 0; // padding around panels and text
        double lineAdvance = 0;
        double sidebarAdvance = 0;
        double sidebarWidth = 0;
        double gutterWidth = 0;
        double contentLeft = 0;
        /// The room left of the body for avatars, 0 without them.
        double avatarColumn = 0;
        std::vector<double> columnXs;
        /// A grid table's vertical cell borders (the left one of each column, then the right
        /// edge); empty for other layouts.
        std::vector<double> gridXs;
        /// The room between a grid cell's border and its text.
        double cellPadding = 0;
        bool windowsChrome = false;
        double width = 0;
    };

    // Filling templates with values.
    std::vector<TextLine> fill(const LineTemplate& line, std::vector<SceneItem>& items);
    std::vector<TextLine> fillOnce(const LineTemplate& line, std::vector<SceneItem>& items);
    std::vector<TextLine> fillAll(const std::vector<LineTemplate>& lines, std::vector<SceneItem>& items);
    Chrome fillChrome(const SceneDescription& description, std::vector<SceneItem>& items);
    std::vector<Block> fillBody(const SceneDescription& description, std::vector<SceneItem>& items);

    Decoration avatarStyle();

    // Measuring.
    double spanPadding() const;
    double width(const TextLine& line) const;
    double right(TextLine line, const Layout& layout) const;
    Layout measure(const SceneDescription& description, const Chrome& chrome, const std::vector<TextLine>& sidebar,
                   const std::vector<TextLine>& header, const std::vector<Block>& body) const;
    std::vector<double> columnWidths(const std::vector<const TextLine*>& lines) const;

    // Placing.
    void place(TextLine& line, double x, double top, double advance, const std::vector<double>& columnXs) const;
    double placeChrome(Chrome chrome, const Layout& layout, Scene& scene) const;
    double placeBar(TextLine line, double top, double fieldLeft, double fieldWidth, const Layout& layout,
                    Scene& scene) const;
    double placeSidebar(std::vector<TextLine> lines, double top, const Layout& layout, Scene& scene) const;
    double placeHeader(std::vector<TextLine> lines, double top, const Layout& layout, Scene& scene) const;
    double placeBody(std::vector<Block> blocks, bool table, double top, const Layout& layout, Scene& scene) const;
    void placeSpans(const TextLine& line, const Layout& layout, Scene& scene) const;
    void placeAvatar(Decoration avatar, const TextLine& author, double top, const Layout& layout, Scene& scene,
                     std::vector<TextLine>& initials) const;
    void placeGrid(double top, double bottom, const Layout& layout, Scene& scene) const;
    void placeWindowButtons(double titleHeight, const Layout& layout, Scene& scene) const;
    void placeLineNumbers(std::size_t firstBodyLine, const Layout& layout, Scene& scene) const;

    const FontSet& fonts_;
    int scale_;
    const DetectionSelfCheck& check_;
    Rng& rng_;
};

} // namespace tarnveil::leakbench
