#include "canvas/RedactionCanvas.h"

#include <cmath>

#include <QEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include "canvas/BurnSweep.h"
#include "canvas/CanvasGeometry.h"
#include "canvas/CanvasView.h"
#include "editor/EditorModel.h"

namespace tarnveil {

namespace {

QSizeF imageSizeOf(const EditorModel& model)
{
    return model.image() ? QSizeF(model.image()->size()) : QSizeF();
}

} // namespace

RedactionCanvas::RedactionCanvas(EditorModel& model, QWidget* parent)
    : QScrollArea(parent), model_(model), view_(new CanvasView(model)), laidOutZoom_(model.zoom())
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(false);
    setWidget(view_);
    setFocusProxy(view_);

    connect(&model_, &EditorModel::imageChanged, this, &RedactionCanvas::layoutView);
    connect(&model_, &EditorModel::zoomChanged, this, &RedactionCanvas::zoomChanged);
    connect(&model_, &EditorModel::fitTokenChanged, this, &RedactionCanvas::fitTokenChanged);
    connect(&model_, &EditorModel::burnTokenChanged, this, &RedactionCanvas::burnTokenChanged);
    connect(&model_, &EditorModel::previewBurnedChanged, this, &RedactionCanvas::previewBurnedChanged);
    connect(view_, &CanvasView::zoomRequested, this, &RedactionCanvas::zoomAround);

    // A burn asked for before the canvas existed is played only while its export still waits.
    lastBurnToken_ = model_.isExporting() ? model_.burnToken() - 1 : model_.burnToken();
    layoutView();
    fitTokenChanged();
    burnTokenChanged();
    previewBurnedChanged();
}

RedactionCanvas::~RedactionCanvas()
{
    // The view is destroyed by the widget base, after this part; what it tells the model on its
    // way out (losing the focus ends a Space preview) must not come back here.
    disconnect(&model_, nullptr, this, nullptr);
}

bool RedactionCanvas::viewportEvent(QEvent* event)
{
    const bool handled = QScrollArea::viewportEvent(event);
    if (event->type() == QEvent::Resize) {
        layoutView();
    }
    return handled;
}

void RedactionCanvas::showEvent(QShowEvent* event)
{
    QScrollArea::showEvent(event);
    if (fitPending_) {
        QTimer::singleShot(0, this, &RedactionCanvas::fitWhenShown);
    }
    // Keys reach the canvas without a click once the window shows it.
    QTimer::singleShot(0, view_, [view = QPointer<CanvasView>(view_)] {
        if (view && view->isVisible()) {
            view->setFocus(Qt::OtherFocusReason);
        }
    });
}

void RedactionCanvas::layoutView()
{
    const QSizeF size = CanvasGeometry::viewSize(QSizeF(viewport()->size()), imageSizeOf(model_), laidOutZoom_);
    const QSize wanted(static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height())));
    if (view_->size() != wanted) {
        view_->resize(wanted);
    }
    view_->update();
}

void RedactionCanvas::zoomChanged()
{
    const QPointF anchor = zoomAnchor_.value_or(QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
    zoomAnchor_.reset();
    const QPointF viewPoint = anchor - QPointF(view_->pos());
    const QRectF before = CanvasGeometry::drawRect(QSizeF(view_->size()), imageSizeOf(model_), laidOutZoom_,
                                                   view_->devicePixelRatioF());
    const QPointF imagePoint = CanvasGeometry::viewToImage(viewPoint, before, laidOutZoom_);

    laidOutZoom_ = model_.zoom();
    layoutView();

    const QPointF after = view_->imageToView(imagePoint);
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(after.x() - anchor.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(after.y() - anchor.y())));
}

void RedactionCanvas::zoomAround(double zoom, QPointF viewPoint)
{
    zoomAnchor_ = viewPoint + QPointF(view_->pos());
    model_.setZoom(zoom);
    zoomAnchor_.reset();
}

void RedactionCanvas::fit()
{
    const std::optional<double> zoom = CanvasGeometry::fitZoom(QSizeF(maximumViewportSize()), imageSizeOf(model_));
    if (zoom) {
        model_.setZoom(*zoom);
    }
}

void RedactionCanvas::fitTokenChanged()
{
    if (lastFitToken_ == model_.fitToken()) {
        return;
    }
    lastFitToken_ = model_.fitToken();
    QTimer::singleShot(0, this, &RedactionCanvas::fitWhenShown);
}

void RedactionCanvas::fitWhenShown()
{
    // A hidden canvas does not know the size it will have: fitting to it would pick a zoom for
    // a viewport nobody sees.
    fitPending_ = !isVisible();
    if (!fitPending_) {
        fit();
    }
}

void RedactionCanvas::burnTokenChanged()
{
    if (lastBurnToken_ == model_.burnToken()) {
        return;
    }
    lastBurnToken_ = model_.burnToken();
    view_->refreshReduceMotion();
    const double duration = view_->motionReduced() ? 0.0 : BurnSweep::defaultDuration;
    QTimer::singleShot(0, view_, [view = QPointer<CanvasView>(view_), model = QPointer<EditorModel>(&model_), duration] {
        if (!view) {
            return;
        }
        view->startBurnSweep(duration, [model] {
            if (model) {
                model->performExport();
            }
        });
    });
}

void RedactionCanvas::previewBurnedChanged()
{
    if (wantsBurn_ == model_.previewBurned()) {
        return;
    }
    wantsBurn_ = model_.previewBurned();
    view_->setBurnPreview(wantsBurn_);
}

} // namespace tarnveil
