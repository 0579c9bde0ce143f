#pragma once

#include <optional>

#include <QPointF>
#include <QScrollArea>

namespace tarnveil {

class CanvasView;
class EditorModel;

/// The canvas area of the editor window: the screenshot at the model's zoom inside a scroll
/// area, centred while it is smaller than the viewport, with the region overlays on top.
///
/// The host sizes the view for the zoom, runs a fit whenever the model asks for one, starts
/// the burn sweep (and with it the export) when the model asks for a burn, and forwards the
/// burned-preview toggle. Pinch and Ctrl + wheel zoom around the pointer; any other zoom
/// change keeps the centre of the viewport in place.
class RedactionCanvas : public QScrollArea {
    Q_OBJECT

public:
    explicit RedactionCanvas(EditorModel& model, QWidget* parent = nullptr);
    ~RedactionCanvas() override;

    CanvasView* view() const { return view_; }

    /// Sets the zoom that shows the whole image in the viewport: at most 100 %, at least 5 %.
    /// Does nothing without an image or without a visible area.
    void fit();

protected:
    bool viewportEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    /// Gives the view its size for the current zoom and viewport.
    void layoutView();
    void zoomChanged();
    void fitTokenChanged();
    /// Fits now when the canvas is shown, else once it is.
    void fitWhenShown();
    void burnTokenChanged();
    void previewBurnedChanged();
    /// Zooms to `zoom` keeping the image point under `viewPoint` (view coordinates) in place.
    void zoomAround(double zoom, QPointF viewPoint);

    EditorModel& model_;
    CanvasView* view_;
    int lastFitToken_ = 0;
    int lastBurnToken_ = 0;
    bool wantsBurn_ = false;
    /// A fit was asked for while the canvas was hidden: it runs when the canvas is shown.
    bool fitPending_ = false;
    /// The zoom the view is laid out for.
    double laidOutZoom_;
    /// Where the next zoom change is anchored, in viewport coordinates; the viewport's centre
    /// when none.
    std::optional<QPointF> zoomAnchor_;
};

} // namespace tarnveil
