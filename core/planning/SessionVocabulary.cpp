#include "planning/SessionVocabulary.h"

#include <algorithm>
#include <charconv>

#include "detection/UnicodeText.h"
#include "ocr/JsonInput.h"
#include "planning/AtomicFile.h"

namespace tarnveil {

namespace {

using nlohmann::json;

// Bounds on a snapshot read from outside.
constexpr std::size_t maxEntries = 1'000'000;
constexpr std::size_t maxCounters = 10'000;
constexpr std::size_t maxTextBytes = std::size_t{4} << 20;

bool isCaseBlind(DetectionCategory category)
{
    return category == DetectionCategory::hostname || category == DetectionCategory::email ||
           category == DetectionCategory::macHomePath || category == DetectionCategory::windowsProfilePath;
}

/// Prefix and number of a label of the form "[PREFIX-n]", or none.
std::optional<std::pair<std::string, std::int64_t>> labelNumber(std::string_view label)
{
    if (label.size() < 4 || label.front() != '[' || label.back() != ']') {
        return std::nullopt;
    }
    const std::string_view inner = label.substr(1, label.size() - 2);
    const auto hyphen = inner.rfind('-');
    if (hyphen == std::string_view::npos || hyphen == 0 || hyphen + 1 == inner.size()) {
        return std::nullopt;
    }
    const std::string_view digits = inner.substr(hyphen + 1);
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || number < 0) {
        return std::nullopt;
    }
    return std::pair{std::string(inner.substr(0, hyphen)), number};
}

/// A CSV field: quoted, with inner quotes doubled, when it holds a comma, a quote or a line
/// break (a carriage return ends a record for CSV readers too).
std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\n\r") == std::string_view::npos) {
        return std::string(text);
    }
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    field += '"';
    return field;
}

SessionVocabulary::Entry decodeEntry(const json& value, const std::string& where)
{
    const auto text = [&](std::string_view key) {
        return JsonInput::string(JsonInput::member(value, key, where), JsonInput::memberPath(where, key),
                                 maxTextBytes);
    };
    JsonInput::object(value, where);
    return SessionVocabulary::Entry{text("label"), text("prefix"), text("normalizedValue"), text("displayValue"),
                                    text("categoryID")};
}

SessionVocabulary::Snapshot decodeSnapshot(const json& document)
{
    JsonInput::object(document, "");
    SessionVocabulary::Snapshot snapshot;
    const json& entries = JsonInput::array(JsonInput::member(document, "entries", ""), "entries", maxEntries);
    snapshot.entries.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        snapshot.entries.push_back(decodeEntry(entries[i], JsonInput::elementPath("entries", i)));
    }
    const json& counters = JsonInput::object(JsonInput::member(document, "counters", ""), "counters");
    if (counters.size() > maxCounters) {
        throw JsonInput::DecodeError("counters has more than " + std::to_string(maxCounters) + " members");
    }
    for (const auto& [prefix, number] : counters.items()) {
        const auto value = JsonInput::count(number, JsonInput::memberPath("counters", prefix),
                                            static_cast<std::uint64_t>(SessionVocabulary::maxLabelNumber));
        snapshot.counters[prefix] = static_cast<std::int64_t>(value);
    }
    return snapshot;
}

} // namespace

// MARK: Snapshot

Result<std::string, std::string> SessionVocabulary::Snapshot::encode() const
{
    json list = json::array();
    for (const auto& entry : entries) {
        list.push_back(json{{"label", entry.label},
                            {"prefix", entry.prefix},
                            {"normalizedValue", entry.normalizedValue},
                            {"displayValue", entry.displayValue},
                            {"categoryID", entry.categoryID}});
    }
    json counterObject = json::object();
    for (const auto& [prefix, number] : counters) {
        counterObject[prefix] = number;
    }
    try {
        return json{{"entries", std::move(list)}, {"counters", std::move(counterObject)}}.dump();
    } catch (const json::exception&) {
        return failure("cannot encode the vocabulary: a value is not valid UTF-8");
    }
}

Result<SessionVocabulary::Snapshot, std::string> SessionVocabulary::Snapshot::decode(std::string_view text)
{
    return JsonInput::decode(text, maxFileBytes, decodeSnapshot);
}

// MARK: Vocabulary

bool SessionVocabulary::LabelOrder::operator()(std::string_view a, std::string_view b) const
{
    const auto rank = [](char c) { return c == ']' ? -1 : static_cast<int>(static_cast<unsigned char>(c)); };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return rank(x) < rank(y); });
}

SessionVocabulary::SessionVocabulary(const Snapshot& snapshot) { restoreLocked(snapshot); }

std::string SessionVocabulary::normalizedValue(std::string_view value, DetectionCategory category)
{
    const std::string_view trimmed = UnicodeText::trimmed(value);
    return isCaseBlind(category) ? UnicodeText::toLower(trimmed) : std::string(trimmed);
}

