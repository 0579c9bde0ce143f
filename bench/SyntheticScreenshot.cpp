#include "SyntheticScreenshot.h"

#include <algorithm>
#include <iterator>
#include <random>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace tarnveil::SyntheticScreenshot {

QImage make(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(236, 236, 236));
    QPainter painter(&image);
    painter.fillRect(0, 0, w, 64, QColor(40, 44, 52));
    painter.fillRect(0, 64, 640, h - 64, QColor(250, 250, 250));
    QFont font("DejaVu Sans");
    font.setPixelSize(26);
    painter.setFont(font);
    std::mt19937 random(42);
    const char* words[] = {"deploy", "token", "10.1.2.3", "admin@example.com", "kubectl", "apply", "-f",
                           "ssh", "root@host", "export", "AWS_SECRET", "password", "ok", "=", "42"};
    for (int y = 100; y < h; y += 36) {
        QString line;
        for (int i = 0; i < 24; ++i) {
            line += QString::fromLatin1(words[random() % std::size(words)]) + ' ';
        }
        painter.setPen(y % 5 == 0 ? QColor(30, 90, 200) : QColor(20, 20, 20));
        painter.drawText(680, y, line);
        if (y < h / 2) {
            painter.drawText(20, y, QString::fromLatin1(words[random() % std::size(words)]));
        }
    }
    QLinearGradient gradient(0, 0, 1200, 900);
    gradient.setColorAt(0, QColor(200, 120, 40));
    gradient.setColorAt(1, QColor(30, 60, 160));
    const QRect photo(w - 1400, h - 1000, 1200, 900);
    painter.fillRect(photo, gradient);
    painter.end();
    for (int y = photo.top(); y <= photo.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = photo.left(); x <= photo.right(); ++x) {
            const int noise = int(random() % 17) - 8;
            const QRgb p = row[x];
            row[x] = qRgb(std::clamp(qRed(p) + noise, 0, 255), std::clamp(qGreen(p) + noise, 0, 255),
                          std::clamp(qBlue(p) + noise, 0, 255));
        }
    }
    return image;
}

} // namespace tarnveil::SyntheticScreenshot
