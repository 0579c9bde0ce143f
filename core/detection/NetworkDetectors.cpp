#include "detection/NetworkDetectors.h"

#include "detection/DetectionValidators.h"

namespace tarnveil::NetworkDetectors {

namespace {

using Rule = RegexDetector::Rule;
constexpr auto noOptions = RegexOptions::none;

std::shared_ptr<const RegexDetector> network(DetectionCategory category, std::vector<Rule> rules)
{
    return std::make_shared<const RegexDetector>(std::string(identifier(category)), category, Severity::identifier,
                                                 std::move(rules));
}

} // namespace

const std::shared_ptr<const RegexDetector>& ipv4()
{
    static const auto detector = network(DetectionCategory::ipv4, {
        Rule(R"re((?<![\w.])(?:\d{1,3}\.){3}\d{1,3}(?![\w.]))re", noOptions, 0, DetectionValidators::isValidIPv4).requiring({"."}).requiringRun("0123456789.", 7, true),
    });
    return detector;
}

// The pattern also matches clock times; the validator rejects them.
const std::shared_ptr<const RegexDetector>& ipv6()
{
    static const auto detector = network(DetectionCategory::ipv6, {
        Rule(R"re((?<![.\w:])[0-9A-Fa-f:]{2,45}(?:\.\d{1,3}){0,3}(?![.\w:]))re", noOptions, 0,
             DetectionValidators::isValidIPv6).requiring({":"}),
    });
    return detector;
}

// Colon-separated, then hyphen-separated.
const std::shared_ptr<const RegexDetector>& macAddress()
{
    static const auto detector = network(DetectionCategory::macAddress, {
        Rule(R"re((?<![\w:-])(?:[0-9A-Fa-f]{2}:){5}[0-9A-Fa-f]{2}(?![\w:-]))re").requiring({":"}).requiringRun("0123456789abcdefABCDEF:", 17),
        Rule(R"re((?<![\w:-])(?:[0-9A-Fa-f]{2}-){5}[0-9A-Fa-f]{2}(?![\w:-]))re").requiring({"-"}).requiringRun("0123456789abcdefABCDEF-", 17),
    });
    return detector;
}

// Dotted names whose last label is not a file extension.
const std::shared_ptr<const RegexDetector>& hostname()
{
    static const auto detector = network(DetectionCategory::hostname, {
        Rule(R"re((?<![\w.-])(?:[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?\.)+[A-Za-z]{2,}(?![\w.-]))re", noOptions,
             0, DetectionValidators::isHostName).requiring({"."}),
    });
    return detector;
}

// Two backslashes, a server, one or more components; at the line start or after white space.
const std::shared_ptr<const RegexDetector>& uncPath()
{
    static const auto detector = network(DetectionCategory::uncPath, {
        Rule(R"re((?<!\S)\\\\[A-Za-z0-9._$-]+\\[^\s\\]+(?:\\[^\s\\]+)*)re").requiring({"\\\\"}),
    });
    return detector;
}

std::vector<std::shared_ptr<const Detector>> all() { return {ipv4(), ipv6(), macAddress(), hostname(), uncPath()}; }

const std::unordered_set<std::string>& fileExtensions()
{
    static const std::unordered_set<std::string> extensions{
        "pdf",  "txt",      "png",  "jpg",   "jpeg",  "gif",     "bmp",     "svg",        "webp", "ico",
        "doc",  "docx",     "xls",  "xlsx",  "ppt",   "pptx",    "csv",     "tsv",        "rtf",  "yaml",
        "yml",  "json",     "xml",  "html",  "htm",   "css",     "scss",    "js",         "ts",   "tsx",
        "jsx",  "mjs",      "md",   "markdown", "log", "sh",     "bash",    "zsh",        "fish", "py",
        "rb",   "go",       "rs",   "java",  "class", "jar",     "kt",      "swift",      "c",    "h",
        "cpp",  "hpp",      "cc",   "m",     "mm",    "php",     "pl",      "zip",        "tar",  "gz",
        "tgz",  "bz2",      "xz",   "7z",    "rar",   "dmg",     "iso",     "pkg",        "exe",  "dll",
        "so",   "dylib",    "bin",  "dat",   "db",    "sqlite",  "sqlite3", "conf",       "cfg",  "ini",
        "toml", "lock",     "env",  "properties", "pem", "crt",  "cer",     "der",        "pub",  "sql",
        "bak",  "tmp",      "cache", "mp3",  "mp4",   "mov",     "avi",     "wav",        "flac", "webm",
        "ttf",  "otf",      "woff", "woff2",
    };
    return extensions;
}

} // namespace tarnveil::NetworkDetectors
