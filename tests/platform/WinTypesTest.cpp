#include "WinTypes.h"
#include "Rect.h"

#include <cstddef>
#include <gtest/gtest.h>

TEST(WinTypes, ColorrefIsRedInTheLowByte)
{
    EXPECT_EQ(RGB(255, 0, 0), 255u); // a pure red background is stored as 255
    EXPECT_EQ(RGB(255, 255, 255), 16777215u);
    EXPECT_EQ(RGB(0, 51, 102), 0x663300u);
    const COLORREF cr = RGB(10, 20, 30);
    EXPECT_EQ(GetRValue(cr), 10);
    EXPECT_EQ(GetGValue(cr), 20);
    EXPECT_EQ(GetBValue(cr), 30);
}

TEST(WinTypes, StructuresHaveTheWindowsLayout)
{
    EXPECT_EQ(sizeof(LOGFONT), 60u);
    EXPECT_EQ(offsetof(LOGFONT, lfItalic), 20u);
    EXPECT_EQ(offsetof(LOGFONT, lfFaceName), 28u);
    EXPECT_EQ(sizeof(BITMAPINFOHEADER), 40u);
    EXPECT_EQ(sizeof(RGBQUAD), 4u);
}

TEST(Rect, RightAndBottomAreExclusive)
{
    CRect rc(10, 20, 30, 25);
    EXPECT_EQ(rc.Width(), 20);
    EXPECT_EQ(rc.Height(), 5);
    EXPECT_TRUE(rc.PtInRect(CPoint(29, 24)));
    EXPECT_FALSE(rc.PtInRect(CPoint(30, 24)));
    EXPECT_FALSE(rc.PtInRect(CPoint(29, 25)));
}

TEST(Rect, NormaliseOrdersTheCornersAndOffsetMovesAll)
{
    CRect rc(30, 25, 10, 20);
    rc.NormalizeRect();
    EXPECT_EQ(rc, CRect(10, 20, 30, 25));
    rc.OffsetRect(-5, 7);
    EXPECT_EQ(rc, CRect(5, 27, 25, 32));
}
