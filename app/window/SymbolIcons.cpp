#include "window/SymbolIcons.h"

#include <QFile>

#include "window/TintedIconEngine.h"

// Resources of a static library are registered only when something refers to them.
static void registerSymbolResources()
{
    Q_INIT_RESOURCE(SymbolIcons);
}

namespace tarnveil::SymbolIcons {

namespace {

struct Symbol {
    std::string_view name;
    std::vector<const char*> themeNames;
};

const std::vector<Symbol>& table()
{
    static const std::vector<Symbol> symbols = {
        {"camera.viewfinder", {"camera-photo-symbolic", "camera-photo"}},
        {"doc.on.clipboard", {"edit-paste-symbolic", "edit-paste"}},
        {"menubar.rectangle", {}},
        {"dock.rectangle", {}},
        {"macwindow", {"web-browser-symbolic", "web-browser"}},
        {"text.and.command.macwindow", {"utilities-terminal-symbolic", "utilities-terminal"}},
        {"minus.magnifyingglass", {"zoom-out-symbolic", "zoom-out"}},
        {"arrow.up.left.and.down.right.magnifyingglass", {"zoom-fit-best-symbolic", "zoom-fit-best"}},
        {"plus.magnifyingglass", {"zoom-in-symbolic", "zoom-in"}},
        {"flame.fill", {}},
        {"sidebar.right", {"sidebar-show-right-symbolic"}},
        {"list.bullet.rectangle", {"view-list-symbolic", "view-list"}},
        {"rectangle.dashed", {}},
        {"lock.shield.fill", {"security-high-symbolic", "security-high"}},
        {"cursorarrow.rays", {}},
        {"square.on.square", {"edit-copy-symbolic", "edit-copy"}},
        {"exclamationmark.triangle.fill", {"dialog-warning-symbolic", "dialog-warning"}},
        {"circle.lefthalf.filled", {"preferences-desktop-appearance-symbolic", "preferences-desktop-appearance"}},
    };
    return symbols;
}

const Symbol* find(std::string_view name)
{
    for (const Symbol& symbol : table()) {
        if (symbol.name == name) {
            return &symbol;
        }
    }
    return nullptr;
}

QIcon baseIcon(const Symbol& symbol)
{
    for (const char* name : symbol.themeNames) {
        const QString themeName = QString::fromLatin1(name);
        if (QIcon::hasThemeIcon(themeName)) {
            return QIcon::fromTheme(themeName);
        }
    }
    return QIcon(resourcePath(symbol.name));
}

} // namespace

const std::vector<std::string_view>& symbols()
{
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const Symbol& symbol : table()) {
            all.push_back(symbol.name);
        }
        return all;
    }();
    return names;
}

QStringList themeNames(std::string_view symbol)
{
    QStringList names;
    if (const Symbol* found = find(symbol)) {
        for (const char* name : found->themeNames) {
            names.append(QString::fromLatin1(name));
        }
    }
    return names;
}

QString resourcePath(std::string_view symbol)
{
    return QStringLiteral(":/symbols/") + QString::fromLatin1(symbol.data(), qsizetype(symbol.size())) +
           QStringLiteral(".svg");
}

QIcon icon(std::string_view symbol, std::optional<QColor> color)
{
    static const bool registered = [] {
        registerSymbolResources();
        return true;
    }();
    (void)registered;
    const Symbol* found = find(symbol);
    if (found == nullptr) {
        return QIcon();
    }
    QIcon base = baseIcon(*found);
    if (base.isNull()) {
        return QIcon();
    }
    return QIcon(new TintedIconEngine(std::move(base), color));
}

} // namespace tarnveil::SymbolIcons
