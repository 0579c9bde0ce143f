#pragma once

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "detection/RegexDetector.h"

namespace tarnveil::NetworkDetectors {

const std::shared_ptr<const RegexDetector>& ipv4();
const std::shared_ptr<const RegexDetector>& ipv6();
const std::shared_ptr<const RegexDetector>& macAddress();
const std::shared_ptr<const RegexDetector>& hostname();
const std::shared_ptr<const RegexDetector>& uncPath();

/// The five network detectors, in the order above.
std::vector<std::shared_ptr<const Detector>> all();

/// Lower-case file extensions that a host name may not end in (104 entries).
const std::unordered_set<std::string>& fileExtensions();

} // namespace tarnveil::NetworkDetectors
