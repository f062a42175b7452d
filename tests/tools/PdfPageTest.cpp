// The PDF that keeps vectors: for every kind of case, at 600 dpi, its outlines, fold lines,
// picture edges and text land where the printed bitmap puts them; its text is text; JPEG
// pictures (grey, colour, CMYK) go in as their files' own bytes, others exactly.
#include "ConfigFolder.h"
#include "CoverExport.h"
#include "CoverFile.h"
#include "CoverFit.h"
#include "CoverPrint.h"
#include "MulDiv.h"
#include "PictureCut.h"
#include "TrackListing.h"

#include <FreeImage.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csetjmp>
#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace {

constexpr int kDpi = 600;
const QRgb kPictureColour = qRgb(30, 160, 60);

bool IsInk(QRgb pixel) // blue text, or blue blended into the yellow paper or green picture
{
    return qBlue(pixel) > qRed(pixel) + 60 && qBlue(pixel) > qGreen(pixel) - 40;
}

bool IsBlack(QRgb pixel)
{
    return qRed(pixel) < 60 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

bool IsPicture(QRgb pixel)
{
    return std::abs(qRed(pixel) - qRed(kPictureColour)) < 12 &&
           std::abs(qGreen(pixel) - qGreen(kPictureColour)) < 12 &&
           std::abs(qBlue(pixel) - qBlue(kPictureColour)) < 12;
}

QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Runs of pixels of a kind along a row or a column, as (first, last) pairs.
std::vector<std::pair<int, int>> Runs(const QImage& sheet, bool bRow, int nIndex, bool (*kind)(QRgb))
{
    std::vector<std::pair<int, int>> runs;
    const int length = bRow ? sheet.width() : sheet.height();
    for (int i = 0; i < length; ++i) {
        if (!kind(bRow ? sheet.pixel(i, nIndex) : sheet.pixel(nIndex, i)))
            continue;
        if (!runs.empty() && runs.back().second == i - 1)
            runs.back().second = i;
        else
            runs.emplace_back(i, i);
    }
    return runs;
}

// The same runs, each end within a pixel.
testing::AssertionResult SameRuns(const std::vector<std::pair<int, int>>& pdf,
                                  const std::vector<std::pair<int, int>>& printed)
{
    if (pdf.size() != printed.size())
        return testing::AssertionFailure() << pdf.size() << " runs where the print has " << printed.size();
    for (size_t i = 0; i < pdf.size(); ++i)
        if (std::abs(pdf[i].first - printed[i].first) > 1 || std::abs(pdf[i].second - printed[i].second) > 1)
            return testing::AssertionFailure()
                   << "run " << i << " at " << pdf[i].first << "-" << pdf[i].second << " where the print has "
                   << printed[i].first << "-" << printed[i].second;
    return testing::AssertionSuccess();
}

// The box of a kind's pixels in a tile of the sheet.
QRect Box(const QImage& sheet, const QRect& tile, bool (*kind)(QRgb))
{
    QRect box;
    for (int y = tile.top(); y <= tile.bottom(); ++y)
        for (int x = tile.left(); x <= tile.right(); ++x)
            if (kind(sheet.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Within a pixel each side; a sliver of ink at the tile's edge may lie just across it.
bool Near(const QRect& pdf, const QRect& printed, const QRect& tile)
{
    const auto sliver = [&tile](const QRect& box) {
        return box.isEmpty() ||
               ((box.width() <= 2 || box.height() <= 2) && !tile.adjusted(2, 2, -2, -2).contains(box));
    };
    if (pdf.isEmpty() || printed.isEmpty())
        return sliver(pdf) && sliver(printed);
    return std::abs(pdf.left() - printed.left()) <= 1 && std::abs(pdf.right() - printed.right()) <= 1 &&
           std::abs(pdf.top() - printed.top()) <= 1 && std::abs(pdf.bottom() - printed.bottom()) <= 1;
}

class PdfPage : public testing::Test
{
protected:
    void SetUp() override
    {
        FreeImage_Initialise(FALSE);
        QImageReader::setAllocationLimit(512); // megabytes: an A4 sheet at 600 dpi takes 139
    }
    void TearDown() override { FreeImage_DeInitialise(); }

    QString Path(const QString& name) const { return folder.filePath(name); }

    // Blue text on yellow, a green picture short of the spines, listing, titles, spine text.
    CoverState Cover(CoverType type)
    {
        QImage picture(120, 90, QImage::Format_RGB32);
        picture.fill(kPictureColour);
        picture.save(Path(QStringLiteral("green.png")));
        CoverState cover;
        cover.ResetToDefaults(96, type);
        cover.covertype = type;
        cover.fBGColor = cover.bBGColor = RGB(250, 240, 190);
        cover.fCoverTextColor = cover.bCoverTextColor = RGB(0, 0, 255);
        cover.fImagePath = cover.bImagePath = Path(QStringLiteral("green.png")).toStdString();
        cover.bFrontPrintOverSpines = cover.bBackPrintOverSpines = false;
        cover.backCoverSpineText = "Harbour Lights and other songs";
        cover.bCoverTitle = cover.fCoverTitle = "The Quiet Coast";
        const std::string listing =
            EncodeTrackListing({{"1.", "Paper Boats", "3:41"}, {"2.", "Coda", "1:09"}});
        cover.bCoverText = cover.fCoverText = listing;
        if (type == StandardDVD || type == SlimlineDVD) {
            cover.bCoverText = "Three ranges, no roads";
            cover.fCoverText = "A film in three seasons";
        }
        return cover;
    }

    std::string Export(const CoverState& cover, const QString& output, int nDpi = kDpi)
    {
        const std::string path = Path(QStringLiteral("cover.slv")).toStdString();
        EXPECT_TRUE(WriteCoverFile(path, cover).bWritten);
        ExportRequest request;
        request.strCoverPath = path;
        request.strOutputPath = Path(output).toStdString();
        request.nDpi = nDpi;
        return ExportCover(request);
    }

    QImage Rasterised(const QString& pdf, int nDpi)
    {
        RunTool(QStringLiteral("pdftoppm"),
                {QStringLiteral("-r"), QString::number(nDpi), QStringLiteral("-png"),
                 QStringLiteral("-singlefile"), Path(pdf), Path(QStringLiteral("page"))});
        return QImage(Path(QStringLiteral("page.png"))).convertToFormat(QImage::Format_RGB32);
    }

    // The page as Ghostscript draws it: plain CMYK through its standard CMYK profile, as
    // print shops' and printers' software does.
    QImage DrawnByGhostscript(const QString& pdf, int nDpi)
    {
        RunTool(QStringLiteral("gs"),
                {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
                 QStringLiteral("-sDEVICE=png16m"), QStringLiteral("-r%1").arg(nDpi),
                 QStringLiteral("-sOutputFile=") + Path(QStringLiteral("gs.png")), Path(pdf)});
        return QImage(Path(QStringLiteral("gs.png"))).convertToFormat(QImage::Format_RGB32);
    }

    CTemporaryConfigFolder config;
    QTemporaryDir folder;
};

// A grey, colour or CMYK JPEG of one colour, written with libjpeg; CMYK as Photoshop stores
// it (inverted, with an Adobe marker), its inks drawn through the standard CMYK profile.
bool WriteJpeg(const QString& path, int nComponents, bool bProgressive)
{
    std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = 64;
    info.image_height = 48;
    info.input_components = nComponents;
    info.in_color_space = nComponents == 1 ? JCS_GRAYSCALE : nComponents == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (bProgressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    const unsigned char grey[] = {120};
    const unsigned char rgb[] = {200, 100, 50};
    const unsigned char cmyk[] = {200, 100, 50, 255};
    const unsigned char* colour = nComponents == 1 ? grey : nComponents == 3 ? rgb : cmyk;
    std::vector<unsigned char> row(64 * static_cast<size_t>(nComponents));
    for (size_t i = 0; i < row.size(); ++i)
        row[i] = colour[i % static_cast<size_t>(nComponents)];
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
    return true;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(PdfPage, EveryKindLandsWhereThePrintPutsItAndItsTextIsText)
{
    for (const CoverType type : {StandardCD, SlimlineCD, StandardDVD, SlimlineDVD}) {
        const CoverState cover = Cover(type);
        ASSERT_EQ(Export(cover, QStringLiteral("sheet.png")), "");
        ASSERT_EQ(Export(cover, QStringLiteral("sheet.pdf")), "");
        const QImage wholeSheet =
            QImage(Path(QStringLiteral("sheet.png"))).convertToFormat(QImage::Format_RGB32);
        const QImage wholePage = Rasterised(QStringLiteral("sheet.pdf"), kDpi);
        ASSERT_FALSE(wholeSheet.isNull());
        // The two round the page's size in points to whole pixels each their own way.
        const QRect common = wholeSheet.rect() & wholePage.rect();
        ASSERT_GT(common.width(), wholeSheet.width() - 3) << type;
        ASSERT_GT(common.height(), wholeSheet.height() - 3) << type;
        const QImage printed = wholeSheet.copy(common);
        const QImage pdf = wholePage.copy(common);

        // Outlines, fold lines and notches along rows and columns across the whole sheet.
        for (int y = 40; y < printed.height(); y += 97)
            EXPECT_TRUE(SameRuns(Runs(pdf, true, y, IsBlack), Runs(printed, true, y, IsBlack)))
                << "kind " << type << ", row " << y;
        for (int x = 40; x < printed.width(); x += 97)
            EXPECT_TRUE(SameRuns(Runs(pdf, false, x, IsBlack), Runs(printed, false, x, IsBlack)))
                << "kind " << type << ", column " << x;
        // The picture's edges, and the text's ink tile by tile.
        const QRect picturePdf = Box(pdf, pdf.rect(), IsPicture);
        const QRect picturePrinted = Box(printed, printed.rect(), IsPicture);
        EXPECT_TRUE(Near(picturePdf, picturePrinted, pdf.rect()))
            << "kind " << type << ": the picture in the PDF at (" << picturePdf.x() << ", " << picturePdf.y()
            << ") " << picturePdf.width() << " x " << picturePdf.height() << ", printed at ("
            << picturePrinted.x() << ", " << picturePrinted.y() << ") " << picturePrinted.width() << " x "
            << picturePrinted.height();
        for (int y = 0; y < printed.height(); y += 256)
            for (int x = 0; x < printed.width(); x += 256) {
                const QRect tile = QRect(x, y, 256, 256) & printed.rect();
                const QRect a = Box(pdf, tile, IsInk);
                const QRect b = Box(printed, tile, IsInk);
                EXPECT_TRUE(Near(a, b, tile))
                    << "kind " << type << ": text in the PDF at (" << a.x() << ", " << a.y() << ") "
                    << a.width() << " x " << a.height() << ", printed at (" << b.x() << ", " << b.y() << ") "
                    << b.width() << " x " << b.height();
            }

        const QString text =
            RunTool(QStringLiteral("pdftotext"), {Path(QStringLiteral("sheet.pdf")), QStringLiteral("-")});
        const bool dvd = type == StandardDVD || type == SlimlineDVD;
        const QStringList texts =
            dvd ? QStringList{QStringLiteral("The Quiet Coast"), QStringLiteral("A film in three seasons")}
                : QStringList{QStringLiteral("Paper Boats"), QStringLiteral("1:09")};
        for (const QString& shown : texts + QStringList{QStringLiteral("Harbour Lights and other songs")})
            EXPECT_TRUE(text.contains(shown))
                << type << ": " << shown.toStdString() << " not in " << text.toStdString();
    }
}

TEST_F(PdfPage, JpegsGoInAsTheirFilesAndShowTheColoursThePrintShows)
{
    struct Case
    {
        const char* name;
        int components;
        bool progressive;
        const char* colour; // as pdfimages lists it
    };
    for (const Case& jpeg : {Case{"grey.jpg", 1, false, "gray"}, Case{"colour.jpg", 3, true, "rgb"},
                             Case{"cmyk.jpg", 4, false, "cmyk"}}) {
        const QString picture = Path(QLatin1String(jpeg.name));
        ASSERT_TRUE(WriteJpeg(picture, jpeg.components, jpeg.progressive));
        CoverState cover = Cover(StandardDVD);
        cover.bImagePath = picture.toStdString();
        ASSERT_EQ(Export(cover, QStringLiteral("sheet.pdf")), "");
        const QString list = RunTool(QStringLiteral("pdfimages"),
                                     {QStringLiteral("-list"), Path(QStringLiteral("sheet.pdf"))});
        EXPECT_TRUE(
            list.contains(QRegularExpression(QStringLiteral("64\\s+48\\s+") + QLatin1String(jpeg.colour) +
                                             QStringLiteral("\\s+\\d\\s+8\\s+jpeg"))))
            << list.toStdString();
        QDir().mkpath(Path(QStringLiteral("images")));
        RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-all"), Path(QStringLiteral("sheet.pdf")),
                                              Path(QStringLiteral("images/im"))});
        EXPECT_EQ(FileBytes(Path(QStringLiteral("images/im-000.jpg"))), FileBytes(picture)) << jpeg.name;
        QDir(Path(QStringLiteral("images"))).removeRecursively();

        ASSERT_EQ(Export(cover, QStringLiteral("sheet.png"), 50), "");
        const QImage printed = QImage(Path(QStringLiteral("sheet.png")));
        const QImage pdf = DrawnByGhostscript(QStringLiteral("sheet.pdf"), 50);
        ASSERT_FALSE(printed.isNull() || pdf.isNull());
        const QPoint middle(pdf.width() / 2 + 60, pdf.height() * 2 / 3);
        const QRgb a = pdf.pixel(middle);
        const QRgb b = printed.pixel(middle);
        EXPECT_LE(
            std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)), 24)
            << jpeg.name << ": " << std::hex << a << " in the PDF, " << b << " printed";
    }
}

TEST_F(PdfPage, OtherPicturesGoInExactlyAtMostAtThePagesResolution)
{
    QImage wide(9000, 60, QImage::Format_RGB32); // wider than the DVD insert's 6432 pixels at 600 dpi
    wide.fill(kPictureColour);
    wide.save(Path(QStringLiteral("wide.png")));
    CoverState cover = Cover(StandardDVD);
    cover.bImagePath = Path(QStringLiteral("wide.png")).toStdString();
    ASSERT_EQ(Export(cover, QStringLiteral("sheet.pdf")), "");
    const QString list =
        RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), Path(QStringLiteral("sheet.pdf"))});
    EXPECT_TRUE(
        list.contains(QRegularExpression(QStringLiteral("\\s6432\\s+60\\s+rgb\\s+3\\s+8\\s+image\\s"))))
        << list.toStdString();
}

