#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include "planning/RedactionRegion.h"

namespace tarnveil {

/// The chip at the start of a region's row: "KEEP" for a protected region, otherwise
/// "SECRET", "ID" or "CTX" after its severity (no severity counts as contextual).
struct SeverityChip {
    enum class Tone { keep, secret, identifier, contextual };

    QString text;
    Tone tone = Tone::contextual;

    static SeverityChip of(const RedactionRegion& region);

    /// Green for KEEP, (1.0, 0.3, 0.2) for SECRET, tvBurn for ID, the secondary text colour
    /// of `palette` for CTX.
    QColor color(const QPalette& palette) const;

    friend bool operator==(const SeverityChip&, const SeverityChip&) = default;
};

} // namespace tarnveil
