#include "ocr/RecognizedRow.h"

namespace tarnveil {

std::size_t RecognizedRow::symbolCount() const
{
    std::size_t count = 0;
    for (const auto& word : words) {
        for (const auto& symbol : word.symbols) {
            count += symbol.text.empty() ? 0 : 1;
        }
    }
    return count;
}

std::string RecognizedRow::text() const
{
    std::string joined;
    for (const auto& word : words) {
        joined += joined.empty() ? "" : " ";
        joined += word.text();
    }
    return joined;
}

} // namespace tarnveil
