#pragma once

#include <string>
#include <string_view>

#include "detection/Detection.h"

namespace tarnveil::cli {

/// Formats findings as JSON Lines:
/// {"file":…,"line":…,"detector":…,"category":…,"severity":…,"start":…,"end":…,"value":…}
/// Offsets are UTF-8 byte offsets in the line; bytes that are not valid UTF-8 are written as U+FFFD.
class FindingWriter {
public:
    static void append(std::string& out, std::string_view file, std::size_t line, const Detection& detection,
                       std::size_t offset);
};

} // namespace tarnveil::cli
