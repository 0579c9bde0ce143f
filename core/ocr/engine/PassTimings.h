#pragma once

namespace tarnveil {

/// Where one recognition pass spent its time, in milliseconds of wall time.
struct PassTimings {
    double preparation = 0;  ///< the screenshot turned into dark ink on white
    double segmentation = 0; ///< text lines found in the ink
    double firstReading = 0; ///< every line read
    double secondLook = 0;   ///< machine-made words read again, enlarged
    double assembly = 0;     ///< rows joined, repaired and turned into lines
};

} // namespace tarnveil
