#pragma once

#include <QImage>

#include "InkMask.h"

namespace tarnveil::leakbench {

/// The pixels in which two drawings of the same rows differ.
class InkExtractor {
public:
    /// Compares `rows`, a drawing of rows [top, top + rows.height()) of `full`, with those rows
    /// of `full`; every pixel whose colour differs at all is ink.
    static InkMask difference(const QImage& full, const QImage& rows, int top);
};

} // namespace tarnveil::leakbench
