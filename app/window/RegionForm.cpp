#include "window/RegionForm.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/EditorModel.h"
#include "editor/AppColors.h"
#include "window/CapsuleLabel.h"
#include "window/FormSection.h"
#include "window/IconLabel.h"
#include "window/InspectorText.h"
#include "window/LinkButton.h"
#include "window/RegionRowText.h"
#include "window/SegmentedPicker.h"
#include "window/StyleTag.h"
#include "window/SymbolIcons.h"
#include "window/ToggleSwitch.h"
#include "window/ValueView.h"

namespace tarnveil {

namespace {

constexpr int keyColumnWidth = 78;
constexpr int warningIconSide = 14;

/// The colour choices, in the picker's order.
constexpr std::array<FillColor, fillColorCount> colourChoices = {FillColor::black, FillColor::white, FillColor::grey};

QStringList styleTitles()
{
    QStringList titles;
    for (const StyleTag tag : allStyleTags()) {
        titles.append(title(tag));
    }
    return titles;
}

QStringList colourTitles()
{
    return {RegionForm::tr("Black"), RegionForm::tr("White"), RegionForm::tr("Grey")};
}

int colourIndex(FillColor fill)
{
    for (std::size_t index = 0; index < colourChoices.size(); ++index) {
        if (colourChoices[index] == fill) {
            return int(index);
        }
    }
    return 0;
}

QLabel* textLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

RegionForm::RegionForm(EditorModel& model, QWidget* parent) : QWidget(parent), model_(model)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 14, 14, 14);
    column->setSpacing(16);
    column->addWidget(makeMatchSection());
    column->addWidget(makeStyleSection());
    column->addWidget(makeAllowlistSection());
    column->addStretch(1);
    retranslate();
}

