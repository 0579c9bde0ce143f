#include "detection/ContextualDetectors.h"

#include "detection/DetectionValidators.h"

namespace tarnveil::ContextualDetectors {

namespace {

using Rule = RegexDetector::Rule;
constexpr auto noOptions = RegexOptions::none;

std::shared_ptr<const RegexDetector> contextual(DetectionCategory category, std::vector<Rule> rules)
{
    return std::make_shared<const RegexDetector>(std::string(identifier(category)), category, Severity::contextual,
                                                 std::move(rules));
}

} // namespace

const std::shared_ptr<const RegexDetector>& macHomePath()
{
    static const auto detector = contextual(DetectionCategory::macHomePath, {
        Rule(R"re((?<![\w])/Users/([^/\s]+))re", noOptions, 1, DetectionValidators::isPersonalMacUserName).requiring({"/Users/"}),
    });
    return detector;
}

const std::shared_ptr<const RegexDetector>& windowsProfilePath()
{
    static const auto detector = contextual(DetectionCategory::windowsProfilePath, {
        Rule(R"re((?<![\w])[A-Za-z]:\\Users\\([^\\\s]+))re", noOptions, 1,
             DetectionValidators::isPersonalWindowsUserName).requiring({":\\Users\\"}),
    });
    return detector;
}

} // namespace tarnveil::ContextualDetectors
