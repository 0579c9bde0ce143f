#include "window/EditorToolBar.h"

#include <algorithm>

#include <QActionGroup>
#include <QComboBox>
#include <QEvent>
#include <QMenu>
#include <QToolButton>

#include "editor/EditorModel.h"
#include "window/BurnButton.h"
#include "window/MenuToolButton.h"
#include "window/SymbolIcons.h"

namespace tarnveil {

namespace {

constexpr int iconSide = 18;

const char* chromeScrubSymbol(ChromeScrub kind)
{
    switch (kind) {
    case ChromeScrub::menuBar:
        return "menubar.rectangle";
    case ChromeScrub::dock:
        return "dock.rectangle";
    case ChromeScrub::browserBar:
        return "macwindow";
    case ChromeScrub::terminalTitle:
        break;
    }
    return "text.and.command.macwindow";
}

QString themeTitle(AppTheme theme)
{
    switch (theme) {
    case AppTheme::daylight:
        //: Name of a light colour theme.
        return EditorToolBar::tr("Daylight");
    case AppTheme::hacker:
        //: Name of a green-on-black terminal-style colour theme.
        return EditorToolBar::tr("Hacker");
    case AppTheme::midnight:
        break;
    }
    //: Name of a dark colour theme.
    return EditorToolBar::tr("Midnight");
}

} // namespace

EditorToolBar::EditorToolBar(EditorModel& model, QWidget* parent) : QToolBar(parent), model_(model)
{
    setObjectName(QStringLiteral("editorToolBar"));
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setIconSize(QSize(iconSide, iconSide));
    setToolButtonStyle(Qt::ToolButtonIconOnly);

    capture_ = addButton("camera.viewfinder", QStringLiteral("capture"), true);
    connect(capture_, &QAction::triggered, this, &EditorToolBar::captureRequested);
    paste_ = addButton("doc.on.clipboard", QStringLiteral("paste"), true);
    connect(paste_, &QAction::triggered, this, [this] { model_.paste(); });

    makeProfilePicker();
    makeChromeScrubMenu();
    addSeparator();

    zoomOut_ = addButton("minus.magnifyingglass", QStringLiteral("zoomOut"), false);
    connect(zoomOut_, &QAction::triggered, this,
            [this] { model_.setZoom(std::max(model_.zoom() / zoomStep, minimumZoom)); });
    fit_ = addButton("arrow.up.left.and.down.right.magnifyingglass", QStringLiteral("fit"), false);
    connect(fit_, &QAction::triggered, this, [this] { model_.requestFit(); });
    zoomIn_ = addButton("plus.magnifyingglass", QStringLiteral("zoomIn"), false);
    connect(zoomIn_, &QAction::triggered, this,
            [this] { model_.setZoom(std::min(model_.zoom() * zoomStep, maximumZoom)); });
    addSeparator();

    burn_ = new BurnButton(this);
    burn_->setObjectName(QStringLiteral("burn"));
    connect(burn_, &QAbstractButton::clicked, this, [this] { model_.exportToDesktopAndCopy(); });
    addWidget(burn_);

    makeAppearanceMenu();
    inspector_ = addButton("sidebar.right", QStringLiteral("toggleInspector"), false);
    inspector_->setCheckable(true);
    connect(inspector_, &QAction::triggered, this,
            [this] { model_.setInspectorVisible(!model_.inspectorVisible()); });

    connect(&model_, &EditorModel::imageChanged, this, &EditorToolBar::refreshImage);
    connect(&model_, &EditorModel::activeProfileChanged, this, &EditorToolBar::refreshProfile);
    connect(&model_, &EditorModel::themeChanged, this, &EditorToolBar::refreshTheme);
    connect(&model_, &EditorModel::inspectorVisibleChanged, this, &EditorToolBar::refreshInspector);

    retranslate();
    refreshImage();
    refreshProfile();
    refreshTheme();
    refreshInspector();
}

QAction* EditorToolBar::addButton(const char* symbol, const QString& objectName, bool showsText)
{
    QAction* action = addAction(SymbolIcons::icon(symbol), QString());
    action->setObjectName(objectName);
    if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action))) {
        button->setObjectName(objectName + QStringLiteral("Button"));
        if (showsText) {
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
    }
    return action;
}

void EditorToolBar::makeProfilePicker()
{
    profile_ = new QComboBox(this);
    profile_->setObjectName(QStringLiteral("profilePicker"));
    profile_->setFixedWidth(profilePickerWidth);
    profile_->setFocusPolicy(Qt::TabFocus);
    for (const Profile& builtin : Profile::builtins()) {
        profile_->addItem(QString::fromStdString(builtin.name), QString::fromStdString(builtin.id));
    }
    connect(profile_, &QComboBox::activated, this, &EditorToolBar::profileChosen);
    addWidget(profile_);
}

