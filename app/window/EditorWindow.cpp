#include "window/EditorWindow.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "canvas/RedactionCanvas.h"
#include "editor/EditorModel.h"
#include "editor/EditorPlatform.h"
#include "window/DroppedImage.h"
#include "window/TarnveilCommands.h"
#include "window/EditorToolBar.h"
#include "window/EmptyStateView.h"
#include "window/InspectorView.h"
#include "window/RegionListView.h"
#include "window/RegionTreeView.h"
#include "window/StatusBarView.h"
#include "window/ThemePalette.h"
#include "window/UnsafeStylePrompt.h"

namespace tarnveil {

namespace {

bool carriesSomething(const QMimeData* content)
{
    return content != nullptr && !content->formats().isEmpty();
}

bool isCanvasKey(const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    switch (key.key()) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_Space:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return true;
    default:
        return false;
    }
}

} // namespace

EditorWindow::EditorWindow(EditorModel& model, QWidget* parent) : QMainWindow(parent), model_(model)
{
    setObjectName(QStringLiteral("editorWindow"));
    setWindowTitle(QStringLiteral("Tarnveil"));
    resize(defaultWidth, defaultHeight);
    setMinimumSize(minimumWidth, minimumHeight);
    setAcceptDrops(true);
    setContextMenuPolicy(Qt::NoContextMenu);

    menuBar_ = new TarnveilCommands(model_, this);
    connect(menuBar_, &TarnveilCommands::captureRequested, this, &EditorWindow::captureRequested);
    setMenuBar(menuBar_);

    toolBar_ = new EditorToolBar(model_, this);
    connect(toolBar_, &EditorToolBar::captureRequested, this, &EditorWindow::captureRequested);
    addToolBar(Qt::TopToolBarArea, toolBar_);

    columns_ = new QSplitter(Qt::Horizontal, this);
    columns_->setObjectName(QStringLiteral("columns"));
    columns_->setChildrenCollapsible(false);
    columns_->setHandleWidth(1);

    regionList_ = new RegionListView(model_, columns_);
    regionList_->setMinimumWidth(sidebarMinimumWidth);
    regionList_->setMaximumWidth(sidebarMaximumWidth);
    columns_->addWidget(regionList_);
    columns_->addWidget(makeCanvasArea());
    inspector_ = new InspectorView(model_, columns_);
    inspector_->setMinimumWidth(inspectorMinimumWidth);
    inspector_->setMaximumWidth(inspectorMaximumWidth);
    columns_->addWidget(inspector_);
    columns_->setStretchFactor(0, 0);
    columns_->setStretchFactor(1, 1);
    columns_->setStretchFactor(2, 0);
    columns_->setSizes({sidebarIdealWidth, defaultWidth - sidebarIdealWidth - inspectorIdealWidth, inspectorIdealWidth});
    setCentralWidget(columns_);

    unsafeStylePrompt_ = new UnsafeStylePrompt(model_, this);
    regionList_->tree()->installEventFilter(this);

    connect(&model_, &EditorModel::themeChanged, this, &EditorWindow::applyTheme);
    connect(&model_, &EditorModel::imageChanged, this, &EditorWindow::refreshImage);
    connect(&model_, &EditorModel::inspectorVisibleChanged, this, &EditorWindow::refreshInspectorVisibility);
    applyTheme();
    refreshImage();
    refreshInspectorVisibility();
}

QWidget* EditorWindow::makeCanvasArea()
{
    auto* area = new QWidget(columns_);
    area->setObjectName(QStringLiteral("canvasArea"));
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    canvasStack_ = new QStackedWidget(area);
    emptyState_ = new EmptyStateView(canvasStack_);
    emptyState_->setReduceMotion(model_.platform().reduceMotion());
    canvas_ = new RedactionCanvas(model_, canvasStack_);
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvasStack_->addWidget(emptyState_);
    canvasStack_->addWidget(canvas_);
    column->addWidget(canvasStack_, 1);
    statusBar_ = new StatusBarView(model_, area);
    column->addWidget(statusBar_);
    return area;
}

bool EditorWindow::showsCanvas() const
{
    return canvasStack_->currentWidget() == canvas_;
}

void EditorWindow::applyTheme()
{
    const QPalette palette = ThemePalette::of(model_.theme());
    // Menus, the profile list and dialogs are windows of their own: the application palette
    // reaches them, a window palette would not.
    QApplication::setPalette(palette);
    setPalette(palette);
    emptyState_->setTheme(model_.theme());
}

void EditorWindow::refreshImage()
{
    const bool hasImage = model_.image().has_value();
    canvasStack_->setCurrentWidget(hasImage ? static_cast<QWidget*>(canvas_) : emptyState_);
    if (hasImage) {
        canvas_->setFocus(Qt::OtherFocusReason);
    }
}

void EditorWindow::refreshInspectorVisibility()
{
    inspector_->setVisible(model_.inspectorVisible());
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == regionList_->tree() && forwardCanvasKey(event)) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool EditorWindow::forwardCanvasKey(QEvent* event)
{
    QWidget* target = canvas_->focusProxy() != nullptr ? canvas_->focusProxy() : canvas_;
    if (event->type() == QEvent::FocusOut && spaceForwarded_) {
        // The release of Space will go elsewhere: end the preview now.
        spaceForwarded_ = false;
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(target, &release);
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!showsCanvas() || !isCanvasKey(*key)) {
        return false;
    }
    if (key->key() == Qt::Key_Space && !key->isAutoRepeat()) {
        spaceForwarded_ = key->type() == QEvent::KeyPress;
    }
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(),
                   key->nativeModifiers(), key->text(), key->isAutoRepeat(), quint16(key->count()));
    QCoreApplication::sendEvent(target, &copy);
    return true;
}

void EditorWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (carriesSomething(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void EditorWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (carriesSomething(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void EditorWindow::dropEvent(QDropEvent* event)
{
    if (!carriesSomething(event->mimeData())) {
        return;
    }
    event->acceptProposedAction();
    if (std::optional<DroppedImage> dropped = DroppedImage::read(event->mimeData())) {
        model_.load(dropped->image, EditorModel::defaultImageScale, dropped->path);
    }
}

} // namespace tarnveil
