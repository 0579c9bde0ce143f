#pragma once

#include <set>
#include <string>
#include <string_view>

#include "detection/Detection.h"

namespace tarnveil {

/// Decides which candidate findings are not worth redacting: values the user allowlisted
/// (any category, compared in lower case), documentation and loopback addresses, reserved
/// domains, IPv4 addresses that are version numbers, and, when asked, private IPv4 ranges.
class Allowlist {
public:
    /// No user values, private addresses not suppressed.
    Allowlist() = default;
    /// Stores every value in lower case.
    Allowlist(const std::set<std::string>& userValues, bool suppressRFC1918);

    /// The shared allowlist with no user values and private addresses reported.
    static const Allowlist& defaultAllowlist();

    const std::set<std::string>& userValues() const { return userValues_; }
    bool suppressRFC1918() const { return suppressRFC1918_; }

    /// True when `detection`, found in `line`, is to be dropped.
    bool isSuppressed(const Detection& detection, std::string_view line) const;

    friend bool operator==(const Allowlist&, const Allowlist&) = default;

private:
    bool isSuppressedIPv4(const Detection& detection, std::string_view line) const;

    std::set<std::string> userValues_;
    bool suppressRFC1918_ = false;
};

} // namespace tarnveil