void EditorToolBar::makeChromeScrubMenu()
{
    chromeScrubMenu_ = new QMenu(this);
    chromeScrubMenu_->setObjectName(QStringLiteral("chromeScrubMenu"));
    for (const ChromeScrub kind : allChromeScrubs()) {
        QAction* item = chromeScrubMenu_->addAction(SymbolIcons::icon(chromeScrubSymbol(kind)), title(kind));
        item->setObjectName(QString::fromUtf8(identifier(kind).data(), qsizetype(identifier(kind).size())));
        connect(item, &QAction::triggered, this, [this, kind] { model_.addChromeScrub(kind); });
    }
    chromeScrub_ = new MenuToolButton(this);
    chromeScrub_->setObjectName(QStringLiteral("chromeScrub"));
    chromeScrub_->setMenu(chromeScrubMenu_);
    chromeScrub_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addWidget(chromeScrub_);
}

void EditorToolBar::makeAppearanceMenu()
{
    appearanceMenu_ = new QMenu(this);
    appearanceMenu_->setObjectName(QStringLiteral("appearanceMenu"));
    themeSection_ = appearanceMenu_->addSection(QString());
    themes_ = new QActionGroup(this);
    themes_->setExclusive(true);
    for (const AppTheme theme : allAppThemes()) {
        QAction* item = appearanceMenu_->addAction(themeTitle(theme));
        item->setObjectName(QString::fromUtf8(identifier(theme).data(), qsizetype(identifier(theme).size())));
        item->setCheckable(true);
        item->setData(int(theme));
        themes_->addAction(item);
        connect(item, &QAction::triggered, this, [this, theme] { model_.setTheme(theme); });
    }
    appearance_ = new MenuToolButton(this);
    appearance_->setObjectName(QStringLiteral("appearance"));
    appearance_->setIcon(SymbolIcons::icon("circle.lefthalf.filled"));
    appearance_->setIconSize(iconSize());
    appearance_->setMenu(appearanceMenu_);
    addWidget(appearance_);
}

void EditorToolBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QToolBar::changeEvent(event);
}

void EditorToolBar::retranslate()
{
    setWindowTitle(tr("Toolbar"));
    capture_->setText(tr("Capture"));
    capture_->setToolTip(tr("Capture a region of the screen (Ctrl+Shift+2)"));
    paste_->setText(tr("Paste"));
    paste_->setToolTip(tr("Paste screenshot and run the pipeline (Ctrl+V)"));
    profile_->setAccessibleName(tr("Profile"));
    chromeScrub_->setText(tr("Chrome Scrub"));
    chromeScrub_->setAccessibleName(tr("Chrome Scrub"));
    chromeScrub_->setToolTip(tr("Add a heuristic strip over UI chrome"));
    const QList<QAction*> scrubItems = chromeScrubMenu_->actions();
    for (std::size_t index = 0; index < allChromeScrubs().size() && qsizetype(index) < scrubItems.size(); ++index) {
        scrubItems[qsizetype(index)]->setText(title(allChromeScrubs()[index]));
    }
    zoomOut_->setText(tr("Zoom Out"));
    fit_->setText(tr("Fit"));
    fit_->setToolTip(tr("Fit (Ctrl+0)"));
    zoomIn_->setText(tr("Zoom In"));
    burn_->setText(tr("BURN"));
    burn_->setAccessibleName(tr("Burn and export"));
    burn_->setToolTip(tr("Burn the redactions into the pixels and export (Ctrl+Shift+E)"));
    appearance_->setAccessibleName(tr("Appearance"));
    appearance_->setToolTip(tr("Appearance"));
    themeSection_->setText(tr("Theme"));
    for (QAction* item : themes_->actions()) {
        item->setText(themeTitle(AppTheme(item->data().toInt())));
    }
    inspector_->setText(tr("Toggle Inspector"));
    inspector_->setToolTip(tr("Toggle inspector (Ctrl+Alt+I)"));
    if (auto* button = widgetForAction(inspector_)) {
        button->setAccessibleName(tr("Toggle Inspector"));
    }
}

void EditorToolBar::refreshImage()
{
    const bool hasImage = model_.image().has_value();
    chromeScrub_->setEnabled(hasImage);
    zoomOut_->setEnabled(hasImage);
    fit_->setEnabled(hasImage);
    zoomIn_->setEnabled(hasImage);
    burn_->setEnabled(hasImage);
}

void EditorToolBar::refreshProfile()
{
    const int index = profile_->findData(QString::fromStdString(model_.activeProfile().id));
    if (index >= 0 && index != profile_->currentIndex()) {
        profile_->setCurrentIndex(index);
    }
}

void EditorToolBar::refreshTheme()
{
    for (QAction* item : themes_->actions()) {
        item->setChecked(AppTheme(item->data().toInt()) == model_.theme());
    }
}

void EditorToolBar::refreshInspector()
{
    inspector_->setChecked(model_.inspectorVisible());
}

void EditorToolBar::profileChosen(int index)
{
    const std::vector<Profile> builtins = Profile::builtins();
    const QString id = profile_->itemData(index).toString();
    const auto chosen = std::find_if(builtins.begin(), builtins.end(),
                                     [&](const Profile& profile) { return QString::fromStdString(profile.id) == id; });
    if (chosen == builtins.end()) {
        return;
    }
    model_.setActiveProfile(*chosen);
    model_.reprocessWithActiveProfile();
}

} // namespace tarnveil