// A phone photo is stored on its side with the way up in its EXIF data: the PDF keeps the
// file's own bytes and turns it where it places it; the PNG sheet decodes it upright.
TEST_F(PdfPage, APhotoStoredOnItsSideIsPrintedUpright)
{
    const QString photo = Path(QStringLiteral("phone.jpg"));
    RunTool(QStringLiteral("convert"),
            QStringLiteral("-size 80x60 xc:red ( -size 80x60 xc:lime ) +append ( -size 80x60 xc:blue "
                           "( -size 80x60 xc:yellow ) +append ) -append")
                    .split(' ') +
                QStringList{photo});
    RunTool(QStringLiteral("exiftool"), {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                         QStringLiteral("-Orientation#=6"), photo});
    CoverState cover = Cover(StandardDVD);
    cover.bImagePath = photo.toStdString();
    cover.bCoverText = cover.fCoverText = cover.bCoverTitle = cover.fCoverTitle = cover.backCoverSpineText =
        "";
    ASSERT_EQ(Export(cover, QStringLiteral("sheet.pdf")), "");
    ASSERT_EQ(Export(cover, QStringLiteral("sheet.png"), 50), "");
    const QImage printed(Path(QStringLiteral("sheet.png")));
    const QImage pdf = Rasterised(QStringLiteral("sheet.pdf"), 50);
    // Turned a quarter clockwise, the stored red, green / blue, yellow shows blue, red /
    // yellow, green on the insert (10.72 × 7.2 in, 0.25 in and the margin in from the corner).
    const int margin = qRound(50 * 10.0 / 72.0);
    const QPoint corner(margin + 12, margin + 12);
    const QRgb expected[] = {qRgb(0, 0, 255), qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 255, 0)};
    int i = 0;
    for (const QPoint at : {QPoint(134, 90), QPoint(402, 90), QPoint(134, 270), QPoint(402, 270)}) {
        for (const QImage& sheet : {printed, pdf}) {
            const QRgb seen = sheet.pixel(corner + at);
            EXPECT_LE(std::abs(qRed(seen) - qRed(expected[i])) +
                          std::abs(qGreen(seen) - qGreen(expected[i])) +
                          std::abs(qBlue(seen) - qBlue(expected[i])),
                      60)
                << "quadrant " << i << ": " << std::hex << seen;
        }
        ++i;
    }
    QDir().mkpath(Path(QStringLiteral("images")));
    RunTool(QStringLiteral("pdfimages"),
            {QStringLiteral("-all"), Path(QStringLiteral("sheet.pdf")), Path(QStringLiteral("images/im"))});
    EXPECT_EQ(FileBytes(Path(QStringLiteral("images/im-000.jpg"))), FileBytes(photo));
}