std::string SessionVocabulary::lookupKey(std::string_view prefix, std::string_view normalizedValue)
{
    std::string key(prefix);
    key += '\0';
    key += normalizedValue;
    return key;
}

std::optional<std::string> SessionVocabulary::findLabel(std::string_view value, DetectionCategory category) const
{
    const auto found = labelForKey_.find(lookupKey(labelPrefix(category), normalizedValue(value, category)));
    if (found == labelForKey_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::string SessionVocabulary::label(std::string_view value, DetectionCategory category)
{
    const std::string_view prefix = labelPrefix(category);
    std::string norm = normalizedValue(value, category);
    std::string key = lookupKey(prefix, norm);
    std::lock_guard lock(mutex_);
    if (const auto found = labelForKey_.find(key); found != labelForKey_.end()) {
        return found->second;
    }
    const std::int64_t number = ++counters_[std::string(prefix)];
    std::string label;
    label.append("[").append(prefix).append("-").append(std::to_string(number)).append("]");
    entryForLabel_[label] = Entry{label, std::string(prefix), std::move(norm), std::string(value),
                                  std::string(identifier(category))};
    labelForKey_.emplace(std::move(key), label);
    return label;
}

std::optional<std::string> SessionVocabulary::existingLabel(std::string_view value, DetectionCategory category) const
{
    std::lock_guard lock(mutex_);
    return findLabel(value, category);
}

std::size_t SessionVocabulary::count() const
{
    std::lock_guard lock(mutex_);
    return entryForLabel_.size();
}

std::string SessionVocabulary::exportCSV() const
{
    std::lock_guard lock(mutex_);
    std::string csv = "label,category,value\n";
    for (const auto& [label, entry] : entryForLabel_) {
        csv += csvField(entry.label) + "," + csvField(entry.categoryID) + "," + csvField(entry.displayValue) + "\n";
    }
    return csv;
}

void SessionVocabulary::clear()
{
    std::lock_guard lock(mutex_);
    labelForKey_.clear();
    entryForLabel_.clear();
    counters_.clear();
}

SessionVocabulary::Snapshot SessionVocabulary::snapshot() const
{
    std::lock_guard lock(mutex_);
    Snapshot snapshot;
    snapshot.entries.reserve(entryForLabel_.size());
    for (const auto& [label, entry] : entryForLabel_) {
        snapshot.entries.push_back(entry);
    }
    snapshot.counters = counters_;
    return snapshot;
}

void SessionVocabulary::restore(const Snapshot& snapshot)
{
    std::lock_guard lock(mutex_);
    restoreLocked(snapshot);
}

void SessionVocabulary::restoreLocked(const Snapshot& snapshot)
{
    labelForKey_.clear();
    entryForLabel_.clear();
    counters_.clear();
    for (const auto& [prefix, number] : snapshot.counters) {
        counters_[prefix] = std::clamp<std::int64_t>(number, 0, maxLabelNumber);
    }
    for (const auto& entry : snapshot.entries) {
        std::string key = lookupKey(entry.prefix, entry.normalizedValue);
        // A label taken over by a later entry no longer answers for the earlier entry's value.
        if (const auto earlier = entryForLabel_.find(entry.label); earlier != entryForLabel_.end()) {
            const auto staleKey = lookupKey(earlier->second.prefix, earlier->second.normalizedValue);
            if (const auto stale = labelForKey_.find(staleKey); stale != labelForKey_.end() && stale->second == entry.label) {
                labelForKey_.erase(stale);
            }
        }
        labelForKey_[std::move(key)] = entry.label;
        entryForLabel_[entry.label] = entry;
        // A hand-edited snapshot may hold labels beyond its counters: never issue them again.
        if (const auto parsed = labelNumber(entry.label); parsed && parsed->second <= maxLabelNumber) {
            auto& counter = counters_[parsed->first];
            counter = std::max(counter, parsed->second);
        }
    }
}

Result<void, SessionVocabulary::FileError> SessionVocabulary::save(const std::filesystem::path& to) const
{
    const auto text = snapshot().encode();
    if (!text) {
        return failure(FileError{FileError::Kind::encodeFailed, text.error()});
    }
    const auto written = AtomicFile::write(to, *text);
    if (!written) {
        return failure(FileError{FileError::Kind::writeFailed, written.error()});
    }
    return {};
}

Result<std::shared_ptr<SessionVocabulary>, SessionVocabulary::FileError>
SessionVocabulary::load(const std::filesystem::path& from)
{
    const auto bytes = JsonInput::readFile(from, maxFileBytes);
    if (!bytes) {
        return failure(FileError{FileError::Kind::readFailed, bytes.error()});
    }
    const auto snapshot = Snapshot::decode(*bytes);
    if (!snapshot) {
        return failure(FileError{FileError::Kind::invalidContent, from.string() + ": " + snapshot.error()});
    }
    return std::make_shared<SessionVocabulary>(*snapshot);
}

} // namespace tarnveil
