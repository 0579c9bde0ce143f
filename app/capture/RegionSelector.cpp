#include "capture/RegionSelector.h"

#include <utility>

#include "capture/SelectorView.h"
#include "capture/SelectorWindow.h"

namespace tarnveil {

RegionSelector::RegionSelector(QObject* parent) : QObject(parent) {}

RegionSelector::~RegionSelector()
{
    for (const QPointer<SelectorWindow>& window : windows_) {
        delete window.data();
    }
}

void RegionSelector::begin(const std::vector<FrozenScreen>& screens, Completion completion)
{
    if (isSelecting()) {
        return;
    }
    if (screens.empty()) {
        if (completion) {
            completion(std::nullopt);
        }
        return;
    }
    done_ = false;
    completion_ = std::move(completion);
    for (std::size_t index = 0; index < screens.size(); ++index) {
        auto* window = new SelectorWindow(screens[index]);
        connect(window, &SelectorWindow::selected, this,
                [this, index](const QRectF& rect) { complete(SelectedArea{rect, index}); });
        connect(window, &SelectorWindow::cancelled, this, [this] { complete(std::nullopt); });
        windows_.emplace_back(window);
    }
    for (std::size_t index = 0; index < windows_.size(); ++index) {
        windows_[index]->present(index == 0);
    }
}

std::vector<SelectorWindow*> RegionSelector::windows() const
{
    std::vector<SelectorWindow*> windows;
    for (const QPointer<SelectorWindow>& window : windows_) {
        if (window) {
            windows.push_back(window);
        }
    }
    return windows;
}

void RegionSelector::complete(std::optional<SelectedArea> area)
{
    if (done_) {
        return;
    }
    done_ = true;
    for (const QPointer<SelectorWindow>& window : std::exchange(windows_, {})) {
        if (window) {
            window->view()->releaseKeyboard();
            window->hide();
            window->deleteLater();
        }
    }
    if (area && (area->rect.width() < minimumSide || area->rect.height() < minimumSide)) {
        area.reset();
    }
    if (Completion completion = std::exchange(completion_, {})) {
        completion(area);
    }
}

} // namespace tarnveil
