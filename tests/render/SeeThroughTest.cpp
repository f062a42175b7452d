// Pictures with see-through pixels show the side's background colour through them on paper;
// a 32-bit picture whose alpha byte is unused stays opaque.
#include "CdCoverRenderer.h"
#include "CoverPicture.h"
#include "RenderTestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kGreen = RGB(0, 200, 0);

// Made with ImageMagick: a 90 × 30 PNG, opaque red, then blue at half alpha, then clear.
std::string SeeThroughPng(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("see-through.png"));
    QProcess::execute(
        QStringLiteral("convert"),
        QStringLiteral("-size 30x30 xc:red -size 30x30 xc:#0000FF80 -size 30x30 xc:none +append").split(' ') +
            QStringList{QStringLiteral("PNG32:") + path});
    return path.toStdString();
}

CCdCoverRenderer Front(const std::string& picture)
{
    CCdCoverRenderer cd;
    cd.m_nWidth = 180;
    cd.m_nHeight = 60;
    cd.m_bShowBorder = cd.m_bShowSpineGuides = false;
    cd.m_crBackground = kGreen;
    cd.m_strImagePath = picture;
    return cd;
}

void ExpectSeenThrough(const QImage& drawn)
{
    EXPECT_EQ(PixelAt(drawn, 30, 30), Rgb(255, 0, 0));
    EXPECT_TRUE(IsNear(PixelAt(drawn, 90, 30), Rgb(0, 100, 128), 3));
    EXPECT_EQ(PixelAt(drawn, 150, 30), Colour(kGreen));
}

} // namespace

TEST(SeeThrough, TheBackgroundShowsThroughOnPaper)
{
    QTemporaryDir folder;
    CCdCoverRenderer paper = Front(SeeThroughPng(folder));
    ExpectSeenThrough(RenderForPrint(paper, 96));
}

TEST(SeeThrough, AnUnusedAlphaByteLeavesThePictureOpaque)
{
    QTemporaryDir folder;
    const QString bmp = folder.filePath(QStringLiteral("zero-alpha.bmp"));
    FreeImagePtr picture = SolidPicture(32, 200, 40, 90, /*alpha=*/0);
    ASSERT_TRUE(SavePicture(picture.get(), FIF_BMP, bmp.toStdString()));
    CCdCoverRenderer paper = Front(bmp.toStdString());
    EXPECT_EQ(PixelAt(RenderForPrint(paper, 96), 90, 30), Rgb(200, 40, 90));
}
