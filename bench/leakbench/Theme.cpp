#include "Theme.h"

#include <utility>

namespace tarnveil::leakbench {

// Colours in the order of ColorRole: background, panel, chrome, field, border, code block,
// text, chrome text, dim, accent, keyword, string, success, warning, error.

Theme Theme::light()
{
    return Theme("light", {QColor(0xffffff), QColor(0xf3f3f3), QColor(0xdddddd), QColor(0xffffff), QColor(0xd0d0d0),
                           QColor(0xf6f8fa), QColor(0x1f1f1f), QColor(0x333333), QColor(0x6e7781), QColor(0x0550ae),
                           QColor(0x0000c8), QColor(0xa31515), QColor(0x116329), QColor(0x7d4e00), QColor(0xcf222e)});
}

Theme Theme::dark()
{
    return Theme("dark", {QColor(0x1e1e1e), QColor(0x252526), QColor(0x323233), QColor(0x3c3c3c), QColor(0x454545),
                          QColor(0x2d2d30), QColor(0xd4d4d4), QColor(0xcccccc), QColor(0x8b8b8b), QColor(0x4fc1ff),
                          QColor(0x569cd6), QColor(0xce9178), QColor(0x6a9955), QColor(0xdcdcaa), QColor(0xf48771)});
}

Theme::Theme(std::string name, std::array<QColor, colorRoleCount> colors) : name_(std::move(name)), colors_(colors) {}

} // namespace tarnveil::leakbench
