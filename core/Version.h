#pragma once

namespace tarnveil {

/// The product version shown in the about sheet.
inline constexpr const char* version = "1.1.1";

/// Tarnveil never opens a network connection.
inline constexpr bool isOffline = true;

} // namespace tarnveil
