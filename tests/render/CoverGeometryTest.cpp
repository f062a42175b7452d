// The paper sizes of every kind of case and how they become pixels.
#include "CoverGeometry.h"

#include <gtest/gtest.h>

namespace {

// A fresh record with a kind of case applied, as the main window sets it when it opens.
CoverGeometry GeometryFor(CoverType type, DWORD cwf = 121, DWORD chf = 119, DWORD cwb = 151, DWORD chb = 118)
{
    CoverGeometry geometry;
    geometry.SetForCoverType(type, cwf, chf, cwb, chb);
    return geometry;
}

} // namespace

TEST(CoverGeometry, StandardCdIsFrontAndTrayCardAtRealSizeOnA96PpiScreen)
{
    const CoverGeometry g = GeometryFor(StandardCD);
    EXPECT_EQ(Pixels(96, g.dFrontWidth), 454);
    EXPECT_EQ(Pixels(96, g.dFrontHeight), 454);
    EXPECT_EQ(Pixels(96, g.dBackWidth), 568);
    EXPECT_EQ(Pixels(96, g.dBackHeight), 444);
    EXPECT_EQ(Pixels(96, g.dBackSpine), 24);
    EXPECT_EQ(g.dFrontSpine, 0.0);
    EXPECT_EQ(g.dFlapWidth, 0.0);
    EXPECT_EQ(PixelEdge(96, g.dBackLeft, g.dBackWidth), 664);
    EXPECT_EQ(PixelEdge(96, g.dBackTop, g.dBackHeight), 970); // 526.08 + 444
}

TEST(CoverGeometry, DvdInsertsAreOnePieceAtTheTopLeftOfThePage)
{
    const CoverGeometry dvd = GeometryFor(StandardDVD);
    EXPECT_EQ(Pixels(96, dvd.dBackWidth), 1029);
    EXPECT_EQ(Pixels(96, dvd.dBackHeight), 691);
    EXPECT_EQ(Pixels(96, dvd.dBackSpine), 51);
    EXPECT_EQ(dvd.dFrontWidth, 0.0);
    EXPECT_EQ(dvd.dBackLeft, 0.25);
    EXPECT_EQ(dvd.dBackTop, 0.25);

    const CoverGeometry slim = GeometryFor(SlimlineDVD);
    EXPECT_EQ(Pixels(96, slim.dBackWidth), 1012);
    EXPECT_EQ(Pixels(96, slim.dBackSpine), 26);
    EXPECT_EQ(slim.dFlapWidth, 0.0);
}

TEST(CoverGeometry, OnlyTheSlimlineCdInsertHasAFlap)
{
    const CoverGeometry g = GeometryFor(SlimlineCD);
    EXPECT_EQ(Pixels(96, g.dBackWidth), 589);  // 156 mm
    EXPECT_EQ(Pixels(96, g.dBackHeight), 457); // 121 mm
    EXPECT_EQ(Pixels(96, g.dBackSpine), 11);   // 3 mm
    EXPECT_EQ(Pixels(96, g.dFlapWidth), 56);   // 15 mm
    for (const CoverType other : {StandardCD, StandardDVD, SlimlineDVD, CustomSize})
        EXPECT_EQ(GeometryFor(other).dFlapWidth, 0.0) << other;
}

TEST(CoverGeometry, CustomSizeScalesTheStoredTenthsInSinglePrecisionAndKeepsThePagePositions)
{
    const CoverGeometry g = GeometryFor(CustomSize, 121, 119, 151, 118);
    EXPECT_EQ(g.dFrontWidth, static_cast<double>(121.0f * 0.1f));
    EXPECT_NE(g.dFrontWidth, 12.1);
    EXPECT_EQ(g.dFrontHeight, static_cast<double>(119.0f * 0.1f));
    EXPECT_EQ(g.dBackWidth, static_cast<double>(151.0f * 0.1f));
    EXPECT_EQ(g.dBackHeight, static_cast<double>(118.0f * 0.1f));
    EXPECT_EQ(g.dFrontSpine, 0.0);
    EXPECT_EQ(g.dBackSpine, 0.0);
    EXPECT_EQ(g.dFrontLeft, 1.0);
    EXPECT_EQ(g.dFrontTop, 0.5);
    EXPECT_EQ(g.dBackLeft, 1.0);
    EXPECT_EQ(g.dBackTop, 5.48);
}

TEST(CoverGeometry, PixelEdgeTruncatesOnceFromTheExactSum)
{
    // 37.5 + 714.57 = 752.07: truncating each part first would lose a pixel.
    const double top = 0.25;
    const double height = GeometryFor(SlimlineCD).dBackHeight;
    EXPECT_EQ(Pixels(150, top) + Pixels(150, height), 751);
    EXPECT_EQ(PixelEdge(150, top, height), 752);
    EXPECT_EQ(Pixels(96, 0.999), 95); // toward zero, never rounded
}
