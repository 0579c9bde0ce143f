// The regions file as `burn` reads it: any bytes either fail with a one-line message or give
// regions with finite rectangles within the coordinate bound.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "planning/RegionListJson.h"

using namespace tarnveil;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view json(reinterpret_cast<const char*>(data), size);
    const auto regions = RegionListJson::decode(json);
    if (!regions) {
        fuzz::check(regions.error().find('\n') == std::string::npos, "the message is one line");
        return 0;
    }
    fuzz::check(regions->size() <= RegionListJson::maxRegions, "region count within its bound");
    for (const auto& region : *regions) {
        fuzz::check(region.rect.isFinite(), "finite rectangle");
        fuzz::check(std::abs(region.rect.x) <= RegionListJson::maxCoordinate &&
                        std::abs(region.rect.y) <= RegionListJson::maxCoordinate,
                    "coordinates within their bound");
    }
    return 0;
}
