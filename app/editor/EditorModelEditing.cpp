// Region editing: selection, adding, moving, restyling, deleting, undo and redo.

#include "EditorModel.h"

#include <algorithm>
#include <utility>

#include "detection/UnicodeText.h"
#include "ocr/Geometry.h"

namespace tarnveil {

namespace {

using RegionList = EditorModel::RegionList;

RegionList::iterator findRegion(RegionList& regions, RegionID id)
{
    return std::find_if(regions.begin(), regions.end(), [id](const RedactionRegion& region) { return region.id == id; });
}

} // namespace

void EditorModel::pushUndo()
{
    history_.record(regions_);
    emit historyChanged();
}

void EditorModel::pruneSelection()
{
    std::set<RegionID> kept;
    for (const RedactionRegion& region : regions_) {
        if (selection_.contains(region.id)) {
            kept.insert(region.id);
        }
    }
    setSelection(std::move(kept));
}

void EditorModel::select(RegionID id, bool additive)
{
    if (!additive) {
        setSelection({id});
        return;
    }
    std::set<RegionID> toggled = selection_;
    if (!toggled.erase(id)) {
        toggled.insert(id);
    }
    setSelection(std::move(toggled));
}

void EditorModel::selectAll()
{
    std::set<RegionID> all;
    for (const RedactionRegion& region : regions_) {
        all.insert(region.id);
    }
    setSelection(std::move(all));
}

void EditorModel::clearSelection()
{
    setSelection({});
}

std::optional<RedactionRegion> EditorModel::region(RegionID id) const
{
    const auto found =
        std::find_if(regions_.begin(), regions_.end(), [id](const RedactionRegion& region) { return region.id == id; });
    if (found == regions_.end()) {
        return std::nullopt;
    }
    return *found;
}

void EditorModel::addRegion(RedactionRegion region)
{
    pushUndo();
    const RegionID id = region.id;
    RegionList regions = regions_;
    regions.push_back(std::move(region));
    setRegions(std::move(regions));
    setSelection({id});
}

void EditorModel::beginInteraction()
{
    interactionSnapshot_ = regions_;
}

void EditorModel::updateRegionDuringInteraction(const RedactionRegion& region)
{
    RegionList regions = regions_;
    const auto found = findRegion(regions, region.id);
    // Moved or resized past the image's edge, the region keeps the part on the image; moved off
    // it entirely, it stays where it was last on it.
    const auto onImage = partOnImage(region.rect);
    if (found == regions.end() || !onImage) {
        return;
    }
    *found = region;
    found->rect = *onImage;
    setRegions(std::move(regions));
}

std::optional<Rect> EditorModel::partOnImage(const Rect& rect) const
{
    if (!image_) {
        return rect.standardized();
    }
    const auto inside =
        Geometry::intersection(rect.standardized(), Rect{0, 0, double(image_->width()), double(image_->height())});
    if (!inside || !inside->hasArea()) {
        return std::nullopt;
    }
    return inside;
}

void EditorModel::endInteraction()
{
    if (interactionSnapshot_ && *interactionSnapshot_ != regions_) {
        // Recorded like every other step, so the history keeps its limit however many
        // gestures follow one another.
        history_.record(std::move(*interactionSnapshot_));
        emit historyChanged();
    }
    interactionSnapshot_.reset();
}

void EditorModel::replaceRegion(const RedactionRegion& region)
{
    pushUndo();
    RegionList regions = regions_;
    const auto found = findRegion(regions, region.id);
    if (found != regions.end()) {
        *found = region;
    }
    setRegions(std::move(regions));
}

void EditorModel::deleteSelected()
{
    if (selection_.empty()) {
        return;
    }
    pushUndo();
    RegionList regions = regions_;
    std::erase_if(regions, [this](const RedactionRegion& region) { return selection_.contains(region.id); });
    setRegions(std::move(regions));
    setSelection({});
}

void EditorModel::setStyleForSelection(RedactionStyle style)
{
    const bool anySelected = std::any_of(regions_.begin(), regions_.end(),
                                         [this](const RedactionRegion& region) { return selection_.contains(region.id); });
    if (!anySelected) {
        return;
    }
    if (style.isReversible()) {
        const bool selectsSecret = std::any_of(regions_.begin(), regions_.end(), [this](const RedactionRegion& region) {
            return selection_.contains(region.id) && region.severity == Severity::secret;
        });
        if (selectsSecret) {
            setPendingUnsafeStyle(style);
            return;
        }
    }
    applyStyleToSelection(style);
}

void EditorModel::applyStyleToSelection(RedactionStyle style)
{
    pushUndo();
    RegionList regions = regions_;
    for (RedactionRegion& region : regions) {
        if (selection_.contains(region.id)) {
            region.style = style;
        }
    }
    setRegions(std::move(regions));
}

void EditorModel::confirmUnsafeStyle()
{
    if (pendingUnsafeStyle_) {
        applyStyleToSelection(*pendingUnsafeStyle_);
    }
    setPendingUnsafeStyle(std::nullopt);
}

void EditorModel::cancelUnsafeStyle()
{
    setPendingUnsafeStyle(std::nullopt);
}

void EditorModel::setProtected(RegionID id, bool isProtected)
{
    std::optional<RedactionRegion> found = region(id);
    if (!found) {
        return;
    }
    found->isProtected = isProtected;
    replaceRegion(*found);
}

void EditorModel::undo()
{
    std::optional<RegionList> step = history_.undo(regions_);
    if (!step) {
        return;
    }
    emit historyChanged();
    setRegions(std::move(*step));
    pruneSelection();
}

void EditorModel::redo()
{
    std::optional<RegionList> step = history_.redo(regions_);
    if (!step) {
        return;
    }
    emit historyChanged();
    setRegions(std::move(*step));
    pruneSelection();
}

void EditorModel::removeRegions(DetectionCategory category)
{
    pushUndo();
    RegionList regions = regions_;
    std::erase_if(regions, [category](const RedactionRegion& region) { return region.category == category; });
    setRegions(std::move(regions));
    pruneSelection();
}

void EditorModel::addToAllowlist(RegionID id)
{
    const std::optional<RedactionRegion> found = region(id);
    if (!found || !found->value) {
        return;
    }
    userAllowlist_.insert(UnicodeText::toLower(*found->value));
    reprocessWithActiveProfile();
}

void EditorModel::addChromeScrub(ChromeScrub kind)
{
    if (!image_) {
        return;
    }
    const Rect rect = stripRect(kind, image_->width(), image_->height(), imageScale_);
    addRegion(RedactionRegion(RegionID::generate(), rect, activeProfile_.style.redactionStyle()));
}

} // namespace tarnveil
