#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tarnveil::TolerantKeyBlocks {

/// The lines of recognised text that belong to a private-key block, a superset of
/// PrivateKeyBlocks::coveredLines for text as a recogniser reads it:
/// - a marker read with its dashes lost or a look-alike in it ("BEGlN RSA PRlVATE KEY") still
///   opens or closes a block, and a body row with a look-alike or a stray space in it
///   (mostly base64, a space at most every 12 characters) does not end one;
/// - three or more consecutive base64 rows of near-equal length (`isBase64Row`) are a block
///   even when both markers lie outside the picture; a short last row right below them and
///   markers right around them belong to it.
/// Each covered line maps to its block's text: the lines as recognised, joined by line feeds.
std::map<std::size_t, std::string> coveredLines(const std::vector<std::string>& lines);

/// A line made almost only of base64 text: at least 40 characters once trimmed, at least
/// 95 % of them base64 letters, at most one space, upper- and lower-case letters and digits
/// among them.
bool isBase64Row(std::string_view line);

/// Rows of at least this many lines without a marker are a key block.
inline constexpr std::size_t minUnmarkedRows = 3;

} // namespace tarnveil::TolerantKeyBlocks
