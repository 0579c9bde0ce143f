#include "canvas/CanvasView.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "editor/AppColors.h"
#include "canvas/CanvasEffectsPainter.h"
#include "canvas/CanvasGeometry.h"
#include "canvas/DirtyTiles.h"
#include "canvas/RegionOverlayPainter.h"
#include "editor/EditorModel.h"
#include "editor/EditorPlatform.h"

namespace tarnveil {

namespace {

/// How long after the last pinch or wheel step the scaled image is rebuilt.
constexpr int zoomSettleMilliseconds = 150;
/// Above this share of the visible area, a tick repaints the visible area as one rectangle.
constexpr double wholeAreaShare = 0.5;
/// The grid on which a tick collects the outlines it repaints.
constexpr int dirtyTileSize = 16;

QSizeF imageSizeOf(const EditorModel& model)
{
    return model.image() ? QSizeF(model.image()->size()) : QSizeF();
}

/// The region's view rectangle contains the point (left and top edges inside, right and
/// bottom outside).
bool containsPoint(const QRectF& rect, QPointF point)
{
    return point.x() >= rect.left() && point.x() < rect.right() && point.y() >= rect.top() &&
           point.y() < rect.bottom();
}

} // namespace

CanvasView::CanvasView(EditorModel& model, QWidget* parent) : QWidget(parent), model_(model), clock_(monotonicClock())
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents, false);

    animationTimer_.setInterval(animationIntervalMilliseconds);
    connect(&animationTimer_, &QTimer::timeout, this, &CanvasView::tickAnimation);
    motionTimer_.setInterval(motionIntervalMilliseconds);
    connect(&motionTimer_, &QTimer::timeout, this, &CanvasView::stepMotion);
    zoomSettleTimer_.setSingleShot(true);
    zoomSettleTimer_.setInterval(zoomSettleMilliseconds);
    connect(&zoomSettleTimer_, &QTimer::timeout, this, [this] {
        zoomGestureActive_ = false;
        update();
    });

    connect(&model_, &EditorModel::imageChanged, this, &CanvasView::imageChanged);
    connect(&model_, &EditorModel::regionsChanged, this, &CanvasView::regionsChanged);
    connect(&model_, &EditorModel::selectionChanged, this, qOverload<>(&QWidget::update));
    connect(&model_, &EditorModel::themeChanged, this, qOverload<>(&QWidget::update));
    connect(&model_, &EditorModel::isProcessingChanged, this, qOverload<>(&QWidget::update));
    connect(&model_, &EditorModel::zoomChanged, this, qOverload<>(&QWidget::update));
    shownOverlays_ = overlayKeys(model_.regions());
}

CanvasView::~CanvasView()
{
    // The widget base outlives this part: no model signal may reach the view from here on.
    disconnect(&model_, nullptr, this, nullptr);
    // An export waits for its sweep: when the view goes away in the middle of one, the
    // export still runs rather than leaving the model exporting for ever. It runs once the
    // views around this one are gone too, from the event loop.
    if (std::function<void()> completion = std::exchange(sweepCompletion_, nullptr)) {
        QTimer::singleShot(0, QCoreApplication::instance(), std::move(completion));
    }
}

void CanvasView::setClock(CanvasClock clock)
{
    clock_ = std::move(clock);
}

void CanvasView::refreshReduceMotion()
{
    motionReduced_ = model_.platform().reduceMotion();
}

// Geometry.

QRectF CanvasView::imageDrawRect() const
{
    return CanvasGeometry::drawRect(QSizeF(size()), imageSizeOf(model_), model_.zoom(), devicePixelRatioF());
}

QPointF CanvasView::viewToImage(QPointF view) const
{
    return CanvasGeometry::viewToImage(view, imageDrawRect(), model_.zoom());
}

QPointF CanvasView::imageToView(QPointF image) const
{
    return CanvasGeometry::imageToView(image, imageDrawRect(), model_.zoom());
}

QRectF CanvasView::viewRect(const Rect& image) const
{
    return CanvasGeometry::imageRectToView(image, imageDrawRect(), model_.zoom());
}

// Model changes.

void CanvasView::imageChanged()
{
    // A gesture on the previous image ends with it; the model has dropped its snapshot.
    mode_ = CanvasMode::idle();
    dragOrigins_.clear();
    draftRect_.reset();
    imageCache_.clear();
    burnedCache_.clear();
    refreshReduceMotion();
    shownOverlays_ = overlayKeys(model_.regions());
    update();
}

