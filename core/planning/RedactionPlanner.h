#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "detection/DetectorRegistry.h"
#include "detection/TolerantScanner.h"
#include "ocr/OCRResult.h"
#include "planning/Profile.h"
#include "planning/RedactionRegion.h"
#include "planning/SessionVocabulary.h"

namespace tarnveil {

/// Turns the OCR result of one image into redaction regions. Every line is scanned by the
/// registry and, because recognised text carries the recogniser's misreadings, by the
/// tolerant twins of the enabled detectors (TolerantScanner). A secret's region covers the
/// whole token it lies in (TokenExtent), so a token cut short at a misread character is still
/// hidden whole. Machine-like runs that no detector claims are redacted as API keys when they
/// follow a key name or stand in a column of such runs (fail closed). Lines of a private-key
/// block, marked or not, are covered whole (TolerantKeyBlocks). Each finding becomes a padded
/// rectangle over exactly its text (or over the whole line when the text cannot be boxed),
/// styled by the profile and labelled by the session vocabulary. Holds no state between calls.
class RedactionPlanner {
public:
    /// `registry` must not be null. A negative or non-finite `padding` counts as 0: a box
    /// smaller than the text would leave its edges readable.
    RedactionPlanner(std::shared_ptr<const DetectorRegistry> registry, double padding);

    const std::shared_ptr<const DetectorRegistry>& registry() const { return registry_; }
    double padding() const { return padding_; }

    /// The regions of `ocr`, by observation; within one, the registry's findings in its
    /// order, then the tolerant and fail-closed ones by start; each with a new id. Runs on the
    /// caller's thread and asks `vocabulary` for every label.
    std::vector<RedactionRegion> plan(const OCRResult& ocr, const Profile& profile,
                                      SessionVocabulary& vocabulary) const;

private:
    /// The findings of one line not in a key block: the registry's (less those that read as
    /// an allowed value), then the twins' by start, secrets grown to their whole token.
    /// `enabledIds` holds a value.
    std::vector<Detection> lineFindings(std::string_view text,
                                        const std::optional<std::set<std::string>>& enabledIds) const;

    std::vector<RedactionRegion> regionsOf(const OCRResult& ocr, const std::map<std::size_t, std::string>& covered,
                                           const std::vector<std::vector<Detection>>& findings,
                                           const RedactionStyle& style, SessionVocabulary& vocabulary) const;

    std::shared_ptr<const DetectorRegistry> registry_;
    TolerantScanner tolerant_;
    double padding_;
};

} // namespace tarnveil
