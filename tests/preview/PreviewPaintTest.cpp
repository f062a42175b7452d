// A preview reads the cover itself at every paint, and a standard CD's preview has the other
// side's picture decoded meanwhile.
#include "FlatButton.h"
#include "PreviewPictures.h"
#include "RenderTestSupport.h"

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