RegionForm::InfoRow RegionForm::makeInfoRow(QWidget* parent, QWidget* value)
{
    InfoRow info;
    info.row = new QWidget(parent);
    auto* line = new QHBoxLayout(info.row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(8);
    info.key = new QLabel(info.row);
    info.key->setForegroundRole(QPalette::PlaceholderText);
    info.key->setFixedWidth(keyColumnWidth);
    info.key->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    line->addWidget(info.key, 0, Qt::AlignTop);
    value->setParent(info.row);
    line->addWidget(value, 1);
    info.value = value;
    return info;
}

QWidget* RegionForm::makeMatchSection()
{
    match_ = new FormSection(this);
    QWidget* panel = match_->body()->parentWidget();

    manual_ = new QLabel(panel);
    manual_->setForegroundRole(QPalette::PlaceholderText);
    match_->body()->addWidget(manual_);

    valueRow_ = new QWidget(panel);
    auto* valueLine = new QHBoxLayout(valueRow_);
    valueLine->setContentsMargins(0, 0, 0, 0);
    valueLine->setSpacing(8);
    value_ = new ValueView(valueRow_);
    value_->setObjectName(QStringLiteral("matchedValue"));
    valueLine->addWidget(value_, 1);
    reveal_ = new LinkButton(QString(), valueRow_);
    reveal_->setObjectName(QStringLiteral("revealValue"));
    valueLine->addWidget(reveal_, 0, Qt::AlignTop);
    connect(reveal_, &QAbstractButton::clicked, this, [this] { setRevealed(!revealed_); });
    match_->body()->addWidget(valueRow_);

    detector_ = makeInfoRow(panel, textLabel(panel));
    category_ = makeInfoRow(panel, textLabel(panel));
    severityBadge_ = new CapsuleLabel(panel);
    QFont badgeFont = font();
    badgeFont.setPointSizeF(std::max(8.0, font().pointSizeF() - 1));
    badgeFont.setWeight(QFont::DemiBold);
    severityBadge_->setFont(badgeFont);
    auto* badgeHolder = new QWidget(panel);
    auto* badgeLine = new QHBoxLayout(badgeHolder);
    badgeLine->setContentsMargins(0, 0, 0, 0);
    badgeLine->addWidget(severityBadge_);
    badgeLine->addStretch(1);
    severity_ = makeInfoRow(panel, badgeHolder);
    pseudonym_ = makeInfoRow(panel, textLabel(panel));
    for (const InfoRow* row : {&detector_, &category_, &severity_, &pseudonym_}) {
        match_->body()->addWidget(row->row);
    }
    return match_;
}

QWidget* RegionForm::makeStyleSection()
{
    style_ = new FormSection(this);
    QWidget* panel = style_->body()->parentWidget();

    fillTitle_ = new QLabel(panel);
    fillTitle_->setForegroundRole(QPalette::PlaceholderText);
    style_->body()->addWidget(fillTitle_);
    fill_ = new SegmentedPicker(tr("Fill"), styleTitles(), panel);
    fill_->setObjectName(QStringLiteral("fillPicker"));
    connect(fill_, &SegmentedPicker::chosen, this, &RegionForm::fillChosen);
    style_->body()->addWidget(fill_);

    colourRow_ = new QWidget(panel);
    auto* colourColumn = new QVBoxLayout(colourRow_);
    colourColumn->setContentsMargins(0, 2, 0, 0);
    colourColumn->setSpacing(8);
    colourTitle_ = new QLabel(colourRow_);
    colourTitle_->setForegroundRole(QPalette::PlaceholderText);
    colourColumn->addWidget(colourTitle_);
    colour_ = new SegmentedPicker(tr("Colour"), colourTitles(), colourRow_);
    colour_->setObjectName(QStringLiteral("colourPicker"));
    connect(colour_, &SegmentedPicker::chosen, this, &RegionForm::colourChosen);
    colourColumn->addWidget(colour_);
    style_->body()->addWidget(colourRow_);

    warningRow_ = new QWidget(panel);
    auto* warningLine = new QHBoxLayout(warningRow_);
    warningLine->setContentsMargins(0, 2, 0, 0);
    warningLine->setSpacing(6);
    warningLine->addWidget(
        new IconLabel(SymbolIcons::icon("exclamationmark.triangle.fill", AppColors::systemOrange()), warningIconSide,
                      warningRow_),
        0, Qt::AlignTop);
    warning_ = new QLabel(warningRow_);
    warning_->setObjectName(QStringLiteral("reversibleWarning"));
    warning_->setWordWrap(true);
    QPalette warningColours = warning_->palette();
    warningColours.setColor(QPalette::WindowText, AppColors::systemOrange());
    warning_->setPalette(warningColours);
    warningLine->addWidget(warning_, 1);
    style_->body()->addWidget(warningRow_);

    protect_ = new ToggleSwitch(QString(), panel);
    protect_->setObjectName(QStringLiteral("protectSwitch"));
    connect(protect_, &QAbstractButton::clicked, this, &RegionForm::protectClicked);
    style_->body()->addSpacing(2);
    style_->body()->addWidget(protect_);
    return style_;
}

QWidget* RegionForm::makeAllowlistSection()
{
    allowlist_ = new FormSection(this);
    QWidget* panel = allowlist_->body()->parentWidget();
    addToAllowlist_ = new WrappingButton(panel);
    addToAllowlist_->setObjectName(QStringLiteral("addToAllowlist"));
    neverRedact_ = new WrappingButton(panel);
    neverRedact_->setObjectName(QStringLiteral("neverRedact"));
    // A long preview or translation must not widen the inspector: it wraps onto another line.
    for (WrappingButton* button : {addToAllowlist_, neverRedact_}) {
        connect(button, &QPushButton::clicked, this, &RegionForm::allowlistClicked);
        allowlist_->body()->addWidget(button);
    }
    return allowlist_;
}

void RegionForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void RegionForm::retranslate()
{
    match_->setTitle(tr("Match"));
    manual_->setText(tr("Manual region"));
    detector_.key->setText(tr("Detector"));
    category_.key->setText(tr("Category"));
    severity_.key->setText(tr("Severity"));
    pseudonym_.key->setText(tr("Pseudonym"));
    style_->setTitle(tr("Style"));
    fillTitle_->setText(tr("Fill"));
    fill_->setAccessibleName(tr("Fill"));
    fill_->setTitles(styleTitles());
    colourTitle_->setText(tr("Colour"));
    colour_->setAccessibleName(tr("Colour"));
    colour_->setTitles(colourTitles());
    warning_->setText(tr("Reversible — not safe for secrets. Use for faces and screenshots only."));
    protect_->setText(tr("Protect (never redact inside)"));
    protect_->setAccessibleName(protect_->text());
    allowlist_->setTitle(tr("Allowlist"));
    neverRedact_->setWrappedText(tr("Never redact this value again"));
    refresh();
}

void RegionForm::showRegion(const RedactionRegion& region)
{
    region_ = region;
    refresh();
}

void RegionForm::setRevealed(bool revealed)
{
    revealed_ = revealed;
    refresh();
}

QString RegionForm::shownValue() const
{
    return region_ && region_->value ? value_->value() : QString();
}

bool RegionForm::showsColourPicker() const
{
    return !colourRow_->isHidden();
}

bool RegionForm::showsReversibleWarning() const
{
    return !warningRow_->isHidden();
}

bool RegionForm::showsAllowlist() const
{
    return !allowlist_->isHidden();
}

std::optional<QString> RegionForm::matchRow(const QString& key) const
{
    for (const InfoRow* row : {&detector_, &category_, &severity_, &pseudonym_}) {
        if (row->key->text() != key || row->row->isHidden()) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(row->value)) {
            return label->text();
        }
        return severityBadge_->text();
    }
    return std::nullopt;
}