// A PNG clear on its right half over a DVD insert, which fills its colour only where there is
// no picture: the colour shows through on the PNG sheet and in the PDF alike.
TEST_F(PdfPage, TheBackgroundShowsThroughASeeThroughPicture)
{
    const QString png = Path(QStringLiteral("half-clear.png"));
    RunTool(QStringLiteral("convert"),
            QStringLiteral("-size 40x40 xc:red -size 40x40 xc:none +append").split(' ') +
                QStringList{QStringLiteral("PNG32:") + png});
    CoverState cover = Cover(StandardDVD);
    cover.bImagePath = png.toStdString();
    cover.bBGColor = RGB(0, 200, 0);
    cover.bCoverText = cover.fCoverText = cover.bCoverTitle = cover.fCoverTitle = cover.backCoverSpineText =
        "";
    ASSERT_EQ(Export(cover, QStringLiteral("sheet.pdf")), "");
    ASSERT_EQ(Export(cover, QStringLiteral("sheet.png"), 50), "");
    const QImage printed(Path(QStringLiteral("sheet.png")));
    const QImage pdf = Rasterised(QStringLiteral("sheet.pdf"), 50);
    const int margin = qRound(50 * 10.0 / 72.0);
    const QPoint corner(margin + 12, margin + 12);
    for (const QImage& sheet : {printed, pdf}) {
        EXPECT_EQ(sheet.pixel(corner + QPoint(134, 180)), qRgb(255, 0, 0));
        EXPECT_EQ(sheet.pixel(corner + QPoint(402, 180)), qRgb(0, 200, 0));
    }
}

