#pragma once

#include <cstddef>

#include <QImage>
#include <opencv2/core.hpp>

namespace tarnveil {

/// The pixels of a Format_Grayscale8 image as an OpenCV matrix that shares its memory. The
/// writable view detaches the image first, so writing through it never reaches a copy.
inline cv::Mat greyView(QImage& image)
{
    return cv::Mat(image.height(), image.width(), CV_8UC1, image.bits(), std::size_t(image.bytesPerLine()));
}

/// A read-only view of a Format_Grayscale8 image's pixels.
inline const cv::Mat greyView(const QImage& image)
{
    return cv::Mat(image.height(), image.width(), CV_8UC1, const_cast<uchar*>(image.constBits()),
                   std::size_t(image.bytesPerLine()));
}

} // namespace tarnveil
