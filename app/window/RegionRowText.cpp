#include "window/RegionRowText.h"

#include <QCoreApplication>

namespace tarnveil::RegionRowText {

namespace {

/// Longer values keep this many characters from each end; no row is that wide.
constexpr qsizetype keptFromEachEnd = 120;

QString translate(const char* text)
{
    return QCoreApplication::translate("RegionListView", text);
}

QString manual()
{
    return translate(QT_TRANSLATE_NOOP("RegionListView", "Manual"));
}

} // namespace

QString categoryName(DetectionCategory category)
{
    const std::string_view name = displayName(category);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QString title(const RedactionRegion& region)
{
    if (region.label) {
        return QString::fromStdString(*region.label);
    }
    if (region.category) {
        return categoryName(*region.category);
    }
    return manual();
}

QString valueLine(const RedactionRegion& region)
{
    if (!region.value) {
        return {};
    }
    QString value = QString::fromStdString(*region.value);
    if (value.size() > keptFromEachEnd * 2) {
        value = value.left(keptFromEachEnd) + QStringLiteral("…") + value.right(keptFromEachEnd);
    }
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return value;
}

QString accessibleText(const RedactionRegion& region)
{
    QString severity;
    if (region.isProtected) {
        severity = translate(QT_TRANSLATE_NOOP("RegionListView", "Protected, will not be redacted"));
    } else {
        switch (region.severity.value_or(Severity::contextual)) {
        case Severity::secret:
            severity = translate(QT_TRANSLATE_NOOP("RegionListView", "Secret"));
            break;
        case Severity::identifier:
            severity = translate(QT_TRANSLATE_NOOP("RegionListView", "Identifier"));
            break;
        case Severity::contextual:
            severity = translate(QT_TRANSLATE_NOOP("RegionListView", "Contextual"));
            break;
        }
    }
    return severity + QStringLiteral(", ") + (region.category ? categoryName(*region.category) : manual());
}

} // namespace tarnveil::RegionRowText
