#pragma once

#include <QString>
#include <QStringList>

namespace tarnveil {

/// One status line. A translated line is kept as its source text (a key of the interface
/// catalogue, with %1, %2 … where values go) and its values, and is put together in the
/// current language every time it is shown, so that switching the language re-labels a line
/// already on screen. A plain line is shown as written. Either kind may end with a suffix that
/// is never translated.
class StatusText {
public:
    /// The translation context of every translated status line.
    static constexpr const char* context = "EditorModel";

    StatusText() = default;

    /// A line translated from `source`, with `arguments` put in place of %1, %2 … in order.
    static StatusText translated(QString source, QStringList arguments = {}, QString suffix = {});
    /// A line shown exactly as `text`.
    static StatusText plain(QString text);

    const QString& source() const { return source_; }
    const QStringList& arguments() const { return arguments_; }
    const QString& suffix() const { return suffix_; }
    bool isTranslated() const { return translated_; }

    /// The line in the current language, values in place, suffix appended.
    QString text() const;

    friend bool operator==(const StatusText&, const StatusText&) = default;

private:
    StatusText(QString source, QStringList arguments, QString suffix, bool translated);

    QString source_;
    QStringList arguments_;
    QString suffix_;
    bool translated_ = false;
};

} // namespace tarnveil
