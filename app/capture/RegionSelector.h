#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QObject>
#include <QPointer>

#include "capture/FrozenScreen.h"
#include "capture/SelectedArea.h"

namespace tarnveil {

class SelectorWindow;

/// The full-screen area selector: one window per display, each showing the display frozen;
/// the user drags out a rectangle on one of them. Completes exactly once per selection.
class RegionSelector final : public QObject {
    Q_OBJECT

public:
    /// The smallest selection, in points, in each direction.
    static constexpr double minimumSide = 4;

    using Completion = std::function<void(std::optional<SelectedArea>)>;

    explicit RegionSelector(QObject* parent = nullptr);
    ~RegionSelector() override;

    /// Shows the selector on every display of `screens`; `completion` receives the selected
    /// area, or none when the user cancelled or the area is smaller than `minimumSide` in
    /// either direction. Ignored while a selection runs.
    void begin(const std::vector<FrozenScreen>& screens, Completion completion);
    bool isSelecting() const { return !windows_.empty(); }
    /// The windows of the running selection, in the order of the screens.
    std::vector<SelectorWindow*> windows() const;

private:
    void complete(std::optional<SelectedArea> area);

    std::vector<QPointer<SelectorWindow>> windows_;
    Completion completion_;
    bool done_ = true;
};

} // namespace tarnveil
