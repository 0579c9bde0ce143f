#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "detection/DetectionCategory.h"
#include "detection/Severity.h"
#include "detection/TextRange.h"

namespace tarnveil {

/// What every detector offers: an identity, the category and severity of its findings,
/// and the ranges it finds in one line. Implementations are immutable and thread-safe.
class Detector {
public:
    virtual ~Detector() = default;

    virtual const std::string& id() const = 0;
    virtual DetectionCategory category() const = 0;
    virtual Severity severity() const = 0;

    /// Ranges of `text` (UTF-8 byte offsets), ordered by start ascending then end descending,
    /// none lying inside another.
    virtual std::vector<TextRange> matches(std::string_view text) const = 0;

    /// Contextual detectors only run when asked for by identifier.
    bool isEnabledByDefault() const { return severity() != Severity::contextual; }
};

} // namespace tarnveil
