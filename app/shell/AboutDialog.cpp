#include "shell/AboutDialog.h"

#include <algorithm>

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Version.h"
#include "shell/AppLanguagePicker.h"
#include "window/LinkButton.h"
#include "window/SymbolIcons.h"

namespace tarnveil {

namespace {

constexpr int symbolSize = 44;
constexpr int narrowestWidth = 340;
// The widest the dialog grows so that the tagline stays on one line; a longer one wraps.
constexpr int widestWidth = 520;
constexpr int sideMargin = 24;

QLabel* centred(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    return label;
}

} // namespace

QUrl AboutDialog::releaseNotesUrl()
{
    return QUrl(QStringLiteral("https://github.com/tarnveil/tarnveil/releases"));
}

AboutDialog::AboutDialog(InterfaceLanguage& language, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowModality(Qt::WindowModal);
    setMinimumWidth(narrowestWidth);

    auto* symbol = centred(this);
    symbol->setPixmap(SymbolIcons::icon("rectangle.dashed").pixmap(symbolSize, symbolSize));
    auto* name = centred(this);
    name->setObjectName(QStringLiteral("productName"));
    name->setText(QStringLiteral("Tarnveil"));
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    nameFont.setBold(true);
    name->setFont(nameFont);
    version_ = centred(this);
    version_->setObjectName(QStringLiteral("version"));
    version_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tagline_ = centred(this);
    tagline_->setObjectName(QStringLiteral("tagline"));

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    languageTitle_ = new QLabel(this);
    auto* picker = new AppLanguagePicker(language, this);
    languageTitle_->setBuddy(picker);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languageTitle_);
    languageRow->addStretch(1);
    languageRow->addWidget(picker);

    checkForUpdates_ = new LinkButton(QString(), this);
    checkForUpdates_->setObjectName(QStringLiteral("checkForUpdates"));
    connect(checkForUpdates_, &QAbstractButton::clicked, this, &AboutDialog::checkForUpdatesRequested);
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("close"));
    close_->setDefault(true);
    close_->setAutoDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(sideMargin, 20, sideMargin, 18);
    layout->setSpacing(8);
    layout->addWidget(symbol);
    layout->addWidget(name);
    layout->addWidget(version_);
    layout->addWidget(tagline_);
    layout->addSpacing(6);
    layout->addWidget(rule);
    layout->addLayout(languageRow);
    layout->addWidget(checkForUpdates_, 0, Qt::AlignHCenter);
    layout->addSpacing(4);
    layout->addWidget(close_, 0, Qt::AlignRight);
    retranslate();
}

void AboutDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void AboutDialog::retranslate()
{
    //: Title of the about window.
    setWindowTitle(tr("About Tarnveil"));
    //: %1 is the version number, such as 1.1.1.
    version_->setText(tr("Version %1").arg(QString::fromUtf8(tarnveil::version)));
    tagline_->setText(tr("Destructive screenshot redaction. 100% offline."));
    // Scripts without spaces wrap anywhere, which can leave a word's last letters alone on a
    // line: the dialog rather widens, within bounds, to keep the tagline on one line.
    const int taglineWidth = tagline_->fontMetrics().horizontalAdvance(tagline_->text()) + 2 * sideMargin + 8;
    setMinimumWidth(std::clamp(taglineWidth, narrowestWidth, widestWidth));
    languageTitle_->setText(tr("Language"));
    checkForUpdates_->setText(tr("Check for Updates…"));
    close_->setText(tr("Close"));
}

} // namespace tarnveil
