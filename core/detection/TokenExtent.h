#pragma once

#include <string_view>

#include "detection/TextRange.h"

namespace tarnveil::TokenExtent {

/// `range` grown to the whole token it starts or ends in: backward over letters, digits, the
/// symbols a recogniser reads for them and "_", "-", "+", "/", forward over the same and "=".
/// A token cut short where the recogniser misread one of its characters is covered whole;
/// spaces, quotes, ":" and "." stop the growth, so it never reaches into the words around a
/// value, nor back over the "=" of an assignment.
TextRange grown(std::string_view line, TextRange range);

} // namespace tarnveil::TokenExtent
