#pragma once

#include "ocr/engine/LineReading.h"
#include "ocr/engine/PixelBox.h"

namespace tarnveil::UnreadInk {

/// How far, in line heights, a row's outer word is stretched over ink the engine left unread.
inline constexpr double reachInLineHeights = 3;

/// Stretches the outer words of what was read in one line image over the line's ink that no
/// word holds. The engine drops faint trailing marks ("::" after a hash, a closing quote) and
/// sometimes a glyph at either end; a word that ends a secret must then still cover them.
/// `line` is the line's ink box in bitmap pixels, `toSource` source pixels per bitmap pixel.
/// Gaps wider than `reachInLineHeights` line heights are left alone: they hold another word.
void reach(LineReading& reading, const PixelBox& line, double toSource);

} // namespace tarnveil::UnreadInk
