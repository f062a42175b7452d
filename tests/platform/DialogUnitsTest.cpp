#include "DialogUnits.h"

#include <gtest/gtest.h>

TEST(DialogUnits, SixPixelsPerFourUnitsAcrossThirteenPerEightDown)
{
    EXPECT_EQ(DialogUnitsToPixelsX(4), 6);
    EXPECT_EQ(DialogUnitsToPixelsY(8), 13);
    EXPECT_EQ(DialogUnitsToPixelsX(444), 666);
    EXPECT_EQ(DialogUnitsToPixelsY(265), 431); // 430.6 rounds up
}

TEST(DialogUnits, TemplateRectangleConvertsPositionAndSizeSeparately)
{
    // x 356, y 51, 40 × 39 units: the size is converted on its own, not from the far edge.
    EXPECT_EQ(DialogUnitRect(356, 51, 40, 39), CRect(534, 83, 594, 146));
    RECT edges{356, 51, 396, 90};
    MapDialogRect(&edges);
    EXPECT_EQ(CRect(edges), CRect(534, 83, 594, 146));
    // Control 1042 of the main window: 93 units across are 139.5 pixels, 140 on their own,
    // where the far edge's conversion would give 139.
    EXPECT_EQ(DialogUnitRect(349, 13, 93, 85).Width(), 140);
    RECT column{349, 13, 442, 98};
    MapDialogRect(&column);
    EXPECT_EQ(column.right - column.left, 139);
}
