#include "ocr/JsonInput.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>

namespace tarnveil::JsonInput {

namespace {

std::string named(const std::string& where) { return where.empty() ? std::string("the top level") : where; }

[[noreturn]] void fail(const std::string& where, std::string_view problem)
{
    throw DecodeError(named(where) + " " + std::string(problem));
}

/// The deepest nesting of arrays and objects in the text, strings skipped; stops counting
/// once past `limit`.
std::size_t nestingDepth(std::string_view text, std::size_t limit)
{
    std::size_t depth = 0;
    std::size_t deepest = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
            if (deepest > limit) {
                return deepest;
            }
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

/// nlohmann's messages start with a bracketed error code the user does not need.
std::string withoutErrorCode(const std::string& message)
{
    if (!message.starts_with('[')) {
        return message;
    }
    const auto close = message.find("] ");
    return close == std::string::npos ? message : message.substr(close + 2);
}

} // namespace

Result<nlohmann::json, std::string> parse(std::string_view text, std::size_t maxBytes)
{
    if (text.size() > maxBytes) {
        return failure("invalid JSON: larger than " + std::to_string(maxBytes) + " bytes");
    }
    if (nestingDepth(text, maxDepth) > maxDepth) {
        return failure("invalid JSON: nested deeper than " + std::to_string(maxDepth) + " levels");
    }
    try {
        return nlohmann::json::parse(text.begin(), text.end());
    } catch (const nlohmann::json::exception& error) {
        return failure("invalid JSON: " + withoutErrorCode(error.what()));
    } catch (const std::bad_alloc&) {
        return failure(std::string("invalid JSON: out of memory"));
    }
}

Result<std::string, std::string> readFile(const std::filesystem::path& path, std::size_t maxBytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return failure("cannot open " + path.string() + ": " + std::strerror(errno));
    }
    std::string bytes;
    char buffer[64 * 1024];
    while (file) {
        file.read(buffer, sizeof buffer);
        const auto got = static_cast<std::size_t>(file.gcount());
        if (bytes.size() + got > maxBytes) {
            return failure(path.string() + " is larger than " + std::to_string(maxBytes) + " bytes");
        }
        bytes.append(buffer, got);
    }
    if (file.bad()) {
        return failure("cannot read " + path.string());
    }
    return bytes;
}

std::string memberPath(const std::string& where, std::string_view key)
{
    return where.empty() ? std::string(key) : where + "." + std::string(key);
}

std::string elementPath(const std::string& where, std::size_t index)
{
    return named(where) + "[" + std::to_string(index) + "]";
}

const nlohmann::json& object(const nlohmann::json& value, const std::string& where)
{
    if (!value.is_object()) {
        fail(where, "must be an object");
    }
    return value;
}

const nlohmann::json& member(const nlohmann::json& value, std::string_view key, const std::string& where)
{
    object(value, where);
    const auto found = value.find(key);
    if (found == value.end()) {
        throw DecodeError("missing key \"" + std::string(key) + "\"" + (where.empty() ? "" : " in " + where));
    }
    return *found;
}

const nlohmann::json& array(const nlohmann::json& value, const std::string& where, std::size_t maxCount)
{
    if (!value.is_array()) {
        fail(where, "must be an array");
    }
    if (value.size() > maxCount) {
        fail(where, "has more than " + std::to_string(maxCount) + " elements");
    }
    return value;
}

std::string string(const nlohmann::json& value, const std::string& where, std::size_t maxBytes)
{
    if (!value.is_string()) {
        fail(where, "must be a string");
    }
    const auto& text = value.get_ref<const std::string&>();
    if (text.size() > maxBytes) {
        fail(where, "is longer than " + std::to_string(maxBytes) + " bytes");
    }
    return text;
}

double number(const nlohmann::json& value, const std::string& where)
{
    if (!value.is_number()) {
        fail(where, "must be a number");
    }
    const double number = value.get<double>();
    if (!std::isfinite(number)) {
        fail(where, "must be a finite number");
    }
    return number;
}

bool boolean(const nlohmann::json& value, const std::string& where)
{
    if (!value.is_boolean()) {
        fail(where, "must be true or false");
    }
    return value.get<bool>();
}

std::uint64_t count(const nlohmann::json& value, const std::string& where, std::uint64_t maxValue)
{
    if (value.is_number_unsigned()) {
        const auto n = value.get<std::uint64_t>();
        if (n <= maxValue) {
            return n;
        }
    } else if (value.is_number_integer() && value.get<std::int64_t>() >= 0) {
        const auto n = static_cast<std::uint64_t>(value.get<std::int64_t>());
        if (n <= maxValue) {
            return n;
        }
    } else if (value.is_number_float()) {
        // Other encoders may write whole numbers as 3.0.
        const double n = value.get<double>();
        constexpr double exactLimit = 9007199254740992.0; // 2^53: every whole double below is exact
        if (n >= 0 && n == std::floor(n) && n < exactLimit && n <= static_cast<double>(maxValue)) {
            return static_cast<std::uint64_t>(n);
        }
    }
    fail(where, "must be a whole number from 0 to " + std::to_string(maxValue));
}

} // namespace tarnveil::JsonInput
