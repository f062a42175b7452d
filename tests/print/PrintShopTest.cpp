// A cover's pieces as a print shop takes them: the artwork inside the trim exactly as the
// printed page has it, the bleed band taking up the colour and picture at the edges, and the
// marks outside the bleed.
#include "PrintShop.h"
#include "PagePictures.h"

#include <FreeImage.h>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 300;

// A back cover with a two-colour picture and a listing, its guides turned off so that the
// printed page and the print shop's artwork draw the same pixels.
CoverState PictureCover(const QString& picturePath)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 40));
    QPainter(&picture).fillRect(20, 0, 20, 30, QColor(30, 60, 200));
    picture.save(picturePath);
    CoverState cover;
    cover.ResetToDefaults(96, StandardCD);
    cover.covertype = StandardCD;
    cover.bImagePath = picturePath.toStdString();
    cover.bCoverText = "[DELIM]1.[/DELIM][DELIM]Harbour Lights[/DELIM][DELIM]3:41[/DELIM]\n\r";
    cover.backCoverSpineText = "HARBOUR LIGHTS";
    cover.fShowBorder = cover.bShowBorder = false;
    cover.frontCoverSpinesOn = cover.backCoverSpinesOn = false;
    return cover;
}

// The back piece where the printed page puts it, cut out of a page drawn at the resolution.
QImage PrintedBack(const CoverState& cover)
{
    QImage page(2100, 3100, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(qRound(kDpi / 0.0254));
    page.setDotsPerMeterY(qRound(kDpi / 0.0254));
    {
        CDC dc;
        dc.Attach(&page);
        dc.SetPrinting(true);
        PrintCoverPage(&dc, cover, 96);
    }
    const CRect back = PieceRect(kDpi, StandardCD, CoverPiece::CdBack);
    return page.copy(back.left, back.top, back.Width(), back.Height());
}

// The first column of the picture's blue half on the printed piece, along its middle row.
int BlueFrom(const QImage& printed)
{
    for (int x = 0; x < printed.width(); ++x)
        if (printed.pixel(x, printed.height() / 2) == qRgb(30, 60, 200))
            return x;
    return -1;
}

bool Near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 &&
           std::abs(qBlue(a) - qBlue(b)) <= 2;
}

// Pixels that differ between two pictures of the same size (beyond the rounding of text
// edges blended over the picture), other than within a pixel of column nBoundary.
int PixelsApartFrom(const QImage& actual, const QImage& expected, int nBoundary)
{
    int apart = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            apart += !Near(actual.pixel(x, y), expected.pixel(x, y)) && std::abs(x - nBoundary) > 1;
    return apart;
}

} // namespace

