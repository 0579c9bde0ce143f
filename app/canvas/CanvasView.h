#pragma once

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include <QPointF>
#include <QRectF>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include "canvas/BurnFade.h"
#include "canvas/BurnSweep.h"
#include "canvas/CanvasClock.h"
#include "canvas/CanvasMode.h"
#include "canvas/ScaledImageCache.h"
#include "planning/RedactionRegion.h"
#include "planning/RegionID.h"

namespace tarnveil {

class DirtyTiles;
class EditorModel;

/// The drawing and input surface of the canvas: the screenshot at the model's zoom, centred in
/// the view, the overlay of every region, and the animations (marching ants, scan line,
/// burned-preview cross-fade, burn sweep). Mouse and key input become editor-model operations;
/// the view keeps no region data of its own and never bounds a rectangle (the model does).
///
/// Time comes from a replaceable clock. The 30 Hz animation clock runs while the view is
/// shown; a 60 Hz timer runs only while a fade, a sweep or the pause after a sweep is under way.
class CanvasView : public QWidget {
    Q_OBJECT

public:
    static constexpr int animationIntervalMilliseconds = 33;
    static constexpr int motionIntervalMilliseconds = 16;
    /// Marching ants: phase step per tick and pattern length, in view pixels.
    static constexpr double dashStep = 0.6;
    static constexpr double dashPeriod = 12.0;
    /// Scan line: step per tick as a fraction of the image height.
    static constexpr double scanStep = 0.012;
    /// A drawn rectangle must exceed this in both directions, in view pixels.
    static constexpr double minimumDraw = 4.0;

    explicit CanvasView(EditorModel& model, QWidget* parent = nullptr);
    ~CanvasView() override;

    void setClock(CanvasClock clock);

    // Operations of the host.

    /// Cross-fades the burned preview in or out from wherever it stands (at once with reduced
    /// motion).
    void setBurnPreview(bool on);
    /// Plays the burn sweep over `duration` seconds, then calls `completion`; with a duration
    /// of 0 or less it calls `completion` at once.
    void startBurnSweep(double duration, std::function<void()> completion);
    /// Reads the desktop's reduce-motion setting again. It is read when the view is shown, when
    /// an image is loaded and by the host before every sweep, never per frame (reading it may
    /// ask another process).
    void refreshReduceMotion();
    bool motionReduced() const { return motionReduced_; }

    // Geometry, in view coordinates.
    QRectF imageDrawRect() const;
    QPointF viewToImage(QPointF view) const;
    QPointF imageToView(QPointF image) const;
    QRectF viewRect(const Rect& image) const;

    // Animation.

    /// One tick of the 30 Hz clock: moves the ants and the scan line and repaints what moved.
    void tickAnimation();
    /// Brings the fade, the sweep and the pause after a sweep to the clock's time.
    void stepMotion();
    /// What the last tick asked to repaint; empty when it asked for nothing.
    const QRegion& lastAnimationDirty() const { return lastAnimationDirty_; }
    bool animationClockRunning() const { return animationTimer_.isActive(); }
    bool motionRunning() const { return motionTimer_.isActive(); }

    // State, for the host and for tests.
    double burnProgress() const { return burnProgress_; }
    /// Negative while no sweep runs.
    double sweepProgress() const { return sweepProgress_; }
    double dashPhase() const { return dashPhase_; }
    double scanPhase() const { return scanPhase_; }
    const CanvasMode& mode() const { return mode_; }
    const std::optional<QRectF>& draftRect() const { return draftRect_; }

signals:
    /// A pinch or Ctrl + wheel asks for `zoom`, keeping the image point under `viewPoint` where
    /// it is on screen.
    void zoomRequested(double zoom, QPointF viewPoint);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    /// What a region's overlay depends on; compared to repaint only regions that changed.
    struct OverlayKey {
        RegionID id;
        Rect rect;
        bool isProtected;
        std::optional<Severity> severity;
        friend bool operator==(const OverlayKey&, const OverlayKey&) = default;
    };

    // Model changes.
    void imageChanged();
    void regionsChanged();
    static std::vector<OverlayKey> overlayKeys(const std::vector<RedactionRegion>& regions);

    /// Keys the canvas acts on: main-row 1 to 4 without Ctrl, Alt or Meta, Space, Backspace,
    /// Delete.
    static bool isCanvasKey(const QKeyEvent& event);

    // Gestures.
    void beginGesture(QPointF point, Qt::KeyboardModifiers modifiers);
    bool beginResize(QPointF point);
    bool beginMove(QPointF point, bool additive);
    void dragDraft(QPointF point);
    void dragMove(QPointF delta);
    void dragResize(QPointF delta);
    void finishDraw();
    void endGesture();
    void requestZoom(double zoom, QPointF viewPoint);

    // Painting.
    void paintOverlays(QPainter& painter, const QRectF& exposed, const QRectF& drawRect, double sweepX);
    QRect visibleArea() const;
    QRect outerArea(const QRectF& rect) const;
    void addMarchingOutline(DirtyTiles& dirty, const QRectF& rect) const;
    void updateDraft(const std::optional<QRectF>& before);

    // Motion.
    void ensureMotionTimer();
    void stopMotionIfIdle();
    void stepFade(double now);
    void stepSweep(double now);
    double now() const { return clock_(); }

    EditorModel& model_;
    CanvasClock clock_;
    bool motionReduced_ = false;

    // Animation state.
    double burnProgress_ = 0;
    std::optional<BurnFade> fade_;
    double sweepProgress_ = -1.0;
    std::optional<BurnSweep> sweep_;
    std::function<void()> sweepCompletion_;
    std::optional<double> lingerUntil_;
    double dashPhase_ = 0;
    double scanPhase_ = 0;
    QTimer animationTimer_;
    QTimer motionTimer_;
    QRegion lastAnimationDirty_;

    // Gesture state.
    CanvasMode mode_;
    QPointF dragStartImage_;
    std::map<RegionID, Rect> dragOrigins_;
    std::optional<QRectF> draftRect_;
    /// Space turned the preview on and has not been released yet.
    bool spaceHeld_ = false;

    // Zoom gestures come in bursts: the scaled image is rebuilt once they pause.
    bool zoomGestureActive_ = false;
    QTimer zoomSettleTimer_;

    ScaledImageCache imageCache_;
    ScaledImageCache burnedCache_;
    std::vector<OverlayKey> shownOverlays_;
};

} // namespace tarnveil
