#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QPushButton;

namespace tarnveil {

class InterfaceLanguage;
class LinkButton;

/// The about sheet: the symbol, the name, the version, the tagline, the language picker, a
/// link to the release notes and Close.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    /// The release-notes page "Check for Updates…" opens.
    static QUrl releaseNotesUrl();

    explicit AboutDialog(InterfaceLanguage& language, QWidget* parent = nullptr);

signals:
    /// "Check for Updates…" was chosen; the application opens `releaseNotesUrl()` in the
    /// browser (the only address the application ever hands out).
    void checkForUpdatesRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* version_ = nullptr;
    QLabel* tagline_ = nullptr;
    QLabel* languageTitle_ = nullptr;
    LinkButton* checkForUpdates_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace tarnveil
