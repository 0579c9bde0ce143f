#include "window/SeverityChip.h"

#include "editor/AppColors.h"

namespace tarnveil {

SeverityChip SeverityChip::of(const RedactionRegion& region)
{
    if (region.isProtected) {
        return {QStringLiteral("KEEP"), Tone::keep};
    }
    switch (region.severity.value_or(Severity::contextual)) {
    case Severity::secret:
        return {QStringLiteral("SECRET"), Tone::secret};
    case Severity::identifier:
        return {QStringLiteral("ID"), Tone::identifier};
    case Severity::contextual:
        break;
    }
    return {QStringLiteral("CTX"), Tone::contextual};
}

QColor SeverityChip::color(const QPalette& palette) const
{
    switch (tone) {
    case Tone::keep:
        return AppColors::systemGreen();
    case Tone::secret:
        return AppColors::secretRed();
    case Tone::identifier:
        return AppColors::tvBurn();
    case Tone::contextual:
        break;
    }
    return palette.color(QPalette::PlaceholderText);
}

} // namespace tarnveil
