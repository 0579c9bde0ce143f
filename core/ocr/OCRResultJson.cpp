#include "ocr/OCRResultJson.h"

#include <charconv>
#include <cmath>
#include <memory>

#include "ocr/Geometry.h"
#include "ocr/JsonInput.h"
#include "ocr/SymbolBoxesText.h"

namespace tarnveil::OCRResultJson {

namespace {

using nlohmann::json;
using JsonInput::DecodeError;
using JsonInput::memberPath;

double coordinate(const json& object, std::string_view key, const std::string& where)
{
    const std::string path = memberPath(where, key);
    const double value = JsonInput::number(JsonInput::member(object, key, where), path);
    if (std::abs(value) > maxCoordinate) {
        throw DecodeError(path + " is out of range");
    }
    return value;
}

Rect decodeBox(const json& value, const std::string& where)
{
    JsonInput::object(value, where);
    return Rect{coordinate(value, "x", where), coordinate(value, "y", where), coordinate(value, "width", where),
                coordinate(value, "height", where)};
}

Size decodeImageSize(const json& value, const std::string& where)
{
    JsonInput::object(value, where);
    Size size;
    for (auto [key, side] : {std::pair{"width", &size.width}, std::pair{"height", &size.height}}) {
        const std::string path = memberPath(where, key);
        *side = JsonInput::number(JsonInput::member(value, key, where), path);
        if (!(*side > 0) || *side > maxImageSide) {
            throw DecodeError(path + " must be greater than 0 and at most " +
                              std::to_string(static_cast<long>(maxImageSide)));
        }
    }
    return size;
}

SymbolBoxesText::Symbol decodeSymbol(const json& value, const std::string& where, std::size_t lineBytes)
{
    JsonInput::object(value, where);
    SymbolBoxesText::Symbol symbol;
    symbol.start = JsonInput::count(JsonInput::member(value, "start", where), memberPath(where, "start"), lineBytes);
    symbol.end = JsonInput::count(JsonInput::member(value, "end", where), memberPath(where, "end"), lineBytes);
    if (symbol.start >= symbol.end) {
        throw DecodeError(where + " must start before it ends");
    }
    symbol.box = decodeBox(JsonInput::member(value, "box", where), memberPath(where, "box"));
    return symbol;
}

std::shared_ptr<const RecognizedText> decodeSymbols(const json& observation, const std::string& where,
                                                    const std::string& line)
{
    const auto found = observation.find("symbols");
    if (found == observation.end()) {
        return nullptr;
    }
    const std::string path = memberPath(where, "symbols");
    // Each symbol spans at least one byte; allow every byte its own symbol, overlaps aside.
    const json& list = JsonInput::array(*found, path, 2 * line.size());
    std::vector<SymbolBoxesText::Symbol> symbols;
    symbols.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        symbols.push_back(decodeSymbol(list[i], JsonInput::elementPath(path, i), line.size()));
    }
    return std::make_shared<const SymbolBoxesText>(line, std::move(symbols));
}

OCRObservation decodeObservation(const json& value, const std::string& where, const Size& imageSize,
                                 std::size_t& textBytes)
{
    JsonInput::object(value, where);
    OCRObservation observation;
    observation.string =
        JsonInput::string(JsonInput::member(value, "string", where), memberPath(where, "string"), maxLineBytes);
    textBytes += observation.string.size();
    if (textBytes > maxTotalTextBytes) {
        throw DecodeError("the lines hold more than " + std::to_string(maxTotalTextBytes) + " bytes of text");
    }
    const std::string confidencePath = memberPath(where, "confidence");
    const double confidence = JsonInput::number(JsonInput::member(value, "confidence", where), confidencePath);
    if (confidence < 0 || confidence > 1) {
        throw DecodeError(confidencePath + " must be from 0 to 1");
    }
    observation.confidence = static_cast<float>(confidence);
    const std::string sourcePath = memberPath(where, "source");
    const auto source = OCRObservation::sourceFromIdentifier(
        JsonInput::string(JsonInput::member(value, "source", where), sourcePath, 64));
    if (!source) {
        throw DecodeError(sourcePath + " must be \"native\" or \"upscaled\"");
    }
    observation.source = *source;
    observation.normalizedBoundingBox = decodeBox(JsonInput::member(value, "normalizedBoundingBox", where),
                                                  memberPath(where, "normalizedBoundingBox"));
    observation.pixelBoundingBox = Geometry::pixelRect(observation.normalizedBoundingBox, imageSize);
    observation.recognizedText = decodeSymbols(value, where, observation.string);
    return observation;
}

OCRResult decodeResult(const json& document)
{
    JsonInput::object(document, "");
    OCRResult result;
    result.imageSize = decodeImageSize(JsonInput::member(document, "imageSize", ""), "imageSize");
    const json& list = JsonInput::array(JsonInput::member(document, "observations", ""), "observations",
                                        maxObservations);
    result.observations.reserve(list.size());
    std::size_t textBytes = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        result.observations.push_back(
            decodeObservation(list[i], JsonInput::elementPath("observations", i), result.imageSize, textBytes));
    }
    return result;
}

