#include "Theme.h"

#include <stdexcept>
#include <utility>

namespace tarnveil::leakbench {

// Colours in the order of ColorRole: background, panel, chrome, field, border, code block,
// text, chrome text, dim, accent, keyword, string, success, warning, error, avatar text.

Theme Theme::light()
{
    return Theme("light", {QColor(0xffffff), QColor(0xf3f3f3), QColor(0xdddddd), QColor(0xffffff), QColor(0xd0d0d0),
                           QColor(0xf6f8fa), QColor(0x1f1f1f), QColor(0x333333), QColor(0x6e7781), QColor(0x0550ae),
                           QColor(0x0000c8), QColor(0xa31515), QColor(0x116329), QColor(0x7d4e00), QColor(0xcf222e),
                           QColor(0xffffff)});
}

Theme Theme::dark()
{
    return Theme("dark", {QColor(0x1e1e1e), QColor(0x252526), QColor(0x323233), QColor(0x3c3c3c), QColor(0x454545),
                          QColor(0x2d2d30), QColor(0xd4d4d4), QColor(0xcccccc), QColor(0x8b8b8b), QColor(0x4fc1ff),
                          QColor(0x569cd6), QColor(0xce9178), QColor(0x6a9955), QColor(0xdcdcaa), QColor(0xf48771),
                          QColor(0xffffff)});
}

// The console colours: the prompt in the text colour, commands in yellow, strings in dark
// cyan, as the default PowerShell line editor colours them; a white title bar.
Theme Theme::powershellBlue()
{
    return Theme("powershell-blue",
                 {QColor(0x012456), QColor(0x012456), QColor(0xffffff), QColor(0x012456), QColor(0xdadada),
                  QColor(0x0b3470), QColor(0xeeedf0), QColor(0x1f1f1f), QColor(0xc0c0c0), QColor(0xeeedf0),
                  QColor(0xf9f1a5), QColor(0x3a96dd), QColor(0x16c60c), QColor(0xf9f1a5), QColor(0xe74856),
                  QColor(0xffffff)});
}

Theme Theme::consoleBlack()
{
    return Theme("console-black",
                 {QColor(0x0c0c0c), QColor(0x0c0c0c), QColor(0x2b2b2b), QColor(0x0c0c0c), QColor(0x3a3a3a),
                  QColor(0x1a1a1a), QColor(0xcccccc), QColor(0xffffff), QColor(0x767676), QColor(0xcccccc),
                  QColor(0xf9f1a5), QColor(0x3a96dd), QColor(0x13a10e), QColor(0xc19c00), QColor(0xe74856),
                  QColor(0xffffff)});
}

Theme Theme::named(const std::string& name)
{
    for (Theme (*make)() : {&Theme::light, &Theme::dark, &Theme::powershellBlue, &Theme::consoleBlack}) {
        Theme theme = make();
        if (theme.name() == name) {
            return theme;
        }
    }
    throw std::invalid_argument("no theme named '" + name + "'");
}

Theme::Theme(std::string name, std::array<QColor, colorRoleCount> colors) : name_(std::move(name)), colors_(colors) {}

} // namespace tarnveil::leakbench
