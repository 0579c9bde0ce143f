// The session vocabulary's snapshot as it is loaded: any bytes either fail or restore a
// vocabulary that never issues a label twice and writes the same snapshot back.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "planning/SessionVocabulary.h"

using namespace tarnveil;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view json(reinterpret_cast<const char*>(data), size);
    const auto snapshot = SessionVocabulary::Snapshot::decode(json);
    if (!snapshot) {
        fuzz::check(snapshot.error().find('\n') == std::string::npos, "the message is one line");
        return 0;
    }
    SessionVocabulary vocabulary(*snapshot);
    std::set<std::string> labels;
    for (const auto& entry : vocabulary.snapshot().entries) {
        labels.insert(entry.label);
    }
    for (const auto category : {DetectionCategory::email, DetectionCategory::apiKey, DetectionCategory::ipv4}) {
        const std::string_view value = "fresh value \x01";
        const bool known = vocabulary.existingLabel(value, category).has_value();
        const std::string label = vocabulary.label(value, category);
        fuzz::check(known || !labels.contains(label), "a new value gets a label nobody holds");
        labels.insert(label);
    }
    (void)vocabulary.exportCSV();
    const auto encoded = vocabulary.snapshot().encode();
    if (encoded) {
        const auto again = SessionVocabulary::Snapshot::decode(*encoded);
        fuzz::check(again.ok(), "its own snapshot reads back");
        fuzz::check(*again == vocabulary.snapshot(), "the same snapshot after a round trip");
    }
    return 0;
}
