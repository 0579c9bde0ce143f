#pragma once

#include <string>

#include <QFont>
#include <QFontMetricsF>

#include "FontRole.h"
#include "Rendering.h"

namespace tarnveil::leakbench {

/// The fonts of one image at their drawn pixel size: a monospace family and a proportional
/// interface family, loaded by name, hinted as the image's rendering wants (full hinting for
/// grey smoothing, none for sub-pixel smoothing, which places stems between pixels). A family that is not installed, or that the font
/// system would silently replace with another, stops the program: a corpus drawn in the
/// wrong font would be mislabelled.
class FontSet {
public:
    /// Throws std::runtime_error naming the missing family.
    FontSet(const std::string& monoFamily, const std::string& uiFamily, int pixelSize,
            Rendering rendering = Rendering::greyHinted);

    const QFont& font(FontRole role) const;
    const std::string& family(FontRole role) const { return role == FontRole::mono ? monoFamily_ : uiFamily_; }
    int pixelSize() const { return pixelSize_; }

    double advance(FontRole role, const std::string& text) const;
    double ascent(FontRole role) const { return QFontMetricsF(font(role)).ascent(); }
    double descent(FontRole role) const { return QFontMetricsF(font(role)).descent(); }

private:
    static QFont load(const std::string& family, int pixelSize, bool bold, Rendering rendering);

    std::string monoFamily_;
    std::string uiFamily_;
    int pixelSize_;
    QFont mono_;
    QFont ui_;
    QFont uiBold_;
};

} // namespace tarnveil::leakbench
