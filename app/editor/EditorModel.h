#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <QFuture>
#include <QImage>
#include <QObject>
#include <QString>
#include <QUuid>

#include "AppTheme.h"
#include "AreaCapture.h"
#include "ChromeScrub.h"
#include "StatusText.h"
#include "UndoHistory.h"
#include "detection/Allowlist.h"
#include "detection/DetectionCategory.h"
#include "ocr/OCRResult.h"
#include "planning/Profile.h"
#include "planning/RedactionRegion.h"
#include "planning/RedactionStyle.h"
#include "planning/RegionID.h"
#include "planning/ReviewDecisions.h"
#include "planning/SessionVocabulary.h"

namespace tarnveil {

class EditorPlatform;

/// Everything the editor shows and everything the user has decided about the current
/// screenshot: the image (never modified), its redaction regions, the selection, the scan
/// state, the undo history, the export state and the status line. The views read it and call
/// its operations; they keep no redaction state of their own.
///
/// The model belongs to the thread it was created on. Recognition and planning run on worker
/// threads; their results come back to the model's thread as queued calls and are dropped
/// when a newer scan has started in the meantime (each scan carries a generation, compared
/// after every wait). Nothing is ever cancelled.
///
/// Each observable field has a change signal; setting a field to its current value emits
/// nothing, except for the tokens, which change on every request.
class EditorModel : public QObject {
    Q_OBJECT

public:
    using RegionList = std::vector<RedactionRegion>;
    /// The recognition step of a scan: the recognised lines of a bitmap, delivered through a
    /// future, or none when recognition failed.
    using Recognizer = std::function<QFuture<std::optional<OCRResult>>(const QImage&)>;

    /// Pixels per point of pasted, dropped and opened images.
    static constexpr double defaultImageScale = 2.0;
    /// Pixels added on every side of a detected value's box.
    static constexpr double planningPadding = 3;
    static constexpr double ocrUpscaleThresholdWidth = 1600;
    static constexpr double ocrDedupIoUThreshold = 0.7;
    /// How often the Desktop export draws a new name when the name is taken.
    static constexpr int desktopNameAttempts = 8;

    static constexpr const char* themeSettingKey = "tv.theme";
    static constexpr const char* mappingFileName = "tarnveil-session-mapping.csv";
    static constexpr const char* exportFilePrefix = "Screenshot-redacted-";

    /// A model that uses `platform` for the desktop's services and reads the stored theme.
    explicit EditorModel(std::shared_ptr<EditorPlatform> platform, QObject* parent = nullptr);
    ~EditorModel() override;

    /// The application's one model, created on first use with the Qt platform services. Needs
    /// the QApplication; lives until the process ends.
    static EditorModel& shared();

    // Observable state.
    const std::optional<QImage>& image() const { return image_; }
    double imageScale() const { return imageScale_; }
    const RegionList& regions() const { return regions_; }
    const std::set<RegionID>& selection() const { return selection_; }
    AppTheme theme() const { return theme_; }
    bool previewBurned() const { return previewBurned_; }
    bool inspectorVisible() const { return inspectorVisible_; }
    double zoom() const { return zoom_; }
    int fitToken() const { return fitToken_; }
    const StatusText& status() const { return status_; }
    bool isProcessing() const { return isProcessing_; }
    bool scanFailed() const { return scanFailed_; }
    bool isExporting() const { return isExporting_; }
    const Profile& activeProfile() const { return activeProfile_; }
    const std::optional<RedactionStyle>& pendingUnsafeStyle() const { return pendingUnsafeStyle_; }
    int burnToken() const { return burnToken_; }
    bool showAbout() const { return showAbout_; }

    /// Stores the choice under "tv.theme" on every call.
    void setTheme(AppTheme theme);
    void setPreviewBurned(bool shown);
    void setInspectorVisible(bool visible);
    void setZoom(double zoom);
    /// Asks the canvas to fit the image to the window.
    void requestFit();
    /// The profile of the next scan; call `reprocessWithActiveProfile()` to rescan with it.
    void setActiveProfile(Profile profile);
    void setShowAbout(bool shown);

    /// The desktop services the model uses; the views ask it for the reduce-motion setting.
    EditorPlatform& platform() const { return *platform_; }

