#include "window/RegionListModel.h"

#include "window/RegionGroups.h"
#include "window/RegionRowText.h"
#include "window/SeverityChip.h"

namespace tarnveil {

namespace {

/// The internal id of a top-level (group) item; region items carry their group's row + 1.
constexpr quintptr groupItem = 0;

} // namespace

RegionListModel::RegionListModel(QObject* parent) : QAbstractItemModel(parent) {}

bool RegionListModel::sameShape(const std::vector<RedactionRegion>& regions,
                                const std::vector<RegionGroup>& groups) const
{
    if (regions.size() != regions_.size() || groups != groups_) {
        return false;
    }
    for (std::size_t position = 0; position < regions.size(); ++position) {
        if (regions[position].id != regions_[position].id) {
            return false;
        }
    }
    return true;
}

void RegionListModel::setRegions(const std::vector<RedactionRegion>& regions, const QString& manualTitle)
{
    std::vector<RegionGroup> groups = RegionGroups::make(regions, manualTitle);
    if (sameShape(regions, groups)) {
        // Moves, resizes and restyles: the same items with new contents.
        regions_ = regions;
        for (int row = 0; row < int(groups_.size()); ++row) {
            const QModelIndex groupIndex = index(row, 0);
            const int members = int(groups_[std::size_t(row)].members.size());
            emit dataChanged(index(0, 0, groupIndex), index(members - 1, 0, groupIndex));
        }
        return;
    }
    beginResetModel();
    regions_ = regions;
    groups_ = std::move(groups);
    positions_.clear();
    for (std::size_t row = 0; row < groups_.size(); ++row) {
        const std::vector<std::size_t>& members = groups_[row].members;
        for (std::size_t inner = 0; inner < members.size(); ++inner) {
            positions_.emplace(regions_[members[inner]].id, std::pair{int(row), int(inner)});
        }
    }
    endResetModel();
}

QModelIndex RegionListModel::indexOf(RegionID id) const
{
    const auto found = positions_.find(id);
    if (found == positions_.end()) {
        return {};
    }
    return createIndex(found->second.second, 0, quintptr(found->second.first) + 1);
}

const RedactionRegion* RegionListModel::region(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || index.internalId() == groupItem) {
        return nullptr;
    }
    const RegionGroup& owner = groups_.at(std::size_t(index.internalId() - 1));
    return &regions_.at(owner.members.at(std::size_t(index.row())));
}

const RegionGroup* RegionListModel::group(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || index.internalId() != groupItem) {
        return nullptr;
    }
    return &groups_.at(std::size_t(index.row()));
}

const RegionGroup* RegionListModel::groupOf(const QModelIndex& index) const
{
    if (const RegionGroup* own = group(index)) {
        return own;
    }
    return region(index) != nullptr ? &groups_.at(std::size_t(index.internalId() - 1)) : nullptr;
}

QModelIndex RegionListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0) {
        return {};
    }
    if (!parent.isValid()) {
        return row < int(groups_.size()) ? createIndex(row, 0, groupItem) : QModelIndex();
    }
    if (parent.internalId() != groupItem || parent.row() >= int(groups_.size())) {
        return {};
    }
    const RegionGroup& owner = groups_[std::size_t(parent.row())];
    return row < int(owner.members.size()) ? createIndex(row, 0, quintptr(parent.row()) + 1) : QModelIndex();
}

QModelIndex RegionListModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == groupItem) {
        return {};
    }
    return createIndex(int(child.internalId() - 1), 0, groupItem);
}

int RegionListModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid()) {
        return int(groups_.size());
    }
    if (parent.internalId() != groupItem || parent.row() >= int(groups_.size())) {
        return 0;
    }
    return int(groups_[std::size_t(parent.row())].members.size());
}

int RegionListModel::columnCount(const QModelIndex&) const
{
    return 1;
}

Qt::ItemFlags RegionListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (index.internalId() == groupItem) {
        return Qt::ItemIsEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QVariant RegionListModel::data(const QModelIndex& index, int role) const
{
    if (const RegionGroup* own = group(index)) {
        return groupData(*own, role);
    }
    if (const RedactionRegion* shown = region(index)) {
        return regionData(*shown, role);
    }
    return {};
}

QVariant RegionListModel::groupData(const RegionGroup& group, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return group.title;
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1, %2").arg(group.title).arg(group.members.size());
    case RowKindRole:
        return int(RowKind::group);
    case CountRole:
        return int(group.members.size());
    default:
        return {};
    }
}

QVariant RegionListModel::regionData(const RedactionRegion& region, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return RegionRowText::title(region);
    case Qt::AccessibleTextRole:
        return RegionRowText::accessibleText(region);
    case RowKindRole:
        return int(RowKind::region);
    case ChipTextRole:
        return SeverityChip::of(region).text;
    case ChipToneRole:
        return int(SeverityChip::of(region).tone);
    case ValueRole:
        return RegionRowText::valueLine(region);
    case ProtectedRole:
        return region.isProtected;
    default:
        return {};
    }
}

} // namespace tarnveil
