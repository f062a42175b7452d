#include "MulDiv.h"

#include <gtest/gtest.h>

TEST(MulDiv, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(3, -1, 2), -2);
    EXPECT_EQ(MulDiv(5, 1, 4), 1); // 1.25
    EXPECT_EQ(MulDiv(7, 1, 4), 2); // 1.75
    EXPECT_EQ(MulDiv(-7, 1, 4), -2);
    EXPECT_EQ(MulDiv(3, 1, -2), -2); // a negative divisor rounds the same way
}

TEST(MulDiv, ConvertsPointsToScreenPixels)
{
    EXPECT_EQ(MulDiv(18, 96, 72), 24);
    EXPECT_EQ(MulDiv(14, 96, 72), 19); // 18.67
    EXPECT_EQ(MulDiv(12, 600, 72), 100);
    EXPECT_EQ(MulDiv(7, 96, 72), 9); // 9.33
}

TEST(MulDiv, KeepsTheFullProductBeforeDividing)
{
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);
}

TEST(MulDiv, AnswersMinusOneForZeroDivisorOrOverflow)
{
    EXPECT_EQ(MulDiv(10, 10, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 4, 1), -1);
}
