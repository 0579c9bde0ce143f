#include "ocr/engine/ScreenshotPreparation.h"

#include <algorithm>
#include <cmath>

#include <opencv2/imgproc.hpp>

namespace tarnveil {

namespace {

/// Background estimates are taken on a copy this many times smaller: the background varies
/// slowly, and the median filter is far cheaper there.
constexpr int backgroundShrink = 4;
/// The median window on the shrunken copy (in its pixels): wide enough that text strokes and
/// dense lines of text never make up half of it.
constexpr int backgroundWindow = 9;
/// A colour difference from the background of this much or more becomes full black.
constexpr int fullInkContrast = 160;

cv::Mat wrap(const QImage& image)
{
    return cv::Mat(image.height(), image.width(), CV_8UC3, const_cast<uchar*>(image.constBits()),
                   size_t(image.bytesPerLine()));
}

/// Per channel, the local background colour: a median over a wide window.
cv::Mat backgroundOf(const cv::Mat& rgb)
{
    cv::Mat small;
    cv::resize(rgb, small, cv::Size(std::max(1, rgb.cols / backgroundShrink), std::max(1, rgb.rows / backgroundShrink)),
               0, 0, cv::INTER_NEAREST);
    cv::Mat smallBackground;
    cv::medianBlur(small, smallBackground, backgroundWindow);
    cv::Mat background;
    cv::resize(smallBackground, background, rgb.size(), 0, 0, cv::INTER_LINEAR);
    return background;
}

/// Ink as darkness: each pixel's largest channel difference from the local background,
/// stretched and inverted, so light-on-dark and dark-on-light text both come out black on white.
cv::Mat inkOf(const cv::Mat& rgb, const cv::Mat& background)
{
    cv::Mat difference;
    cv::absdiff(rgb, background, difference);
    std::vector<cv::Mat> channels;
    cv::split(difference, channels);
    cv::Mat contrast = cv::max(cv::max(channels[0], channels[1]), channels[2]);
    cv::Mat ink;
    contrast.convertTo(ink, CV_8U, -255.0 / fullInkContrast, 255.0);
    return ink;
}

} // namespace

ScreenshotPreparation ScreenshotPreparation::prepare(const QImage& image, double scale)
{
    ScreenshotPreparation prepared;
    const QImage rgbImage = image.convertToFormat(QImage::Format_RGB888);
    if (rgbImage.isNull() || !(scale > 0)) {
        return prepared;
    }
    const cv::Mat rgb = wrap(rgbImage);
    cv::Mat ink = inkOf(rgb, backgroundOf(rgb));
    if (scale != 1) {
        cv::Mat scaled;
        cv::resize(ink, scaled, cv::Size(), scale, scale, scale > 1 ? cv::INTER_CUBIC : cv::INTER_AREA);
        ink = scaled;
    }
    QImage bitmap(ink.cols, ink.rows, QImage::Format_Grayscale8);
    if (bitmap.isNull()) {
        return prepared;
    }
    cv::Mat target(bitmap.height(), bitmap.width(), CV_8UC1, bitmap.bits(), size_t(bitmap.bytesPerLine()));
    ink.copyTo(target);
    prepared.bitmap = bitmap;
    prepared.scale = scale;
    return prepared;
}

} // namespace tarnveil
