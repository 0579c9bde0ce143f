#pragma once

#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "ocr/Rect.h"
#include "ocr/RecognizedRow.h"
#include "ocr/Size.h"

namespace tarnveil::fuzz {

/// Pieces of recognised text: machine-text characters, look-alikes, separators, the starts of
/// well-known tokens and characters of more than one byte, so that random rows reach the
/// repairs and detectors that real screenshots do.
inline const std::vector<std::string>& textPieces()
{
    static const std::vector<std::string> pieces = {
        "a", "Z", "0", "7", "O", "l", "I", "|", ".", "-", "_", "@", "=", "/", "\\", "?", "&", "+", ":", ";",
        "'", "\"", "(", ")", "AKIA", "ASTA", "eyJ", "Alza", "ghp_", "sk_live_", "xoxb-", "BEGIN", "PRIVATE", "KEY",
        "-----", "http://", "https://", "www.", ".com", ".io", "10.", "192.168.", "fe80::", "de:ad:", "GB82",
        "4111", "+44", "password", "token", "secret", "Bearer", "C:\\Users\\", "/home/", "é", "ß", "日本", "😀",
        "\xcc\x81", "\xff", "\xc3", " "};
    return pieces;
}

/// A rectangle somewhere around an image of `size` (sometimes outside it, sometimes inverted
/// or degenerate).
inline Rect rectAround(FuzzedDataProvider& input, const Size& size)
{
    const double x = input.ConsumeFloatingPointInRange<double>(-0.2 * size.width, 1.2 * size.width);
    const double y = input.ConsumeFloatingPointInRange<double>(-0.2 * size.height, 1.2 * size.height);
    const double width = input.ConsumeFloatingPointInRange<double>(-10, 0.8 * size.width);
    const double height = input.ConsumeFloatingPointInRange<double>(-5, 0.3 * size.height);
    return Rect{x, y, width, height};
}

/// A row of up to a dozen words of up to a dozen symbols, each symbol one text piece.
inline RecognizedRow rowOf(FuzzedDataProvider& input, const Size& size)
{
    RecognizedRow row;
    row.box = rectAround(input, size);
    row.confidence = input.ConsumeFloatingPointInRange<float>(0, 1);
    const int words = input.ConsumeIntegralInRange(0, 12);
    for (int w = 0; w < words; ++w) {
        RecognizedWord word;
        word.box = rectAround(input, size);
        word.confidence = input.ConsumeFloatingPointInRange<float>(0, 1);
        const int symbols = input.ConsumeIntegralInRange(0, 12);
        for (int s = 0; s < symbols; ++s) {
            const auto& pieces = textPieces();
            word.symbols.push_back({pieces[input.ConsumeIntegralInRange<std::size_t>(0, pieces.size() - 1)],
                                    rectAround(input, size)});
        }
        row.words.push_back(std::move(word));
    }
    return row;
}

} // namespace tarnveil::fuzz
