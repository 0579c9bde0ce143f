#pragma once

#include <memory>
#include <vector>

#include <QObject>

#include "shell/AppLanguage.h"

class QTranslator;

namespace tarnveil {

/// The interface language in use. It reads the choice stored under "tarnveil.appLanguage",
/// installs the translation catalogues of the language chosen (or of the system's language
/// for `system`, followed when the system setting changes) and stores every new choice.
/// Installing catalogues makes Qt send every widget a language-change event, so the views
/// re-label themselves at once.
class InterfaceLanguage : public QObject {
    Q_OBJECT

public:
    static constexpr const char* settingKey = "tarnveil.appLanguage";

    /// Reads the stored choice and applies it.
    explicit InterfaceLanguage(QObject* parent = nullptr);
    ~InterfaceLanguage() override;

    AppLanguage choice() const { return choice_; }
    /// The language shown: the choice, or for `system` the one that serves the system locale.
    AppLanguage shown() const { return shown_; }
    /// Stores the choice and applies it; nothing happens when it is the current one.
    void setChoice(AppLanguage language);

signals:
    void choiceChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();
    void removeCatalogues();
    void installCatalogue(std::unique_ptr<QTranslator> translator);

    AppLanguage choice_ = AppLanguage::system;
    AppLanguage shown_ = AppLanguage::english;
    std::vector<std::unique_ptr<QTranslator>> catalogues_;
};

} // namespace tarnveil
