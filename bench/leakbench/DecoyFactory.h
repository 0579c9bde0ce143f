#pragma once

#include <string>

#include "DecoyKind.h"
#include "Rng.h"

namespace tarnveil::leakbench {

/// Made-up text of each decoy kind: loopback and documentation addresses, names under the
/// reserved example domains, version numbers, clock times, file names, shared Windows
/// profiles and plain sentences. None of it is sensitive, so none of it may be redacted.
class DecoyFactory {
public:
    static std::string make(DecoyKind kind, Rng& rng);
};

} // namespace tarnveil::leakbench
