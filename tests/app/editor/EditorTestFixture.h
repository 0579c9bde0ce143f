#pragma once

#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "FakeEditorPlatform.h"
#include "ScriptedRecognizer.h"
#include "editor/EditorModel.h"

namespace tarnveil::test {

/// A model on a scripted desktop with scripted recognition, and a temporary folder.
///
/// Two test images: A (400 × 100) holds a private IPv4 address ("10.20.30.40", reported by
/// "Pentest Report", suppressed by "Client Demo") and a password ("Hunter2xyz7", a secret);
/// B (500 × 120) holds an AWS access key. Any other image holds no text.
class EditorTestFixture : public ::testing::Test {
protected:
    EditorTestFixture();
    ~EditorTestFixture() override;

    static QImage imageA();
    static QImage imageB();
    static QImage blankImage(int width, int height);
    static OCRResult ocrA();
    static OCRResult ocrB();

    /// Puts `image` on the clipboard and pastes it.
    void paste(const QImage& image);
    /// Pastes `image` and waits until its scan has ended.
    void pasteAndScan(const QImage& image);
    /// Processes events until no scan runs; false after the timeout.
    bool waitForScan();
    /// Processes events until the recognizer has had `count` requests.
    bool waitForRequests(std::size_t count);
    /// Lets queued calls and finished futures reach the model.
    static void settle();

    /// The first region of that category.
    std::optional<RedactionRegion> regionOf(DetectionCategory category) const;
    /// A region as the user draws it: no label, category, severity or value.
    static RedactionRegion manualRegion(Rect rect);
    /// A region as a detector plans it.
    static RedactionRegion detectedRegion(Rect rect, DetectionCategory category, Severity severity);

    /// The status line as shown.
    QString statusLine() const;

    QTemporaryDir folder;
    std::shared_ptr<FakeEditorPlatform> platform;
    ScriptedRecognizer recognizer;
    std::unique_ptr<EditorModel> model;
};

} // namespace tarnveil::test
