#pragma once

#include <optional>

#include <QWidget>

#include "planning/RedactionRegion.h"
#include "window/WrappingButton.h"

class QLabel;
class QPushButton;

namespace tarnveil {

class CapsuleLabel;
class EditorModel;
class FormSection;
class IconLabel;
class LinkButton;
class SegmentedPicker;
class ToggleSwitch;
class ValueView;

/// The inspector's form for one region: what was matched ("Match"), how it is destroyed
/// ("Style") and, for a matched value, the allowlist buttons. Every control acts on the
/// selection through the editor model; the form only shows the region it was given.
class RegionForm final : public QWidget {
    Q_OBJECT

public:
    explicit RegionForm(EditorModel& model, QWidget* parent = nullptr);

    /// Shows `region`; called again whenever the region changes.
    void showRegion(const RedactionRegion& region);

    /// Whether the value is shown in clear; starts false and is kept from region to region.
    bool isRevealed() const { return revealed_; }
    void setRevealed(bool revealed);

    /// The value as the form shows it now (in clear or masked); empty without a value.
    QString shownValue() const;

    LinkButton* revealButton() const { return reveal_; }
    SegmentedPicker* fillPicker() const { return fill_; }
    SegmentedPicker* colourPicker() const { return colour_; }
    ToggleSwitch* protectSwitch() const { return protect_; }
    QPushButton* allowlistButton() const { return addToAllowlist_; }
    QPushButton* neverRedactButton() const { return neverRedact_; }
    bool showsColourPicker() const;
    bool showsReversibleWarning() const;
    bool showsAllowlist() const;
    /// The text of the row titled `key` in the Match section ("Detector", "Category",
    /// "Severity", "Pseudonym"); none while that row is hidden.
    std::optional<QString> matchRow(const QString& key) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    struct InfoRow {
        QWidget* row = nullptr;
        QLabel* key = nullptr;
        QWidget* value = nullptr;
    };

    QWidget* makeMatchSection();
    QWidget* makeStyleSection();
    QWidget* makeAllowlistSection();
    InfoRow makeInfoRow(QWidget* parent, QWidget* value);
    void retranslate();
    void refresh();

    void fillChosen(int index);
    void colourChosen(int index);
    void protectClicked(bool on);
    void allowlistClicked();

    EditorModel& model_;
    std::optional<RedactionRegion> region_;
    bool revealed_ = false;

    FormSection* match_ = nullptr;
    QLabel* manual_ = nullptr;
    QWidget* valueRow_ = nullptr;
    ValueView* value_ = nullptr;
    LinkButton* reveal_ = nullptr;
    InfoRow detector_;
    InfoRow category_;
    InfoRow severity_;
    InfoRow pseudonym_;
    CapsuleLabel* severityBadge_ = nullptr;

    FormSection* style_ = nullptr;
    QLabel* fillTitle_ = nullptr;
    SegmentedPicker* fill_ = nullptr;
    QWidget* colourRow_ = nullptr;
    QLabel* colourTitle_ = nullptr;
    SegmentedPicker* colour_ = nullptr;
    QWidget* warningRow_ = nullptr;
    QLabel* warning_ = nullptr;
    ToggleSwitch* protect_ = nullptr;

    FormSection* allowlist_ = nullptr;
    WrappingButton* addToAllowlist_ = nullptr;
    WrappingButton* neverRedact_ = nullptr;
};

} // namespace tarnveil