/// A finite number, or the reason the file cannot hold it.
double finite(double value, const std::string& where)
{
    if (!std::isfinite(value)) {
        throw DecodeError(where + " is not a finite number");
    }
    return value;
}

json encodeBox(const Rect& box, const std::string& where)
{
    return json{{"x", finite(box.x, where)},
                {"y", finite(box.y, where)},
                {"width", finite(box.width, where)},
                {"height", finite(box.height, where)}};
}

/// The confidence as the shortest decimal that reads back as the same float (0.93, not
/// 0.9300000071525574).
double shortestDecimal(float value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    double result = value;
    std::from_chars(buffer, end, result);
    return result;
}

json encodeObservation(const OCRObservation& observation, const std::string& where)
{
    json value{{"string", observation.string},
               {"confidence", finite(shortestDecimal(observation.confidence), memberPath(where, "confidence"))},
               {"source", OCRObservation::identifier(observation.source)},
               {"normalizedBoundingBox",
                encodeBox(observation.normalizedBoundingBox, memberPath(where, "normalizedBoundingBox"))}};
    if (const auto* symbols = dynamic_cast<const SymbolBoxesText*>(observation.recognizedText.get())) {
        json list = json::array();
        for (std::size_t i = 0; i < symbols->symbols().size(); ++i) {
            const auto& symbol = symbols->symbols()[i];
            const std::string path = JsonInput::elementPath(memberPath(where, "symbols"), i);
            list.push_back(json{{"start", symbol.start}, {"end", symbol.end}, {"box", encodeBox(symbol.box, path)}});
        }
        value["symbols"] = std::move(list);
    }
    return value;
}

} // namespace

Result<OCRResult, std::string> decode(std::string_view text)
{
    return JsonInput::decode(text, maxFileBytes, decodeResult);
}

Result<OCRResult, std::string> read(const std::filesystem::path& from)
{
    return JsonInput::readAndDecode(from, maxFileBytes, [](std::string_view text) { return decode(text); });
}

Result<std::string, std::string> encode(const OCRResult& result)
{
    try {
        json observations = json::array();
        for (std::size_t i = 0; i < result.observations.size(); ++i) {
            observations.push_back(
                encodeObservation(result.observations[i], JsonInput::elementPath("observations", i)));
        }
        const json document{{"imageSize",
                             {{"width", finite(result.imageSize.width, "imageSize.width")},
                              {"height", finite(result.imageSize.height, "imageSize.height")}}},
                            {"observations", std::move(observations)}};
        return document.dump();
    } catch (const DecodeError& error) {
        return failure(std::string(error.what()));
    } catch (const nlohmann::json::exception& error) {
        return failure("cannot encode the OCR result: a line is not valid UTF-8");
    }
}

} // namespace tarnveil::OCRResultJson
