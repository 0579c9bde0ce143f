#include "ChromeScrub.h"

#include <QCoreApplication>

namespace tarnveil {

const std::array<ChromeScrub, chromeScrubCount>& allChromeScrubs()
{
    static constexpr std::array<ChromeScrub, chromeScrubCount> kinds{ChromeScrub::menuBar, ChromeScrub::dock,
                                                                     ChromeScrub::browserBar,
                                                                     ChromeScrub::terminalTitle};
    return kinds;
}

std::string_view identifier(ChromeScrub kind)
{
    switch (kind) {
    case ChromeScrub::menuBar:
        return "menuBar";
    case ChromeScrub::dock:
        return "dock";
    case ChromeScrub::browserBar:
        return "browserBar";
    case ChromeScrub::terminalTitle:
        return "terminalTitle";
    }
    return "menuBar";
}

std::optional<ChromeScrub> chromeScrubFromIdentifier(std::string_view text)
{
    for (const ChromeScrub kind : allChromeScrubs()) {
        if (identifier(kind) == text) {
            return kind;
        }
    }
    return std::nullopt;
}

QString title(ChromeScrub kind)
{
    switch (kind) {
    case ChromeScrub::menuBar:
        //: The macOS menu bar at the top of the screen. Use Apple's own term for this language.
        return QCoreApplication::translate("ChromeScrub", "Menu Bar");
    case ChromeScrub::dock:
        //: The macOS Dock. Apple keeps this name in most languages.
        return QCoreApplication::translate("ChromeScrub", "Dock");
    case ChromeScrub::browserBar:
        //: A web browser's address/toolbar area, which may contain identifying URLs.
        return QCoreApplication::translate("ChromeScrub", "Browser Bar");
    case ChromeScrub::terminalTitle:
        //: The title bar of a window, which often shows a path or hostname.
        return QCoreApplication::translate("ChromeScrub", "Title Bar");
    }
    return {};
}

double stripHeightInPoints(ChromeScrub kind)
{
    switch (kind) {
    case ChromeScrub::menuBar:
        return 24;
    case ChromeScrub::dock:
        return 80;
    case ChromeScrub::browserBar:
        return 120;
    case ChromeScrub::terminalTitle:
        return 28;
    }
    return 0;
}

Rect stripRect(ChromeScrub kind, double width, double height, double scale)
{
    const double stripHeight = stripHeightInPoints(kind) * scale;
    double top = 0;
    if (kind == ChromeScrub::dock && height - stripHeight >= 0) {
        top = height - stripHeight;
    }
    return Rect{0, top, width, stripHeight};
}

} // namespace tarnveil