std::vector<CanvasView::OverlayKey> CanvasView::overlayKeys(const std::vector<RedactionRegion>& regions)
{
    std::vector<OverlayKey> keys;
    keys.reserve(regions.size());
    for (const RedactionRegion& region : regions) {
        keys.push_back(OverlayKey{region.id, region.rect, region.isProtected, region.severity});
    }
    return keys;
}

void CanvasView::regionsChanged()
{
    std::vector<OverlayKey> keys = overlayKeys(model_.regions());
    const bool burnedShown = burnProgress_ > 0 || sweepProgress_ >= 0;
    bool whole = burnedShown || keys.size() != shownOverlays_.size();
    QRegion dirty;
    for (std::size_t i = 0; !whole && i < keys.size(); ++i) {
        if (keys[i].id != shownOverlays_[i].id) {
            whole = true;
        } else if (!(keys[i] == shownOverlays_[i])) {
            dirty += outerArea(viewRect(shownOverlays_[i].rect));
            dirty += outerArea(viewRect(keys[i].rect));
        }
    }
    shownOverlays_ = std::move(keys);
    if (whole) {
        update();
    } else if (!dirty.isEmpty()) {
        update(dirty);
    }
}

// Gestures.

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (mode_.kind != CanvasMode::Kind::none) {
        // The release of the previous gesture never arrived (the grab was taken away).
        endGesture();
    }
    if (!model_.image()) {
        return;
    }
    beginGesture(event->position(), event->modifiers());
}

void CanvasView::beginGesture(QPointF point, Qt::KeyboardModifiers modifiers)
{
    dragStartImage_ = viewToImage(point);
    if (beginResize(point) || beginMove(point, modifiers.testFlag(Qt::ShiftModifier))) {
        return;
    }
    model_.clearSelection();
    // Ctrl + Alt counts as Alt: some window managers take Alt + drag for themselves.
    mode_ = CanvasMode::drawing(modifiers.testFlag(Qt::AltModifier));
    draftRect_ = QRectF(point, QSizeF(0, 0));
}

bool CanvasView::beginResize(QPointF point)
{
    if (model_.selection().size() != 1) {
        return false;
    }
    const std::optional<RedactionRegion> selected = model_.region(*model_.selection().begin());
    if (!selected) {
        return false;
    }
    const std::optional<CanvasHandle> handle = hitHandle(viewRect(selected->rect), point);
    if (!handle) {
        return false;
    }
    model_.beginInteraction();
    mode_ = CanvasMode::resizing(*handle);
    dragOrigins_ = {{selected->id, selected->rect}};
    return true;
}

bool CanvasView::beginMove(QPointF point, bool additive)
{
    const std::vector<RedactionRegion>& regions = model_.regions();
    const auto hit = std::find_if(regions.rbegin(), regions.rend(), [&](const RedactionRegion& region) {
        return containsPoint(viewRect(region.rect), point);
    });
    if (hit == regions.rend()) {
        return false;
    }
    if (!model_.selection().contains(hit->id)) {
        model_.select(hit->id, additive);
    }
    model_.beginInteraction();
    mode_ = CanvasMode::moving();
    dragOrigins_.clear();
    for (const RedactionRegion& region : model_.regions()) {
        if (model_.selection().contains(region.id)) {
            dragOrigins_.emplace(region.id, region.rect);
        }
    }
    return true;
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (mode_.kind == CanvasMode::Kind::none) {
        return;
    }
    const QPointF point = event->position();
    const QPointF delta = viewToImage(point) - dragStartImage_;
    switch (mode_.kind) {
    case CanvasMode::Kind::draw:
        dragDraft(point);
        break;
    case CanvasMode::Kind::move:
        dragMove(delta);
        break;
    case CanvasMode::Kind::resize:
        dragResize(delta);
        break;
    case CanvasMode::Kind::none:
        break;
    }
}

void CanvasView::dragDraft(QPointF point)
{
    const std::optional<QRectF> before = draftRect_;
    draftRect_ = CanvasGeometry::spannedView(imageToView(dragStartImage_), point);
    updateDraft(before);
}

