// Where the cover goes on each paper, how the printer alignment moves and stretches it, and
// the alignment test sheet's rulers, measured on pages drawn at a printer's resolution.
#include "ConfigFolder.h"
#include "CoverPrint.h"
#include "PrinterAlignment.h"
#include "TestSheet.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr CoverType kKinds[] = {StandardCD, StandardDVD, SlimlineCD, SlimlineDVD};

// The printable area of a sheet as a picture at a resolution, its origin at the corner.
QImage PrintableArea(const QPageLayout& sheet, int nDpi)
{
    QImage page(sheet.paintRectPixels(nDpi).size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(qRound(nDpi / 0.0254));
    page.setDotsPerMeterY(qRound(nDpi / 0.0254));
    return page;
}

// The first and last black column along a row, and the first black row down a column.
int FirstBlackColumn(const QImage& page, int y, int from = 0)
{
    for (int x = from; x < page.width(); ++x)
        if (qGray(page.pixel(x, y)) < 80)
            return x;
    return -1;
}
int LastBlackColumn(const QImage& page, int y)
{
    for (int x = page.width() - 1; x >= 0; --x)
        if (qGray(page.pixel(x, y)) < 80)
            return x;
    return -1;
}
int FirstBlackRow(const QImage& page, int x)
{
    for (int y = 0; y < page.height(); ++y)
        if (qGray(page.pixel(x, y)) < 80)
            return y;
    return -1;
}

CoverState FreshCover(CoverType type)
{
    CoverState cover;
    cover.ResetToDefaults(96, type);
    cover.covertype = type;
    return cover;
}

} // namespace

TEST(CoverSheet, OnA4EveryKindKeepsItsFixedPlacesAndOtherPapersCentreIt)
{
    for (const CoverType type : kKinds) {
        const CoverPlacement a4 = PlaceCoverOnSheet(type, CoverSheetLayout(type, SheetPaper::A4));
        EXPECT_TRUE(a4.bFits) << type;
        EXPECT_EQ(a4.offset, QPointF(0, 0)) << type;
        for (const SheetPaper paper : {SheetPaper::Letter, SheetPaper::Legal}) {
            const QPageLayout sheet = CoverSheetLayout(type, paper);
            const CoverPlacement placement = PlaceCoverOnSheet(type, sheet);
            EXPECT_TRUE(placement.bFits) << type;
            const QRectF placed = CoverLayoutBox(type).translated(
                QPointF(sheet.paintRectPoints().topLeft()) / 72 + placement.offset);
            const QPointF centre = sheet.fullRect(QPageLayout::Point).center() / 72;
            EXPECT_NEAR(placed.center().x(), centre.x(), 1e-9) << type;
            EXPECT_NEAR(placed.center().y(), centre.y(), 1e-9) << type;
        }
    }
}

TEST(CoverSheet, APaperTheCoverDoesNotFitIsRefusedWithThePapersThatWould)
{
    // A printer that cannot print the outer quarter inch: a DVD insert (10.72 in) no longer
    // fits across Letter (11 in), but it does across A4 and Legal.
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(18, 18, 18, 18),
                             QPageLayout::Point);
    EXPECT_FALSE(PlaceCoverOnSheet(StandardDVD, letter).bFits);
    EXPECT_EQ(
        CoverDoesNotFitMessage(StandardDVD, letter),
        "The cover does not fit on Letter paper across: it needs 10.72 x 7.20 inches, and the printer "
        "prints 10.50 x 8.00 inches there.\n\nIt fits on A4 paper across, Legal paper across. Choose one "
        "of them and print again.");
    // A standard CD turned across on A4 is refused too: its pieces stand one above the other.
    const QPageLayout a4Across(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                               QPageLayout::Point);
    EXPECT_FALSE(PlaceCoverOnSheet(StandardCD, a4Across).bFits);
}

