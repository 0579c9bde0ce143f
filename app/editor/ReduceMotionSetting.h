#pragma once

namespace tarnveil::ReduceMotionSetting {

/// True when the desktop has animations turned off: GNOME's
/// org.gnome.desktop.interface enable-animations set to false, or KDE's animation speed set
/// to 0 (AnimationDurationFactor in kdeglobals). Read afresh on every call; false when neither
/// setting can be read.
bool isOn();

} // namespace tarnveil::ReduceMotionSetting
