#pragma once

#include <memory>

#include <QPoint>
#include <QPointF>
#include <QRectF>

#include "app/editor/EditorTestFixture.h"
#include "canvas/CanvasView.h"
#include "canvas/RedactionCanvas.h"

namespace tarnveil::test {

/// A shown 600 × 400 canvas on a scripted model, with a clock the test steps by hand.
///
/// `loadBlank()` loads a 300 × 200 image that holds no text: it fits at zoom 1 and is drawn
/// at view (150, 100), so image point (x, y) is view point (150 + x, 100 + y).
class CanvasTestFixture : public EditorTestFixture {
protected:
    static constexpr int canvasWidth = 600;
    static constexpr int canvasHeight = 400;

    CanvasTestFixture();
    ~CanvasTestFixture() override;

    /// Loads the 300 × 200 blank image, waits for its scan and its fit.
    void loadBlank();
    /// Sets the zoom and lets the canvas lay itself out.
    void zoomTo(double zoom);

    /// A region the user drew (no severity), appended to the model.
    RegionID addManual(Rect rect);
    /// A region a detector found, appended to the model.
    RegionID addDetected(Rect rect, Severity severity);
    /// The region's current rectangle.
    Rect rectOf(RegionID id) const;

    /// The view point of an image point, rounded to whole pixels.
    QPoint at(QPointF imagePoint) const;

    /// Press, two moves and release with the left button.
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void click(QPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    /// Moves the test clock forward and runs the 60 Hz step.
    void advance(double seconds);

    /// The view painted as it would be on screen now.
    QImage rendered() const;

    CanvasView& view() const { return *canvas->view(); }

    double time = 100.0;
    std::unique_ptr<RedactionCanvas> canvas;
};

} // namespace tarnveil::test