// A JPEG keeps its own bytes in the PDF and its colours everywhere: an Adobe RGB photo goes
// in with its profile as an ICC-based colour space; a CMYK one without a profile stays plain
// CMYK and the sheet converts it as Ghostscript draws plain CMYK.
TEST_F(PdfPage, JpegsShowTheirOwnColoursOnTheSheetAndInThePdf)
{
    const QString profiles = QStringLiteral("/usr/share/color/icc/colord/");
    const QString adobe = Path(QStringLiteral("adobe.jpg"));
    RunTool(QStringLiteral("convert"),
            {QStringLiteral("-size"), QStringLiteral("64x64"), QStringLiteral("xc:rgb(220,30,30)"),
             QStringLiteral("-profile"), profiles + QStringLiteral("sRGB.icc"), QStringLiteral("-profile"),
             profiles + QStringLiteral("AdobeRGB1998.icc"), adobe});
    const QString cmyk = Path(QStringLiteral("cmyk.jpg"));
    RunTool(QStringLiteral("convert"),
            {QStringLiteral("-size"), QStringLiteral("64x64"), QStringLiteral("xc:rgb(40,110,200)"),
             QStringLiteral("-colorspace"), QStringLiteral("CMYK"), cmyk});
    const int margin = qRound(50 * 10.0 / 72.0);
    const QPoint middle(margin + 12 + 134, margin + 12 + 180);
    for (const auto& [picture, colourSpace] :
         {std::pair{adobe, QStringLiteral("icc")}, std::pair{cmyk, QStringLiteral("cmyk")}}) {
        CoverState cover = Cover(StandardDVD);
        cover.bImagePath = picture.toStdString();
        cover.bCoverText = cover.fCoverText = cover.bCoverTitle = cover.fCoverTitle =
            cover.backCoverSpineText = "";
        ASSERT_EQ(Export(cover, QStringLiteral("sheet.pdf")), "");
        ASSERT_EQ(Export(cover, QStringLiteral("sheet.png"), 50), "");
        const QString list = RunTool(QStringLiteral("pdfimages"),
                                     {QStringLiteral("-list"), Path(QStringLiteral("sheet.pdf"))});
        EXPECT_TRUE(list.contains(QRegularExpression(QStringLiteral("64\\s+64\\s+") + colourSpace)))
            << list.toStdString();
        RunTool(QStringLiteral("gs"),
                {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
                 QStringLiteral("-sDEVICE=png16m"), QStringLiteral("-r50"),
                 QStringLiteral("-sOutputFile=") + Path(QStringLiteral("gs.png")),
                 Path(QStringLiteral("sheet.pdf"))});
        const QColor drawn = QImage(Path(QStringLiteral("gs.png"))).pixelColor(middle);
        const QColor printed = QImage(Path(QStringLiteral("sheet.png"))).pixelColor(middle);
        EXPECT_LE(std::max({std::abs(drawn.red() - printed.red()), std::abs(drawn.green() - printed.green()),
                            std::abs(drawn.blue() - printed.blue())}),
                  12)
            << picture.toStdString() << ": " << drawn.name().toStdString() << " by Ghostscript, "
            << printed.name().toStdString() << " on the sheet";
    }
}

