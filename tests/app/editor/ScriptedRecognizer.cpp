#include "ScriptedRecognizer.h"

#include "ocr/RecognizedText.h"

namespace tarnveil::test {

namespace {

/// Boxes a range of a line by spreading the line's normalised box evenly over its bytes.
class EvenlySpreadText final : public RecognizedText {
public:
    EvenlySpreadText(Rect normalizedBox, std::size_t length) : box_(normalizedBox), length_(length) {}

    Result<std::optional<Rect>, std::string> boundingBox(const TextRange& range) const override
    {
        if (length_ == 0 || range.empty() || range.end > length_) {
            return std::optional<Rect>();
        }
        const double unit = box_.width / static_cast<double>(length_);
        return std::optional<Rect>(
            Rect{box_.x + unit * static_cast<double>(range.start), box_.y, unit * static_cast<double>(range.length()),
                 box_.height});
    }

private:
    Rect box_;
    std::size_t length_;
};

} // namespace

OCRResult ocrOf(double width, double height, const std::vector<TextLine>& lines)
{
    OCRResult result;
    result.imageSize = Size{width, height};
    for (const TextLine& line : lines) {
        OCRObservation observation;
        observation.string = line.text;
        observation.confidence = 0.9F;
        observation.pixelBoundingBox = line.box;
        observation.normalizedBoundingBox = Rect{line.box.x / width, 1 - (line.box.y + line.box.height) / height,
                                                 line.box.width / width, line.box.height / height};
        observation.recognizedText =
            std::make_shared<EvenlySpreadText>(observation.normalizedBoundingBox, line.text.size());
        result.observations.push_back(std::move(observation));
    }
    return result;
}

EditorModel::Recognizer ScriptedRecognizer::function()
{
    return [this](const QImage& image) {
        auto promise = std::make_shared<QPromise<std::optional<OCRResult>>>();
        promise->start();
        QFuture<std::optional<OCRResult>> future = promise->future();
        requests_.push_back({image, promise});
        if (!hold) {
            release(requests_.size() - 1);
        }
        return future;
    };
}

void ScriptedRecognizer::release(std::size_t index)
{
    release(index, answer ? answer(requests_.at(index).image) : std::nullopt);
}

void ScriptedRecognizer::release(std::size_t index, std::optional<OCRResult> result)
{
    auto& promise = *requests_.at(index).promise;
    promise.addResult(std::move(result));
    promise.finish();
}

} // namespace tarnveil::test
