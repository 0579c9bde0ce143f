#include "EditorWindowFixture.h"

#include <QTest>
#include <QToolBar>

#include "window/EditorToolBar.h"
#include "window/InspectorView.h"
#include "window/RegionListModel.h"
#include "window/RegionListView.h"
#include "window/RegionTreeView.h"

namespace tarnveil::test {

EditorWindowFixture::EditorWindowFixture()
{
    window = std::make_unique<EditorWindow>(*model);
    window->show();
    settle();
}

EditorWindowFixture::~EditorWindowFixture()
{
    window.reset();
    settle();
}

void EditorWindowFixture::showRegions(const std::vector<RedactionRegion>& regions)
{
    model->load(blankImage(300, 200), 2.0, std::nullopt);
    ASSERT_TRUE(waitForScan());
    for (const RedactionRegion& region : regions) {
        model->addRegion(region);
    }
    model->clearSelection();
    settle();
}

RedactionRegion EditorWindowFixture::found(DetectionCategory category, Severity severity, std::string value,
                                           RedactionStyle style)
{
    return RedactionRegion(RegionID::generate(), Rect{10, 10, 40, 12}, style, std::nullopt, category, severity,
                           std::move(value));
}

RedactionRegion EditorWindowFixture::drawn()
{
    return manualRegion(Rect{20, 30, 50, 20});
}

RegionTreeView* EditorWindowFixture::tree() const
{
    return window->regionList()->tree();
}

RegionListModel* EditorWindowFixture::listModel() const
{
    return window->regionList()->listModel();
}

RegionForm* EditorWindowFixture::form() const
{
    return window->inspector()->form();
}

QModelIndex EditorWindowFixture::rowOf(RegionID id) const
{
    return listModel()->indexOf(id);
}

std::vector<QModelIndex> EditorWindowFixture::sections() const
{
    std::vector<QModelIndex> all;
    for (int row = 0; row < listModel()->rowCount(); ++row) {
        all.push_back(listModel()->index(row, 0));
    }
    return all;
}

QStringList EditorWindowFixture::sectionTitles() const
{
    QStringList titles;
    for (const QModelIndex& section : sections()) {
        titles.append(section.data(Qt::DisplayRole).toString());
    }
    return titles;
}

void EditorWindowFixture::clickRow(RegionID id, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex index = rowOf(id);
    ASSERT_TRUE(index.isValid());
    tree()->scrollTo(index);
    const QRect rect = tree()->visualRect(index);
    ASSERT_FALSE(rect.isEmpty());
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, modifiers, rect.center());
    settle();
}

QWidget* EditorWindowFixture::toolControl(const QString& objectName) const
{
    return window->toolBar()->findChild<QWidget*>(objectName);
}

} // namespace tarnveil::test
