#include "StatusText.h"

#include <QCoreApplication>

namespace tarnveil {

namespace {

/// Puts `arguments` in place of %1 … %9 in one pass, so that a value which itself contains
/// "%2" is never substituted again. A marker without a matching value is left as it is.
QString substitute(const QString& pattern, const QStringList& arguments)
{
    QString result;
    result.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar character = pattern.at(i);
        if (character == u'%' && i + 1 < pattern.size()) {
            const int digit = pattern.at(i + 1).digitValue();
            if (digit >= 1 && digit <= arguments.size()) {
                result += arguments.at(digit - 1);
                ++i;
                continue;
            }
        }
        result += character;
    }
    return result;
}

} // namespace

StatusText::StatusText(QString source, QStringList arguments, QString suffix, bool translated)
    : source_(std::move(source)), arguments_(std::move(arguments)), suffix_(std::move(suffix)), translated_(translated)
{
}

StatusText StatusText::translated(QString source, QStringList arguments, QString suffix)
{
    return StatusText(std::move(source), std::move(arguments), std::move(suffix), true);
}

StatusText StatusText::plain(QString text)
{
    return StatusText(std::move(text), {}, {}, false);
}

QString StatusText::text() const
{
    if (!translated_) {
        return source_ + suffix_;
    }
    const QByteArray key = source_.toUtf8();
    const QString pattern = QCoreApplication::translate(context, key.constData());
    return substitute(pattern, arguments_) + suffix_;
}

} // namespace tarnveil
