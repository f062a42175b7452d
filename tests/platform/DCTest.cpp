// Shapes, fills and copies of the device context, checked pixel by pixel.
#include "DC.h"

#include <QColor>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

QImage WhiteImage(int width, int height, int dpi = 96)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return image;
}

QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000;
}

class DeviceContext : public testing::Test
{
protected:
    void SetUp() override
    {
        image = WhiteImage(40, 30);
        ASSERT_TRUE(dc.Attach(&image));
    }
    QImage image;
    CDC dc;
};

} // namespace

TEST_F(DeviceContext, ResolutionComesFromTheDevice)
{
    QImage printerLike = WhiteImage(10, 10, 600);
    CDC target;
    ASSERT_TRUE(target.Attach(&printerLike));
    EXPECT_EQ(target.GetDeviceCaps(LOGPIXELSX), 600);
    EXPECT_EQ(target.GetDeviceCaps(LOGPIXELSY), 600);
    EXPECT_EQ(target.GetDeviceCaps(HORZRES), 10);

    // A memory context and its bitmap take the resolution of the context they are made for.
    CDC memory;
    memory.CreateCompatibleDC(&target);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&target, 20, 10));
    memory.SelectObject(&bitmap);
    EXPECT_EQ(memory.GetDeviceCaps(LOGPIXELSY), 600);
    EXPECT_EQ(qRound(bitmap.Image().dotsPerMeterY() * 0.0254), 600);
    EXPECT_EQ(memory.GetDeviceCaps(HORZRES), 20);
}

TEST_F(DeviceContext, RectangleOutlinesFromLeftToRightMinusOne)
{
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(2, 3, 8, 7);
    for (int x = 2; x <= 7; ++x) {
        EXPECT_EQ(At(image, x, 3), kBlack) << x;
        EXPECT_EQ(At(image, x, 6), kBlack) << x;
    }
    for (int y = 3; y <= 6; ++y) {
        EXPECT_EQ(At(image, 2, y), kBlack) << y;
        EXPECT_EQ(At(image, 7, y), kBlack) << y;
    }
    EXPECT_EQ(At(image, 8, 5), kWhite); // the right edge itself is outside
    EXPECT_EQ(At(image, 5, 7), kWhite); // so is the bottom edge
    EXPECT_EQ(At(image, 1, 5), kWhite);
    EXPECT_EQ(At(image, 4, 5), kWhite); // the null brush leaves the inside alone
}

TEST_F(DeviceContext, RectangleOrdersSwappedCorners)
{
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(8, 7, 2, 3);
    EXPECT_EQ(At(image, 2, 3), kBlack);
    EXPECT_EQ(At(image, 7, 6), kBlack);
    EXPECT_EQ(At(image, 8, 7), kWhite);
}

TEST_F(DeviceContext, RectangleFillsItsInsideWithTheBrush)
{
    CBrush red(RGB(255, 0, 0));
    dc.SelectObject(&red);
    dc.Rectangle(2, 3, 8, 7);
    EXPECT_EQ(At(image, 3, 4), kRed);
    EXPECT_EQ(At(image, 6, 5), kRed);
    EXPECT_EQ(At(image, 2, 4), kBlack);
}

TEST_F(DeviceContext, RectangleOfOnePixelWidthIsALineAndOfNoWidthNothing)
{
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(10, 2, 11, 20);
    EXPECT_EQ(At(image, 10, 2), kBlack);
    EXPECT_EQ(At(image, 10, 19), kBlack);
    EXPECT_EQ(At(image, 11, 10), kWhite);
    dc.Rectangle(20, 2, 20, 20);
    EXPECT_EQ(At(image, 20, 10), kWhite);
    EXPECT_EQ(At(image, 19, 10), kWhite);
}

TEST_F(DeviceContext, RectangleWithoutPenFillsOnePixelLess)
{
    CBrush blue(RGB(0, 0, 255));
    dc.SelectObject(&blue);
    dc.SelectStockObject(NULL_PEN);
    dc.Rectangle(2, 2, 6, 6);
    EXPECT_EQ(At(image, 2, 2), kBlue);
    EXPECT_EQ(At(image, 4, 4), kBlue);
    EXPECT_EQ(At(image, 5, 4), kWhite);
    EXPECT_EQ(At(image, 4, 5), kWhite);
}

TEST_F(DeviceContext, PatBltFillsWithTheBrushAndNormalisesNegativeSizes)
{
    CBrush red(RGB(255, 0, 0));
    dc.SelectObject(&red);
    dc.PatBlt(10, 10, -5, -4, PATCOPY); // covers x 5..9, y 6..9
    EXPECT_EQ(At(image, 5, 6), kRed);
    EXPECT_EQ(At(image, 9, 9), kRed);
    EXPECT_EQ(At(image, 10, 9), kWhite);
    EXPECT_EQ(At(image, 9, 10), kWhite);

    dc.SelectStockObject(NULL_BRUSH);
    dc.PatBlt(20, 20, 5, 5, PATCOPY);
    EXPECT_EQ(At(image, 22, 22), kWhite);
}

TEST_F(DeviceContext, FillRectExcludesRightAndBottom)
{
    CBrush blue(RGB(0, 0, 255));
    const RECT rc{0, 0, 4, 3};
    dc.FillRect(&rc, &blue);
    EXPECT_EQ(At(image, 3, 2), kBlue);
    EXPECT_EQ(At(image, 4, 2), kWhite);
    EXPECT_EQ(At(image, 3, 3), kWhite);
}