    // State the views do not observe.
    /// The generation of the newest scan; results of any other scan are dropped.
    const QUuid& scanGeneration() const { return scanGeneration_; }
    const std::optional<OCRResult>& cachedOCR() const { return cachedOCR_; }
    const ReviewDecisions& review() const { return review_; }
    /// The file the current image was read from; none for pasted and captured images.
    const std::optional<QString>& sourceURL() const { return sourceURL_; }
    /// `sourceURL()` as it was when the running export started.
    const std::optional<QString>& exportSourceURL() const { return exportSourceURL_; }
    /// The burned image frozen when the running export started.
    const std::optional<QImage>& exportSnapshot() const { return exportSnapshot_; }
    SessionVocabulary& vocabulary() const { return *vocabulary_; }
    const std::set<std::string>& userAllowlist() const { return userAllowlist_; }
    const UndoHistory& history() const { return history_; }
    /// Whole region lists, most recent last.
    const std::deque<RegionList>& undoStack() const { return history_.undoSteps(); }
    const std::deque<RegionList>& redoStack() const { return history_.redoSteps(); }
    /// The regions as they were when the open move or resize began; none outside a gesture.
    const std::optional<RegionList>& interactionSnapshot() const { return interactionSnapshot_; }
    bool isInteracting() const { return interactionSnapshot_.has_value(); }
    const std::optional<QImage>& burnedCache() const { return burnedCache_; }
    /// True when `burnedCache()` no longer matches the image and the regions.
    bool burnedDirty() const { return burnedDirty_; }

    /// The recognition step; replaceable. Initially the OCR service, with a new service per
    /// call on a worker thread.
    Recognizer recognize;
    /// The random part of an export's file name; replaceable. Initially the first eight
    /// characters of a new UUID, in upper case.
    std::function<QString()> exportNameSuffix;

    // Images and scans.

    /// Replaces the image and everything that belongs to it (scan cache, review, regions,
    /// selection, undo history) and starts a scan. Refused while an export runs. A null image
    /// is ignored; a scale that is not a positive number counts as 2.
    void load(const QImage& image, double scale, std::optional<QString> sourceURL);
    /// Loads the image on the clipboard (or its first image file) at scale 2, without a source.
    void paste();

    /// Milliseconds between hiding the application's windows and starting the area selection, so
    /// that the windows are gone from the screen before it is captured.
    static constexpr int captureDelayMilliseconds = 150;
    /// The screen-area capture `captureScreenshot()` uses; none until the application sets
    /// one. Not owned; must outlive the model or be unset first.
    void setAreaCapture(AreaCapture* capture) { areaCapture_ = capture; }
    /// Lets the user pick an area of the screen and loads its capture (with the screen's
    /// pixels per point as its scale, without a source): hides the application's windows,
    /// waits `captureDelayMilliseconds`, runs the capture and shows the windows again however
    /// it ends. A cancel or a failure keeps the current image and says so on the status line.
    /// Ignored while a capture runs.
    void captureScreenshot();
    bool isCapturing() const { return isCapturing_; }
    /// Scans the current image again with the active profile and the allowlist, reusing the
    /// recognised lines; manual regions, edits and deletions survive.
    void reprocessWithActiveProfile();
    /// Scans the current image: recognition (skipped when its result is cached), detection and
    /// planning, then the merge with the current regions. Started by `load` and
    /// `reprocessWithActiveProfile()` with the generation they set; returns before the scan
    /// ends. Does nothing without an image, while an export runs, or when `generation` is not
    /// the newest; without a generation it becomes the newest scan itself.
    void runPipeline(std::optional<QUuid> generation);

    // Region editing.

    /// Additive: toggles the id in the selection; otherwise selects only it.
    void select(RegionID id, bool additive);
    void selectAll();
    void clearSelection();
    /// The first region with that id.
    std::optional<RedactionRegion> region(RegionID id) const;
    /// Appends the region and selects only it; one undo step.
    void addRegion(RedactionRegion region);
    /// Opens a move or resize gesture: remembers the regions as they are now.
    void beginInteraction();
    /// Replaces the region with the same id without an undo step (one per drag event). The
    /// rectangle is cut to the image; a region moved off the image entirely stays as it was.
    void updateRegionDuringInteraction(const RedactionRegion& region);
    /// The part of `rect` (standardised) that lies on the image, none when nothing does; the
    /// whole rectangle when no image is loaded. The canvas places drawn regions with it.
    std::optional<Rect> partOnImage(const Rect& rect) const;
    /// Closes the gesture: one undo step when the regions changed during it.
    void endInteraction();
    /// Replaces the region with the same id; one undo step.
    void replaceRegion(const RedactionRegion& region);
    /// Removes the selected regions; one undo step when anything is selected.
    void deleteSelected();
    /// Records the current regions as one undo step and forgets the redo steps.
    void pushUndo();
    /// Drops from the selection the ids of regions that no longer exist.
    void pruneSelection();
    /// Restyles the selection; a reversible style on a selection holding a secret waits for
    /// `confirmUnsafeStyle()` or `cancelUnsafeStyle()` instead.
    void setStyleForSelection(RedactionStyle style);
    /// Restyles the selection without asking; one undo step.
    void applyStyleToSelection(RedactionStyle style);
    /// "Apply Anyway": applies the waiting style to the selection as it is now.
    void confirmUnsafeStyle();
    /// "Cancel": forgets the waiting style.
    void cancelUnsafeStyle();
    /// Protects or unprotects the region with that id; one undo step.
    void setProtected(RegionID id, bool isProtected);
    void undo();
    void redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    /// Removes every region of that category (regions without one stay); one undo step.
    void removeRegions(DetectionCategory category);
    /// Never redacts the value of the region with that id again in this process, and rescans.
    /// Nothing happens for a region without a value.
    void addToAllowlist(RegionID id);
    /// Adds a full-width strip over a band of window chrome, in the active profile's style.
    void addChromeScrub(ChromeScrub kind);

