// Disc labels exported by sleevora-export as a user runs it, measured on the PDF drawn at
// 600 dpi: every label of every sheet at its centre, its outer and hub diameters, nothing
// printed off the ring, the texts inside it; a printable disc's page the disc's size.
#include "ConfigFolder.h"
#include "CoverFile.h"
#include "DiscLabelSheets.h"
#include "TrackListing.h"

#include <FreeImage.h>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 600;
constexpr double kTolerance = 0.2; // millimetres

double Pixels(double dMm)
{
    return dMm * kDpi / 25.4;
}

bool IsPrinted(QRgb pixel)
{
    return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 128;
}

bool IsText(QRgb pixel) // the cover's yellow text, not its blend into the blue
{
    return qRed(pixel) > 200 && qGreen(pixel) > 150 && qBlue(pixel) < 100;
}

// The first printed pixel from a point along a direction, or the point itself when none is
// found within the limit.
int FirstPrinted(const QImage& page, QPoint from, QPoint step, int nLimit, bool bPrinted)
{
    from = QPoint(std::clamp(from.x(), 0, page.width() - 1), std::clamp(from.y(), 0, page.height() - 1));
    QPoint at = from;
    for (int i = 0; i < nLimit && page.rect().contains(at); ++i, at += step)
        if (IsPrinted(page.pixel(at)) == bPrinted)
            return step.x() != 0 ? at.x() : at.y();
    return step.x() != 0 ? from.x() : from.y();
}

// A label as measured across the row and down the column through where its centre should be:
// the outer edges are the first printed pixels from outside, the hub's the first from inside.
struct MeasuredLabel
{
    QPointF centre; // millimetres
    double dOuterX, dOuterY, dHubX, dHubY;
};
MeasuredLabel Measure(const QImage& page, const QPointF& centreMm, double dOuterMm)
{
    const QPoint c(qRound(Pixels(centreMm.x())), qRound(Pixels(centreMm.y())));
    const int reach = qRound(Pixels(dOuterMm / 2 + 3)); // short of the next label
    const int left = FirstPrinted(page, c - QPoint(reach, 0), {1, 0}, reach, true);
    const int right = FirstPrinted(page, c + QPoint(reach, 0), {-1, 0}, reach, true) + 1;
    const int top = FirstPrinted(page, c - QPoint(0, reach), {0, 1}, reach, true);
    const int bottom = FirstPrinted(page, c + QPoint(0, reach), {0, -1}, reach, true) + 1;
    const int hubLeft = FirstPrinted(page, c, {-1, 0}, reach, true) + 1;
    const int hubRight = FirstPrinted(page, c, {1, 0}, reach, true);
    const int hubTop = FirstPrinted(page, c, {0, -1}, reach, true) + 1;
    const int hubBottom = FirstPrinted(page, c, {0, 1}, reach, true);
    const double mm = 25.4 / kDpi;
    return {QPointF((left + right) / 2.0 * mm, (top + bottom) / 2.0 * mm), (right - left) * mm,
            (bottom - top) * mm, (hubRight - hubLeft) * mm, (hubBottom - hubTop) * mm};
}

class DiscLabelExport : public testing::Test
{
protected:
    void SetUp() override
    {
        FreeImage_Initialise(FALSE);
        QImageReader::setAllocationLimit(0); // a sheet at 600 dpi is larger than Qt's default
    }
    void TearDown() override { FreeImage_DeInitialise(); }

    QString Path(const char* name) const { return folder.filePath(QLatin1String(name)); }

    // A standard CD in dark blue with yellow text: a spine text and a listing long enough
    // to fill the space under the hub.
    void WriteCover(const std::string& strPicture = {})
    {
        CoverState cover;
        cover.ResetToDefaults(96, StandardCD);
        cover.covertype = StandardCD;
        cover.fBGColor = RGB(20, 40, 120);
        cover.fCoverTextColor = RGB(255, 220, 0);
        cover.fImagePath = strPicture;
        cover.backCoverSpineText = "Harbour Lights and other songs";
        std::vector<TrackRow> rows;
        for (int i = 1; i <= 9; ++i)
            rows.push_back({std::to_string(i) + ".", "Harbour Lights, part " + std::to_string(i), "3:41"});
        cover.fCoverText = EncodeTrackListing(rows);
        ASSERT_TRUE(WriteCoverFile(Path("cover.slv").toStdString(), cover).bWritten);
    }

    int Export(const QStringList& options)
    {
        QProcess process;
        process.start(QStringLiteral(SLEEVORA_EXPORT),
                      QStringList{Path("cover.slv"), Path("labels.pdf")} + options);
        process.waitForFinished(120000);
        return process.exitCode();
    }

    QImage Rasterised()
    {
        QProcess process;
        process.start(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), Path("labels.pdf"), Path("page")});
        process.waitForFinished(120000);
        return QImage(Path("page.png")).convertToFormat(QImage::Format_RGB32);
    }

    CTemporaryConfigFolder config;
    QTemporaryDir folder;
};

