// The printed page of every kind of cover, drawn onto an image with a printer's resolution.
#include "CoverPrint.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

QRgb At(const QImage& page, int x, int y)
{
    return page.pixel(x, y) | 0xFF000000;
}

struct Piece
{
    double left, top, right, bottom; // inches from the printable origin
};

class PrintedPage : public testing::Test
{
protected:
    // Prints a fresh cover of a kind onto a page of the given size in inches.
    QImage Print(CoverType type, double widthInches, double heightInches, int dpiX = 300, int dpiY = 300,
                 COLORREF background = RGB(255, 255, 255))
    {
        cover.ResetToDefaults(96, type);
        cover.covertype = type;
        cover.fBGColor = cover.bBGColor = background;
        QImage page(static_cast<int>(widthInches * dpiX), static_cast<int>(heightInches * dpiY),
                    QImage::Format_RGB32);
        page.fill(Qt::white);
        page.setDotsPerMeterX(qRound(dpiX / 0.0254));
        page.setDotsPerMeterY(qRound(dpiY / 0.0254));
        CDC dc;
        dc.Attach(&page);
        dc.SetPrinting(true);
        PrintCoverPage(&dc, cover, 96);
        dc.DeleteDC();
        return page;
    }

    // The piece's outline lies on its first and last pixel rows and columns, where the
    // table of page positions puts them, and nothing is drawn just outside.
    void ExpectOutline(const QImage& page, const Piece& piece, int ppi = 300)
    {
        const int left = static_cast<int>(ppi * piece.left);
        const int top = static_cast<int>(ppi * piece.top);
        const int right = static_cast<int>(ppi * piece.right);
        const int bottom = static_cast<int>(ppi * piece.bottom);
        const int midX = (left + right) / 2;
        const int midY = (top + bottom) / 2;
        EXPECT_EQ(At(page, left, midY), kBlack) << "left edge at " << left;
        EXPECT_EQ(At(page, right - 1, midY), kBlack) << "right edge at " << right - 1;
        EXPECT_EQ(At(page, midX, top), kBlack) << "top edge at " << top;
        EXPECT_EQ(At(page, midX, bottom - 1), kBlack) << "bottom edge at " << bottom - 1;
        EXPECT_EQ(At(page, left - 1, midY), kWhite);
        EXPECT_EQ(At(page, right, midY), kWhite);
        EXPECT_EQ(At(page, midX, top - 1), kWhite);
        EXPECT_EQ(At(page, midX, bottom), kWhite);
    }

    CoverState cover;
};

} // namespace

TEST_F(PrintedPage, StandardCdFrontAboveItsBackOnOneSheet)
{
    const QImage page = Print(StandardCD, 8.27, 11.69);
    ExpectOutline(page, {1.0, 0.5, 5.735, 5.235});
    ExpectOutline(page, {1.0, 5.48, 6.925, 10.105});
}

TEST_F(PrintedPage, DvdInsertsLieAcrossTheSheet)
{
    ExpectOutline(Print(StandardDVD, 11.69, 8.27), {0.25, 0.25, 10.97, 7.45});
    ExpectOutline(Print(SlimlineDVD, 11.69, 8.27), {0.25, 0.25, 10.801, 7.45});
}

TEST_F(PrintedPage, SlimlineCdInsertHasWhiteNotchesOnPaper)
{
    const QImage page = Print(SlimlineCD, 8.27, 11.69, 300, 300, RGB(20, 60, 140));
    ExpectOutline(page, {0.25, 0.25, 6.3917322772, 5.0137795227});
    // On a coloured insert the notch at the top is cut out white, and the colour goes on
    // below it and beside it.
    const int left = 75;
    const int top = 75;
    const int notchWidth = static_cast<int>(300 * 1.417);
    const int inNotch = left + notchWidth - 20; // over the panel, clear of the fold lines
    EXPECT_EQ(At(page, inNotch, top), kWhite);
    EXPECT_EQ(At(page, inNotch, top + 3), kWhite);
    EXPECT_EQ(At(page, inNotch, top + 60), 0xFF143C8C);       // the insert's colour below the notch
    EXPECT_EQ(At(page, left + notchWidth + 40, top), kBlack); // the outline goes on past the notch
}

TEST_F(PrintedPage, CustomSizePrintsABlankPage)
{
    const QImage page = Print(CustomSize, 8.27, 11.69);
    for (int y = 0; y < page.height(); y += 7)
        for (int x = 0; x < page.width(); x += 7)
            ASSERT_EQ(At(page, x, y), kWhite) << x << "," << y;
}

TEST_F(PrintedPage, APrinterWithUnequalResolutionsSizesFromTheHorizontalOne)
{
    // 300 across, 600 down: the cover comes out squashed to half its height, as it always did.
    const QImage page = Print(StandardDVD, 11.69, 8.27, 300, 600);
    ExpectOutline(page, {0.25, 0.25, 10.97, 7.45});
}
