#include "ocr/engine/RowCollector.h"

#include <algorithm>
#include <memory>
#include <string>

#include <tesseract/resultiterator.h>

namespace tarnveil {

namespace {

struct TextDeleter {
    void operator()(char* text) const { delete[] text; }
};

std::string takeText(char* text)
{
    std::unique_ptr<char[], TextDeleter> owned(text);
    return owned ? std::string(owned.get()) : std::string();
}

Rect boxAt(const tesseract::ResultIterator& it, tesseract::PageIteratorLevel level, const BoxMapping& mapping)
{
    int left = 0, top = 0, right = 0, bottom = 0;
    if (!it.BoundingBox(level, &left, &top, &right, &bottom)) {
        return Rect{};
    }
    return mapping(left, top, right, bottom);
}

} // namespace

std::vector<RecognizedRow> RowCollector::collect(tesseract::ResultIterator& it) &&
{
    using tesseract::RIL_SYMBOL;
    using tesseract::RIL_TEXTLINE;
    using tesseract::RIL_WORD;
    it.Begin();
    do {
        if (it.Empty(RIL_SYMBOL)) {
            continue;
        }
        if (it.IsAtBeginningOf(RIL_TEXTLINE) || rows_.empty()) {
            rows_.push_back(RecognizedRow{boxAt(it, RIL_TEXTLINE, mapping_),
                                          std::clamp(it.Confidence(RIL_TEXTLINE) / 100.0f, 0.0f, 1.0f), {}});
        }
        if (it.IsAtBeginningOf(RIL_WORD) || rows_.back().words.empty()) {
            rows_.back().words.push_back(RecognizedWord{
                boxAt(it, RIL_WORD, mapping_), {}, std::clamp(it.Confidence(RIL_WORD) / 100.0f, 0.0f, 1.0f)});
        }
        rows_.back().words.back().symbols.push_back(
            {takeText(it.GetUTF8Text(RIL_SYMBOL)), boxAt(it, RIL_SYMBOL, mapping_)});
    } while (it.Next(RIL_SYMBOL));
    return std::move(rows_);
}

} // namespace tarnveil