TEST(CoverSheet, PiecesCountFromTheSheetCornerAndTheAlignmentMustKeepThemOnIt)
{
    // Whatever margins the printer has, the pieces stand where a PDF page's margins put them.
    for (const double margin : {0.0, 10.0, 14.4}) {
        const QPageLayout sheet(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                QMarginsF(margin, margin, margin, margin), QPageLayout::Point);
        const CoverPlacement placement = PlaceCoverOnSheet(StandardDVD, sheet);
        EXPECT_TRUE(placement.bFits) << margin;
        // Qt's paint engines start the page at the margins rounded to whole points.
        EXPECT_NEAR(placement.offset.x() * 72, 10 - qRound(margin), 1e-9);
        EXPECT_NEAR(placement.offset.y() * 72, 10 - qRound(margin), 1e-9);
    }
    // At the alignment's limits a DVD insert would run off A4; a small move keeps it on.
    const QPageLayout a4 = CoverSheetLayout(StandardDVD);
    for (const PrintCalibration pushing : {PrintCalibration{10, 0, 1.05, 1}, PrintCalibration{-10, 0, 1, 1},
                                           PrintCalibration{0, 10, 1, 1.05}}) {
        const CoverPlacement placement = PlaceCoverOnSheet(StandardDVD, a4, pushing);
        EXPECT_FALSE(placement.bFits) << pushing.dOffsetXMm << " " << pushing.dScaleX;
        EXPECT_TRUE(placement.bFitsWithoutAlignment);
    }
    EXPECT_TRUE(PlaceCoverOnSheet(StandardDVD, a4, {2, 2, 1.005, 1.005}).bFits);
    EXPECT_EQ(AlignmentPushesCoverOffMessage(a4),
              "With the printer alignment applied, part of the cover would fall outside the printable area "
              "of A4 paper across.\n\nCheck the offsets and sizes in Printer Alignment... (on the window's "
              "right-click menu) and print again.");
}

// 2.5 mm across and down, stretched by 101 %: every edge of the printed insert lands where
// the correction puts it, at 600 dpi.
TEST(CoverSheet, TheAlignmentMovesAndStretchesThePrintByExactlyItsAmounts)
{
    const QPageLayout sheet = CoverSheetLayout(SlimlineCD);
    const CoverState cover = FreshCover(SlimlineCD);
    QImage plain = PrintableArea(sheet, 600);
    QImage corrected = PrintableArea(sheet, 600);
    {
        QPainter painter(&plain);
        DrawCoverPage(painter, cover, 96);
    }
    {
        QPainter painter(&corrected);
        DrawCoverPage(painter, cover, 96, {}, {2.5, 2.5, 1.01, 1.01});
    }
    const int row = 1500; // across the middle of the insert, below its notches
    const int left = FirstBlackColumn(plain, row);
    const int right = LastBlackColumn(plain, row);
    const int top = FirstBlackRow(plain, 2000);
    ASSERT_EQ(left, 150); // 0.25 in at 600 dpi
    const double shift = 2.5 / 25.4 * 600;
    const int correctedRow = static_cast<int>(row * 1.01 + shift);
    EXPECT_NEAR(FirstBlackColumn(corrected, correctedRow), left * 1.01 + shift, 1.0);
    EXPECT_NEAR(LastBlackColumn(corrected, correctedRow), right * 1.01 + shift, 1.5);
    EXPECT_NEAR(FirstBlackRow(corrected, static_cast<int>(2000 * 1.01 + shift)), top * 1.01 + shift, 1.0);
}

TEST(CoverSheet, TheTestSheetsRulersMeasureTheirLengthsAndItsCrossHairsStandTwentyMillimetresIn)
{
    const int dpi = 600;
    const double perMm = dpi / 25.4;
    QImage page = PrintableArea(CoverSheetLayout(StandardCD), dpi);
    {
        QPainter painter(&page);
        DrawAlignmentTestSheet(painter, {});
    }
    // Along the ruler across, just under its baseline, the 0 and the 100 ticks; the ticks'
    // lines are as wide as the pen, so their outer edges lie half a pen beyond the marks.
    const double pen = 0.15 * perMm;
    const int belowAcross = static_cast<int>((kRulerAcrossTopMm + 1.0) * perMm);
    const int zero = FirstBlackColumn(page, belowAcross);
    const int hundred = LastBlackColumn(page, belowAcross);
    EXPECT_NEAR(hundred + 1 - zero - pen, 100 * perMm, 1.5);
    EXPECT_NEAR((zero + hundred + 1) / 2.0, (kCrossHairMm + 50) * perMm, 1.5);
    // Down the ruler: its first tick at 50 mm and its last 150 mm further.
    const int besideDown = static_cast<int>((kRulerDownLeftMm + 1.0) * perMm);
    int first = -1;
    int last = -1;
    for (int y = static_cast<int>((kRulerDownStartMm - 3) * perMm); y < page.height(); ++y) {
        if (qGray(page.pixel(besideDown, y)) >= 80)
            continue;
        if (first < 0)
            first = y;
        last = y;
    }
    EXPECT_NEAR(last + 1 - first - pen, 150 * perMm, 1.5);
    EXPECT_NEAR((first + last + 1) / 2.0, (kRulerDownStartMm + 75) * perMm, 1.5);
    // The cross-hairs' vertical arm runs through 20 mm across.
    const int armRow = static_cast<int>((kCrossHairMm - 6) * perMm);
    const int arm = FirstBlackColumn(page, armRow);
    EXPECT_NEAR(arm + pen / 2, kCrossHairMm * perMm, 1.5);
}