// A 4:3 photo cut to the square front of a CD: a circle in it stays round on the printed
// sheet, within a hundredth.
TEST_F(PdfPage, ACroppedPhotoKeepsItsProportionsOnPaper)
{
    const QString photo = Path(QStringLiteral("circle.jpg"));
    RunTool(QStringLiteral("convert"),
            {QStringLiteral("-size"), QStringLiteral("1600x1200"), QStringLiteral("xc:white"),
             QStringLiteral("-fill"), QStringLiteral("red"), QStringLiteral("-draw"),
             QStringLiteral("circle 800,600 800,100"), photo});
    const PictureCut cut = CutPicture(photo.toStdString(), QRect(200, 0, 1200, 1200),
                                      Path(QStringLiteral("square")).toStdString());
    ASSERT_FALSE(cut.strPath.empty()) << cut.strError;
    CoverState cover = Cover(StandardCD);
    cover.fImagePath = cut.strPath;
    cover.fCoverText = cover.fCoverTitle = "";
    ASSERT_EQ(Export(cover, QStringLiteral("sheet.png"), 300), "");
    const QImage sheet = QImage(Path(QStringLiteral("sheet.png"))).convertToFormat(QImage::Format_RGB32);
    const int margin = qRound(300 * 10.0 / 72.0);
    const CRect front = FrontPieceRect(300, CoverGeometry::ForCoverType(StandardCD));
    QRect red;
    for (int y = front.top; y < front.bottom; ++y)
        for (int x = front.left; x < front.right; ++x) {
            const QRgb pixel = sheet.pixel(margin + x, margin + y);
            if (qRed(pixel) > 200 && qGreen(pixel) < 80)
                red |= QRect(x, y, 1, 1);
        }
    ASSERT_FALSE(red.isEmpty());
    EXPECT_NEAR(static_cast<double>(red.width()) / red.height(), 1.0, 0.01);
    EXPECT_NEAR(red.width(), (front.right - front.left) * 1000.0 / 1200, 4);
}

