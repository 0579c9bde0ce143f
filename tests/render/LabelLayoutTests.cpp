#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>

#include "render/LabelLayout.h"

using tarnveil::LabelLayout;

namespace {

/// A bitmap at 72 dots per inch, as the engine draws into: one point is one pixel.
QImage device72()
{
    QImage device(10, 10, QImage::Format_RGB32);
    device.setDotsPerMeterX(2835);
    device.setDotsPerMeterY(2835);
    return device;
}

} // namespace

TEST(LabelLayoutTest, SizeFollowsTheRegionHeightWithinItsBounds)
{
    const QImage device = device72();
    struct Case {
        QRect rect;
        double size;
    };
    for (const auto& [rect, size] : {Case{QRect(0, 0, 400, 20), 14.4}, Case{QRect(0, 0, 4000, 1000), 240},
                                     Case{QRect(0, 0, 400, 5), 8}}) {
        const auto layout = LabelLayout::fit("[IP-1]", rect, &device);
        EXPECT_DOUBLE_EQ(layout.size, size) << rect.height();
        EXPECT_EQ(layout.text, "[IP-1]");
    }
}

TEST(LabelLayoutTest, LongLabelIsShrunkThenTruncatedAtTheSmallestSize)
{
    const QImage device = device72();
    const QString label = "[EMAIL-12]";

    // Shrunk to the width less the insets, but not below 8.
    const auto shrunk = LabelLayout::fit(label, QRect(0, 0, 80, 40), &device);
    EXPECT_LT(shrunk.size, 40 * 0.72);
    EXPECT_GE(shrunk.size, 8);
    EXPECT_EQ(shrunk.text, label);
    EXPECT_LE(QFontMetricsF(shrunk.font, &device).horizontalAdvance(shrunk.text), 80 - 6 + 0.01);

    // Too narrow even at 8: cut with an ellipsis to the longest prefix that fits.
    const auto cut = LabelLayout::fit(label, QRect(0, 0, 30, 40), &device);
    EXPECT_DOUBLE_EQ(cut.size, 8);
    ASSERT_TRUE(cut.text.endsWith(QChar(0x2026)));
    const QString prefix = cut.text.chopped(1);
    EXPECT_TRUE(label.startsWith(prefix));
    EXPECT_GE(prefix.size(), 2);
    const QFontMetricsF metrics(LabelLayout::labelFont(8), &device);
    EXPECT_LE(metrics.horizontalAdvance(cut.text), 24);
    EXPECT_GT(metrics.horizontalAdvance(label.left(prefix.size() + 1) + QChar(0x2026)), 24);

    // Nothing fits: one character and the ellipsis remain.
    EXPECT_EQ(LabelLayout::fit(label, QRect(0, 0, 2, 40), &device).text, QString("[") + QChar(0x2026));

    // Truncation never splits a character made of several code points.
    const QString accents = QString("e\u0301").repeated(40);
    const auto accented = LabelLayout::fit(accents, QRect(0, 0, 30, 40), &device);
    EXPECT_EQ(accented.text.chopped(1).size() % 2, 0);
}

TEST(LabelLayoutTest, UsesTheMonospacedLabelFont)
{
    const QFontInfo info(LabelLayout::labelFont(12));
    EXPECT_TRUE(info.fixedPitch()) << info.family().toStdString();
}
