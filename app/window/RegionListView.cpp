#include "window/RegionListView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "editor/EditorModel.h"
#include "window/CapsuleLabel.h"
#include "window/IconLabel.h"
#include "window/RegionListModel.h"
#include "window/RegionRowDelegate.h"
#include "window/RegionTreeView.h"
#include "window/ScrollBarStyle.h"
#include "window/SymbolIcons.h"

namespace tarnveil {

namespace {

constexpr int emptyIconSide = 26;
constexpr int headerIconSide = 15;

QFont headingFont(const QFont& base)
{
    QFont font = base;
    font.setPointSizeF(std::max(8.0, base.pointSizeF() - 1.5));
    font.setWeight(QFont::DemiBold);
    font.setCapitalization(QFont::AllUppercase);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    return font;
}

} // namespace

RegionListView::RegionListView(EditorModel& model, QWidget* parent)
    : QWidget(parent), model_(model), listModel_(new RegionListModel(this))
{
    setObjectName(QStringLiteral("regionList"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(makeHeader());

    tree_ = new RegionTreeView(this);
    tree_->setObjectName(QStringLiteral("regionTree"));
    tree_->setModel(listModel_);
    tree_->setItemDelegate(new RegionRowDelegate(tree_));
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    ScrollBarStyle::makeThin(tree_);
    connect(tree_, &QWidget::customContextMenuRequested, this, &RegionListView::showContextMenu);
    connect(tree_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &RegionListView::pushSelection);
    connect(listModel_, &QAbstractItemModel::modelReset, tree_, &QTreeView::expandAll);

    stack_ = new QStackedWidget(this);
    stack_->addWidget(makeEmptyState());
    stack_->addWidget(tree_);
    column->addWidget(stack_, 1);

    connect(&model_, &EditorModel::regionsChanged, this, &RegionListView::refreshRegions);
    connect(&model_, &EditorModel::imageChanged, this, &RegionListView::refreshEmptyState);
    connect(&model_, &EditorModel::selectionChanged, this, &RegionListView::pullSelection);

    retranslate();
    refreshRegions();
}

QWidget* RegionListView::makeHeader()
{
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(14, 12, 12, 8);
    row->setSpacing(7);
    row->addWidget(new IconLabel(SymbolIcons::icon("list.bullet.rectangle"), headerIconSide, header));
    heading_ = new QLabel(header);
    heading_->setFont(headingFont(font()));
    heading_->setForegroundRole(QPalette::PlaceholderText);
    row->addWidget(heading_);
    row->addStretch(1);
    count_ = new CapsuleLabel(header);
    count_->setObjectName(QStringLiteral("regionCount"));
    QFont countFont = font();
    countFont.setPointSizeF(std::max(8.0, font().pointSizeF() - 1.5));
    countFont.setWeight(QFont::DemiBold);
    count_->setFont(countFont);
    row->addWidget(count_);
    return header;
}

QWidget* RegionListView::makeEmptyState()
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(6);
    column->addStretch(2);
    auto* icon = new IconLabel(SymbolIcons::icon("rectangle.dashed"), emptyIconSide, page);
    column->addWidget(icon, 0, Qt::AlignHCenter);
    column->addSpacing(4);
    emptyTitle_ = new QLabel(page);
    emptyTitle_->setObjectName(QStringLiteral("regionListEmptyTitle"));
    QFont titleFont = font();
    titleFont.setWeight(QFont::DemiBold);
    emptyTitle_->setFont(titleFont);
    emptyTitle_->setAlignment(Qt::AlignHCenter);
    column->addWidget(emptyTitle_);
    emptyLine_ = new QLabel(page);
    emptyLine_->setObjectName(QStringLiteral("regionListEmptyLine"));
    emptyLine_->setForegroundRole(QPalette::PlaceholderText);
    emptyLine_->setAlignment(Qt::AlignHCenter);
    emptyLine_->setWordWrap(true);
    column->addWidget(emptyLine_);
    column->addStretch(3);
    return page;
}

void RegionListView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        refreshRegions();
    }
    QWidget::changeEvent(event);
}

