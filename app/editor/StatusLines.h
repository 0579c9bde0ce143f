#pragma once

#include <QtGlobal>

/// The texts of the editor's status line and of its two questions. Translated ones are keys of
/// the interface catalogue (context "EditorModel", values as %1, %2 …); the others are shown as
/// written.
namespace tarnveil::StatusLines {

// Translated.
//: Shown before any image is loaded. Two spaces before the parenthesis.
inline constexpr const char* pasteToBegin = QT_TRANSLATE_NOOP("EditorModel", "Paste a screenshot to begin  (Ctrl+V)");
inline constexpr const char* noClipboardImage = QT_TRANSLATE_NOOP("EditorModel", "No image on the clipboard");
//: Shown while the user picks the screen area to capture.
inline constexpr const char* selectAreaToCapture = QT_TRANSLATE_NOOP("EditorModel", "Select an area to capture…");
inline constexpr const char* captureCancelled = QT_TRANSLATE_NOOP("EditorModel", "Capture cancelled");
inline constexpr const char* noMatchingDisplay = QT_TRANSLATE_NOOP("EditorModel", "Could not find the display to capture.");
inline constexpr const char* capturePermissionDenied = QT_TRANSLATE_NOOP(
    "EditorModel", "Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in your desktop's "
                   "privacy settings, then try again.");
//: Shown when neither an X11 display nor the desktop's screenshot portal can be used.
inline constexpr const char* captureUnavailable =
    QT_TRANSLATE_NOOP("EditorModel", "Screen capture is not available on this desktop.");
//: The desktop portal (xdg-desktop-portal) that takes screenshots on Wayland is missing.
inline constexpr const char* screenshotServiceMissing =
    QT_TRANSLATE_NOOP("EditorModel", "The desktop's screenshot service is not available.");
inline constexpr const char* screenshotServiceSilent =
    QT_TRANSLATE_NOOP("EditorModel", "The desktop's screenshot service did not answer.");
inline constexpr const char* captureFailed = QT_TRANSLATE_NOOP("EditorModel", "Screen capture failed.");
inline constexpr const char* noDetections =
    QT_TRANSLATE_NOOP("EditorModel", "No detections — review manually before exporting");
//: %1 is the name of the redaction profile.
inline constexpr const char* oneDetection = QT_TRANSLATE_NOOP("EditorModel", "1 detection · %1");
//: %1 is the number of detections (2 or more), %2 the name of the redaction profile.
inline constexpr const char* manyDetections = QT_TRANSLATE_NOOP("EditorModel", "%1 detections · %2");
inline constexpr const char* nothingToExport = QT_TRANSLATE_NOOP("EditorModel", "Nothing to export");
inline constexpr const char* burning = QT_TRANSLATE_NOOP("EditorModel", "Burning…");
inline constexpr const char* burningOneRegion = QT_TRANSLATE_NOOP("EditorModel", "Burning 1 region…");
//: %1 is the number of regions (0, 2 or more).
inline constexpr const char* burningRegions = QT_TRANSLATE_NOOP("EditorModel", "Burning %1 regions…");
inline constexpr const char* mappingExported = QT_TRANSLATE_NOOP("EditorModel", "Mapping exported");
inline constexpr const char* newSession = QT_TRANSLATE_NOOP("EditorModel", "New session — pseudonyms reset");
inline constexpr const char* redactedCopied = QT_TRANSLATE_NOOP("EditorModel", "Redacted image copied to clipboard");
inline constexpr const char* clipboardCopyFailed = QT_TRANSLATE_NOOP("EditorModel", "Clipboard copy failed — please try again.");

// Shown as written.
inline constexpr const char* loadRefusedDuringExport = "Finish the current export before loading another image.";
inline constexpr const char* scanning = "Scanning…";
inline constexpr const char* ocrFailed = "OCR failed — rescan, or review manually before exporting.";
inline constexpr const char* waitForScanOrExport = "Wait for scanning or the current export to finish.";
inline constexpr const char* waitBeforeRetry = "Wait for scanning to finish, then retry export.";
inline constexpr const char* exported = "Exported ";
inline constexpr const char* toDesktopCopied = " to Desktop · copied to clipboard";
inline constexpr const char* toDesktopCopyFailed = " to Desktop · clipboard copy failed";
inline constexpr const char* sourceMustBePreserved = "Choose another filename — the source image must be preserved.";
inline constexpr const char* couldNotSaveExport = "Could not save export: ";
inline constexpr const char* exportedCopied = "Exported · copied to clipboard";
inline constexpr const char* exportedCopyFailed = "Exported · clipboard copy failed";
inline constexpr const char* couldNotSaveMapping = "Could not save mapping: ";

// The questions are translated when they are asked.

// The question before exporting after a failed scan.
inline constexpr const char* detectionFailedMessage = QT_TRANSLATE_NOOP("EditorModel", "Automatic detection failed");
inline constexpr const char* detectionFailedInformative =
    QT_TRANSLATE_NOOP("EditorModel", "Review every sensitive area manually. Export the current manual redactions?");
inline constexpr const char* detectionFailedCancel = QT_TRANSLATE_NOOP("EditorModel", "Cancel");
inline constexpr const char* detectionFailedConfirm = QT_TRANSLATE_NOOP("EditorModel", "Export reviewed image");

// The question before a reversible style (blur, pixelate) is applied to a secret, shown while
// `EditorModel::pendingUnsafeStyle()` is set: "Apply Anyway" calls `confirmUnsafeStyle()`,
// "Cancel" calls `cancelUnsafeStyle()`.
inline constexpr const char* unsafeStyleTitle = QT_TRANSLATE_NOOP("EditorModel", "Apply a reversible style to a secret?");
inline constexpr const char* unsafeStyleMessage =
    QT_TRANSLATE_NOOP("EditorModel", "Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.");
inline constexpr const char* unsafeStyleConfirm = QT_TRANSLATE_NOOP("EditorModel", "Apply Anyway");
inline constexpr const char* unsafeStyleCancel = QT_TRANSLATE_NOOP("EditorModel", "Cancel");

} // namespace tarnveil::StatusLines
