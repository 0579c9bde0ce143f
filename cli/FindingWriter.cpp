#include "FindingWriter.h"

#include <nlohmann/json.hpp>

namespace tarnveil::cli {

void FindingWriter::append(std::string& out, std::string_view file, std::size_t line, const Detection& detection,
                           std::size_t offset)
{
    nlohmann::ordered_json object;
    object["file"] = std::string(file);
    object["line"] = line;
    object["detector"] = detection.detectorID;
    object["category"] = std::string(identifier(detection.category));
    object["severity"] = std::string(identifier(detection.severity));
    object["start"] = offset + detection.range.start;
    object["end"] = offset + detection.range.end;
    object["value"] = detection.value;
    out += object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    out += '\n';
}

} // namespace tarnveil::cli