void CanvasView::dragMove(QPointF delta)
{
    for (const auto& [id, origin] : dragOrigins_) {
        std::optional<RedactionRegion> region = model_.region(id);
        if (!region) {
            continue;
        }
        region->rect = Rect{origin.x + delta.x(), origin.y + delta.y(), origin.width, origin.height};
        model_.updateRegionDuringInteraction(*region);
    }
}

void CanvasView::dragResize(QPointF delta)
{
    if (dragOrigins_.empty()) {
        return;
    }
    const auto& [id, origin] = *dragOrigins_.begin();
    std::optional<RedactionRegion> region = model_.region(id);
    if (!region) {
        return;
    }
    region->rect = resizedRect(origin, mode_.handle, delta.x(), delta.y());
    model_.updateRegionDuringInteraction(*region);
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    endGesture();
}

void CanvasView::endGesture()
{
    switch (mode_.kind) {
    case CanvasMode::Kind::draw:
        finishDraw();
        break;
    case CanvasMode::Kind::move:
    case CanvasMode::Kind::resize:
        model_.endInteraction();
        break;
    case CanvasMode::Kind::none:
        break;
    }
    mode_ = CanvasMode::idle();
    dragOrigins_.clear();
}

void CanvasView::finishDraw()
{
    const std::optional<QRectF> draft = std::exchange(draftRect_, std::nullopt);
    updateDraft(draft);
    if (!draft || !(draft->width() > minimumDraw && draft->height() > minimumDraw)) {
        return;
    }
    // A rectangle drawn past the image's edge covers what lies on the image; one drawn beside
    // the image adds nothing.
    const auto rect =
        model_.partOnImage(CanvasGeometry::spanned(viewToImage(draft->topLeft()), viewToImage(draft->bottomRight())));
    if (!rect) {
        return;
    }
    const bool protect = mode_.protect;
    const RedactionStyle style =
        protect ? RedactionStyle::solid(FillColor::black) : model_.activeProfile().style.redactionStyle();
    model_.addRegion(RedactionRegion(RegionID::generate(), *rect, style, std::nullopt, std::nullopt, std::nullopt,
                                     std::nullopt, protect));
}

// Keys.

bool CanvasView::isCanvasKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
        // Main-row digits only, and only on their own.
        return !(event.modifiers() & (Qt::KeypadModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    case Qt::Key_Space:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

void CanvasView::keyPressEvent(QKeyEvent* event)
{
    if (!isCanvasKey(*event)) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4: {
        static const RedactionStyle styles[] = {RedactionStyle::solid(FillColor::black),
                                                RedactionStyle::labeled(FillColor::black), RedactionStyle::blur(),
                                                RedactionStyle::pixelate()};
        model_.setStyleForSelection(styles[event->key() - Qt::Key_1]);
        event->accept();
        return;
    }
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            spaceHeld_ = true;
            model_.setPreviewBurned(true);
        }
        event->accept();
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        model_.deleteSelected();
        event->accept();
        return;
    default:
        event->ignore();
        return;
    }
}

void CanvasView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) {
        event->ignore();
        return;
    }
    if (!event->isAutoRepeat()) {
        spaceHeld_ = false;
        model_.setPreviewBurned(false);
    }
    event->accept();
}

void CanvasView::focusOutEvent(QFocusEvent* event)
{
    // The release of Space goes to whoever has the focus then: end the preview now.
    if (spaceHeld_) {
        spaceHeld_ = false;
        model_.setPreviewBurned(false);
    }
    QWidget::focusOutEvent(event);
}

// Zoom gestures.

bool CanvasView::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && isCanvasKey(*static_cast<QKeyEvent*>(event))) {
        // The canvas's own keys reach the canvas even when a window shortcut uses them too.
        event->accept();
        return true;
    }
    if (event->type() == QEvent::NativeGesture) {
        auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            requestZoom(CanvasGeometry::pinchZoom(model_.zoom(), gesture->value()), gesture->position());
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void CanvasView::wheelEvent(QWheelEvent* event)
{
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        // Plain wheel: the scroll area scrolls.
        event->ignore();
        return;
    }
    event->accept();
    const double delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta == 0) {
        return;
    }
    requestZoom(CanvasGeometry::wheelZoom(model_.zoom(), delta), event->position());
}

void CanvasView::requestZoom(double zoom, QPointF viewPoint)
{
    zoomGestureActive_ = true;
    zoomSettleTimer_.start();
    emit zoomRequested(zoom, viewPoint);
}

// Animation.

