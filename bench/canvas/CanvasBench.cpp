// The canvas on a large screenshot: what one animation frame and one drag step cost, and that
// an idle canvas asks for no repaints.
//
//   BM_AnimationFrame/Z     one tick of the animation clock (marching ants) and the repaint of
//                           what it marked dirty, rendered offscreen; Z = 0 fit zoom, 1 zoom 1
//   BM_AnimationTick/Z      the tick alone: moving the ants and working out what to repaint
//   BM_AnimationFrameLoop/Z the same tick, painted by the event loop through the backing store
//   BM_DragStep/Z           one mouse move of a move gesture (12 selected regions): the model
//                           update and the repaint it causes, through the event loop
//   BM_FullRepaint/Z        the whole viewport, for comparison (zoom, selection, theme changes)
//   BM_IdleTick             an image without regions, no scan: paints per tick (must be 0)
//
// A 5120 x 2880 screenshot-like image with 300 regions (secrets, identifiers, contextual
// values, hand-drawn and protected ones) in a 1320 x 860 canvas.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <random>

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QtConcurrent/QtConcurrentRun>

#include "BenchEditorPlatform.h"
#include "canvas/CanvasView.h"
#include "canvas/RedactionCanvas.h"
#include "editor/EditorModel.h"

#include "SyntheticScreenshot.h"

