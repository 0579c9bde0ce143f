#include "window/SegmentedPicker.h"

#include <QHBoxLayout>

#include "window/SegmentButton.h"

namespace tarnveil {

namespace {

SegmentButton::Position positionOf(qsizetype index, qsizetype count)
{
    if (count == 1) {
        return SegmentButton::Position::only;
    }
    if (index == 0) {
        return SegmentButton::Position::first;
    }
    return index == count - 1 ? SegmentButton::Position::last : SegmentButton::Position::middle;
}

} // namespace

SegmentedPicker::SegmentedPicker(const QString& accessibleName, const QStringList& titles, QWidget* parent)
    : QWidget(parent)
{
    setAccessibleName(accessibleName);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    group_.setExclusive(true);
    for (qsizetype index = 0; index < titles.size(); ++index) {
        auto* segment = new SegmentButton(titles.at(index), positionOf(index, titles.size()), this);
        segments_.push_back(segment);
        group_.addButton(segment, int(index));
        // Equal segments, however long their titles.
        segment->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        segment->setMinimumWidth(segment->minimumSizeHint().width());
        row->addWidget(segment, 1);
    }
    connect(&group_, &QButtonGroup::idClicked, this, &SegmentedPicker::chosen);
}

void SegmentedPicker::setCurrentIndex(int index)
{
    if (index < 0 || index >= count()) {
        // An exclusive group never lets the last checked button go; lift that for a moment.
        group_.setExclusive(false);
        for (SegmentButton* segment : segments_) {
            segment->setChecked(false);
        }
        group_.setExclusive(true);
        return;
    }
    segments_.at(std::size_t(index))->setChecked(true);
}

int SegmentedPicker::currentIndex() const
{
    return group_.checkedId();
}

void SegmentedPicker::setTitles(const QStringList& titles)
{
    for (std::size_t index = 0; index < segments_.size() && qsizetype(index) < titles.size(); ++index) {
        segments_[index]->setText(titles.at(qsizetype(index)));
    }
}

} // namespace tarnveil
