#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <QImage>

#include "planning/RedactionRegion.h"
#include "render/RedactionEngine.h"

using namespace tarnveil;

namespace {

/// Every pixel different from its neighbours, so that any change shows.
QImage patterned(int width = 100, int height = 100)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, (x * y) % 256));
        }
    }
    return image;
}

RedactionRegion region(Rect rect, RedactionStyle style, bool isProtected = false,
                       std::optional<std::string> label = std::nullopt)
{
    return RedactionRegion(RegionID::generate(), rect, style, std::move(label), std::nullopt, std::nullopt,
                           std::nullopt, isProtected);
}

QImage burn(const QImage& source, const std::vector<RedactionRegion>& regions)
{
    auto burnt = RedactionEngine().burn(source, regions);
    EXPECT_TRUE(burnt.has_value());
    return burnt.value_or(QImage());
}

/// The pixels of `image` inside `box` that differ from `expected`, and those outside that differ
/// from `outside`.
struct Differences {
    int inside = 0;
    int outside = 0;
};

Differences compare(const QImage& image, const QRect& box, QRgb expected, const QImage& outside)
{
    Differences differences;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (box.contains(x, y)) {
                differences.inside += pixel != expected;
            } else {
                differences.outside += pixel != outside.pixel(x, y);
            }
        }
    }
    return differences;
}

const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);

} // namespace

TEST(RedactionEngineTest, SolidFillsTheOutwardRoundedBoxWithTheExactColour)
{
    const QImage source = patterned();
    struct Case {
        FillColor fill;
        QRgb expected;
    };
    for (const auto& [fill, expected] : {Case{FillColor::black, black}, Case{FillColor::white, white},
                                         Case{FillColor::grey, qRgb(128, 128, 128)}}) {
        const QImage out = burn(source, {region({10.5, 20.25, 30, 5.5}, RedactionStyle::solid(fill))});
        ASSERT_EQ(out.size(), source.size());
        ASSERT_FALSE(out.hasAlphaChannel());
        const auto differences = compare(out, QRect(10, 20, 31, 6), expected, source);
        EXPECT_EQ(differences.inside, 0) << identifier(fill);
        EXPECT_EQ(differences.outside, 0) << identifier(fill);
    }
}

TEST(RedactionEngineTest, ProtectedRegionShieldsItsAreaAndIsNeverBurnt)
{
    const QImage source = patterned();
    const Rect shield{30, 30, 20, 20};
    for (const auto style : {RedactionStyle::solid(FillColor::white), RedactionStyle::labeled(FillColor::black),
                             RedactionStyle::blur(), RedactionStyle::pixelate()}) {
        SCOPED_TRACE(std::string(RedactionStyle::identifier(style.kind())));
        // Alone, a protected region changes nothing, whatever its style.
        const QImage alone = burn(source, {region(shield, style, true, "[EMAIL-1]")});
        EXPECT_EQ(alone, source.convertToFormat(QImage::Format_RGB32));

        // Over a burnt region it keeps the source pixels in the overlap, also when listed first.
        const QImage out = burn(source, {region(shield, RedactionStyle::solid(FillColor::black), true),
                                         region({20, 20, 40, 40}, style, false, "[EMAIL-1]")});
        for (int y = 20; y < 60; ++y) {
            for (int x = 20; x < 60; ++x) {
                const bool shielded = x >= 30 && x < 50 && y >= 30 && y < 50;
                if (shielded) {
                    ASSERT_EQ(out.pixel(x, y), source.pixel(x, y)) << x << "," << y;
                }
            }
        }
        // The rest of the region is burnt.
        EXPECT_NE(out.pixel(20, 20), source.pixel(20, 20));
        EXPECT_NE(out.pixel(55, 55), source.pixel(55, 55));
    }
}

TEST(RedactionEngineTest, RegionsAreClippedToTheImage)
{
    const QImage source = patterned();
    const QImage partly = burn(source, {region({-10, 90, 30, 30}, RedactionStyle::solid(FillColor::white))});
    const auto differences = compare(partly, QRect(0, 90, 20, 10), white, source);
    EXPECT_EQ(differences.inside, 0);
    EXPECT_EQ(differences.outside, 0);

    for (const Rect outside : {Rect{100, 0, 10, 10}, Rect{-20, -20, 19.5, 50}, Rect{5e5, 5e5, 1e5, 1e5},
                               Rect{20, 20, 0, 10}, Rect{NAN, 0, 10, 10}}) {
        for (const auto style : {RedactionStyle::solid(FillColor::white), RedactionStyle::blur()}) {
            EXPECT_EQ(burn(source, {region(outside, style)}), source) << outside.x << "," << outside.y;
        }
    }
    // A huge region covers the whole image without overflowing.
    const QImage all = burn(source, {region({-1e6, -1e6, 2e6, 2e6}, RedactionStyle::solid(FillColor::white))});
    EXPECT_EQ(compare(all, QRect(0, 0, 100, 100), white, source).inside, 0);
}

