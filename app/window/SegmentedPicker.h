#pragma once

#include <vector>

#include <QButtonGroup>
#include <QStringList>
#include <QWidget>

namespace tarnveil {

class SegmentButton;

/// A row of joined, mutually exclusive segments ("Solid | Labeled | Blur | Pixelate").
/// `chosen` reports a user's choice; setting the current segment from code emits nothing.
class SegmentedPicker final : public QWidget {
    Q_OBJECT

public:
    SegmentedPicker(const QString& accessibleName, const QStringList& titles, QWidget* parent = nullptr);

    /// Checks segment `index`; -1 checks none.
    void setCurrentIndex(int index);
    /// The checked segment, or -1.
    int currentIndex() const;
    int count() const { return int(segments_.size()); }
    SegmentButton* segment(int index) const { return segments_.at(std::size_t(index)); }
    void setTitles(const QStringList& titles);

signals:
    void chosen(int index);

private:
    QButtonGroup group_;
    std::vector<SegmentButton*> segments_;
};

} // namespace tarnveil