    // Export and session.

    /// The image with the regions burnt in: the export's frozen snapshot while an export runs,
    /// otherwise a cached burn of the current image and regions.
    std::optional<QImage> makeBurnedImage();
    /// Whether an export or copy may start now; asks first after a failed scan.
    bool ensureCanExport();
    /// Freezes the burned image and asks the canvas to play the burn (`burnToken`); the
    /// canvas then calls `performExport()`.
    void exportToDesktopAndCopy();
    /// Freezes the burned image and the source for the export that follows.
    bool prepareExportSnapshot();
    /// Writes the frozen image to the Desktop (or where the user chooses) and copies it; every
    /// outcome ends the export.
    void performExport();
    /// Puts the burned image on the clipboard as PNG, without writing a file or playing the
    /// burn; nothing happens when no export may start or nothing is loaded.
    void copyRedacted();
    /// Saves the label-to-value mapping where the user chooses, readable by the owner only.
    void exportMapping();
    /// Forgets every pseudonym, removes the labels from the regions and empties the undo
    /// history. Does nothing while a scan or an export runs.
    void newSession();
    /// The current local date and time as "yyyy-MM-dd-HHmmss".
    static QString timestamp();

signals:
    void imageChanged();
    void imageScaleChanged();
    void regionsChanged();
    void selectionChanged();
    void themeChanged();
    void previewBurnedChanged();
    void inspectorVisibleChanged();
    void zoomChanged();
    void fitTokenChanged();
    void statusChanged();
    void isProcessingChanged();
    void scanFailedChanged();
    void isExportingChanged();
    void activeProfileChanged();
    void pendingUnsafeStyleChanged();
    void burnTokenChanged();
    void showAboutChanged();
    /// The undo or redo history changed (for enabling Undo and Redo).
    void historyChanged();

private:
    /// What one scan works with, fixed when it starts.
    struct Scan {
        QUuid generation;
        Profile profile;
        Allowlist allowlist;
    };

    // Pipeline.
    void startPipelineLater(const QUuid& generation);
    void recognitionFinished(const Scan& scan, std::optional<OCRResult> result);
    void startPlanning(const Scan& scan, const OCRResult& ocr);
    void planningFinished(const Scan& scan, std::optional<RegionList> planned);
    void failScan();
    static StatusText scanStatus(const RegionList& planned, const Profile& profile);

    // Editing.
    void setRegions(RegionList regions);
    void setSelection(std::set<RegionID> selection);

    // Export.
    QString exportFileName() const;
    std::optional<QString> writeToDesktop(const QByteArray& png, const QString& name);
    void saveThroughDialog(const QByteArray* png, const QString& encodeError, const QString& name);
    QString clipboardOutcome(const QByteArray& png, const QString& copied, const QString& failed);
    bool isSourceImage(const QString& path, const std::optional<QString>& source) const;
    void finishExport();
    void finishCapture(const AreaCaptureResult& result);

    // Field setters that announce a change.
    void setImage(std::optional<QImage> image);
    void setImageScale(double scale);
    void setStatus(StatusText status);
    void setProcessing(bool processing);
    void setScanFailed(bool failed);
    void setExporting(bool exporting);
    void setPendingUnsafeStyle(std::optional<RedactionStyle> style);
    void setFitToken(int token);
    void setBurnToken(int token);

    std::shared_ptr<EditorPlatform> platform_;

    // Observable.
    std::optional<QImage> image_;
    double imageScale_ = defaultImageScale;
    RegionList regions_;
    std::set<RegionID> selection_;
    AppTheme theme_ = AppTheme::midnight;
    bool previewBurned_ = false;
    bool inspectorVisible_ = true;
    double zoom_ = 1.0;
    int fitToken_ = 0;
    StatusText status_;
    bool isProcessing_ = false;
    bool scanFailed_ = false;
    bool isExporting_ = false;
    Profile activeProfile_;
    std::optional<RedactionStyle> pendingUnsafeStyle_;
    int burnToken_ = 0;
    bool showAbout_ = false;

    // Plain.
    QUuid scanGeneration_;
    std::optional<OCRResult> cachedOCR_;
    ReviewDecisions review_;
    std::optional<QString> sourceURL_;
    std::optional<QString> exportSourceURL_;
    std::optional<QImage> exportSnapshot_;
    std::shared_ptr<SessionVocabulary> vocabulary_;
    std::set<std::string> userAllowlist_;
    UndoHistory history_;
    std::optional<RegionList> interactionSnapshot_;
    std::optional<QImage> burnedCache_;
    bool burnedDirty_ = true;
    AreaCapture* areaCapture_ = nullptr;
    bool isCapturing_ = false;
};

} // namespace tarnveil
