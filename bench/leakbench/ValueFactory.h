#pragma once

#include <string>
#include <string_view>

#include "Rng.h"
#include "detection/DetectionCategory.h"

namespace tarnveil::leakbench {

/// Made-up sensitive values, one category at a time, each shaped so that its detector and
/// validator accept it: Luhn-valid card numbers, IBANs with correct check digits, IPv4
/// addresses outside the documentation and loopback ranges, host names under made-up
/// domains. `form` picks a shape where the surrounding text needs one ("bearer" or "basic"
/// credentials; "dump", "hex32", "hex40" or "hex64" hashes). A private key is several lines
/// joined by line feeds.
class ValueFactory {
public:
    static std::string make(DetectionCategory category, std::string_view form, Rng& rng);
};

} // namespace tarnveil::leakbench
