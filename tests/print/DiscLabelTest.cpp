// A disc label drawn from a cover: what of the cover's picture it shows, where its texts go
// and what it counts when they do not fit.
#include "DiscLabelJob.h"
#include "PictureSource.h"
#include "TrackListing.h"

#include <FreeImage.h>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 150;
constexpr double kOuter = 117.0 / 25.4 * kDpi;
constexpr double kHub = 41.0 / 25.4 * kDpi;
const QPointF kCentre(400, 400);

class DiscLabelDrawing : public testing::Test
{
protected:
    void SetUp() override { FreeImage_Initialise(FALSE); }
    void TearDown() override { FreeImage_DeInitialise(); }

    // A picture of vertical bands of the colours, each 100 pixels wide and high.
    std::string Bands(const std::vector<QRgb>& colours)
    {
        QImage picture(100 * static_cast<int>(colours.size()), 100, QImage::Format_RGB32);
        for (size_t i = 0; i < colours.size(); ++i)
            for (int y = 0; y < 100; ++y)
                for (int x = 0; x < 100; ++x)
                    picture.setPixel(100 * static_cast<int>(i) + x, y, colours[i]);
        const QString path = folder.filePath(QStringLiteral("bands%1.png").arg(colours.size()));
        picture.save(path);
        return path.toStdString();
    }

    QImage Draw(const CoverState& cover, TextFit* pFit = nullptr)
    {
        QImage image(800, 800, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(qRound(kDpi / 0.0254));
        image.setDotsPerMeterY(qRound(kDpi / 0.0254));
        QPainter painter(&image);
        CDecodedPictures pictures;
        DrawDiscLabel(painter, DiscLabelDesignOf(cover, 96), {kCentre, kOuter, kHub, false}, pictures, pFit);
        return image;
    }

    static CoverState Cover(CoverType type)
    {
        CoverState cover;
        cover.ResetToDefaults(96, type);
        cover.covertype = type;
        cover.fBGColor = cover.bBGColor = RGB(255, 255, 255);
        cover.fCoverTextColor = cover.bCoverTextColor = RGB(255, 0, 0);
        return cover;
    }

    QTemporaryDir folder;
};

// A point of the ring halfway between hub and rim, at an angle clockwise from the top.
QRgb RingAt(const QImage& image, double dDegrees)
{
    const double r = (kOuter + kHub) / 4;
    const double a = dDegrees * M_PI / 180;
    return image.pixel(qRound(kCentre.x() + r * std::sin(a)), qRound(kCentre.y() - r * std::cos(a)));
}

} // namespace

// A wide picture shows its centre square, not squeezed into the circle; a DVD's label shows
// the square at the centre of the insert's front half, which straddles the picture's third
// and fourth quarters here.
TEST_F(DiscLabelDrawing, PictureFillsTheRingInProportionFromTheFrontsCentre)
{
    CoverState cd = Cover(StandardCD);
    cd.fImagePath = Bands({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)});
    const QImage cdLabel = Draw(cd);
    for (double angle = 0; angle < 360; angle += 45)
        EXPECT_EQ(RingAt(cdLabel, angle), qRgb(0, 255, 0)) << angle;

    CoverState dvd = Cover(StandardDVD);
    dvd.bImagePath = Bands({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)});
    const QImage dvdLabel = Draw(dvd);
    EXPECT_EQ(RingAt(dvdLabel, 270), qRgb(0, 0, 255));
    EXPECT_EQ(RingAt(dvdLabel, 90), qRgb(255, 255, 0));
    EXPECT_EQ(dvdLabel.pixel(kCentre.toPoint()), qRgb(255, 255, 255)); // the hub stays clear
    EXPECT_EQ(dvdLabel.pixel(5, 5), qRgb(255, 255, 255));
}

// Forty long tracks and a long spine text: the text shrinks to the smallest size, cuts and
// leaves out what does not fit and counts it, and no ink comes near the hub or the rim.
TEST_F(DiscLabelDrawing, TextsStayInTheRingAndWhatDoesNotFitIsCounted)
{
    CoverState cover = Cover(StandardCD);
    std::vector<TrackRow> rows;
    for (int i = 1; i <= 40; ++i)
        rows.push_back({std::to_string(i) + ".",
                        "A title far too long for any disc label to hold " + std::to_string(i), "3:00"});
    cover.fCoverText = EncodeTrackListing(rows);
    cover.backCoverSpineText = std::string(300, 'W');
    TextFit fit;
    const QImage label = Draw(cover, &fit);
    EXPECT_GT(fit.nLinesHidden, 20);
    EXPECT_GT(fit.nTextsCut, 0);
    EXPECT_EQ(fit.nSpinesCut, 1);
    const double margin = 1.0 / 25.4 * kDpi;
    int above = 0, below = 0;
    for (int y = 0; y < label.height(); ++y)
        for (int x = 0; x < label.width(); ++x) {
            if (label.pixel(x, y) == qRgb(255, 255, 255))
                continue;
            const double r = std::hypot(x - kCentre.x(), y - kCentre.y());
            ASSERT_GT(r, kHub / 2 + margin) << x << "," << y;
            ASSERT_LT(r, kOuter / 2 - margin) << x << "," << y;
            ++(y < kCentre.y() ? above : below);
        }
    EXPECT_GT(above, 500);  // the spine text on the arc
    EXPECT_GT(below, 5000); // the tracks under the hub

    cover.fCoverText = EncodeTrackListing({{"1.", "Harbour Lights", "3:41"}});
    cover.backCoverSpineText = "Harbour Lights";
    fit = {};
    Draw(cover, &fit);
    EXPECT_TRUE(fit.Fits());
}

// The printer's alignment moves the whole sheet's labels: 5 mm right and 3 mm up here.
TEST_F(DiscLabelDrawing, AlignmentMovesTheLabelsOnTheSheet)
{
    CoverState cover = Cover(StandardCD);
    cover.fBGColor = RGB(0, 0, 0);
    DiscLabelJob job{cover, *FindDiscLabelSheet("avery-l6015"), 1u, false, {5.0, -3.0, 1.0, 1.0}, 96};
    QImage sheet(1240, 1754, QImage::Format_RGB32); // A4 at 150 dpi
    sheet.fill(Qt::white);
    sheet.setDotsPerMeterX(qRound(kDpi / 0.0254));
    sheet.setDotsPerMeterY(qRound(kDpi / 0.0254));
    {
        QPainter painter(&sheet);
        CDecodedPictures pictures;
        DrawDiscLabelSheet(painter, job, pictures);
    }
    const double mm = kDpi / 25.4;
    const int y = qRound((79.9 - 3.0) * mm);
    int left = 0;
    while (left < sheet.width() && sheet.pixel(left, y) == qRgb(255, 255, 255))
        ++left;
    EXPECT_NEAR(left / mm, 105.0 + 5.0 - 58.5, 0.3);
    EXPECT_EQ(sheet.pixel(qRound(105 * mm), qRound(218.3 * mm + kOuter / 3)),
              qRgb(255, 255, 255)); // label 2 left out
}
