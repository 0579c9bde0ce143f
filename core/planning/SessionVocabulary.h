#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "detection/DetectionCategory.h"
#include "detection/Result.h"

namespace tarnveil {

/// Gives every distinct sensitive value of a working session a stable pseudonym label such
/// as "[EMAIL-1]": the same value gets the same label in every screenshot, a new value the
/// next number of its label prefix. One instance lives as long as the process; every
/// operation holds the object's mutex, so planners on several threads never issue one
/// number twice.
class SessionVocabulary {
public:
    /// What one label stands for.
    struct Entry {
        std::string label;           ///< "[EMAIL-1]"
        std::string prefix;          ///< "EMAIL"
        std::string normalizedValue; ///< trimmed, lower case for case-blind categories
        std::string displayValue;    ///< exactly as first passed in
        std::string categoryID;      ///< "email"

        friend bool operator==(const Entry&, const Entry&) = default;
    };

    /// The whole content, in the form that is saved and restored.
    struct Snapshot {
        std::vector<Entry> entries;
        std::map<std::string, std::int64_t> counters; ///< label prefix to the last number issued

        friend bool operator==(const Snapshot&, const Snapshot&) = default;

        /// {"entries": [{"label": …, "prefix": …, "normalizedValue": …, "displayValue": …,
        /// "categoryID": …}, …], "counters": {"EMAIL": 2, …}}. Fails on text that is not valid UTF-8.
        Result<std::string, std::string> encode() const;

        /// Every key is required; counters are whole numbers from 0 to maxLabelNumber. The
        /// message names the first problem found.
        static Result<Snapshot, std::string> decode(std::string_view json);
    };

    struct FileError {
        enum class Kind {
            readFailed,     ///< the file could not be read (missing, unreadable, larger than maxFileBytes)
            invalidContent, ///< the file is not a whole snapshot (malformed, truncated, wrong types)
            encodeFailed,   ///< the content cannot be written as JSON
            writeFailed,    ///< the file could not be written
        };
        Kind kind;
        std::string message;
    };

    /// The highest label number kept; nothing in a session comes near it.
    static constexpr std::int64_t maxLabelNumber = (std::int64_t{1} << 53) - 1;
    /// The largest snapshot file read.
    static constexpr std::size_t maxFileBytes = std::size_t{64} << 20;

    SessionVocabulary() = default;
    /// A vocabulary filled by `restore`.
    explicit SessionVocabulary(const Snapshot& snapshot);
    SessionVocabulary(const SessionVocabulary&) = delete;
    SessionVocabulary& operator=(const SessionVocabulary&) = delete;

    /// The label of `value` under `category`, issuing the next number of the category's
    /// prefix when the value has none yet.
    std::string label(std::string_view value, DetectionCategory category);

    /// The label already issued for `value`, or none; never issues one.
    std::optional<std::string> existingLabel(std::string_view value, DetectionCategory category) const;

    /// The number of labels issued.
    std::size_t count() const;

    /// "label,category,value" then one line per label in LabelOrder, each line ending in a
    /// line feed.
    std::string exportCSV() const;

    /// Forgets every label; numbering starts again at 1.
    void clear();

    /// The entries in LabelOrder, and the counters.
    Snapshot snapshot() const;

    /// Replaces the whole content by the snapshot's. A counter lower than the highest number
    /// of a "[PREFIX-n]" label in the snapshot is raised to it, so that no label is issued twice.
    void restore(const Snapshot& snapshot);

    /// Writes the snapshot as JSON, atomically and readable by the owner only: the file holds
    /// the hidden values in clear text.
    Result<void, FileError> save(const std::filesystem::path& to) const;

    /// A new vocabulary read from a file written by `save`. Nothing is returned when the file
    /// cannot be read or is not a whole snapshot.
    static Result<std::shared_ptr<SessionVocabulary>, FileError> load(const std::filesystem::path& from);

    /// The order of labels in the CSV and in snapshots: text order, byte by byte, except
    /// that the closing bracket comes before every other character, so that a label comes
    /// right before the labels whose number extends its own: [EMAIL-1], [EMAIL-10], [EMAIL-11],
    /// [EMAIL-2]. Numbers are not compared as numbers.
    struct LabelOrder {
        bool operator()(std::string_view a, std::string_view b) const;
    };

    /// The value as the lookup compares it: trimmed of white space and line breaks, and in
    /// lower case for host names, e-mail addresses and user names.
    static std::string normalizedValue(std::string_view value, DetectionCategory category);

private:
    static std::string lookupKey(std::string_view prefix, std::string_view normalizedValue);
    std::optional<std::string> findLabel(std::string_view value, DetectionCategory category) const;
    void restoreLocked(const Snapshot& snapshot);

    mutable std::mutex mutex_;
    std::unordered_map<std::string, std::string> labelForKey_;
    std::map<std::string, Entry, LabelOrder> entryForLabel_;
    std::map<std::string, std::int64_t> counters_;
};

} // namespace tarnveil
