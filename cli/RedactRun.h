#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include <QImage>

#include "ProgressReporter.h"
#include "ocr/OCRResult.h"
#include "planning/RedactionRegion.h"
#include "ScanOptions.h"
#include "planning/SessionVocabulary.h"

namespace tarnveil::cli {

/// One run of `redact` over its images: workers take images in order; recognition, burning
/// and writing run in parallel, planning takes turns in the order of the images so that the
/// shared vocabulary numbers labels the same way on every run.
class RedactRun {
public:
    RedactRun(const ScanOptions& scan, std::vector<std::string> imageFiles,
              std::vector<std::filesystem::path> outputs, std::FILE* err);

    /// Processes every image on up to `workers` threads; true when all succeeded.
    bool process(std::size_t workers);

    const SessionVocabulary& vocabulary() const { return vocabulary_; }
    ProgressReporter& reporter() { return reporter_; }

private:
    void work();
    bool redactOne(std::size_t index);
    std::vector<RedactionRegion> planInTurn(std::size_t index, const OCRResult* ocr);
    bool finish(std::size_t index, const QImage& image, const std::vector<RedactionRegion>& regions);
    void waitForTurn(std::size_t index);
    void passTurn();

    const ScanOptions& scan_;
    std::vector<std::string> imageFiles_;
    std::vector<std::filesystem::path> outputs_;
    ProgressReporter reporter_;
    SessionVocabulary vocabulary_;
    std::atomic<std::size_t> nextImage_{0};
    std::atomic<bool> allSucceeded_{true};
    std::mutex turnMutex_;
    std::condition_variable turnChanged_;
    std::size_t planningTurn_ = 0;
};

} // namespace tarnveil::cli
