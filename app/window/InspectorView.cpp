#include "window/InspectorView.h"

#include <QEvent>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "editor/EditorModel.h"
#include "window/InspectorPlaceholder.h"
#include "window/RegionForm.h"
#include "window/ScrollBarStyle.h"

namespace tarnveil {

InspectorView::InspectorView(EditorModel& model, QWidget* parent) : QWidget(parent), model_(model)
{
    setObjectName(QStringLiteral("inspector"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    stack_ = new QStackedWidget(this);
    column->addWidget(stack_);

    noSelection_ = new InspectorPlaceholder("cursorarrow.rays", stack_);
    severalSelected_ = new InspectorPlaceholder("square.on.square", stack_);
    form_ = new RegionForm(model_);
    formArea_ = new QScrollArea(stack_);
    formArea_->setWidget(form_);
    formArea_->setWidgetResizable(true);
    formArea_->setFrameShape(QFrame::NoFrame);
    formArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    formArea_->viewport()->setAutoFillBackground(false);
    ScrollBarStyle::makeThin(formArea_);
    form_->setAutoFillBackground(false);
    stack_->addWidget(noSelection_);
    stack_->addWidget(severalSelected_);
    stack_->addWidget(formArea_);

    connect(&model_, &EditorModel::selectionChanged, this, &InspectorView::refresh);
    connect(&model_, &EditorModel::regionsChanged, this, &InspectorView::refresh);
    refresh();
}

void InspectorView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        refresh();
    }
    QWidget::changeEvent(event);
}

void InspectorView::refresh()
{
    const std::set<RegionID>& selection = model_.selection();
    noSelection_->setTexts(tr("No selection"), tr("Select a region on the canvas."));
    if (selection.size() >= 2) {
        state_ = State::severalRegions;
        //: %1 is the number of selected regions (2 or more).
        severalSelected_->setTexts(tr("%1 regions selected").arg(selection.size()),
                                   tr("Press 1–4 to set the style of all selected regions."));
        stack_->setCurrentWidget(severalSelected_);
        return;
    }
    const std::optional<RedactionRegion> region =
        selection.size() == 1 ? model_.region(*selection.begin()) : std::nullopt;
    if (!region) {
        state_ = State::noSelection;
        stack_->setCurrentWidget(noSelection_);
        return;
    }
    state_ = State::oneRegion;
    form_->showRegion(*region);
    stack_->setCurrentWidget(formArea_);
}

} // namespace tarnveil
