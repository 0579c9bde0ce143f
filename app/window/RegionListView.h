#pragma once

#include <QWidget>

class QLabel;
class QMenu;
class QStackedWidget;

namespace tarnveil {

class CapsuleLabel;
class EditorModel;
class RegionListModel;
class RegionTreeView;

/// The left column of the editor window: the header "REGIONS" with the number of regions,
/// then either an empty state or the regions grouped by category, most severe group first.
/// Its selection is the editor model's selection, in both directions; a category section's
/// context menu removes all of its regions in one undoable step.
class RegionListView final : public QWidget {
    Q_OBJECT

public:
    explicit RegionListView(EditorModel& model, QWidget* parent = nullptr);

    RegionTreeView* tree() const { return tree_; }
    RegionListModel* listModel() const { return listModel_; }
    /// The menu for a right click on `index`: one "Remove all …" item for a category's
    /// section or row; null for the section without category and for empty space.
    QMenu* makeContextMenu(const QModelIndex& index);
    /// The texts of the empty state (title and line), as shown now.
    QString emptyTitle() const;
    QString emptyLine() const;
    bool showsEmptyState() const;
    QString countText() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* makeHeader();
    QWidget* makeEmptyState();
    void retranslate();
    void refreshRegions();
    void refreshEmptyState();
    /// Shows the model's selection in the tree.
    void pullSelection();
    /// Gives the tree's selection to the model.
    void pushSelection();
    void showContextMenu(const QPoint& position);

    EditorModel& model_;
    RegionListModel* listModel_ = nullptr;
    RegionTreeView* tree_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QLabel* heading_ = nullptr;
    CapsuleLabel* count_ = nullptr;
    QLabel* emptyTitle_ = nullptr;
    QLabel* emptyLine_ = nullptr;
    /// Set while one side of the selection is being copied to the other.
    bool syncingSelection_ = false;
};

} // namespace tarnveil
