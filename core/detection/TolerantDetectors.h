#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "detection/DetectionCategory.h"
#include "detection/TolerantTwin.h"

namespace tarnveil::TolerantDetectors {

/// The twins of the built-in detectors, built on first use and shared. Every secret detector
/// but the key-block marker (the planner finds misread blocks as a whole), and the identifiers
/// whose form a recogniser breaks: IPv4 and MAC addresses, UUIDs, IBANs, card and phone
/// numbers, URL parameters, host names, IPv6 addresses and UNC paths glued to a rule or a
/// prompt read before them, and the two home-path detectors. E-mail has none: its text
/// survives recognition, and a looser form would take prose.
const std::vector<std::shared_ptr<const TolerantTwin>>& all();

/// The home folder names that belong to no person, for the home-path detector of `category`
/// (none for other categories): the exact validators' names, and for Windows also "All", the
/// part of "All Users" a recogniser keeps when it drops the rest.
const std::vector<std::string_view>& sharedHomeNames(DetectionCategory category);

/// The twin of the detector with this identifier, or null.
std::shared_ptr<const TolerantTwin> twinOf(std::string_view detectorID);

} // namespace tarnveil::TolerantDetectors
