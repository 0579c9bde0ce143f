#pragma once

#include <string_view>
#include <vector>

#include "detection/TextRange.h"

namespace tarnveil {

/// Runs of machine-like text in a recognised line: the stretches that look like a key or a
/// digest whether or not a detector recognises their form. A run is a maximal stretch of
/// token characters (letters, digits, the symbols a recogniser reads for them, "_", "-", "+",
/// "/", and "=" as trailing padding); it is machine-like when it has at least 20 characters
/// mixing letters and digits the way generated text does (the letter case or the kind of
/// character changes often, unlike in words and identifiers such as "build_2024_final"), or
/// holds at least 16 hexadecimal digits in a row with letters and digits among them. Up to
/// four pieces that are not words, each two joined by one space or one of ". # * % & ~ ^", are
/// taken as one token split by stray separators when each two together are machine-like.
class MachineTextRuns {
public:
    struct Run {
        TextRange range;
        bool afterKeyWord = false; ///< stands right after a name such as "API_KEY=" or "Token:"
    };

    /// The machine-like runs of `line`, in order. Lines longer than `maxLineBytes` give none.
    static std::vector<Run> find(std::string_view line);

    /// Whether a run of token characters is machine-like (see the class comment).
    static bool isMachineLike(std::string_view run);

    /// Whether the text before `runStart` ends in a key name and what joins it to a value:
    /// a word or identifier with "key", "token", "secret", "password", "passwd", "pwd", "auth",
    /// "bearer", "hash", "sid", "id", "credential", or the name of a digest ("sha256",
    /// "checksum", "signature", "fingerprint") as one of its parts ("API_KEY",
    /// "client_secret", "X-Auth-Token", "sessionId", "apikey"), then quotes, ":", "=", "~" or
    /// spaces, maybe around a filler word ("is", "was", "are", "now", "for"); or a key name and
    /// a "-" read for "=" at the start of the run itself ("OPENAI_API_KEY-sk-…").
    static bool followsKeyWord(std::string_view line, std::size_t runStart);

    static constexpr std::size_t maxLineBytes = 64 * 1024;
    static constexpr std::size_t minRunLength = 20;
    static constexpr std::size_t minHexDigits = 16;
};

} // namespace tarnveil
