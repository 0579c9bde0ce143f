#pragma once

class QAbstractScrollArea;

namespace tarnveil::ScrollBarStyle {

/// Gives the scroll area thin, rounded, translucent scroll bars without arrows, visible on
/// light and dark themes alike.
void makeThin(QAbstractScrollArea* area);

} // namespace tarnveil::ScrollBarStyle
