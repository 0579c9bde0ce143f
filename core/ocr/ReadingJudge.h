#pragma once

#include <cstddef>
#include <string_view>

#include "detection/TextRange.h"

namespace tarnveil::ReadingJudge {

/// How strongly the detectors claim `word`, a range of `line`: the bytes of the word that exact
/// findings cover, counted twice, plus the bytes that tolerant matches cover. Of two readings
/// of one token, the one the detectors claim more is the more plausible: a misread character
/// breaks a fixed-length or checksummed form.
std::size_t claim(std::string_view line, const TextRange& word);

} // namespace tarnveil::ReadingJudge
