#include <gtest/gtest.h>

#include <QImage>

#include "shell/MenuBarIcon.h"

namespace tarnveil::test {

// The three bars, measured from the symbol's bottom edge: bottoms 10.4, 5.9 and 1.4 points,
// 3.2 high, from x = 1 to 17, 12.5 and 15.5.
TEST(MenuBarIcon, ThreeBarsOfTheirLengthsWithClearGapsBetween)
{
    const qreal scale = 4.0;
    const QImage image = MenuBarIcon::draw(scale);
    ASSERT_EQ(image.size(), QSize(72, 60));
    const auto opaque = [&](qreal x, qreal yFromBottom) {
        return qAlpha(image.pixel(int(x * scale), int((15.0 - yFromBottom) * scale))) > 200;
    };
    const auto clear = [&](qreal x, qreal yFromBottom) {
        return qAlpha(image.pixel(int(x * scale), int((15.0 - yFromBottom) * scale))) == 0;
    };
    struct Bar {
        qreal middle;
        qreal end;
    };
    for (const Bar bar : {Bar{12.0, 17.0}, Bar{7.5, 12.5}, Bar{3.0, 15.5}}) {
        EXPECT_TRUE(opaque(2.0, bar.middle)) << bar.middle;
        EXPECT_TRUE(opaque(bar.end - 0.5, bar.middle)) << bar.middle;
        EXPECT_TRUE(clear(bar.end + 0.5, bar.middle)) << "bar " << bar.middle << " ends at " << bar.end;
    }
    for (const qreal gap : {0.5, 5.25, 9.75, 14.5}) {
        EXPECT_TRUE(clear(8.0, gap)) << gap;
    }
    EXPECT_TRUE(MenuBarIcon::icon().isMask());
}

} // namespace tarnveil::test