void RegionForm::refresh()
{
    if (!region_) {
        return;
    }
    const RedactionRegion& region = *region_;

    // Match.
    const bool hasValue = region.value.has_value();
    manual_->setVisible(!hasValue);
    valueRow_->setVisible(hasValue);
    if (hasValue) {
        const QString value = QString::fromStdString(*region.value);
        value_->setValue(revealed_ ? value : InspectorText::masked(value));
        reveal_->setText(revealed_ ? tr("Hide") : tr("Reveal"));
    }
    detector_.row->setVisible(region.category.has_value());
    category_.row->setVisible(region.category.has_value());
    if (region.category) {
        static_cast<QLabel*>(detector_.value)->setText(RegionRowText::categoryName(*region.category));
        static_cast<QLabel*>(category_.value)->setText(fromView(identifier(*region.category)));
    }
    severity_.row->setVisible(region.severity.has_value());
    if (region.severity) {
        switch (*region.severity) {
        case Severity::secret:
            severityBadge_->setText(tr("Secret"));
            severityBadge_->setColor(AppColors::systemRed());
            break;
        case Severity::identifier:
            severityBadge_->setText(tr("Identifier"));
            severityBadge_->setColor(AppColors::systemOrange());
            break;
        case Severity::contextual:
            severityBadge_->setText(tr("Contextual"));
            severityBadge_->setColor(std::nullopt);
            break;
        }
    }
    pseudonym_.row->setVisible(region.label.has_value());
    if (region.label) {
        static_cast<QLabel*>(pseudonym_.value)->setText(QString::fromStdString(*region.label));
    }

    // Style.
    fill_->setCurrentIndex(int(styleTagOf(region.style)));
    colourRow_->setVisible(region.style.fill().has_value());
    if (region.style.fill()) {
        colour_->setCurrentIndex(colourIndex(*region.style.fill()));
    }
    warningRow_->setVisible(region.style.isReversible());
    protect_->setChecked(region.isProtected);

    // Allowlist.
    allowlist_->setVisible(hasValue);
    if (hasValue) {
        addToAllowlist_->setWrappedText(InspectorText::allowlistButtonTitle(QString::fromStdString(*region.value)));
    }
}

void RegionForm::fillChosen(int index)
{
    if (!region_ || index < 0 || index >= int(styleTagCount)) {
        return;
    }
    const StyleTag tag = allStyleTags()[std::size_t(index)];
    model_.setStyleForSelection(styleFor(tag, region_->style));
    // The style may wait for a confirmation, or not apply at all: show what the region has.
    refresh();
}

void RegionForm::colourChosen(int index)
{
    if (!region_ || index < 0 || index >= int(colourChoices.size())) {
        return;
    }
    const FillColor fill = colourChoices[std::size_t(index)];
    const RedactionStyle& current = region_->style;
    if (current.kind() == RedactionStyle::Kind::labeled) {
        model_.setStyleForSelection(RedactionStyle::labeled(fill));
    } else if (current.kind() == RedactionStyle::Kind::solid) {
        model_.setStyleForSelection(RedactionStyle::solid(fill));
    }
    refresh();
}

void RegionForm::protectClicked(bool on)
{
    if (!region_) {
        return;
    }
    model_.setProtected(region_->id, on);
    refresh();
}

void RegionForm::allowlistClicked()
{
    if (region_ && region_->value) {
        model_.addToAllowlist(region_->id);
    }
}

} // namespace tarnveil
