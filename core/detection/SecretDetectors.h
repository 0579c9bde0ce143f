#pragma once

#include <memory>
#include <vector>

#include "detection/RegexDetector.h"

namespace tarnveil::SecretDetectors {

// Built on first use, once per process, then shared by every registry and thread.
const std::shared_ptr<const RegexDetector>& privateKey();
const std::shared_ptr<const RegexDetector>& jwt();
const std::shared_ptr<const RegexDetector>& awsAccessKey();
const std::shared_ptr<const RegexDetector>& awsSecretKey();
const std::shared_ptr<const RegexDetector>& githubToken();
const std::shared_ptr<const RegexDetector>& stripeKey();
const std::shared_ptr<const RegexDetector>& apiKey();
const std::shared_ptr<const RegexDetector>& slackToken();
const std::shared_ptr<const RegexDetector>& googleAPIKey();
const std::shared_ptr<const RegexDetector>& authHeader();
const std::shared_ptr<const RegexDetector>& hashBlob();
const std::shared_ptr<const RegexDetector>& windowsSID();
const std::shared_ptr<const RegexDetector>& passwordInContext();
const std::shared_ptr<const RegexDetector>& connectionString();

/// The 14 secret detectors, in the order above.
std::vector<std::shared_ptr<const Detector>> all();

} // namespace tarnveil::SecretDetectors
