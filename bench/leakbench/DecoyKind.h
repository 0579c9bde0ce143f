#pragma once

#include <string_view>

namespace tarnveil::leakbench {

/// Text that looks like something sensitive, or sits next to it, and must stay visible.
enum class DecoyKind {
    loopbackIP,
    loopbackIPv6,
    documentationIP,
    exampleDomain,
    exampleUrl,
    exampleEmail,
    version,
    clockTime,
    timestamp,
    fileName,
    sharedProfilePath,
    prose,
};

inline std::string_view identifier(DecoyKind kind)
{
    switch (kind) {
    case DecoyKind::loopbackIP: return "loopbackIP";
    case DecoyKind::loopbackIPv6: return "loopbackIPv6";
    case DecoyKind::documentationIP: return "documentationIP";
    case DecoyKind::exampleDomain: return "exampleDomain";
    case DecoyKind::exampleUrl: return "exampleUrl";
    case DecoyKind::exampleEmail: return "exampleEmail";
    case DecoyKind::version: return "version";
    case DecoyKind::clockTime: return "clockTime";
    case DecoyKind::timestamp: return "timestamp";
    case DecoyKind::fileName: return "fileName";
    case DecoyKind::sharedProfilePath: return "sharedProfilePath";
    case DecoyKind::prose: return "prose";
    }
    return "unknown";
}

} // namespace tarnveil::leakbench