namespace {

// A 4 × 1 strip of four colours in a memory bitmap.
struct Strip
{
    Strip()
    {
        memory.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&memory, 4, 1);
        memory.SelectObject(&bitmap);
        const COLORREF colours[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
        for (int x = 0; x < 4; ++x)
            memory.FillSolidRect(x, 0, 1, 1, colours[x]);
    }
    CDC memory;
    CBitmap bitmap;
};

} // namespace

TEST_F(DeviceContext, ColorOnColorStretchRepeatsPixels)
{
    Strip strip;
    dc.SetStretchBltMode(COLORONCOLOR);
    dc.StretchBlt(0, 0, 8, 2, &strip.memory, 0, 0, 4, 1, SRCCOPY);
    const QRgb expected[8] = {kRed, kRed, 0xFF00FF00, 0xFF00FF00, kBlue, kBlue, 0xFFFFFF00, 0xFFFFFF00};
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(At(image, x, 0), expected[x]) << x;
        EXPECT_EQ(At(image, x, 1), expected[x]) << x;
    }
    EXPECT_EQ(At(image, 8, 0), kWhite);
}

TEST_F(DeviceContext, ColorOnColorShrinkDropsPixelsWithoutBlending)
{
    Strip strip;
    dc.SetStretchBltMode(COLORONCOLOR);
    dc.StretchBlt(0, 0, 2, 1, &strip.memory, 0, 0, 4, 1, SRCCOPY);
    // Each kept pixel is one of the source's own colours.
    EXPECT_EQ(At(image, 0, 0), 0xFF00FF00);
    EXPECT_EQ(At(image, 1, 0), 0xFFFFFF00);
}

TEST_F(DeviceContext, ContextCanShrinkItsOwnPixelsOntoItself)
{
    // The renderers shrink their full-size image into its own top-left corner.
    CBrush red(RGB(255, 0, 0));
    dc.SelectObject(&red);
    dc.PatBlt(0, 0, 20, 30, PATCOPY);
    dc.SetStretchBltMode(COLORONCOLOR);
    dc.StretchBlt(0, 0, 20, 15, &dc, 0, 0, 40, 30, SRCCOPY);
    EXPECT_EQ(At(image, 5, 5), kRed);    // left half of the source
    EXPECT_EQ(At(image, 15, 5), kWhite); // right half of the source
    EXPECT_EQ(At(image, 5, 20), kRed);   // untouched below the copy
}

TEST_F(DeviceContext, BitBltCopiesToAnOffset)
{
    Strip strip;
    dc.BitBlt(10, 5, 4, 1, &strip.memory, 0, 0, SRCCOPY);
    EXPECT_EQ(At(image, 10, 5), kRed);
    EXPECT_EQ(At(image, 12, 5), kBlue);
    EXPECT_EQ(At(image, 14, 5), kWhite);
}

TEST_F(DeviceContext, StretchDibitsDrawsBottomUpRowsUpright)
{
    // 2 × 2, 24 bits: bottom row red, blue; top row white, black. Rows padded to 8 bytes.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    const uint8_t bits[16] = {0, 0, 255, 255, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0};
    dc.SetStretchBltMode(COLORONCOLOR);
    EXPECT_EQ(dc.StretchDIBits(0, 0, 20, 10, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 2);
    EXPECT_EQ(At(image, 2, 2), kWhite);
    EXPECT_EQ(At(image, 15, 2), kBlack);
    EXPECT_EQ(At(image, 2, 7), kRed);
    EXPECT_EQ(At(image, 15, 7), kBlue);
    EXPECT_EQ(At(image, 25, 7), kWhite); // nothing outside the destination
}

TEST_F(DeviceContext, StretchDibitsRefusesWhatItCannotRead)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RLE8;
    const uint8_t bits[16] = {};
    EXPECT_EQ(dc.StretchDIBits(0, 0, 20, 10, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(At(image, 5, 5), kWhite);
}

TEST_F(DeviceContext, MaskAndBitmapCombineWithAndOr)
{
    // Transparent drawing: AND a mask (white where transparent), OR the picture (black there).
    CDC mask;
    mask.CreateCompatibleDC(&dc);
    CBitmap maskBitmap;
    maskBitmap.CreateCompatibleBitmap(&dc, 2, 1);
    mask.SelectObject(&maskBitmap);
    mask.FillSolidRect(0, 0, 1, 1, RGB(255, 255, 255));
    mask.FillSolidRect(1, 0, 1, 1, RGB(0, 0, 0));
    CDC picture;
    picture.CreateCompatibleDC(&dc);
    CBitmap pictureBitmap;
    pictureBitmap.CreateCompatibleBitmap(&dc, 2, 1);
    picture.SelectObject(&pictureBitmap);
    picture.FillSolidRect(0, 0, 1, 1, RGB(0, 0, 0));
    picture.FillSolidRect(1, 0, 1, 1, RGB(0, 0, 255));
    dc.FillSolidRect(0, 0, 2, 1, RGB(255, 0, 0));
    dc.BitBlt(0, 0, 2, 1, &mask, 0, 0, SRCAND);
    dc.BitBlt(0, 0, 2, 1, &picture, 0, 0, SRCPAINT);
    EXPECT_EQ(At(image, 0, 0), kRed);
    EXPECT_EQ(At(image, 1, 0), kBlue);
}

TEST(DeviceContextObjects, ABitmapDestroyedWhileSelectedLeavesTheContextSafe)
{
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&memory, 4, 4);
        memory.SelectObject(&bitmap);
    }
    EXPECT_FALSE(memory.PatBlt(0, 0, 2, 2, PATCOPY)); // nothing to draw on any more
}
