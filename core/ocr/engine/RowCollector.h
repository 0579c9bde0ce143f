#pragma once

#include <vector>

#include "ocr/RecognizedRow.h"
#include "ocr/engine/BoxMapping.h"

namespace tesseract {
class ResultIterator;
}

namespace tarnveil {

/// Walks the engine's results symbol by symbol and gathers the rows it segmented, with their
/// words, symbols, boxes (in source pixels, through the mapping) and confidences.
class RowCollector {
public:
    explicit RowCollector(BoxMapping mapping) : mapping_(mapping) {}

    std::vector<RecognizedRow> collect(tesseract::ResultIterator& it) &&;

private:
    BoxMapping mapping_;
    std::vector<RecognizedRow> rows_;
};

} // namespace tarnveil
