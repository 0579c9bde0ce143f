#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include <nlohmann/json.hpp>

#include "detection/Result.h"

namespace tarnveil::JsonInput {

/// JSON from outside the program (files, the command line) is untrusted: these helpers bound
/// its size and nesting and turn every defect into a one-line message naming the value at
/// fault, for example `observations[2].confidence must be a number`.

/// Deepest nesting of arrays and objects accepted.
inline constexpr std::size_t maxDepth = 64;

/// Raised by the readers below while a decoder walks a document; decoders catch it at their
/// boundary and return its message, so it never leaves the core.
class DecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The document in `text`, or why it is not one: too large, nested too deeply, or not JSON.
Result<nlohmann::json, std::string> parse(std::string_view text, std::size_t maxBytes);

/// The bytes of a file of at most `maxBytes`, or why they cannot be read.
Result<std::string, std::string> readFile(const std::filesystem::path& path, std::size_t maxBytes);

/// Parses `text` and hands the document to `decodeDocument`, which reports a defect by
/// throwing DecodeError; either way the outcome is a value or a one-line message.
template <class DecodeDocument>
auto decode(std::string_view text, std::size_t maxBytes, DecodeDocument decodeDocument)
    -> Result<decltype(decodeDocument(std::declval<const nlohmann::json&>())), std::string>
{
    auto document = parse(text, maxBytes);
    if (!document) {
        return failure(document.error());
    }
    try {
        return decodeDocument(*document);
    } catch (const DecodeError& error) {
        return failure(std::string(error.what()));
    }
}

/// Reads a file of at most `maxBytes` and decodes its text with `decodeText`; a defect of
/// the content is reported with the file's name in front.
template <class DecodeText>
auto readAndDecode(const std::filesystem::path& path, std::size_t maxBytes, DecodeText decodeText)
    -> decltype(decodeText(std::string_view{}))
{
    auto bytes = readFile(path, maxBytes);
    if (!bytes) {
        return failure(bytes.error());
    }
    auto decoded = decodeText(*bytes);
    if (!decoded) {
        return failure(path.string() + ": " + decoded.error());
    }
    return decoded;
}

/// The name of a member of the value named `where` ("" for the top level).
std::string memberPath(const std::string& where, std::string_view key);

/// The name of an element of the array named `where`.
std::string elementPath(const std::string& where, std::size_t index);

/// The value must be an object; returns it.
const nlohmann::json& object(const nlohmann::json& value, const std::string& where);

/// The member `key` of the object named `where`, which must be present.
const nlohmann::json& member(const nlohmann::json& object, std::string_view key, const std::string& where);

/// The value must be an array of at most `maxCount` elements; returns it.
const nlohmann::json& array(const nlohmann::json& value, const std::string& where, std::size_t maxCount);

/// The value must be a text of at most `maxBytes` bytes.
std::string string(const nlohmann::json& value, const std::string& where, std::size_t maxBytes);

/// The value must be a finite number.
double number(const nlohmann::json& value, const std::string& where);

/// The value must be true or false.
bool boolean(const nlohmann::json& value, const std::string& where);

/// The value must be a whole number from 0 to `maxValue`.
std::uint64_t count(const nlohmann::json& value, const std::string& where, std::uint64_t maxValue);

} // namespace tarnveil::JsonInput