TEST(RedactionEngineTest, OpaqueFillsCoverBlurAndPixellationWhateverTheOrder)
{
    const QImage source = patterned();
    const auto solid = region({40, 40, 20, 20}, RedactionStyle::solid(FillColor::white));
    for (const auto reversible : {RedactionStyle::blur(), RedactionStyle::pixelate()}) {
        const auto other = region({30, 30, 30, 30}, reversible);
        for (const auto& regions : {std::vector{solid, other}, std::vector{other, solid}}) {
            const QImage out = burn(source, regions);
            for (int y = 40; y < 60; ++y) {
                for (int x = 40; x < 60; ++x) {
                    ASSERT_EQ(out.pixel(x, y), white);
                }
            }
            EXPECT_NE(out.pixel(32, 32), source.pixel(32, 32));
        }
    }
}

TEST(RedactionEngineTest, BlurTakesOnlyTheRegionsOwnPixels)
{
    // A white block in a black image: blurring exactly the block must not pull black in.
    QImage source(120, 80, QImage::Format_RGB32);
    source.fill(black);
    for (int y = 20; y < 50; ++y) {
        for (int x = 30; x < 90; ++x) {
            source.setPixel(x, y, white);
        }
    }
    const QImage out = burn(source, {region({30, 20, 60, 30}, RedactionStyle::blur())});
    EXPECT_EQ(out, source);

    // A one-pixel checkerboard blurs to an even grey: the detail is gone.
    QImage checkers(80, 80, QImage::Format_RGB32);
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 80; ++x) {
            checkers.setPixel(x, y, (x + y) % 2 ? white : black);
        }
    }
    const QImage blurred = burn(checkers, {region({10, 10, 60, 60}, RedactionStyle::blur())});
    // (Near the corners the repeated corner pixel weighs more, so the grey is not perfectly even.)
    double sum = 0;
    int maxStep = 0;
    for (int y = 10; y < 70; ++y) {
        for (int x = 10; x < 70; ++x) {
            const int red = qRed(blurred.pixel(x, y));
            ASSERT_NEAR(red, 128, 40) << x << "," << y;
            sum += red;
            if (x > 10) {
                maxStep = std::max(maxStep, std::abs(red - qRed(blurred.pixel(x - 1, y))));
            }
        }
    }
    EXPECT_NEAR(sum / 3600, 128, 4);
    EXPECT_LE(maxStep, 3); // the source steps by 255 from pixel to pixel
    EXPECT_EQ(compare(blurred, QRect(10, 10, 60, 60), 0, checkers).outside, 0);
}

TEST(RedactionEngineTest, PixellationCellsAreTwelvePixelsLaidOutFromThePatchCentre)
{
    const QImage source = patterned(120, 120);
    struct Case {
        int width;
        std::vector<int> cellStarts; // relative to the patch
    };
    // 48 wide: centre 24 falls on a cell edge, four whole cells. 30 wide: centre 15, so
    // edges at 3, 15 and 27, with cut cells at both sides.
    for (const auto& [width, cellStarts] : {Case{48, {0, 12, 24, 36}}, Case{30, {0, 3, 15, 27}}}) {
        const QImage out = burn(source, {region({10, 10, double(width), double(width)}, RedactionStyle::pixelate())});
        std::vector<int> starts;
        for (int x = 0; x < width; ++x) {
            if (x == 0 || out.pixel(10 + x, 10 + 5) != out.pixel(10 + x - 1, 10 + 5)) {
                starts.push_back(x);
            }
        }
        EXPECT_EQ(starts, cellStarts) << width;
        // Cells are square: the same edges down the first column.
        std::vector<int> rows;
        for (int y = 0; y < width; ++y) {
            if (y == 0 || out.pixel(10 + 1, 10 + y) != out.pixel(10 + 1, 10 + y - 1)) {
                rows.push_back(y);
            }
        }
        EXPECT_EQ(rows, cellStarts) << width;
        EXPECT_EQ(compare(out, QRect(10, 10, width, width), 0, source).outside, 0);
    }
}

