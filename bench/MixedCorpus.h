#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnveil::bench {

/// A reproducible corpus of text lines like those on a developer's screen: log lines, config
/// lines and shell commands, with a few percent holding a secret or an identifier.
class MixedCorpus {
public:
    /// Lines adding up to at least `bytes` bytes, from a fixed seed.
    static std::vector<std::string> lines(std::size_t bytes, uint32_t seed = 42);
};

} // namespace tarnveil::bench
