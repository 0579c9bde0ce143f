// Renders a screenshot-like image dense with text, for measuring recognition speed:
//   make_screenshot WIDTH light|dark OUT.png [FONT_PIXELS [HEIGHT]]
// The height is 9/16 of the width unless given; lines of logs, configuration and shell commands in a
// monospace font fill the image from edge to edge.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "MixedCorpus.h"

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_screenshot WIDTH light|dark OUT.png [FONT_PIXELS [HEIGHT]]\n");
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    const int width = std::atoi(argv[1]);
    const bool dark = std::string(argv[2]) == "dark";
    const int fontPixels = argc > 4 ? std::atoi(argv[4]) : 14 * width / 1280;
    const int height = argc > 5 ? std::atoi(argv[5]) : width * 9 / 16;
    if (width < 64 || height < 64 || width > 16384 || height > 16384 || fontPixels < 4) {
        std::fprintf(stderr, "make_screenshot: width, height or font size out of range\n");
        return 2;
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(dark ? QColor(30, 30, 30) : QColor(250, 250, 250));
    QPainter painter(&image);
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(fontPixels);
    painter.setFont(font);
    painter.setPen(dark ? QColor(220, 220, 220) : QColor(30, 30, 30));
    const double lineHeight = QFontMetricsF(font).height() * 1.3;
    const auto lines = tarnveil::bench::MixedCorpus::lines(200'000, uint32_t(width));
    // The text drawn, line by line, goes beside the image (OUT.png.txt) to check readings against.
    const QString out = QString::fromLocal8Bit(argv[3]);
    std::FILE* truth = std::fopen((out + ".txt").toLocal8Bit().constData(), "w");
    double baseline = lineHeight;
    for (std::size_t i = 0; baseline < height - 4 && i < lines.size(); ++i, baseline += lineHeight) {
        painter.drawText(QPointF(fontPixels * 0.6, baseline), QString::fromStdString(lines[i]));
        if (truth) {
            std::fprintf(truth, "%s\n", lines[i].c_str());
        }
    }
    painter.end();
    if (truth) {
        std::fclose(truth);
    }
    return image.save(out) ? 0 : 1;
}
