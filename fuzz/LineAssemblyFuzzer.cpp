// Line assembly and token repair over random recognised words and symbols: rows joined, split
// words joined, repaired and built into lines. Nothing throws, every line is valid UTF-8
// with offsets on code points, and the box of every part of a line stays inside the line's
// box and the image.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <unicode/utf8.h>

#include "FuzzCheck.h"
#include "FuzzOcr.h"
#include "ocr/RecognizedLineBuilder.h"
#include "ocr/RowJoiner.h"
#include "ocr/TokenRepair.h"

using namespace tarnveil;

namespace {

constexpr double slack = 1e-6;

bool inside(const Rect& inner, const Rect& outer)
{
    return inner.minX() >= outer.minX() - slack && inner.maxX() <= outer.maxX() + slack &&
           inner.minY() >= outer.minY() - slack && inner.maxY() <= outer.maxY() + slack;
}

/// The code point starts of a valid UTF-8 text, and its end; none when it is not valid.
std::vector<std::size_t> codePointStarts(const std::string& text)
{
    std::vector<std::size_t> starts;
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    int32_t i = 0;
    while (i < length) {
        starts.push_back(std::size_t(i));
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0) {
            return {};
        }
    }
    starts.push_back(text.size());
    return starts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const Size image{double(input.ConsumeIntegralInRange(1, 4000)), double(input.ConsumeIntegralInRange(1, 3000))};
    std::vector<RecognizedRow> rows;
    const int count = input.ConsumeIntegralInRange(0, 6);
    for (int r = 0; r < count; ++r) {
        rows.push_back(fuzz::rowOf(input, image));
    }
    const auto source = input.ConsumeBool() ? OCRObservation::Source::native : OCRObservation::Source::upscaled;
    const Rect whole{0, 0, image.width, image.height};
    for (RecognizedRow row : RowJoiner::joined(std::move(rows))) {
        row = TokenRepair::repaired(RowJoiner::withSplitWordsJoined(std::move(row)));
        const auto line = RecognizedLineBuilder::build(row, image, source);
        if (!line) {
            continue;
        }
        fuzz::check(inside(line->pixelBoundingBox, whole), "the line's box lies in the image");
        const auto starts = codePointStarts(line->string);
        if (starts.empty()) {
            // Text that is not UTF-8 may come in; ranges are then byte ranges of it.
            continue;
        }
        for (std::size_t a = 0; a + 1 < starts.size(); ++a) {
            const TextRange range{starts[a], starts[std::min(starts.size() - 1, a + 1 + (a % 3))]};
            const auto box = line->pixelBox(range, image, 0);
            if (box) {
                fuzz::check(box->isFinite(), "finite part box");
                if (!inside(*box, line->pixelBoundingBox)) {
                    std::fprintf(stderr, "line \"%s\" %g,%g %gx%g; range %zu-%zu box %g,%g %gx%g\n", line->string.c_str(),
                                 line->pixelBoundingBox.x, line->pixelBoundingBox.y, line->pixelBoundingBox.width,
                                 line->pixelBoundingBox.height, range.start, range.end, box->x, box->y, box->width,
                                 box->height);
                }
                fuzz::check(inside(*box, line->pixelBoundingBox), "a part's box lies in its line's box");
                fuzz::check(inside(*box, whole), "a part's box lies in the image");
            }
        }
    }
    return 0;
}
