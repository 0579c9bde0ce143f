#pragma once

#include <string>

#include "Rng.h"

namespace tarnveil::leakbench {

/// Made-up people: first and last names combined at random, and the logins and addresses
/// derived from them.
class FakeNames {
public:
    static std::string first(Rng& rng);
    static std::string last(Rng& rng);
    /// "Maja Lindqvist".
    static std::string fullName(Rng& rng);
    /// A login without dots, as home folders are named ("mlindqvist", "maja_okafor", "Jonas").
    static std::string login(Rng& rng);
};

} // namespace tarnveil::leakbench