void CanvasView::showEvent(QShowEvent* event)
{
    refreshReduceMotion();
    if (!animationTimer_.isActive()) {
        animationTimer_.start();
    }
    QWidget::showEvent(event);
}

void CanvasView::hideEvent(QHideEvent* event)
{
    animationTimer_.stop();
    QWidget::hideEvent(event);
}

QRect CanvasView::visibleArea() const
{
    const QWidget* port = parentWidget();
    if (!port) {
        return rect();
    }
    return rect().intersected(QRect(mapFrom(port, QPoint(0, 0)), port->size()));
}

QRect CanvasView::outerArea(const QRectF& rect) const
{
    const double reach = RegionOverlayPainter::outerReach;
    return rect.adjusted(-reach, -reach, reach, reach).toAlignedRect();
}

void CanvasView::addMarchingOutline(DirtyTiles& dirty, const QRectF& rect) const
{
    const double d = RegionOverlayPainter::dashReach;
    if (rect.width() <= 4 * d || rect.height() <= 4 * d) {
        dirty.add(rect.adjusted(-d, -d, d, d).toAlignedRect());
        return;
    }
    // Only the dashes move: four strips along the edges, not the inside.
    dirty.add(QRectF(rect.left() - d, rect.top() - d, rect.width() + 2 * d, 2 * d).toAlignedRect());
    dirty.add(QRectF(rect.left() - d, rect.bottom() - d, rect.width() + 2 * d, 2 * d).toAlignedRect());
    dirty.add(QRectF(rect.left() - d, rect.top() + d, 2 * d, rect.height() - 2 * d).toAlignedRect());
    dirty.add(QRectF(rect.right() - d, rect.top() + d, 2 * d, rect.height() - 2 * d).toAlignedRect());
}

void CanvasView::tickAnimation()
{
    lastAnimationDirty_ = QRegion();
    if (motionReduced_ || !model_.image()) {
        // Nothing moves: the outlines stand still and the scan line stays where it is.
        return;
    }
    dashPhase_ = std::fmod(dashPhase_ + dashStep, dashPeriod);
    const QRect visible = visibleArea();
    const QRectF drawRect = imageDrawRect();
    DirtyTiles dirty(visible, dirtyTileSize);
    if (model_.isProcessing()) {
        const double before = scanPhase_;
        scanPhase_ = std::fmod(scanPhase_ + scanStep, 1.0);
        dirty.add(CanvasEffectsPainter::scanLineArea(drawRect, before).toAlignedRect());
        dirty.add(CanvasEffectsPainter::scanLineArea(drawRect, scanPhase_).toAlignedRect());
    }
    if (!model_.regions().empty() && burnProgress_ < 1) {
        for (const RedactionRegion& region : model_.regions()) {
            if (RegionOverlayPainter::marches(region)) {
                addMarchingOutline(dirty, viewRect(region.rect));
            }
        }
    }
    if (dirty.isEmpty()) {
        return;
    }
    lastAnimationDirty_ = dirty.coveredShare() > wholeAreaShare ? QRegion(visible) : dirty.region();
    update(lastAnimationDirty_);
}

void CanvasView::ensureMotionTimer()
{
    if (!motionTimer_.isActive()) {
        motionTimer_.start();
    }
}

void CanvasView::stopMotionIfIdle()
{
    if (!fade_ && !sweep_ && !lingerUntil_) {
        motionTimer_.stop();
    }
}

void CanvasView::setBurnPreview(bool on)
{
    fade_.reset();
    const double target = on ? 1.0 : 0.0;
    if (motionReduced_) {
        burnProgress_ = target;
        update();
        stopMotionIfIdle();
        return;
    }
    fade_ = BurnFade(burnProgress_, target, now());
    ensureMotionTimer();
}

void CanvasView::startBurnSweep(double duration, std::function<void()> completion)
{
    sweep_.reset();
    fade_.reset();
    lingerUntil_.reset();
    sweepCompletion_ = nullptr;
    if (!(duration > 0)) {
        sweepProgress_ = -1.0;
        burnProgress_ = 0;
        update();
        stopMotionIfIdle();
        if (completion) {
            completion();
        }
        return;
    }
    sweepProgress_ = 0;
    sweep_ = BurnSweep(now(), duration);
    sweepCompletion_ = std::move(completion);
    update();
    ensureMotionTimer();
}

