#pragma once

#include <optional>
#include <string>
#include <vector>

#include "LineTemplate.h"

namespace tarnveil::leakbench {

/// What one kind of screenshot shows: its window chrome and the templates of its lines.
/// The builder fills the templates with fresh values and lays them out.
struct SceneDescription {
    std::string title;
    /// Tabs under the title bar; the first is the active one.
    std::vector<std::string> tabs;
    /// A browser's address bar.
    std::optional<LineTemplate> addressBar;
    /// A search or filter field under the title bar, when not empty.
    std::string searchText;
    /// Lines of a panel on the left (file tree, channels, settings sections).
    std::vector<LineTemplate> sidebar;
    /// Line numbers in a gutter before the body, as in a code editor.
    bool lineNumbers = false;
    /// Body lines are table rows: pieces sit in aligned columns, the header is bold on a
    /// panel and rows are separated by rules.
    bool table = false;
    std::vector<LineTemplate> header;
    std::vector<LineTemplate> body;
    /// For a table: how many times each body template is repeated with fresh values.
    int minRows = 1;
    int maxRows = 1;
    /// Line advance in multiples of the font size.
    double lineSpacing = 1.5;
    /// Body lines leave a column on the left for the avatars of author rows.
    bool avatars = false;
    /// A table with a border around every cell, a few pixels from the text.
    bool grid = false;
    /// A Windows title bar: an icon, the title, and minimise, maximise and close buttons.
    bool windowsChrome = false;
};

} // namespace tarnveil::leakbench
