#pragma once

#include <string>
#include <vector>

#include "ocr/RecognizedRow.h"

namespace tarnveil {

/// What the engine read in one piece of a bitmap: its rows, or the error that stopped it.
struct LineReading {
    std::vector<RecognizedRow> rows;
    std::string error; ///< empty when the engine could read the piece
};

} // namespace tarnveil