void CanvasView::stepMotion()
{
    const double time = now();
    if (fade_) {
        stepFade(time);
    }
    if (sweep_) {
        stepSweep(time);
    }
    if (lingerUntil_ && now() >= *lingerUntil_) {
        lingerUntil_.reset();
        setBurnPreview(false);
    }
    stopMotionIfIdle();
}

void CanvasView::stepFade(double time)
{
    burnProgress_ = fade_->value(time);
    if (fade_->finished(time)) {
        fade_.reset();
    }
    update();
}

void CanvasView::stepSweep(double time)
{
    sweepProgress_ = sweep_->progress(time);
    update();
    if (!sweep_->finished(time)) {
        return;
    }
    sweep_.reset();
    sweepProgress_ = -1.0;
    burnProgress_ = 1;
    // The export may ask questions in a nested event loop: the sweep is over before it runs,
    // and the burned picture stays half a second after it returns.
    if (std::function<void()> completion = std::exchange(sweepCompletion_, nullptr)) {
        completion();
    }
    lingerUntil_ = now() + BurnSweep::linger;
    ensureMotionTimer();
}

// Painting.

void CanvasView::updateDraft(const std::optional<QRectF>& before)
{
    QRegion dirty;
    if (before) {
        dirty += outerArea(*before);
    }
    if (draftRect_) {
        dirty += outerArea(*draftRect_);
    }
    if (!dirty.isEmpty()) {
        update(dirty);
    }
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRectF exposed = event->rect();
    painter.fillRect(exposed, AppColors::canvasBackground(model_.theme()));
    if (!model_.image()) {
        return;
    }
    const double ratio = devicePixelRatioF();
    const QRectF drawRect = imageDrawRect();
    imageCache_.draw(painter, *model_.image(), drawRect, exposed, ratio, zoomGestureActive_);

    const bool sweeping = sweepProgress_ >= 0;
    std::optional<QImage> burned;
    if (burnProgress_ > 0 || sweeping) {
        burned = model_.makeBurnedImage();
    }
    if (burned && burnProgress_ > 0) {
        painter.setOpacity(burnProgress_);
        burnedCache_.draw(painter, *burned, drawRect, exposed, ratio, zoomGestureActive_);
        painter.setOpacity(1);
    }
    const double sweepX = drawRect.left() + drawRect.width() * std::max(sweepProgress_, 0.0);
    if (burned && sweeping) {
        painter.save();
        painter.setClipRect(QRectF(drawRect.left(), drawRect.top(), std::max(sweepX - drawRect.left(), 0.0),
                                   drawRect.height()));
        burnedCache_.draw(painter, *burned, drawRect, exposed, ratio, zoomGestureActive_);
        painter.restore();
    }
    paintOverlays(painter, exposed, drawRect, sweeping ? sweepX : -1);
    if (sweeping) {
        CanvasEffectsPainter::paintSweepGlow(painter, drawRect, sweepX);
    }
    if (model_.isProcessing()) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        CanvasEffectsPainter::paintScanLine(painter, drawRect, scanPhase_);
    }
    if (model_.theme() == AppTheme::hacker) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        CanvasEffectsPainter::paintScanlineTexture(painter, exposed.intersected(QRectF(rect())));
    }
}

void CanvasView::paintOverlays(QPainter& painter, const QRectF& exposed, const QRectF& drawRect, double sweepX)
{
    const double opacity = 1 - burnProgress_;
    if (!(opacity > 0.01)) {
        return;
    }
    painter.save();
    painter.setOpacity(opacity);
    if (sweepX >= 0) {
        painter.setClipRect(QRectF(sweepX, drawRect.top(), std::max(drawRect.right() - sweepX, 0.0), drawRect.height()));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    const RegionOverlayPainter overlay(palette().color(QPalette::Highlight));
    const double reach = RegionOverlayPainter::outerReach;
    const std::set<RegionID>& selection = model_.selection();
    for (const RedactionRegion& region : model_.regions()) {
        const QRectF rect = viewRect(region.rect);
        if (!rect.adjusted(-reach, -reach, reach, reach).intersects(exposed)) {
            continue;
        }
        overlay.paint(painter, rect, region, selection.contains(region.id), dashPhase_);
    }
    if (draftRect_) {
        RegionOverlayPainter::paintDraft(painter, *draftRect_);
    }
    painter.restore();
}

} // namespace tarnveil
