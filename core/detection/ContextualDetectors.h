#pragma once

#include <memory>

#include "detection/RegexDetector.h"

namespace tarnveil::ContextualDetectors {

/// The user name after "/Users/", except "Shared".
const std::shared_ptr<const RegexDetector>& macHomePath();

/// The user name after a drive's "\Users\", except the shared profile folders.
const std::shared_ptr<const RegexDetector>& windowsProfilePath();

} // namespace tarnveil::ContextualDetectors
