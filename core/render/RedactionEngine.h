#pragma once

#include <optional>
#include <vector>

#include <QImage>

#include "planning/RedactionRegion.h"

namespace tarnveil {

/// Burns redaction regions into a copy of an image. The copy is opaque (any transparency of
/// the source is composed over black, so a transparent pixel hides whatever colour it held),
/// and every region destroys the pixels under it according to its style: blur and pixellation
/// first, then the opaque fills and labels, each group in input order, so opaque boxes always
/// cover blurred ones. Protected regions are never burnt; they shield their area from all
/// others. Rectangles are rounded outward to whole pixels and clipped to the image.
///
/// Labels are drawn with a font, so `burn` needs a QGuiApplication when a labelled region has
/// a label; without one the label is left out and the region is still filled.
class RedactionEngine {
public:
    RedactionEngine() = default;

    /// The redacted copy of `source` (Format_RGB32, the source's size), or none when the
    /// source is empty or the copy cannot be allocated.
    std::optional<QImage> burn(const QImage& source, const std::vector<RedactionRegion>& regions) const;
};

} // namespace tarnveil
