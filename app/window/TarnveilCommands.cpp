#include "window/TarnveilCommands.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QMenu>
#include <QTimer>

#include "editor/EditorModel.h"
#include "window/AppDelegate.h"

namespace tarnveil {

namespace {

QString objectNameOf(ChromeScrub kind)
{
    return QString::fromUtf8(identifier(kind).data(), qsizetype(identifier(kind).size()));
}

} // namespace

TarnveilCommands::TarnveilCommands(EditorModel& model, QWidget* parent) : QMenuBar(parent), model_(model)
{
    setObjectName(QStringLiteral("tarnveilCommands"));
    makeFileMenu();
    makeEditMenu();
    makeRedactMenu();
    makeSessionMenu();
    makeHelpMenu();

    connect(&model_, &EditorModel::imageChanged, this, &TarnveilCommands::refreshImage);
    connect(&model_, &EditorModel::selectionChanged, this, &TarnveilCommands::refreshSelection);
    connect(&model_, &EditorModel::inspectorVisibleChanged, this, &TarnveilCommands::refreshInspector);
    retranslate();
    refreshImage();
    refreshSelection();
}

QAction* TarnveilCommands::item(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

QAction* TarnveilCommands::addItem(QMenu* menu, const QString& objectName, const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(objectName);
    action->setShortcut(shortcut);
    // The window's shortcuts act wherever the focus is inside the window.
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

void TarnveilCommands::makeFileMenu()
{
    file_ = addMenu(QString());
    file_->setObjectName(QStringLiteral("fileMenu"));
    connect(addItem(file_, QStringLiteral("openImage"), QKeySequence(Qt::CTRL | Qt::Key_O)), &QAction::triggered,
            this, &TarnveilCommands::openImage);
    connect(addItem(file_, QStringLiteral("captureScreenshot"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_2)),
            &QAction::triggered, this, &TarnveilCommands::captureRequested);
    connect(addItem(file_, QStringLiteral("pasteScreenshot"), QKeySequence(Qt::CTRL | Qt::Key_V)),
            &QAction::triggered, this, [this] { model_.paste(); });
    file_->addSeparator();
    QAction* quit = addItem(file_, QStringLiteral("quit"), QKeySequence(QKeySequence::Quit));
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

void TarnveilCommands::makeEditMenu()
{
    edit_ = addMenu(QString());
    edit_->setObjectName(QStringLiteral("editMenu"));
    connect(addItem(edit_, QStringLiteral("undo"), QKeySequence(Qt::CTRL | Qt::Key_Z)), &QAction::triggered, this,
            [this] { model_.undo(); });
    connect(addItem(edit_, QStringLiteral("redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)),
            &QAction::triggered, this, [this] { model_.redo(); });
    edit_->addSeparator();
    connect(addItem(edit_, QStringLiteral("copyRedacted"), QKeySequence(Qt::CTRL | Qt::Key_C)), &QAction::triggered,
            this, [this] { model_.copyRedacted(); });
    connect(addItem(edit_, QStringLiteral("selectAllRegions"), QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, this, [this] { model_.selectAll(); });
    QAction* remove = addItem(edit_, QStringLiteral("deleteSelected"), QKeySequence(Qt::CTRL | Qt::Key_Backspace));
    // Plain Delete too; the canvas claims it for itself while it has the focus.
    remove->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Backspace), QKeySequence(Qt::Key_Delete)});
    connect(remove, &QAction::triggered, this, [this] { model_.deleteSelected(); });
}

void TarnveilCommands::makeRedactMenu()
{
    redact_ = addMenu(QString());
    redact_->setObjectName(QStringLiteral("redactMenu"));
    connect(addItem(redact_, QStringLiteral("exportToDesktop"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)),
            &QAction::triggered, this, [this] { model_.exportToDesktopAndCopy(); });
    redact_->addSeparator();
    chromeScrub_ = redact_->addMenu(QString());
    chromeScrub_->setObjectName(QStringLiteral("chromeScrubSubmenu"));
    chromeScrub_->menuAction()->setObjectName(QStringLiteral("chromeScrub"));
    for (const ChromeScrub kind : allChromeScrubs()) {
        QAction* scrub = chromeScrub_->addAction(title(kind));
        scrub->setObjectName(objectNameOf(kind));
        connect(scrub, &QAction::triggered, this, [this, kind] { model_.addChromeScrub(kind); });
    }
    redact_->addSeparator();
    connect(addItem(redact_, QStringLiteral("toggleInspector"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I)),
            &QAction::triggered, this, [this] { model_.setInspectorVisible(!model_.inspectorVisible()); });
    connect(addItem(redact_, QStringLiteral("fitToWindow"), QKeySequence(Qt::CTRL | Qt::Key_0)), &QAction::triggered,
            this, [this] { model_.requestFit(); });
}

void TarnveilCommands::makeSessionMenu()
{
    session_ = addMenu(QString());
    session_->setObjectName(QStringLiteral("sessionMenu"));
    connect(addItem(session_, QStringLiteral("newSession"), QKeySequence()), &QAction::triggered, this,
            &TarnveilCommands::startNewSession);
    // Posted, so that the menu closes before the save dialog opens.
    connect(addItem(session_, QStringLiteral("exportMapping"), QKeySequence()), &QAction::triggered, this,
            [this] { QTimer::singleShot(0, &model_, [model = &model_] { model->exportMapping(); }); });
}

void TarnveilCommands::makeHelpMenu()
{
    help_ = addMenu(QString());
    help_->setObjectName(QStringLiteral("helpMenu"));
    QAction* about = addItem(help_, QStringLiteral("about"), QKeySequence());
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, [this] { model_.setShowAbout(true); });
}

void TarnveilCommands::openImage()
{
    const QString file = QFileDialog::getOpenFileName(
        window(), tr("Open Image"), QString(), tr("Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)"));
    if (!file.isEmpty()) {
        AppDelegate::openFiles(model_, {file});
    }
}

void TarnveilCommands::startNewSession()
{
    // Ignored without a word while a scan or an export runs.
    if (model_.isProcessing() || model_.isExporting()) {
        return;
    }
    QTimer::singleShot(0, &model_, [model = &model_] { model->newSession(); });
}

void TarnveilCommands::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QMenuBar::changeEvent(event);
}

void TarnveilCommands::retranslate()
{
    file_->setTitle(tr("&File"));
    item(QStringLiteral("openImage"))->setText(tr("Open Image…"));
    item(QStringLiteral("captureScreenshot"))->setText(tr("Capture Screenshot"));
    item(QStringLiteral("pasteScreenshot"))->setText(tr("Paste Screenshot"));
    item(QStringLiteral("exportToDesktop"))->setText(tr("Export to Desktop && Copy"));
    item(QStringLiteral("quit"))->setText(tr("Quit"));
    edit_->setTitle(tr("&Edit"));
    item(QStringLiteral("undo"))->setText(tr("Undo"));
    item(QStringLiteral("redo"))->setText(tr("Redo"));
    item(QStringLiteral("copyRedacted"))->setText(tr("Copy Redacted"));
    item(QStringLiteral("selectAllRegions"))->setText(tr("Select All Regions"));
    item(QStringLiteral("deleteSelected"))->setText(tr("Delete Selected"));
    redact_->setTitle(tr("&Redact"));
    chromeScrub_->setTitle(tr("Chrome Scrub"));
    for (const ChromeScrub kind : allChromeScrubs()) {
        item(objectNameOf(kind))->setText(title(kind));
    }
    item(QStringLiteral("fitToWindow"))->setText(tr("Fit to Window"));
    session_->setTitle(tr("&Session"));
    item(QStringLiteral("newSession"))->setText(tr("New Session"));
    item(QStringLiteral("exportMapping"))->setText(tr("Export Mapping…"));
    help_->setTitle(tr("&Help"));
    item(QStringLiteral("about"))->setText(tr("About Tarnveil"));
    refreshInspector();
}

void TarnveilCommands::refreshImage()
{
    const bool hasImage = model_.image().has_value();
    for (const char* name : {"exportToDesktop", "copyRedacted", "selectAllRegions", "chromeScrub", "fitToWindow"}) {
        item(QString::fromUtf8(name))->setEnabled(hasImage);
    }
}

void TarnveilCommands::refreshSelection()
{
    item(QStringLiteral("deleteSelected"))->setEnabled(!model_.selection().empty());
}

void TarnveilCommands::refreshInspector()
{
    item(QStringLiteral("toggleInspector"))
        ->setText(model_.inspectorVisible() ? tr("Hide Inspector") : tr("Show Inspector"));
}

} // namespace tarnveil
