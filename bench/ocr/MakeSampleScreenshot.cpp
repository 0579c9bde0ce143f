// Renders the sample screenshot shipped in samples/: the lines of samples/sample.txt (fake
// secrets and identifiers) in a dark terminal window, as a user would capture it.
//   make_sample_screenshot samples/sample.txt samples/terminal.png
#include <cstdio>
#include <cstdlib>

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sample_screenshot SAMPLE.txt OUT.png\n");
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_sample_screenshot: cannot read %s\n", argv[1]);
        return 1;
    }
    const QStringList lines = QString::fromUtf8(input.readAll()).split('\n', Qt::SkipEmptyParts);

    QFont font("DejaVu Sans Mono");
    font.setPixelSize(15);
    const QFontMetricsF metrics(font);
    const double lineHeight = metrics.height() * 1.35;
    constexpr int width = 1720;
    constexpr int titleBar = 34;
    const int height = titleBar + int(lineHeight * (lines.size() + 2)) + 16;

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0x1e, 0x1f, 0x29));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(0, 0, width, titleBar, QColor(0x2c, 0x2e, 0x3b));
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(QColor(i == 0 ? 0xff5f56 : i == 1 ? 0xffbd2e : 0x27c93f));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(20 + i * 22, titleBar / 2.0), 6, 6);
    }
    QFont titleFont("DejaVu Sans");
    titleFont.setPixelSize(14);
    painter.setFont(titleFont);
    painter.setPen(QColor(0xc0, 0xc4, 0xd6));
    painter.drawText(QRectF(0, 0, width, titleBar), Qt::AlignCenter, "deploy@build-01: ~/releases");

    painter.setFont(font);
    double baseline = titleBar + lineHeight;
    painter.setPen(QColor(0x50, 0xfa, 0x7b));
    painter.drawText(QPointF(14, baseline), "$ tail -n 10 /var/log/deploy.log");
    painter.setPen(QColor(0xf8, 0xf8, 0xf2));
    for (const QString& line : lines) {
        baseline += lineHeight;
        painter.drawText(QPointF(14, baseline), line);
    }
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
