#include "FontSet.h"

#include <stdexcept>

#include <QFontDatabase>
#include <QFontInfo>

namespace tarnveil::leakbench {

FontSet::FontSet(const std::string& monoFamily, const std::string& uiFamily, int pixelSize, Rendering rendering)
    : monoFamily_(monoFamily), uiFamily_(uiFamily), pixelSize_(pixelSize),
      mono_(load(monoFamily, pixelSize, false, rendering)), ui_(load(uiFamily, pixelSize, false, rendering)),
      uiBold_(load(uiFamily, pixelSize, true, rendering))
{
}

const QFont& FontSet::font(FontRole role) const
{
    switch (role) {
    case FontRole::mono: return mono_;
    case FontRole::ui: return ui_;
    case FontRole::uiBold: return uiBold_;
    }
    return ui_;
}

double FontSet::advance(FontRole role, const std::string& text) const
{
    return QFontMetricsF(font(role)).horizontalAdvance(QString::fromStdString(text));
}

QFont FontSet::load(const std::string& family, int pixelSize, bool bold, Rendering rendering)
{
    const QString name = QString::fromStdString(family);
    if (!QFontDatabase::hasFamily(name)) {
        throw std::runtime_error("font family '" + family +
                                 "' is not installed (scripts/install-deps.sh installs the corpus fonts)");
    }
    QFont font(name);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setKerning(true);
    font.setHintingPreference(rendering == Rendering::subpixelRgb ? QFont::PreferNoHinting : QFont::PreferFullHinting);
    // A glyph missing from the family must not be drawn from another one.
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontInfo resolved(font);
    if (resolved.family() != name) {
        throw std::runtime_error("font family '" + family + "' resolves to '" + resolved.family().toStdString() + "'");
    }
    return font;
}

} // namespace tarnveil::leakbench