TEST_F(PdfPage, WhatDoesNotFitIsSaidNeverHiddenInThePdfAndShrinkToFitShowsItAll)
{
    CoverState cover = Cover(StandardCD);
    std::vector<TrackRow> rows;
    for (int i = 1; i <= 30; ++i)
        rows.push_back({std::to_string(i) + ".", "Track " + std::to_string(i), "3:00"});
    cover.bCoverText = EncodeTrackListing(rows);
    cover.bCoverTextFont.lfHeight = -24; // 18 points
    const TextFit before = MeasureSideFit(cover, CoverSide::Back, 96);
    EXPECT_GT(before.nRowsHidden, 0);
    EXPECT_EQ(DescribeFit(before, StandardCD, CoverSide::Back),
              std::to_string(before.nRowsHidden) + " tracks do not fit");
    ASSERT_EQ(Export(cover, QStringLiteral("sheet.pdf")), "");
    QString text =
        RunTool(QStringLiteral("pdftotext"), {Path(QStringLiteral("sheet.pdf")), QStringLiteral("-")});
    EXPECT_FALSE(text.contains(QStringLiteral("Track 30"))) << "a row the page does not show is in the PDF";

    ASSERT_TRUE(ShrinkSideToFit(cover, CoverSide::Back, 96));
    EXPECT_TRUE(MeasureSideFit(cover, CoverSide::Back, 96).Fits());
    EXPECT_EQ(cover.bCoverTextPointSize % 5, 0);
    EXPECT_GE(cover.bCoverTextPointSize, 60);
    EXPECT_LT(cover.bCoverTextPointSize, 180);
    EXPECT_EQ(cover.bCoverTextFont.lfHeight, -MulDiv(cover.bCoverTextPointSize, 96, 720));
    CoverState larger = cover; // the largest size: half a point more does not fit
    larger.bCoverTextFont.lfHeight = -MulDiv(cover.bCoverTextPointSize + 5, 96, 720);
    EXPECT_FALSE(MeasureSideFit(larger, CoverSide::Back, 96).Fits());
    ASSERT_EQ(Export(cover, QStringLiteral("sheet.pdf")), "");
    text = RunTool(QStringLiteral("pdftotext"), {Path(QStringLiteral("sheet.pdf")), QStringLiteral("-")});
    for (int i = 1; i <= 30; ++i)
        EXPECT_TRUE(text.contains(QStringLiteral("Track %1\n").arg(i))) << i << " not whole on the page";
    EXPECT_FALSE(text.contains(QString::fromUtf8("\xE2\x80\xA6"))) << "a text is cut on the page";
    EXPECT_TRUE(text.contains(QStringLiteral("Harbour Lights and other songs")));

    // 99 tracks and a long spine text: 6 points is as small as it goes, and the line still
    // says what is missing; the cut spine text is in the PDF as the page shows it.
    for (int i = 31; i <= 99; ++i)
        rows.push_back({std::to_string(i) + ".", "Track " + std::to_string(i), "3:00"});
    cover.bCoverText = EncodeTrackListing(rows);
    cover.backCoverSpineText = std::string(60, 'W') + " the end";
    ASSERT_TRUE(ShrinkSideToFit(cover, CoverSide::Back, 96));
    EXPECT_EQ(cover.bCoverTextPointSize, 60);
    const TextFit after = MeasureSideFit(cover, CoverSide::Back, 96);
    EXPECT_EQ(DescribeFit(after, StandardCD, CoverSide::Back),
              std::to_string(after.nRowsHidden) + " tracks and the back spine text do not fit");
    ASSERT_EQ(Export(cover, QStringLiteral("sheet.pdf")), "");
    text = RunTool(QStringLiteral("pdftotext"), {Path(QStringLiteral("sheet.pdf")), QStringLiteral("-")});
    EXPECT_FALSE(text.contains(QStringLiteral("Track 99")));
    EXPECT_FALSE(text.contains(QStringLiteral("the end")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("WWW\xE2\x80\xA6")));
}
