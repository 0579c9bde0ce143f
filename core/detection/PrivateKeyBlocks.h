#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace tarnveil::PrivateKeyBlocks {

/// The lines of a list of OCR lines that belong to a PEM private-key block, found from
/// whichever marker is visible: forward from an opening marker over the body lines up to
/// the closing marker, or backward from a lone closing marker over the body lines above it.
/// Each covered line number (a position in `lines`, from 0) maps to the text of its whole
/// block: the untrimmed lines joined by line feeds. A scan takes in at most 128 lines beyond
/// its marker, so a clipped block is covered as far as it is visible.
std::map<std::size_t, std::string> coveredLines(const std::vector<std::string>& lines);

/// The furthest a scan reaches beyond its marker line.
inline constexpr std::size_t maxScanLines = 128;

} // namespace tarnveil::PrivateKeyBlocks
