// The sheet sleevora-export draws for each kind of case, measured at two resolutions against
// the inches of the layout: outlines, fold and spine lines, notches, where each text's ink
// begins and ends, and the size of the spine texts. The export runs in this process, which
// also shows that it creates no window and leaves the user's settings alone.
#include "ConfigFolder.h"
#include "CoverExport.h"
#include "CoverFile.h"
#include "MulDiv.h"
#include "QtConvert.h"
#include "TrackListing.h"

#include <FreeImage.h>
#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kPaper = RGB(250, 240, 190); // the cover's background: light yellow
constexpr COLORREF kInk = RGB(0, 0, 255);       // the cover's text: blue
const char* const kSpine = "Harbour Lights and other songs";

// Text ink is blue or a blend of blue into the yellow paper; guide lines are black.
bool IsInk(QRgb pixel)
{
    return qBlue(pixel) > qRed(pixel) + 40;
}

bool IsBlack(QRgb pixel)
{
    return qRed(pixel) < 60 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

// The smallest rectangle holding all the ink inside a region of the sheet.
QRect InkBox(const QImage& sheet, const QRect& region)
{
    QRect box;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (IsInk(sheet.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// How long a spine text is drawn at a point size on a device of ppi: upright weight 400,
// whatever the cover's own font weight, as the renderers make spine fonts.
int SpineTextLength(int nPoints, int nPpi)
{
    LOGFONT lf{};
    SetFaceName(lf, "Arial");
    lf.lfHeight = -MulDiv(nPoints, nPpi, 72);
    lf.lfWeight = FW_NORMAL;
    return QFontMetrics(ToQFont(lf)).horizontalAdvance(QString::fromLatin1(kSpine));
}

// The ink of a spine text runs along the spine for its length, less the side bearings of
// its first and last letters.
void ExpectSpineLength(const QRect& ink, int nPoints, int nPpi)
{
    const int length = SpineTextLength(nPoints, nPpi);
    EXPECT_LE(ink.height(), length + 1) << nPoints << " pt at " << nPpi;
    EXPECT_GE(ink.height(), length - nPpi / 20) << nPoints << " pt at " << nPpi;
}

struct Piece
{
    int left, top, right, bottom; // pixels on the sheet; right and bottom exclusive
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

class ExportedSheet : public testing::TestWithParam<int>
{
protected:
    void SetUp() override { FreeImage_Initialise(FALSE); }
    void TearDown() override { FreeImage_DeInitialise(); }

    int Ppi() const { return GetParam(); }
    // The printable area starts inside the PDF page's 10-point margins.
    int Margin() const { return qRound(Ppi() * 10.0 / 72.0); }
    Piece At(double left, double top, double width, double height) const
    {
        const int m = Margin();
        const int p = Ppi();
        return {m + static_cast<int>(p * left), m + static_cast<int>(p * top),
                m + static_cast<int>(p * left + p * width), m + static_cast<int>(p * top + p * height)};
    }
    int Inches(double inches) const { return static_cast<int>(Ppi() * inches); }

    // A cover of the kind with a listing or texts, spine text, blue Arial on yellow, bold.
    CoverState Cover(CoverType type) const
    {
        CoverState cover;
        cover.ResetToDefaults(96, type);
        cover.covertype = type;
        cover.fBGColor = cover.bBGColor = kPaper;
        cover.fCoverTextColor = cover.bCoverTextColor = kInk;
        cover.fCoverTextFont.lfWeight = cover.bCoverTextFont.lfWeight = FW_BOLD; // spines stay at 400
        cover.backCoverSpineText = kSpine;
        const std::string listing =
            EncodeTrackListing({{"1.", "Harbour Lights", "3:41"}, {"2.", "Coda", "1:09"}});
        cover.bCoverText = listing;
        cover.fCoverText = listing;
        if (type == StandardDVD || type == SlimlineDVD) {
            cover.bCoverText = "Back notes";
            cover.fCoverText = "Front notes";
        }
        return cover;
    }

    // Saves the cover, exports its sheet at this resolution and reads the picture back.
    QImage Export(const CoverState& cover)
    {
        const std::string path = folder.filePath(QStringLiteral("cover.slv")).toStdString();
        EXPECT_TRUE(WriteCoverFile(path, cover).bWritten);
        ExportRequest request;
        request.strCoverPath = path;
        request.strOutputPath = folder.filePath(QStringLiteral("sheet.png")).toStdString();
        request.nDpi = Ppi();
        const int widgets = QApplication::allWidgets().size();
        EXPECT_EQ(ExportCover(request), "");
        EXPECT_EQ(QApplication::allWidgets().size(), widgets); // the page is drawn without a window
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(config.SettingsFile()))); // settings untouched
        return QImage(QString::fromStdString(request.strOutputPath)).convertToFormat(QImage::Format_RGB32);
    }

    // The outline lies on the piece's first and last rows and columns, paper just outside.
    void ExpectOutline(const QImage& sheet, const Piece& piece)
    {
        const int midX = (piece.left + piece.right) / 2;
        const int midY = piece.top + piece.Height() * 3 / 4; // below the texts
        EXPECT_TRUE(IsBlack(sheet.pixel(piece.left, midY))) << "left edge at " << piece.left;
        EXPECT_TRUE(IsBlack(sheet.pixel(piece.right - 1, midY))) << "right edge at " << piece.right - 1;
        EXPECT_TRUE(IsBlack(sheet.pixel(midX, piece.top))) << "top edge at " << piece.top;
        EXPECT_TRUE(IsBlack(sheet.pixel(midX, piece.bottom - 1))) << "bottom edge at " << piece.bottom - 1;
        EXPECT_EQ(sheet.pixel(piece.left - 1, midY), qRgb(255, 255, 255));
        EXPECT_EQ(sheet.pixel(piece.right, midY), qRgb(255, 255, 255));
        EXPECT_EQ(sheet.pixel(piece.left + 2, midY), ToQColor(kPaper).rgb());
    }
    void ExpectFoldLine(const QImage& sheet, const Piece& piece, int x)
    {
        const int y = piece.top + piece.Height() * 3 / 4;
        EXPECT_TRUE(IsBlack(sheet.pixel(x, y))) << "fold line at " << x;
        EXPECT_FALSE(IsBlack(sheet.pixel(x - 2, y))) << "beside the fold line at " << x;
        EXPECT_FALSE(IsBlack(sheet.pixel(x + 2, y))) << "beside the fold line at " << x;
    }
    // The listing's first ink in its text rectangle: from the left inset and top inset on,
    // and its right-aligned lengths ending at the rectangle's right edge.
    void ExpectListing(const QImage& sheet, const Piece& piece, int textLeft, int textRight)
    {
        const int top = piece.top + Inches(0.1);
        const QRect ink =
            InkBox(sheet, QRect(piece.left + textLeft, top, textRight - textLeft + 2, Inches(0.6)));
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_GE(ink.left(), piece.left + textLeft);
        EXPECT_LE(ink.left(), piece.left + textLeft + Ppi() / 30); // a letter's side bearing at most
        EXPECT_LE(ink.right(), piece.left + textRight - 1);
        EXPECT_GE(ink.right(), piece.left + textRight - 1 - Ppi() / 30);
    }

    CTemporaryConfigFolder config;
    QTemporaryDir folder;
};

} // namespace

TEST_P(ExportedSheet, StandardCdFrontAboveTheBackWithTwoSpines)
{
    const QImage sheet = Export(Cover(StandardCD));
    const Piece front = At(1.0, 0.5, 4.735, 4.735);
    const Piece back = At(1.0, 5.48, 5.925, 4.625);
    ExpectOutline(sheet, front);
    ExpectOutline(sheet, back);
    const int S = Inches(0.25);
    ExpectFoldLine(sheet, back, back.left + S);
    ExpectFoldLine(sheet, back, back.right - S - 1);
    ExpectListing(sheet, back, S + Inches(0.1), back.Width() - S - 5);
    ExpectListing(sheet, front, Inches(0.1), front.Width() - 5);
    // Both spines carry the spine text at 12 points, centred along their length.
    const QRect right = InkBox(sheet, QRect(back.right - S + 2, back.top + 2, S - 4, back.Height() - 4));
    const QRect left = InkBox(sheet, QRect(back.left + 2, back.top + 2, S - 4, back.Height() - 4));
    ExpectSpineLength(right, 12, Ppi());
    ExpectSpineLength(left, 12, Ppi());
    EXPECT_NEAR(right.center().y(), back.top + back.Height() / 2, Ppi() / 40);
}

TEST_P(ExportedSheet, StandardDvdSpineInTheMiddleAndTextsOnBothPanels)
{
    const QImage sheet = Export(Cover(StandardDVD));
    const Piece insert = At(0.25, 0.25, 10.72, 7.2);
    ExpectOutline(sheet, insert);
    const int S = Inches(0.54);
    const int spineLeft = insert.left + insert.Width() / 2 - S / 2;
    ExpectFoldLine(sheet, insert, spineLeft);
    ExpectFoldLine(sheet, insert, spineLeft + S - 1);
    const QRect spine = InkBox(sheet, QRect(spineLeft + 2, insert.top + 2, S - 4, insert.Height() - 4));
    ExpectSpineLength(spine, 14, Ppi());
    EXPECT_GE(spine.left(), spineLeft + S / 4); // the text's cell starts a quarter of the spine in
    const QRect front = InkBox(
        sheet, QRect(spineLeft + S + 2, insert.top + 2, insert.right - spineLeft - S - 4, Inches(0.6)));
    EXPECT_GE(front.left(), insert.left + Inches(5.85));
    EXPECT_LE(front.left(), insert.left + Inches(5.85) + Ppi() / 30);
    EXPECT_GE(front.top(), insert.top + Inches(0.25));
    const QRect back =
        InkBox(sheet, QRect(insert.left + 2, insert.top + 2, spineLeft - insert.left - 4, Inches(0.6)));
    EXPECT_GE(back.left(), insert.left + Inches(0.25));
    EXPECT_LE(back.left(), insert.left + Inches(0.25) + Ppi() / 30);
}

TEST_P(ExportedSheet, SlimlineDvdHasItsOwnFrontPanelAndSpineText)
{
    const QImage sheet = Export(Cover(SlimlineDVD));
    const Piece insert = At(0.25, 0.25, 10.551, 7.2);
    ExpectOutline(sheet, insert);
    const int S = Inches(0.275);
    const int spineLeft = insert.left + insert.Width() / 2 - S / 2;
    ExpectFoldLine(sheet, insert, spineLeft);
    ExpectFoldLine(sheet, insert, spineLeft + S - 1);
    const QRect spine = InkBox(sheet, QRect(spineLeft + 1, insert.top + 2, S - 2, insert.Height() - 4));
    ExpectSpineLength(spine, 14, Ppi());
    EXPECT_LT(spine.left(), spineLeft + S / 4); // a tenth of the spine in, not a quarter
    const QRect front = InkBox(
        sheet, QRect(spineLeft + S + 2, insert.top + 2, insert.right - spineLeft - S - 4, Inches(0.6)));
    EXPECT_GE(front.left(), insert.left + Inches(5.64));
    EXPECT_LE(front.left(), insert.left + Inches(5.64) + Ppi() / 30);
}

TEST_P(ExportedSheet, SlimlineCdFlapSpineNotchesAndListing)
{
    const QImage sheet = Export(Cover(SlimlineCD));
    const Piece insert = At(0.25, 0.25, 6.1417322772, 4.7637795227);
    ExpectOutline(sheet, insert);
    const int F = Inches(0.5905511805);
    const int S = Inches(0.1181102361);
    ExpectFoldLine(sheet, insert, insert.left + F);
    ExpectFoldLine(sheet, insert, insert.left + F + S);
    ExpectListing(sheet, insert, Inches(0.84), insert.Width() - 5);
    const QRect spine = InkBox(sheet, QRect(insert.left + F + 1, insert.top + 2, S - 1, insert.Height() - 4));
    ExpectSpineLength(spine, 7, Ppi());
    // The notches are cut from the paper: white on the yellow insert, at both ends of the
    // left edge, over the first 1.417 inches.
    const int notchRight = insert.left + Inches(1.417);
    for (const int y : {insert.top, insert.bottom - 1}) {
        EXPECT_EQ(sheet.pixel(notchRight - 10, y), qRgb(255, 255, 255)) << y;
        EXPECT_EQ(sheet.pixel(notchRight - 10, y == insert.top ? y + Inches(0.2) : y - Inches(0.2)),
                  ToQColor(kPaper).rgb());
    }
}

TEST_P(ExportedSheet, ACustomSizeOrUnknownKindIsRefusedAndNothingWritten)
{
    const QString path = folder.filePath(QStringLiteral("custom.slv"));
    CoverState custom = Cover(StandardCD);
    custom.covertype = CustomSize;
    ASSERT_TRUE(WriteCoverFile(path.toStdString(), custom).bWritten);
    QFile unknown(folder.filePath(QStringLiteral("unknown.slv")));
    ASSERT_TRUE(unknown.open(QIODevice::WriteOnly));
    unknown.write("[BEGIN][covertype]=9[ENDcovertype][END]");
    unknown.close();
    QFile bare(folder.filePath(QStringLiteral("bare.slv")));
    ASSERT_TRUE(bare.open(QIODevice::WriteOnly));
    bare.write("[END]");
    bare.close();
    for (const QString& cover : {path, unknown.fileName(), bare.fileName()}) {
        ExportRequest request;
        request.strCoverPath = cover.toStdString();
        request.strOutputPath = folder.filePath(QStringLiteral("refused.png")).toStdString();
        request.nDpi = Ppi();
        EXPECT_NE(ExportCover(request), "") << cover.toStdString();
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(request.strOutputPath)));
    }
}

INSTANTIATE_TEST_SUITE_P(TwoResolutions, ExportedSheet, testing::Values(150, 300));
