#include "detection/PrivateKeyBlocks.h"


#include <string_view>

#include "detection/LineText.h"
#include "detection/MatcherPool.h"
#include "detection/UnicodeText.h"

namespace tarnveil::PrivateKeyBlocks {

namespace {

constexpr std::string_view markerTail = " (?:[A-Z0-9]+ )*PRIVATE KEY-----";
constexpr std::string_view bodyPattern = "^[A-Za-z0-9+/=]+$";

// Every marker ends in this text; lines without it are not searched with the engine.
constexpr std::string_view markerEnding = "PRIVATE KEY-----";

MatcherPool& openingMatchers()
{
    static MatcherPool pool("-----BEGIN" + std::string(markerTail), RegexOptions::none);
    return pool;
}

MatcherPool& closingMatchers()
{
    static MatcherPool pool("-----END" + std::string(markerTail), RegexOptions::none);
    return pool;
}

MatcherPool& bodyMatchers()
{
    static MatcherPool pool(bodyPattern, RegexOptions::none);
    return pool;
}

enum class MarkerKind { begin, end };

/// Whether the line holds a "-----BEGIN … PRIVATE KEY-----" (or END) marker anywhere.
bool marker(std::string_view line, MarkerKind kind)
{
    if (line.find(markerEnding) == std::string_view::npos) {
        return false;
    }
    return (kind == MarkerKind::begin ? openingMatchers() : closingMatchers()).finds(line);
}

/// A line of the block between the markers: an encryption header or base64 text.
bool isBodyLine(std::string_view line)
{
    const std::string_view text = UnicodeText::trimmed(line);
    if (text.starts_with("Proc-Type:") || text.starts_with("DEK-Info:")) {
        return true;
    }
    return !text.empty() && bodyMatchers().finds(text);
}

struct Block {
    std::size_t first;
    std::size_t last;
};

Block scanForward(const std::vector<std::string>& lines, std::size_t opening)
{
    Block block{opening, opening};
    for (std::size_t j = opening + 1; j < lines.size() && block.last <= opening + maxScanLines - 1; ++j) {
        if (marker(lines[j], MarkerKind::end)) {
            block.last = j;
            break;
        }
        if (!isBodyLine(lines[j])) {
            break;
        }
        block.last = j;
    }
    return block;
}

Block scanBackward(const std::vector<std::string>& lines, std::size_t closing)
{
    Block block{closing, closing};
    while (block.first > 0 && closing - block.first < maxScanLines && isBodyLine(lines[block.first - 1])) {
        --block.first;
    }
    return block;
}

std::string blockText(const std::vector<std::string>& lines, const Block& block)
{
    std::string text = lines[block.first];
    for (std::size_t i = block.first + 1; i <= block.last; ++i) {
        text += '\n';
        text += lines[i];
    }
    return text;
}

} // namespace

std::map<std::size_t, std::string> coveredLines(const std::vector<std::string>& lines)
{
    std::map<std::size_t, std::string> covered;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool opening = marker(lines[i], MarkerKind::begin);
        if (!opening && !marker(lines[i], MarkerKind::end)) {
            continue;
        }
        const Block block = opening ? scanForward(lines, i) : scanBackward(lines, i);
        const auto earlier = covered.find(i);
        const std::string text = earlier != covered.end() ? earlier->second : blockText(lines, block);
        for (std::size_t line = block.first; line <= block.last; ++line) {
            covered[line] = text;
        }
    }
    return covered;
}

} // namespace tarnveil::PrivateKeyBlocks