// Every printed pixel lies within a label's ring (its edge pixels a tenth of a millimetre
// either side), every text pixel a millimetre inside it; there is text on every label.
void ExpectOnlyRingsPrinted(const QImage& page, const DiscLabelSheet& sheet,
                            const std::vector<size_t>& printed)
{
    std::vector<int> texts(sheet.centresMm.size());
    for (int y = 0; y < page.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if (!IsPrinted(row[x]) && !IsText(row[x]))
                continue;
            bool inRing = false;
            for (size_t i : printed) {
                const double r = std::hypot(x + 0.5 - Pixels(sheet.centresMm[i].x()),
                                            y + 0.5 - Pixels(sheet.centresMm[i].y()));
                const double slack = Pixels(IsText(row[x]) ? -1.0 : 0.1);
                if (r > Pixels(sheet.dHubMm / 2) - slack && r < Pixels(sheet.dOuterMm / 2) + slack) {
                    inRing = true;
                    texts[i] += IsText(row[x]);
                }
            }
            ASSERT_TRUE(inRing) << sheet.strId << ": printed at " << x << "," << y;
        }
    }
    for (size_t i : printed)
        EXPECT_GT(texts[i], 20000) << sheet.strId << " label " << i + 1;
}

void ExpectLabelsAtTheirPlaces(const QImage& page, const DiscLabelSheet& sheet)
{
    for (const QPointF& centre : sheet.centresMm) {
        const MeasuredLabel label = Measure(page, centre, sheet.dOuterMm);
        const std::string where = sheet.strId + " at " + std::to_string(centre.y());
        EXPECT_NEAR(label.centre.x(), centre.x(), kTolerance) << where;
        EXPECT_NEAR(label.centre.y(), centre.y(), kTolerance) << where;
        EXPECT_NEAR(label.dOuterX, sheet.dOuterMm, kTolerance) << where;
        EXPECT_NEAR(label.dOuterY, sheet.dOuterMm, kTolerance) << where;
        EXPECT_NEAR(label.dHubX, sheet.dHubMm, kTolerance) << where;
        EXPECT_NEAR(label.dHubY, sheet.dHubMm, kTolerance) << where;
    }
}

} // namespace

TEST_F(DiscLabelExport, EverySheetsLabelsLieAtTheirCentresWithTheirDiameters)
{
    WriteCover();
    for (const DiscLabelSheet& sheet : DiscLabelSheets()) {
        ASSERT_EQ(Export({QStringLiteral("--disc-label"), QString::fromStdString(sheet.strId)}), 0);
        const QImage page = Rasterised();
        const QSizeF paper = DiscSheetSizeMm(sheet);
        // A PDF page is whole points: A4 is a third of a millimetre narrower.
        EXPECT_NEAR(page.width(), Pixels(paper.width()), 3) << sheet.strId;
        EXPECT_NEAR(page.height(), Pixels(paper.height()), 3) << sheet.strId;
        ExpectLabelsAtTheirPlaces(page, sheet);
        ExpectOnlyRingsPrinted(page, sheet, {0, 1});
    }
}

// A printable disc is one page the disc's size with its label at the centre; its photo is
// the JPEG file's own bytes and its texts stay text.
TEST_F(DiscLabelExport, PrintableDiscIsAPageTheDiscsSizeKeepingTextAndJpeg)
{
    QImage photo(320, 200, QImage::Format_RGB32);
    photo.fill(qRgb(20, 40, 120));
    ASSERT_TRUE(photo.save(Path("photo.jpg"), "JPG", 90));
    WriteCover(Path("photo.jpg").toStdString());
    ASSERT_EQ(
        Export({QStringLiteral("--disc-label"), QStringLiteral("printable-disc"), QStringLiteral("--outer"),
                QStringLiteral("116"), QStringLiteral("--hub"), QStringLiteral("22")}),
        0);
    const DiscLabelSheet disc = PrintableDisc(116, 22);
    const QImage page = Rasterised();
    EXPECT_NEAR(page.width(), Pixels(120), 1.5);
    EXPECT_NEAR(page.height(), Pixels(120), 1.5);
    ExpectLabelsAtTheirPlaces(page, disc);
    ExpectOnlyRingsPrinted(page, disc, {0});

    QFile pdf(Path("labels.pdf")), jpeg(Path("photo.jpg"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly) && jpeg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().contains(jpeg.readAll()));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {Path("labels.pdf"), QStringLiteral("-")});
    text.waitForFinished(60000);
    EXPECT_TRUE(text.readAllStandardOutput().contains("Harbour Lights, part 1"));
}

// Only the second label of a half-used sheet; requests the sheet cannot take are refused.
TEST_F(DiscLabelExport, PositionsChooseTheLabelsAndBadRequestsAreRefused)
{
    WriteCover();
    const DiscLabelSheet& sheet = *FindDiscLabelSheet("herma-4093");
    ASSERT_EQ(Export({QStringLiteral("--disc-label"), QStringLiteral("Herma-4093"),
                      QStringLiteral("--positions"), QStringLiteral("2")}),
              0);
    ExpectOnlyRingsPrinted(Rasterised(), sheet, {1});
    QFile::remove(Path("labels.pdf"));
    for (const QStringList& bad :
         {QStringList{QStringLiteral("--disc-label"), QStringLiteral("avery-9999")},
          QStringList{QStringLiteral("--disc-label"), QStringLiteral("herma-4093"),
                      QStringLiteral("--positions"), QStringLiteral("3")},
          QStringList{QStringLiteral("--disc-label"), QStringLiteral("printable-disc"),
                      QStringLiteral("--hub"), QStringLiteral("110")},
          QStringList{QStringLiteral("--outer"), QStringLiteral("117")}}) {
        EXPECT_EQ(Export(bad), 2) << bad.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(Path("labels.pdf")));
    }
}
