#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QImage>
#include <QPromise>

#include "editor/EditorModel.h"
#include "ocr/OCRResult.h"
#include "ocr/Rect.h"

namespace tarnveil::test {

/// One recognised line for a scripted OCR result: its text and its pixel box. The boxes of
/// parts of the line are spread evenly over the box, byte by byte.
struct TextLine {
    std::string text;
    Rect box;
};

/// The OCR result of an image of `width` × `height` pixels holding `lines`.
OCRResult ocrOf(double width, double height, const std::vector<TextLine>& lines);

/// Recognition as a test scripts it: every request is answered by `answer`, at once or, while
/// `hold` is set, only when the test releases it, so that a test can let a result arrive
/// after a newer scan has started.
class ScriptedRecognizer {
public:
    std::function<std::optional<OCRResult>(const QImage&)> answer;
    bool hold = false;

    /// The recognition step to give the model. The recognizer must outlive the model.
    EditorModel::Recognizer function();

    std::size_t requestCount() const { return requests_.size(); }
    const QImage& requestedImage(std::size_t index) const { return requests_.at(index).image; }

    /// Answers a held request with `answer`.
    void release(std::size_t index);
    /// Answers a held request with `result`.
    void release(std::size_t index, std::optional<OCRResult> result);

private:
    struct Request {
        QImage image;
        std::shared_ptr<QPromise<std::optional<OCRResult>>> promise;
    };

    std::vector<Request> requests_;
};

} // namespace tarnveil::test
