// The preview's pictures: decoded only as large as the screen needs, kept between paints
// until their file changes, two at most, decoded ahead on the worker when asked and waited
// for when they go; paper never uses them; and a scaled screen gets the cover at its own
// pixels.
#include "PreviewPictures.h"
#include "CdCoverRenderer.h"
#include "CoverButton.h"
#include "CoverPicture.h"
#include "FlatButton.h"
#include "RenderTestSupport.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class PreviewPictures : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    std::string Write(const QString& name, const QColor& colour, QSize size = QSize(320, 240),
                      const char* format = "PNG")
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(picture.save(path, format));
        return path.toStdString();
    }

    QTemporaryDir m_dir;
    CPreviewPictures m_pictures;
};

// A standard CD's back with nothing on it but the picture, its preview half its full size.
void FillWithPicture(CCdCoverRenderer& cd, const std::string& picture)
{
    cd.m_nWidth = 200;
    cd.m_nHeight = 160;
    cd.m_bShowBorder = false;
    cd.m_bShowSpineGuides = false;
    cd.m_strImagePath = picture;
    cd.m_dScaleX = cd.m_dScaleY = 0.5;
}

} // namespace

TEST_F(PreviewPictures, AJpegIsDecodedAtTheSmallestSizeThePreviewCanUse)
{
    const std::string jpeg = Write("photo.jpg", Qt::darkCyan, QSize(1600, 1200), "JPG");
    FIBITMAP* reduced = LoadCoverPictureFor(jpeg, 200);
    ASSERT_NE(reduced, nullptr);
    EXPECT_EQ(FreeImage_GetWidth(reduced), 200u); // an eighth, decoded that small
    EXPECT_EQ(FreeImage_GetHeight(reduced), 150u);
    FreeImage_Unload(reduced);
    FIBITMAP* png = LoadCoverPictureFor(Write("photo.png", Qt::darkCyan, QSize(1600, 1200)), 200);
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(FreeImage_GetWidth(png), 1600u); // other formats decode whole
    FreeImage_Unload(png);
    const QImage preview = m_pictures.Picture(jpeg, QSize(90, 70));
    EXPECT_EQ(preview.size(), QSize(90, 70));
    EXPECT_TRUE(IsNear(PixelAt(preview, 45, 35), Rgb(0, 128, 128), 3));
}

TEST_F(PreviewPictures, RepaintsReuseThePictureUntilItsFileChangesAndTwoAreKeptAtMost)
{
    const std::string path = Write("cover.png", QColor(200, 40, 90));
    const QImage first = m_pictures.Picture(path, QSize(100, 80));
    EXPECT_EQ(m_pictures.Picture(path, QSize(100, 80)).cacheKey(), first.cacheKey()); // nothing decoded again
    EXPECT_EQ(m_pictures.Pixels(), 100 * 80);

    Write("cover.png", QColor(30, 60, 170)); // replaced on disk, a moment later
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(PixelAt(m_pictures.Picture(path, QSize(100, 80)), 50, 40), Rgb(30, 60, 170));

    m_pictures.Picture(path, QSize(50, 40));
    m_pictures.Picture(Write("other.png", Qt::yellow), QSize(60, 60));
    EXPECT_EQ(m_pictures.Pixels(), 50 * 40 + 60 * 60); // the oldest went
    EXPECT_TRUE(m_pictures.Picture(m_dir.filePath("gone.png").toStdString(), QSize(10, 10)).isNull());
}

TEST_F(PreviewPictures, APictureAboutToBeShownIsDecodedOnAnotherThread)
{
    const std::string path = Write("back.png", QColor(200, 40, 90));
    m_pictures.PrepareAhead(path, QSize(120, 90));
    m_pictures.PrepareAhead(path, QSize(120, 90)); // asked again while it decodes: once is enough
    QElapsedTimer waited;
    waited.start();
    while (m_pictures.Pixels() == 0 && waited.elapsed() < 10000)
        QThread::msleep(5);
    EXPECT_EQ(m_pictures.Pixels(), 120 * 90); // kept without this thread asking for it
    EXPECT_EQ(PixelAt(m_pictures.Picture(path, QSize(120, 90)), 60, 45), Rgb(200, 40, 90));
    {
        CPreviewPictures leaving; // a window closed while its worker decodes waits for it
        leaving.PrepareAhead(Write("big.png", Qt::blue, QSize(3000, 2000)), QSize(300, 200));
    }
}

TEST_F(PreviewPictures, ThePreviewShowsTheKeptPictureAndPaperDecodesItsOwn)
{
    CMyFlatButton cd;
    FillWithPicture(cd, Write("cover.png", QColor(200, 40, 90)));
    cd.ShowCover({nullptr, nullptr, &m_pictures});
    cd.resize(100, 80);
    const QImage shown = cd.grab().toImage();
    EXPECT_EQ(PixelAt(shown, 50, 40), Rgb(200, 40, 90));
    EXPECT_EQ(m_pictures.Pixels(), 100 * 80); // at the size the picture has on screen

    m_pictures.Clear();
    CCdCoverRenderer paper;
    FillWithPicture(paper, cd.m_strImagePath);
    EXPECT_EQ(PixelAt(RenderForPrint(paper, 96), 100, 80), Rgb(200, 40, 90));
    EXPECT_EQ(m_pictures.Pixels(), 0);
}

// On a screen scaled 2× the cover is drawn with twice the pixels each way: the text twice as
// tall in device pixels, so the same size to the eye.
TEST_F(PreviewPictures, AScaledScreenGetsTheCoverAtItsOwnPixels)
{
    const auto draw = [](double ratio) {
        CCdCoverRenderer cd;
        FillWithPicture(cd, "");
        cd.m_nWidth = qRound(200 * ratio);
        cd.m_nHeight = qRound(160 * ratio);
        cd.m_lfText = Arial(-24);
        cd.m_crText = kTextColour;
        cd.m_strTitle = "Harbour Lights";
        return DrawPreviewAtDevicePixels(cd, QSize(100, 80), ratio, 96, 0);
    };
    const QImage plain = draw(1.0);
    const QImage sharp = draw(2.0);
    EXPECT_EQ(sharp.size(), QSize(200, 160));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    const QRect ink = InkBounds(plain, plain.rect());
    const QRect sharpInk = InkBounds(sharp, sharp.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(sharpInk.height(), 2 * ink.height(), 2);
    EXPECT_NEAR(sharpInk.width(), 2 * ink.width(), 4);
}

// A PNG made by ImageMagick, opaque red then clear: the preview shows the side's colour
// through the clear half, as paper does.
TEST_F(PreviewPictures, TheSidesColourShowsThroughASeeThroughPicture)
{
    const QString path = m_dir.filePath(QStringLiteral("half-clear.png"));
    QProcess::execute(QStringLiteral("convert"),
                      QStringLiteral("-size 40x40 xc:red -size 40x40 xc:none +append").split(' ') +
                          QStringList{QStringLiteral("PNG32:") + path});
    CCdCoverRenderer cd;
    FillWithPicture(cd, path.toStdString());
    cd.m_crBackground = RGB(0, 200, 0);
    cd.SetPictureSource(&m_pictures);
    const QImage shown = RenderPreview(cd, 96, 100, 80);
    EXPECT_EQ(PixelAt(shown, 25, 40), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(shown, 75, 40), Rgb(0, 200, 0));
}