TEST(RedactionEngineTest, TransparentSourcePixelsComeOutOpaqueWithoutTheirHiddenColour)
{
    QImage source(4, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgba(255, 0, 0, 0));     // invisible red
    source.setPixel(1, 0, qRgba(0, 0, 255, 255));   // opaque blue
    source.setPixel(2, 0, qRgba(255, 255, 255, 0)); // invisible white
    source.setPixel(3, 0, qRgba(0, 255, 0, 255));
    const QImage out = burn(source, {});
    ASSERT_FALSE(out.hasAlphaChannel());
    EXPECT_EQ(out.pixel(0, 0), black);
    EXPECT_EQ(out.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(out.pixel(2, 0), black);
    EXPECT_EQ(qAlpha(out.pixel(3, 0)), 255);
}

TEST(RedactionEngineTest, LabelledRegionWritesItsLabelInsideTheFillOnly)
{
    const QImage source = patterned(200, 60);
    const QRect box(20, 10, 160, 40);
    // No label, or an empty one: a plain fill.
    for (const auto& label : {std::optional<std::string>(), std::optional<std::string>("")}) {
        const QImage plain = burn(source, {region(Rect{20, 10, 160, 40}, RedactionStyle::labeled(FillColor::grey),
                                                  false, label)});
        EXPECT_EQ(compare(plain, box, qRgb(128, 128, 128), source).inside, 0);
    }
    struct Case {
        FillColor fill;
        QRgb fillColour;
        QRgb textColour;
    };
    for (const auto& [fill, fillColour, textColour] :
         {Case{FillColor::black, black, white}, Case{FillColor::white, white, black},
          Case{FillColor::grey, qRgb(128, 128, 128), white}}) {
        const QImage out = burn(source, {region(Rect{20, 10, 160, 40}, RedactionStyle::labeled(fill), false,
                                                "[EMAIL-1]")});
        int textPixels = 0;
        QRect ink;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                if (out.pixel(x, y) == textColour) {
                    ++textPixels;
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        EXPECT_GT(textPixels, 50) << identifier(fill);
        // Centred: the ink sits around the middle of the box.
        EXPECT_NEAR(ink.center().x(), box.center().x(), 3) << identifier(fill);
        EXPECT_NEAR(ink.center().y(), box.center().y(), 4) << identifier(fill);
        EXPECT_EQ(compare(out, box, fillColour, source).outside, 0) << identifier(fill);
    }
}

TEST(RedactionEngineTest, LabelThatOverflowsIsClippedToItsRegion)
{
    const QImage source = patterned(100, 40);
    const QImage out = burn(source, {region({40, 10, 10, 20}, RedactionStyle::labeled(FillColor::black), false,
                                            "[PRIVATE-KEY-123]")});
    EXPECT_EQ(compare(out, QRect(40, 10, 10, 20), 0, source).outside, 0);
}

TEST(RedactionEngineTest, ALabelInsideOrOnAnotherLabelledRegionIsNotDrawnOverIt)
{
    const QImage source = patterned(240, 80);
    const RedactionStyle labeled = RedactionStyle::labeled(FillColor::black);
    const RedactionRegion email = region(Rect{20, 10, 180, 40}, labeled, false, "[EMAIL-1]");
    const RedactionRegion host = region(Rect{110, 14, 80, 30}, labeled, false, "[HOST-2]");
    const RedactionRegion jwt = region(Rect{20, 10, 180, 40}, labeled, false, "[JWT-1]");
    const RedactionRegion apart = region(Rect{20, 55, 180, 20}, labeled, false, "[IP-1]");
    struct Case {
        const char* name;
        std::vector<RedactionRegion> regions;
        std::vector<RedactionRegion> sameAs; ///< the regions whose labels stand
    };
    for (const Case& testCase : {Case{"inner after outer", {email, host}, {email}},
                                 Case{"inner before outer", {host, email}, {email}},
                                 Case{"same rectangle: the earlier stands", {jwt, email}, {jwt}},
                                 Case{"apart: both stand", {email, apart}, {email, apart}}}) {
        EXPECT_EQ(burn(source, testCase.regions), burn(source, testCase.sameAs)) << testCase.name;
    }
    // Both labels are still written when the regions only overlap.
    const RedactionRegion overlapping = region(Rect{150, 30, 80, 40}, labeled, false, "[CARD-1]");
    EXPECT_NE(burn(source, {email, overlapping}), burn(source, {email, region(Rect{150, 30, 80, 40}, labeled)}));
}

TEST(RedactionEngineTest, AFillAfterALabelledRegionStillCoversWhatItCoveredBefore)
{
    // The labels now come after every fill; the solid region must stay solid where it does not
    // meet the labelled one, and the labelled region's label still stands inside its own box.
    const QImage source = patterned(240, 80);
    const RedactionRegion email = region(Rect{20, 10, 120, 40}, RedactionStyle::labeled(FillColor::black), false, "[EMAIL-1]");
    const RedactionRegion solid = region(Rect{100, 20, 120, 50}, RedactionStyle::solid(FillColor::white));
    const QImage out = burn(source, {email, solid});
    const QRect solidOnly = QRect(141, 20, 79, 50);
    EXPECT_EQ(compare(out, solidOnly, white, out).inside, 0);
    for (int y = 10; y < 50; ++y) {
        for (int x = 20; x < 220; ++x) {
            if (QRect(20, 10, 120, 40).contains(x, y) || QRect(100, 20, 120, 50).contains(x, y)) {
                EXPECT_NE(out.pixel(x, y), source.pixel(x, y)) << x << "," << y;
            }
        }
    }
}
