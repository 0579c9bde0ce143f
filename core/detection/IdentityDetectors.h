#pragma once

#include <memory>
#include <vector>

#include "detection/RegexDetector.h"

namespace tarnveil::IdentityDetectors {

const std::shared_ptr<const RegexDetector>& email();
const std::shared_ptr<const RegexDetector>& uuid();
const std::shared_ptr<const RegexDetector>& sensitiveURLParam();
const std::shared_ptr<const RegexDetector>& iban();
const std::shared_ptr<const RegexDetector>& creditCard();
const std::shared_ptr<const RegexDetector>& phoneE164();

/// The six identity detectors, in the order above.
std::vector<std::shared_ptr<const Detector>> all();

} // namespace tarnveil::IdentityDetectors