// A print shop's page of a piece, drawn as a picture at the resolution.
QImage PrintShopPicture(const CoverState& cover, const PrintShopPage& page)
{
    QImage picture(page.size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setDotsPerMeterX(qRound(kDpi / 0.0254));
    picture.setDotsPerMeterY(qRound(kDpi / 0.0254));
    QPainter painter(&picture);
    CPagePictures pictures;
    DrawPrintShopPage(painter, cover, page, 96, pictures);
    return picture;
}

TEST(PrintShop, InsideTheTrimThePieceIsThePrintedOneAndTheBleedTakesUpItsEdges)
{
    FreeImage_Initialise(FALSE);
    const QString picture = QStringLiteral("%1/print-shop-picture.png").arg(QDir::tempPath());
    const CoverState cover = PictureCover(picture);
    const std::vector<PrintShopPage> pages = LayOutPrintShopPages(StandardCD, kDpi, 3.0);
    ASSERT_EQ(pages.size(), 2u); // front booklet and tray card
    const PrintShopPage& back = pages[1];
    EXPECT_EQ(back.nBleed, 35); // 3 mm at 300 dpi
    const QImage page = PrintShopPicture(cover, back);
    const QImage printed = PrintedBack(cover);
    const QRect trim = back.trim;
    ASSERT_EQ(trim.size(), printed.size());
    // Nothing inside the trim moves or stretches. The PDF's device samples the picture
    // itself, so its red-blue boundary may fall a pixel aside; everything else is the same.
    EXPECT_EQ(PixelsApartFrom(page.copy(trim), printed, BlueFrom(printed)), 0);

    // The band repeats the edge: red on the left half, blue on the right, above and below,
    // and the left edge's own pixels out to the left.
    const QRect bleed = back.Bleed();
    EXPECT_EQ(page.pixel(bleed.left(), trim.center().y()), printed.pixel(0, printed.height() / 2));
    EXPECT_EQ(page.pixel(trim.left() + 10, bleed.top()), qRgb(200, 30, 40));
    EXPECT_EQ(page.pixel(trim.right() - 10, bleed.bottom()), qRgb(30, 60, 200));
    EXPECT_EQ(page.pixel(bleed.right(), bleed.bottom()),
              printed.pixel(printed.width() - 1, printed.height() - 1));
    EXPECT_EQ(page.pixel(bleed.left() - 3, trim.center().y()), qRgb(255, 255, 255)); // then the paper
    EXPECT_EQ(back.folds, (std::vector<int>{75, trim.width() - 75})); // the spines' folds, 0.25 in

    QFile::remove(picture);
    FreeImage_DeInitialise();
}

namespace {

// The largest difference of one colour channel between two pixels.
int ChannelGap(QRgb a, QRgb b)
{
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Band pixels on one side that differ from the trim's edge pixel beside them by more than
// the artwork itself changes along that edge within the bleed picture's coarser step.
int BandPixelsUnlikeTheEdge(const QImage& page, int nBleed, QPoint edgeStart, QPoint along, QPoint outward,
                            int nLength)
{
    constexpr int kStep = kDpi / 75 + 1;
    int unlike = 0;
    for (int i = 0; i < nLength; ++i) {
        const QPoint edge = edgeStart + along * i;
        int change = 2;
        for (int k = std::max(0, i - kStep); k <= std::min(nLength - 1, i + kStep); ++k)
            change = std::max(change, ChannelGap(page.pixel(edge), page.pixel(edgeStart + along * k)) + 2);
        for (int d = 1; d <= nBleed; ++d)
            unlike += ChannelGap(page.pixel(edge + outward * d), page.pixel(edge)) > change;
    }
    return unlike;
}

} // namespace

TEST(PrintShop, EveryBandOfEveryKindContinuesThePieceEdge)
{
    FreeImage_Initialise(FALSE);
    // A picture that changes everywhere: red across, green down.
    const QString path = QStringLiteral("%1/print-shop-gradient.png").arg(QDir::tempPath());
    QImage gradient(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(x * 4, y * 5, 120));
    gradient.save(path);
    for (const CoverType type : {StandardCD, SlimlineCD, StandardDVD, SlimlineDVD}) {
        CoverState cover;
        cover.ResetToDefaults(96, type);
        cover.covertype = type;
        cover.fBGColor = cover.bBGColor = RGB(240, 200, 40);
        cover.fImagePath = cover.bImagePath = path.toStdString();
        for (const PrintShopPage& layout : LayOutPrintShopPages(type, kDpi, 3.0)) {
            const QImage page = PrintShopPicture(cover, layout);
            const QRect t = layout.trim;
            const int b = layout.nBleed;
            const int sides[4] = {BandPixelsUnlikeTheEdge(page, b, t.topLeft(), {1, 0}, {0, -1}, t.width()),
                                  BandPixelsUnlikeTheEdge(page, b, t.bottomLeft(), {1, 0}, {0, 1}, t.width()),
                                  BandPixelsUnlikeTheEdge(page, b, t.topLeft(), {0, 1}, {-1, 0}, t.height()),
                                  BandPixelsUnlikeTheEdge(page, b, t.topRight(), {0, 1}, {1, 0}, t.height())};
            for (int side = 0; side < 4; ++side)
                EXPECT_EQ(sides[side], 0)
                    << "kind " << type << ", piece " << int(layout.piece) << ", side " << side;
        }
    }
    QFile::remove(path);
    FreeImage_DeInitialise();
}

TEST(PrintShop, CropAndFoldMarksStandOutsideTheBleed)
{
    CoverState cover;
    cover.ResetToDefaults(96, SlimlineCD);
    cover.covertype = SlimlineCD;
    cover.bBGColor = RGB(240, 200, 40);
    const PrintShopPage layout = LayOutPrintShopPages(SlimlineCD, kDpi, 3.0).front();
    const QImage page = PrintShopPicture(cover, layout);
    const QRect trim = layout.trim;
    const int bleed = layout.nBleed;
    const int markStart = bleed + static_cast<int>(kMarkGapMm / 25.4 * kDpi);
    // The bleed band is the insert's colour; just beyond it the paper is white, then the
    // crop mark runs along the trim's top edge out of its top-left corner.
    EXPECT_EQ(page.pixel(trim.left() - bleed + 1, trim.top() + 100), qRgb(240, 200, 40));
    EXPECT_EQ(page.pixel(trim.left() - bleed - 3, trim.top() + 100), qRgb(255, 255, 255));
    EXPECT_LT(qGray(page.pixel(trim.left() - markStart - 10, trim.top())), 100);
    EXPECT_EQ(page.pixel(trim.left() - markStart + 3, trim.top()), qRgb(255, 255, 255));
    // Fold marks above the trim at the flap's and the spine's folds, none between them.
    for (const int fold : layout.folds)
        EXPECT_LT(qGray(page.pixel(trim.left() + fold, trim.top() - markStart - 10)), 100) << fold;
    EXPECT_EQ(page.pixel(trim.left() + layout.folds[0] + 5, trim.top() - markStart - 10),
              qRgb(255, 255, 255));
    // Short cut marks at the notches' inner edges: to the left at their depth, above and
    // below at their width.
    ASSERT_EQ(layout.notch, QSize(425, 23)); // 1.417 × 0.0787 inches
    for (const int y : {trim.top() + 23, trim.top() + trim.height() - 23})
        EXPECT_LT(qGray(page.pixel(trim.left() - markStart - 10, y)), 100) << y;
    EXPECT_EQ(page.pixel(trim.left() - markStart - 10, trim.top() + 40), qRgb(255, 255, 255));
    for (const int y : {trim.top() - markStart - 10, trim.top() + trim.height() + markStart + 10})
        EXPECT_LT(qGray(page.pixel(trim.left() + 425, y)), 100) << y;
}