namespace {

using namespace tarnveil;

constexpr int imageWidth = 5120;
constexpr int imageHeight = 2880;
constexpr int viewportWidth = 1320;
constexpr int viewportHeight = 860;
constexpr int regionCount = 300;
constexpr int selectedCount = 12;

/// Window chrome, a side panel, many lines of text and a photo-like area.
QImage screenshot() { return SyntheticScreenshot::make(imageWidth, imageHeight); }

std::vector<RedactionRegion> regions()
{
    std::mt19937 random(7);
    std::vector<RedactionRegion> list;
    for (int i = 0; i < regionCount; ++i) {
        const double w = 120 + random() % 360;
        const double h = i % 25 == 0 ? 200 : 34;
        const Rect rect{double(680 + random() % int(imageWidth - 700 - w)), double(80 + random() % int(imageHeight - 100 - h)),
                        w, h};
        const int kind = i % 10;
        if (kind == 9) {
            list.emplace_back(RegionID::generate(), rect, RedactionStyle::solid(FillColor::black), std::nullopt,
                              std::nullopt, std::nullopt, std::nullopt, true);
        } else if (kind == 8) {
            list.emplace_back(RegionID::generate(), rect, RedactionStyle::solid(FillColor::black));
        } else {
            const Severity severity = kind < 3 ? Severity::secret : kind < 6 ? Severity::identifier : Severity::contextual;
            list.emplace_back(RegionID::generate(), rect, RedactionStyle::labeled(FillColor::black),
                              "[KEY-" + std::to_string(i) + "]", DetectionCategory::apiKey, severity, "value");
        }
    }
    return list;
}

/// Paint events that reach the view.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

/// A shown canvas on a model holding the screenshot, at fit zoom (0) or zoom 1 (1) scrolled to
/// the middle of the image.
struct Scene {
    explicit Scene(int zoomCase, bool withRegions)
        : model(std::make_shared<bench::BenchEditorPlatform>())
    {
        model.recognize = [](const QImage& image) {
            return QtConcurrent::run([size = image.size()] {
                return std::optional<OCRResult>(OCRResult{{}, Size{double(size.width()), double(size.height())}});
            });
        };
        static const QImage image = screenshot();
        model.load(image, 2.0, std::nullopt);
        while (model.isProcessing()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        if (withRegions) {
            for (RedactionRegion& region : regions()) {
                model.addRegion(std::move(region));
            }
            model.clearSelection();
            for (int i = 0; i < selectedCount; ++i) {
                model.select(model.regions()[i * 23].id, true);
            }
        }
        canvas = std::make_unique<RedactionCanvas>(model);
        canvas->resize(viewportWidth, viewportHeight);
        canvas->show();
        settle();
        canvas->fit();
        if (zoomCase == 1) {
            model.setZoom(1.0);
        }
        settle();
        canvas->horizontalScrollBar()->setValue(canvas->horizontalScrollBar()->maximum() / 2);
        canvas->verticalScrollBar()->setValue(canvas->verticalScrollBar()->maximum() / 2);
        settle();
        view().installEventFilter(&counter);
    }

    ~Scene() { canvas.reset(); }

    CanvasView& view() const { return *canvas->view(); }

    static void settle()
    {
        for (int i = 0; i < 10; ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }

    /// A selected region whose centre is on screen.
    QPointF selectedOnScreen() const
    {
        const QRect visible = view().visibleRegion().boundingRect();
        for (const RedactionRegion& region : model.regions()) {
            const QPointF centre = view().viewRect(region.rect).center();
            if (model.selection().contains(region.id) && visible.contains(centre.toPoint())) {
                return centre;
            }
        }
        return view().viewRect(model.regions().front().rect).center();
    }

    EditorModel model;
    std::unique_ptr<RedactionCanvas> canvas;
    PaintCounter counter;
};

void sendMouse(QWidget& widget, QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void BM_AnimationFrame(benchmark::State& state)
{
    Scene scene(int(state.range(0)), true);
    CanvasView& view = scene.view();
    QImage target(viewportWidth * 2, viewportHeight * 2, QImage::Format_ARGB32_Premultiplied);
    double dirtyPixels = 0;
    for (auto _ : state) {
        view.tickAnimation();
        const QRegion dirty = view.lastAnimationDirty();
        view.render(&target, QPoint(), dirty, QWidget::RenderFlags());
        dirtyPixels = 0;
        for (const QRect& rect : dirty) {
            dirtyPixels += double(rect.width()) * rect.height();
        }
    }
    state.counters["zoom"] = scene.model.zoom();
    state.counters["dirtyKpx"] = dirtyPixels / 1000;
    Scene::settle();
}
BENCHMARK(BM_AnimationFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_AnimationTick(benchmark::State& state)
{
    Scene scene(int(state.range(0)), true);
    CanvasView& view = scene.view();
    for (auto _ : state) {
        view.tickAnimation();
    }
    state.counters["dirtyRects"] = view.lastAnimationDirty().rectCount();
    Scene::settle();
}
BENCHMARK(BM_AnimationTick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1);

void BM_AnimationFrameLoop(benchmark::State& state)
{
    Scene scene(int(state.range(0)), true);
    CanvasView& view = scene.view();
    scene.counter.paints = 0;
    for (auto _ : state) {
        view.tickAnimation();
        QCoreApplication::processEvents();
    }
    state.counters["paintsPerFrame"] = double(scene.counter.paints) / double(state.iterations());
}
BENCHMARK(BM_AnimationFrameLoop)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_DragStep(benchmark::State& state)
{
    Scene scene(int(state.range(0)), true);
    CanvasView& view = scene.view();
    const QPointF start = scene.selectedOnScreen();
    sendMouse(view, QEvent::MouseButtonPress, start, Qt::LeftButton);
    Scene::settle();
    scene.counter.paints = 0;
    int step = 0;
    for (auto _ : state) {
        ++step;
        const QPointF at = start + QPointF(step % 2 == 0 ? 3 : -3, step % 3 == 0 ? 2 : 0);
        sendMouse(view, QEvent::MouseMove, at, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    sendMouse(view, QEvent::MouseButtonRelease, start, Qt::NoButton);
    state.counters["zoom"] = scene.model.zoom();
    state.counters["paintsPerStep"] = double(scene.counter.paints) / double(state.iterations());
    Scene::settle();
}
BENCHMARK(BM_DragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_FullRepaint(benchmark::State& state)
{
    Scene scene(int(state.range(0)), true);
    CanvasView& view = scene.view();
    const QRegion visible = view.visibleRegion();
    QImage target(viewportWidth, viewportHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.render(&target, QPoint(), visible, QWidget::RenderFlags());
    }
}
BENCHMARK(BM_FullRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_IdleTick(benchmark::State& state)
{
    Scene scene(0, false);
    CanvasView& view = scene.view();
    scene.counter.paints = 0;
    int dirtyTicks = 0;
    for (auto _ : state) {
        view.tickAnimation();
        dirtyTicks += view.lastAnimationDirty().isEmpty() ? 0 : 1;
        QCoreApplication::processEvents();
    }
    state.counters["paintsPerTick"] = double(scene.counter.paints) / double(state.iterations());
    state.counters["dirtyTicks"] = dirtyTicks;
    if (scene.counter.paints != 0 || dirtyTicks != 0) {
        state.SkipWithError("an idle canvas repainted");
    }
}
BENCHMARK(BM_IdleTick)->Unit(benchmark::kMicrosecond)->MinTime(1);

} // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
