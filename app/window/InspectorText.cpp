#include "window/InspectorText.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

namespace tarnveil::InspectorText {

qsizetype characterCount(const QString& text)
{
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (boundaries.toNextBoundary() != -1) {
        ++count;
    }
    return count;
}

QString firstCharacters(const QString& text, qsizetype count)
{
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (qsizetype taken = 0; taken < count; ++taken) {
        const qsizetype next = boundaries.toNextBoundary();
        if (next == -1) {
            break;
        }
        end = next;
    }
    return text.left(end);
}

QString masked(const QString& value)
{
    // Counting stops at the cap, so a huge value costs no more than a short one.
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, value);
    qsizetype count = 0;
    while (count < maskedLength && boundaries.toNextBoundary() != -1) {
        ++count;
    }
    return QString(count, QChar(0x2022));
}

QString allowlistButtonTitle(const QString& value)
{
    QString shown = firstCharacters(value, allowlistPreviewLength + 1);
    if (characterCount(shown) > allowlistPreviewLength) {
        shown = firstCharacters(value, allowlistPreviewLength) + QStringLiteral("…");
    }
    //: %1 is the matched value, cut to 16 characters.
    return QCoreApplication::translate("InspectorView", "Add “%1” to allowlist").arg(shown);
}

} // namespace tarnveil::InspectorText
