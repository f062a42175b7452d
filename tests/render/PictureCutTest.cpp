// Cutting a framed part out of a picture: a JPEG stored on its side is cut on its own blocks
// for each way up (the part shows upright, its orientation tag says so, the frame moves by
// less than a block), another picture exactly.
#include "PictureCut.h"
#include "CoverPicture.h"
#include "PictureOrientation.h"
#include "RenderTestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Upright: red above and left of (97, 61), green right, blue below, yellow below right.
constexpr int kSplitX = 97;
constexpr int kSplitY = 61;

bool Make(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("convert"), arguments) == 0;
}

QStringList UprightPicture()
{
    return QStringLiteral(
               "-size 97x61 xc:red -size 106x61 xc:lime +append ( -size 97x96 xc:blue -size 106x96 "
               "xc:yellow +append ) -append")
        .split(' ');
}

char Quadrant(const QImage& picture, int x, int y)
{
    const QColor c = picture.pixelColor(x, y);
    return c.red() > 128 && c.green() > 128 ? 'Y' : c.red() > 128 ? 'R' : c.green() > 128 ? 'G' : 'B';
}

QImage Decoded(const std::string& path)
{
    FIBITMAP* picture = LoadCoverPicture(path);
    const QImage image = CoverPictureImage(picture);
    FreeImage_Unload(picture);
    return image;
}

// The cut shows the picture's quarters meeting where the frame says.
void ExpectCutAt(const QImage& cut, const QRect& frame)
{
    ASSERT_EQ(cut.size(), frame.size());
    const int x = kSplitX - frame.left();
    const int y = kSplitY - frame.top();
    EXPECT_EQ(Quadrant(cut, x - 4, y - 4), 'R');
    EXPECT_EQ(Quadrant(cut, x + 4, y - 4), 'G');
    EXPECT_EQ(Quadrant(cut, x - 4, y + 4), 'B');
    EXPECT_EQ(Quadrant(cut, x + 4, y + 4), 'Y');
}

} // namespace

TEST(PictureCut, AJpegIsCutOnItsBlocksUprightForEveryWayUp)
{
    QTemporaryDir folder;
    // How each orientation's picture is stored, from the upright one.
    const char* const stored[] = {
        "", "", "-flop", "-rotate 180", "-flip", "-transpose", "-rotate -90", "-transverse", "-rotate 90"};
    const QRect frame(40, 20, 120, 90);
    for (int o = 1; o <= 8; ++o) {
        const QString path = folder.filePath(QStringLiteral("o%1.jpg").arg(o));
        QStringList arguments = UprightPicture();
        if (o > 1)
            arguments += QString::fromLatin1(stored[o]).split(' ');
        ASSERT_TRUE(Make(arguments + QStringList{QStringLiteral("-sampling-factor"), QStringLiteral("2x2"),
                                                 QStringLiteral("-quality"), QStringLiteral("95"), path}));
        ASSERT_EQ(QProcess::execute(QStringLiteral("exiftool"),
                                    {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                     QStringLiteral("-Orientation#=%1").arg(o), path}),
                  0);
        const PictureCut cut = CutPicture(path.toStdString(), frame,
                                          folder.filePath(QStringLiteral("cut%1").arg(o)).toStdString());
        ASSERT_FALSE(cut.strPath.empty()) << cut.strError;
        EXPECT_TRUE(QString::fromStdString(cut.strPath).endsWith(QLatin1String(".jpg")));
        EXPECT_EQ(cut.frame.size(), frame.size()) << "orientation " << o;
        EXPECT_LE((cut.frame.topLeft() - frame.topLeft()).manhattanLength(), 16) << "orientation " << o;
        EXPECT_EQ(PictureFileOrientation(cut.strPath), 1) << "orientation " << o;
        SCOPED_TRACE(o);
        ExpectCutAt(Decoded(cut.strPath), cut.frame);
    }
}

TEST(PictureCut, AnyOtherPictureIsCutExactlyAndKeptLossless)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("art.gif"));
    ASSERT_TRUE(Make(UprightPicture() + QStringList{path}));
    const QRect frame(41, 21, 119, 89);
    const PictureCut cut =
        CutPicture(path.toStdString(), frame, folder.filePath(QStringLiteral("cut")).toStdString());
    ASSERT_TRUE(QString::fromStdString(cut.strPath).endsWith(QLatin1String(".png"))) << cut.strError;
    EXPECT_EQ(cut.frame, frame);
    ExpectCutAt(Decoded(cut.strPath), frame);
}
