#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include <QString>

#include "detection/DetectionCategory.h"
#include "detection/Severity.h"

namespace tarnveil {

/// One section of the region list: the regions of one category, or the regions without a
/// category (drawn by hand, chrome strips).
struct RegionGroup {
    /// None for the group of regions without a category.
    std::optional<DetectionCategory> category;
    QString title;
    /// Positions in the region list, in list order.
    std::vector<std::size_t> members;
    /// The highest severity among the members that have one.
    std::optional<Severity> topSeverity;

    /// The category's identifier, or "manual".
    QString identity() const
    {
        if (!category) {
            return QStringLiteral("manual");
        }
        const std::string_view id = identifier(*category);
        return QString::fromUtf8(id.data(), qsizetype(id.size()));
    }

    friend bool operator==(const RegionGroup&, const RegionGroup&) = default;
};

} // namespace tarnveil
