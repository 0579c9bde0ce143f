#pragma once

#include <optional>
#include <unordered_map>
#include <vector>

#include <QAbstractItemModel>

#include "planning/RedactionRegion.h"
#include "planning/RegionID.h"
#include "window/RegionGroup.h"

namespace tarnveil {

/// The region list as a two-level item model: the groups at the top level (not selectable),
/// their regions below them, both in the order the region list shows them. It holds a copy
/// of the regions it shows; `setRegions` replaces them, keeping the items (and with them the
/// view's selection) when only the regions' contents changed.
class RegionListModel final : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Role {
        RowKindRole = Qt::UserRole + 1, ///< a `RowKind`
        ChipTextRole,                   ///< regions: "KEEP", "SECRET", "ID" or "CTX"
        ChipToneRole,                   ///< regions: a `SeverityChip::Tone`
        ValueRole,                      ///< regions: the value on one line, or empty
        ProtectedRole,                  ///< regions: bool
        CountRole,                      ///< groups: the number of regions
    };
    enum class RowKind { group, region };

    explicit RegionListModel(QObject* parent = nullptr);

    void setRegions(const std::vector<RedactionRegion>& regions, const QString& manualTitle);

    const std::vector<RegionGroup>& groups() const { return groups_; }
    std::size_t regionCount() const { return regions_.size(); }
    /// The item of the region with that id, or an invalid index.
    QModelIndex indexOf(RegionID id) const;
    /// The region of a region item; null for a group item.
    const RedactionRegion* region(const QModelIndex& index) const;
    /// The group of a group item; null for a region item.
    const RegionGroup* group(const QModelIndex& index) const;
    /// The group a group or region item belongs to.
    const RegionGroup* groupOf(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool sameShape(const std::vector<RedactionRegion>& regions, const std::vector<RegionGroup>& groups) const;
    QVariant groupData(const RegionGroup& group, int role) const;
    QVariant regionData(const RedactionRegion& region, int role) const;

    std::vector<RedactionRegion> regions_;
    std::vector<RegionGroup> groups_;
    /// Region id → (group row, row inside the group).
    std::unordered_map<RegionID, std::pair<int, int>> positions_;
};

} // namespace tarnveil
