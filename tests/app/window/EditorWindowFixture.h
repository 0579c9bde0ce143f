#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QModelIndex>

#include "app/editor/EditorTestFixture.h"
#include "window/EditorWindow.h"

namespace tarnveil {
class RegionTreeView;
class RegionListModel;
class RegionForm;
} // namespace tarnveil

namespace tarnveil::test {

/// The editor window on the scripted desktop of `EditorTestFixture`, shown on the offscreen
/// platform, with helpers to put regions into the model and to read and click the views.
class EditorWindowFixture : public EditorTestFixture {
protected:
    EditorWindowFixture();
    ~EditorWindowFixture() override;

    /// Loads a blank image (its scan finds nothing), then adds `regions` one by one and
    /// clears the selection.
    void showRegions(const std::vector<RedactionRegion>& regions);
    /// A detected region with its own value.
    static RedactionRegion found(DetectionCategory category, Severity severity, std::string value,
                                 RedactionStyle style = RedactionStyle::solid(FillColor::black));
    static RedactionRegion drawn();

    RegionTreeView* tree() const;
    RegionListModel* listModel() const;
    RegionForm* form() const;
    /// The list item of the region with that id.
    QModelIndex rowOf(RegionID id) const;
    /// The section items, top to bottom.
    std::vector<QModelIndex> sections() const;
    QStringList sectionTitles() const;
    /// Clicks the list row of the region with that id.
    void clickRow(RegionID id, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /// The toolbar button or control with that object name.
    QWidget* toolControl(const QString& objectName) const;

    std::unique_ptr<EditorWindow> window;
};

} // namespace tarnveil::test
