#pragma once

#include <memory>
#include <vector>

#include "detection/DetectorRegistry.h"
#include "ocr/OCRResult.h"
#include "planning/Profile.h"
#include "planning/RedactionRegion.h"
#include "planning/SessionVocabulary.h"

namespace tarnveil {

/// Turns the OCR result of one image into redaction regions: every detection of every line
/// becomes a padded rectangle over exactly its text (or over the whole line when the text
/// cannot be boxed), styled by the profile and labelled by the session vocabulary. Lines of
/// a private-key block are covered whole. Holds no state between calls.
class RedactionPlanner {
public:
    /// `registry` must not be null. A negative or non-finite `padding` counts as 0: a box
    /// smaller than the text would leave its edges readable.
    RedactionPlanner(std::shared_ptr<const DetectorRegistry> registry, double padding);

    const std::shared_ptr<const DetectorRegistry>& registry() const { return registry_; }
    double padding() const { return padding_; }

    /// The regions of `ocr`, by observation and, within one, in the registry's order, each with
    /// a new id. Runs on the caller's thread and asks `vocabulary` for every label.
    std::vector<RedactionRegion> plan(const OCRResult& ocr, const Profile& profile,
                                      SessionVocabulary& vocabulary) const;

private:
    std::shared_ptr<const DetectorRegistry> registry_;
    double padding_;
};

} // namespace tarnveil