TEST(PrinterAlignmentSettings, AreStoredBesideTheOtherSettingsWithinTheirRanges)
{
    CTemporaryConfigFolder config;
    {
        CPrinterAlignment alignment;
        EXPECT_DOUBLE_EQ(alignment.ScaleX(), 1.0); // nothing stored: no correction
        EXPECT_DOUBLE_EQ(alignment.OffsetXMm(), 0.0);
        alignment.Set(-2.5, 12.0, 101.25, 90.0);
        alignment.SaveValues();
    }
    const CPrinterAlignment stored;
    EXPECT_DOUBLE_EQ(stored.OffsetXMm(), -2.5);
    EXPECT_DOUBLE_EQ(stored.OffsetYMm(), 10.0); // at most 10 mm
    EXPECT_DOUBLE_EQ(stored.ScaleX(), 1.0125);
    EXPECT_DOUBLE_EQ(stored.ScaleY(), 0.95); // at least 95 %
    const PrintCalibration calibration = StoredPrintCalibration();
    EXPECT_DOUBLE_EQ(calibration.dOffsetXMm, -2.5);
    EXPECT_DOUBLE_EQ(calibration.dScaleX, 1.0125);
}

TEST(CoverSheet, EveryOutlineSurvivesAnAlignmentThatShrinksTheBitmap)
{
    // A line of one pixel drawn at 95 to 99 % may fall between the pixels' centres; each
    // piece's four edges must still show, dark within a pixel of where they belong.
    for (const CoverType type : kKinds) {
        const CoverState cover = FreshCover(type);
        for (const int dpi : {150, 300})
            for (const double scale : {0.95, 0.96, 0.97, 0.98, 0.99}) {
                QImage page = PrintableArea(CoverSheetLayout(type), dpi);
                {
                    QPainter painter(&page);
                    DrawCoverPage(painter, cover, 96, {}, {0, 0, scale, scale});
                }
                auto dark = [&page](int x, int y) {
                    for (int d = -1; d <= 1; ++d)
                        if (qGray(page.pixel(x, y + d)) < 80 || qGray(page.pixel(x + d, y)) < 80)
                            return true;
                    return false;
                };
                for (const CoverPiece piece : PiecesOf(type)) {
                    const CRect r = PieceRect(dpi, type, piece);
                    const int left = static_cast<int>(r.left * scale);
                    const int right = static_cast<int>((r.right - 1) * scale);
                    const int top = static_cast<int>(r.top * scale);
                    const int bottom = static_cast<int>((r.bottom - 1) * scale);
                    // A slimline CD's top and bottom edges begin after its notches.
                    const int from =
                        left + 40 + (type == SlimlineCD ? Pixels(dpi, CoverGeometry::kNotchWidth) : 0);
                    int gaps = 0;
                    for (int x = from; x < right - 40; x += 7)
                        gaps += !dark(x, top) + !dark(x, bottom);
                    for (int y = top + 40; y < bottom - 40; y += 7)
                        gaps += !dark(left, y) + !dark(right, y);
                    EXPECT_EQ(gaps, 0) << "kind " << type << " at " << dpi << " dpi, " << scale;
                }
            }
    }
}
