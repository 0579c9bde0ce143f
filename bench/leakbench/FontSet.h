#pragma once

#include <string>

#include <QFont>
#include <QFontMetricsF>

#include "FontRole.h"

namespace tarnveil::leakbench {

/// The fonts of one image at their drawn pixel size: a monospace family and a proportional
/// interface family, loaded by name. A family that is not installed, or that the font
/// system would silently replace with another, stops the program: a corpus drawn in the
/// wrong font would be mislabelled.
class FontSet {
public:
    /// Throws std::runtime_error naming the missing family.
    FontSet(const std::string& monoFamily, const std::string& uiFamily, int pixelSize);

    const QFont& font(FontRole role) const;
    const std::string& family(FontRole role) const { return role == FontRole::mono ? monoFamily_ : uiFamily_; }
    int pixelSize() const { return pixelSize_; }

    double advance(FontRole role, const std::string& text) const;
    double ascent(FontRole role) const { return QFontMetricsF(font(role)).ascent(); }
    double descent(FontRole role) const { return QFontMetricsF(font(role)).descent(); }

private:
    static QFont load(const std::string& family, int pixelSize, bool bold);

    std::string monoFamily_;
    std::string uiFamily_;
    int pixelSize_;
    QFont mono_;
    QFont ui_;
    QFont uiBold_;
};

} // namespace tarnveil::leakbench
