// Text on the device context: measuring, rotation by escapement, clipping and DrawText.
#include "DC.h"
#include "QtConvert.h"

#include <gtest/gtest.h>

namespace {

bool IsInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The bounding box of the dark pixels of an image (empty when there are none).
QRect InkBounds(const QImage& image, const QRect& area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int InkInColumn(const QImage& image, int x)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += IsInk(image.pixel(x, y)) ? 1 : 0;
    return count;
}

class TextContext : public testing::Test
{
protected:
    void SetUp() override
    {
        image = QImage(300, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        ASSERT_TRUE(dc.Attach(&image));
        dc.SetBkMode(TRANSPARENT);
        SelectArial(-20, 0);
    }
    void SelectArial(LONG height, LONG escapement)
    {
        LOGFONT lf{};
        lf.lfHeight = height;
        lf.lfEscapement = escapement;
        SetFaceName(lf, "Arial");
        font.DeleteObject();
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
    }
    QImage image;
    CDC dc;
    CFont font;
};

} // namespace

TEST_F(TextContext, ExtentIsAdvanceWidthByCellHeight)
{
    SIZE one{};
    SIZE three{};
    ASSERT_TRUE(dc.GetTextExtentPoint32("M", 1, &one));
    ASSERT_TRUE(dc.GetTextExtentPoint32("MMM", 3, &three));
    // Advances are fractional and the total is rounded once, as the text is drawn.
    EXPECT_NEAR(three.cx, 3 * one.cx, 1);
    TEXTMETRIC tm{};
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(one.cy, tm.tmAscent + tm.tmDescent);
    EXPECT_GE(one.cy, 20); // the cell holds the 20-pixel character and its leading
    EXPECT_EQ(dc.GetTextExtent("").cx, 0);
}

TEST_F(TextContext, UprightTextHangsBelowAndRightOfItsReferencePoint)
{
    dc.ExtTextOut(100, 100, 0, nullptr, "HHHH");
    const QRect ink = InkBounds(image, image.rect());
    const CSize extent = dc.GetTextExtent("HHHH");
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 100);
    EXPECT_GE(ink.top(), 100);
    EXPECT_LE(ink.right(), 100 + extent.cx);
    EXPECT_LE(ink.bottom(), 100 + extent.cy);
}

TEST_F(TextContext, Escapement900RunsBottomToTopWithTopsToTheLeft)
{
    SelectArial(-20, 900);
    const CSize extent = dc.GetTextExtent("TTTT");
    dc.ExtTextOut(100, 200, 0, nullptr, "TTTT");
    const QRect ink = InkBounds(image, image.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 100); // the cell turns about its top-left corner
    EXPECT_LE(ink.right(), 100 + extent.cy);
    EXPECT_LE(ink.bottom(), 200);
    EXPECT_GE(ink.top(), 200 - extent.cx);
    EXPECT_GT(ink.height(), ink.width()); // it runs along y now
    // The bars of the T's are their tops: the densest column lies on the left.
    int densest = ink.left();
    for (int x = ink.left(); x <= ink.right(); ++x)
        if (InkInColumn(image, x) > InkInColumn(image, densest))
            densest = x;
    EXPECT_LT(densest, ink.center().x());
}

TEST_F(TextContext, EscapementMinus900RunsTopToBottomWithTopsToTheRight)
{
    SelectArial(-20, -900);
    const CSize extent = dc.GetTextExtent("TTTT");
    dc.ExtTextOut(100, 50, 0, nullptr, "TTTT");
    const QRect ink = InkBounds(image, image.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.right(), 100);
    EXPECT_GE(ink.left(), 100 - extent.cy);
    EXPECT_GE(ink.top(), 50);
    EXPECT_LE(ink.bottom(), 50 + extent.cx);
    int densest = ink.left();
    for (int x = ink.left(); x <= ink.right(); ++x)
        if (InkInColumn(image, x) > InkInColumn(image, densest))
            densest = x;
    EXPECT_GT(densest, ink.center().x());
}

TEST_F(TextContext, ClippedTextStaysInsideItsRectangle)
{
    const RECT clip{100, 100, 115, 200};
    dc.ExtTextOut(100, 100, ETO_CLIPPED, &clip, "WWWWWWWW");
    EXPECT_FALSE(InkBounds(image, QRect(100, 100, 15, 100)).isEmpty());
    EXPECT_TRUE(InkBounds(image, QRect(115, 0, 185, 300)).isEmpty());
}

TEST_F(TextContext, OpaqueModeFillsTheTextCell)
{
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(0, 0, 255));
    dc.ExtTextOut(10, 10, 0, nullptr, "i");
    const CSize extent = dc.GetTextExtent("i");
    EXPECT_EQ(image.pixel(10, 10 + extent.cy - 1) | 0xFF000000, 0xFF0000FFu);
}

TEST_F(TextContext, DrawTextPutsEachLineOneCellHeightLower)
{
    RECT rc{10, 10, 290, 290};
    const int cell = dc.GetTextExtent("X").cy;
    const int height = dc.DrawText("X\r\nX\nX\rX", &rc, 0);
    EXPECT_EQ(height, 4 * cell);
    for (int line = 0; line < 4; ++line)
        EXPECT_FALSE(InkBounds(image, QRect(10, 10 + line * cell, 280, cell)).isEmpty()) << line;
    EXPECT_TRUE(InkBounds(image, QRect(10, 10 + 4 * cell, 280, 100)).isEmpty());
}

TEST_F(TextContext, DrawTextClipsToTheRectangleWithoutWrapping)
{
    RECT rc{10, 10, 60, 30};
    dc.DrawText("a long line that runs on\r\nsecond", &rc, 0);
    EXPECT_FALSE(InkBounds(image, QRect(10, 10, 50, 20)).isEmpty());
    EXPECT_TRUE(InkBounds(image, QRect(60, 0, 240, 300)).isEmpty());
    EXPECT_TRUE(InkBounds(image, QRect(0, 30, 300, 270)).isEmpty());
}

TEST_F(TextContext, DrawTextRightAlignsAgainstTheRightEdge)
{
    RECT rc{10, 10, 200, 100};
    dc.DrawText("12:34", &rc, DT_RIGHT);
    const QRect ink = InkBounds(image, image.rect());
    EXPECT_GE(ink.left(), 200 - dc.GetTextExtent("12:34").cx);
    EXPECT_LE(ink.right(), 199);
    EXPECT_GE(ink.right(), 195);
}

TEST_F(TextContext, CalcRectMeasuresWithoutDrawing)
{
    RECT rc{20, 30, 120, 30};
    const int cell = dc.GetTextExtent("X").cy;
    const int height = dc.DrawText("Choose Image", &rc, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    EXPECT_TRUE(InkBounds(image, image.rect()).isEmpty());
    EXPECT_EQ(rc.left, 20);
    EXPECT_EQ(rc.top, 30);
    EXPECT_EQ(height, 2 * cell); // the two words do not fit 100 pixels together
    EXPECT_EQ(rc.bottom, 30 + 2 * cell);
    EXPECT_EQ(rc.right, 20 + std::max(dc.GetTextExtent("Choose").cx, dc.GetTextExtent("Image").cx));
}

TEST_F(TextContext, CentredTextSitsInTheMiddle)
{
    RECT rc{0, 0, 300, 50};
    dc.DrawText("II", &rc, DT_CENTER);
    const QRect ink = InkBounds(image, image.rect());
    EXPECT_NEAR(ink.center().x(), 150, 3);
}