void RegionListView::retranslate()
{
    heading_->setText(tr("REGIONS"));
    refreshEmptyState();
}

void RegionListView::refreshEmptyState()
{
    const bool hasImage = model_.image().has_value();
    emptyTitle_->setText(hasImage ? tr("No regions yet") : tr("No image"));
    emptyLine_->setText(hasImage ? tr("Drag on the canvas to add one") : tr("Paste a screenshot"));
}

void RegionListView::refreshRegions()
{
    const std::size_t count = model_.regions().size();
    count_->setText(QString::number(count));
    //: %1 is the number of regions in the list.
    count_->setAccessibleName(tr("%1 regions").arg(count));
    stack_->setCurrentIndex(count == 0 ? 0 : 1);

    syncingSelection_ = true;
    listModel_->setRegions(model_.regions(), tr("Manual / chrome"));
    syncingSelection_ = false;
    pullSelection();
}

void RegionListView::pullSelection()
{
    if (syncingSelection_) {
        return;
    }
    syncingSelection_ = true;
    const std::set<RegionID>& selected = model_.selection();
    QItemSelection shown;
    QModelIndex first;
    for (int groupRow = 0; groupRow < listModel_->rowCount(); ++groupRow) {
        const QModelIndex group = listModel_->index(groupRow, 0);
        for (int row = 0; row < listModel_->rowCount(group); ++row) {
            const QModelIndex index = listModel_->index(row, 0, group);
            if (selected.contains(listModel_->region(index)->id)) {
                shown.select(index, index);
                if (!first.isValid()) {
                    first = index;
                }
            }
        }
    }
    QItemSelectionModel* selection = tree_->selectionModel();
    if (shown != selection->selection()) {
        selection->select(shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    if (first.isValid()) {
        // The anchor for Shift-clicks and arrow keys, without changing the selection.
        selection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        if (selected.size() == 1) {
            tree_->scrollTo(first, QAbstractItemView::EnsureVisible);
        }
    }
    syncingSelection_ = false;
}

void RegionListView::pushSelection()
{
    if (syncingSelection_) {
        return;
    }
    std::set<RegionID> chosen;
    std::vector<RegionID> inListOrder;
    for (const QModelIndex& index : tree_->selectionModel()->selectedIndexes()) {
        if (const RedactionRegion* region = listModel_->region(index)) {
            if (chosen.insert(region->id).second) {
                inListOrder.push_back(region->id);
            }
        }
    }
    if (chosen == model_.selection()) {
        return;
    }
    syncingSelection_ = true;
    if (inListOrder.empty()) {
        model_.clearSelection();
    } else {
        model_.select(inListOrder.front(), false);
        for (std::size_t position = 1; position < inListOrder.size(); ++position) {
            model_.select(inListOrder[position], true);
        }
    }
    syncingSelection_ = false;
}

QMenu* RegionListView::makeContextMenu(const QModelIndex& index)
{
    const RegionGroup* group = listModel_->groupOf(index);
    if (group == nullptr || !group->category) {
        return nullptr;
    }
    const DetectionCategory category = *group->category;
    auto* menu = new QMenu(this);
    //: %1 is the name of a detection category, such as Secret.
    QAction* removeAll = menu->addAction(tr("Remove all %1").arg(group->title));
    removeAll->setObjectName(QStringLiteral("removeAll"));
    connect(removeAll, &QAction::triggered, this, [this, category] { model_.removeRegions(category); });
    return menu;
}

void RegionListView::showContextMenu(const QPoint& position)
{
    QMenu* menu = makeContextMenu(tree_->indexAt(position));
    if (menu == nullptr) {
        return;
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(tree_->viewport()->mapToGlobal(position));
}

QString RegionListView::emptyTitle() const
{
    return emptyTitle_->text();
}

QString RegionListView::emptyLine() const
{
    return emptyLine_->text();
}

bool RegionListView::showsEmptyState() const
{
    return stack_->currentIndex() == 0;
}

QString RegionListView::countText() const
{
    return count_->text();
}

} // namespace tarnveil
