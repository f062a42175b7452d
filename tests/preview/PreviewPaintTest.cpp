// A preview reads the cover itself at every paint, and a standard CD's preview has the other
// side's picture decoded meanwhile.
#include "FlatButton.h"
#include "InsertButtons.h"
#include "PreviewPictures.h"
#include "RenderTestSupport.h"
#include "TrackListing.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class PreviewPaint : public testing::Test
{
protected:
    void SetUp() override
    {
        cover.ResetToDefaults(96, StandardCD);
        cover.covertype = StandardCD;
        cover.bShowBorder = cover.fShowBorder = false;
        cover.backCoverSpinesOn = false;
        geometry.SetForCoverType(StandardCD, 121, 119, 151, 118);
        back.resize(120, 90);
        back.ShowCover({&cover, &geometry, &pictures});
        front.resize(90, 90);
        front.ShowCover({&cover, &geometry, &pictures});
        front.SetOtherSide(&back);
    }

    CoverState cover;
    CoverGeometry geometry;
    CPreviewPictures pictures;
    CMyFlatButton back{nullptr, CoverSide::Back};
    CMyFlatButton front{nullptr, CoverSide::Front};
};

} // namespace

// Whatever made Qt paint the preview (a command, a view switch, the pointer crossing it),
// that one paint shows the cover as it is at that moment.
TEST_F(PreviewPaint, EveryPaintDrawsTheCoverOfThatMoment)
{
    for (const COLORREF colour : {RGB(10, 200, 30), RGB(10, 200, 30), RGB(200, 20, 90)}) {
        cover.bBGColor = colour;
        const QImage shown = back.grab().toImage();
        EXPECT_EQ(PixelAt(shown, 60, 45), Colour(colour));
    }
}

TEST_F(PreviewPaint, TheFrontHasTheBacksPictureDecodedWhileItShows)
{
    QTemporaryDir folder;
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(QColor(30, 90, 200));
    const QString path = folder.filePath(QStringLiteral("back.png"));
    ASSERT_TRUE(picture.save(path));
    cover.bImagePath = path.toStdString();
    front.grab();
    QElapsedTimer waited;
    waited.start();
    while (pictures.Pixels() == 0 && waited.elapsed() < 10000)
        QThread::msleep(5);
    const QRect drawn = back.CoverRect(); // the card at its true proportions in the preview
    EXPECT_EQ(pictures.Pixels(), drawn.width() * drawn.height()); // the back's picture at that size
    EXPECT_EQ(PixelAt(back.grab().toImage(), 60, 45), Rgb(30, 90, 200));
}

// A screen reader hears each preview by the side it shows, and what is drawn on it: the kind
// of case, the picture's file name or the background colour, and the first line of text.
TEST_F(PreviewPaint, ItsDescriptionFollowsWhatIsDrawn)
{
    cover.bBGColor = RGB(255, 128, 0);
    cover.bCoverText = EncodeTrackListing({{"1", "", ""}, {"2", "Second Song", "3:10"}});
    back.grab();
    EXPECT_EQ(back.accessibleName(), QStringLiteral("Back cover preview"));
    EXPECT_EQ(front.accessibleName(), QStringLiteral("Front cover preview"));
    EXPECT_EQ(back.accessibleDescription(),
              QStringLiteral("Standard CD case, background colour #ff8000, first track: Second Song"));
    cover.bImagePath = "/nowhere/sleeve front.jpg";
    cover.bCoverText.clear();
    back.grab();
    EXPECT_EQ(back.accessibleDescription(),
              QStringLiteral("Standard CD case, picture sleeve front.jpg, no tracks"));

    const CoverGeometry dvdGeometry = CoverGeometry::ForCoverType(SlimlineDVD);
    CDVDCoverButton dvd;
    dvd.resize(150, 90);
    dvd.ShowCover({&cover, &dvdGeometry, &pictures});
    cover.covertype = SlimlineDVD;
    cover.bImagePath.clear();
    cover.fCoverTitle.clear();
    cover.fCoverText = "\r\n  My Film\r\nThe rest";
    dvd.grab();
    back.grab(); // a cover of another kind leaves the CD preview's description as it was
    EXPECT_EQ(dvd.accessibleName(), QStringLiteral("Insert preview"));
    EXPECT_EQ(dvd.accessibleDescription(),
              QStringLiteral("Slimline DVD case, background colour #ff8000, text: My Film"));
    EXPECT_EQ(back.accessibleDescription(),
              QStringLiteral("Standard CD case, picture sleeve front.jpg, no tracks"));
}
