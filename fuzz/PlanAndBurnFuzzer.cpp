// The planner and the redaction engine over random recognised lines and random region lists:
// every planned rectangle is finite, the burned image keeps its size, and no pixel outside
// every region's box changes.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include <QGuiApplication>
#include <QImage>

#include "FuzzCheck.h"
#include "FuzzOcr.h"
#include "detection/DetectorRegistry.h"
#include "ocr/Geometry.h"
#include "ocr/RecognizedLineBuilder.h"
#include "planning/Profile.h"
#include "planning/RedactionPlanner.h"
#include "planning/SessionVocabulary.h"
#include "render/RedactionEngine.h"

using namespace tarnveil;

namespace {

RedactionStyle styleOf(FuzzedDataProvider& input)
{
    const FillColor fill = input.PickValueInArray({FillColor::black, FillColor::white, FillColor::grey});
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return RedactionStyle::solid(fill);
    case 1:
        return RedactionStyle::labeled(fill);
    case 2:
        return RedactionStyle::blur();
    default:
        return RedactionStyle::pixelate();
    }
}

/// The whole-pixel boxes of the regions with finite rectangles.
std::vector<Rect> boxesOf(const std::vector<RedactionRegion>& regions)
{
    std::vector<Rect> boxes;
    for (const auto& region : regions) {
        if (region.rect.isFinite()) {
            boxes.push_back(Geometry::outwardRounded(region.rect));
        }
    }
    return boxes;
}

/// True when the pixel (x, y) lies in one of `boxes`.
bool underSomeBox(int x, int y, const std::vector<Rect>& boxes)
{
    return std::any_of(boxes.begin(), boxes.end(), [x, y](const Rect& box) {
        return x >= box.minX() && x < box.maxX() && y >= box.minY() && y < box.maxY();
    });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const RedactionPlanner planner(DetectorRegistry::makeDefault(), 3);
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange(1, 96);
    const int height = input.ConsumeIntegralInRange(1, 64);
    const Size imageSize{double(width), double(height)};

    OCRResult ocr;
    ocr.imageSize = imageSize;
    const int lines = input.ConsumeIntegralInRange(0, 5);
    for (int i = 0; i < lines; ++i) {
        if (auto line = RecognizedLineBuilder::build(fuzz::rowOf(input, imageSize), imageSize,
                                                     OCRObservation::Source::native)) {
            ocr.observations.push_back(std::move(*line));
        }
    }
    const std::vector<Profile> profiles = Profile::builtins();
    const Profile& profile = profiles[input.ConsumeIntegralInRange<std::size_t>(0, profiles.size() - 1)];
    SessionVocabulary vocabulary;
    std::vector<RedactionRegion> regions = planner.plan(ocr, profile, vocabulary);
    for (const auto& region : regions) {
        fuzz::check(region.rect.isFinite(), "a planned rectangle is finite");
    }

    // Regions as a hand-edited or hostile regions file may give them.
    const int extra = input.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < extra; ++i) {
        Rect rect = fuzz::rectAround(input, imageSize);
        if (input.ConsumeIntegralInRange(0, 15) == 0) {
            constexpr double odd[] = {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                                      std::numeric_limits<double>::quiet_NaN(), 1e300};
            rect.width = input.PickValueInArray(odd);
        }
        regions.emplace_back(RegionID::generate(), rect, styleOf(input),
                             input.ConsumeBool() ? std::optional<std::string>(input.ConsumeRandomLengthString(24))
                                                 : std::nullopt,
                             std::nullopt, std::nullopt, std::nullopt, input.ConsumeIntegralInRange(0, 4) == 0);
    }

    QImage source(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            source.setPixel(x, y, qRgb((x * 37) % 256, (y * 59) % 256, ((x + y) * 11) % 256));
        }
    }
    const auto burnt = RedactionEngine().burn(source, regions);
    fuzz::check(burnt.has_value(), "a small image burns");
    fuzz::check(burnt->size() == source.size(), "the burned image keeps its size");
    const QImage out = burnt->convertToFormat(QImage::Format_RGB32);
    const std::vector<Rect> boxes = boxesOf(regions);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (out.pixel(x, y) != source.pixel(x, y)) {
                fuzz::check(underSomeBox(x, y, boxes), "only pixels under a region change");
            }
        }
    }
    return 0;
}
