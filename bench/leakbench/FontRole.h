#pragma once

namespace tarnveil::leakbench {

/// Which of an image's fonts a text is drawn in: the monospace family (terminals, code,
/// logs), the proportional interface family, or that family in bold (headings, names).
enum class FontRole {
    mono,
    ui,
    uiBold,
};

} // namespace tarnveil::leakbench
