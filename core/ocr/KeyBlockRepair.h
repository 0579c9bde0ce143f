#pragma once

#include <vector>

#include "ocr/RecognizedRow.h"

namespace tarnveil::KeyBlockRepair {

/// The rows with the body of every PEM key block made readable as one: below a row holding a
/// "-----BEGIN … PRIVATE KEY-----" marker, each row down to the closing marker that is mostly
/// base64 text (at least 80 % of its characters) becomes one word of base64 text, the engine's
/// spaces dropped and its look-alike characters (".", "|", ")", "£", …) replaced by base64
/// letters. The whole block is covered as one, so a body row that reads wrong would otherwise
/// end the block early and leave the rest of the key visible. Rows are taken top to bottom.
void repair(std::vector<RecognizedRow>& rows);

} // namespace tarnveil::KeyBlockRepair
