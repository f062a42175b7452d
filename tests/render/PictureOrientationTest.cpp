// Photos stored on their side and tagged with the way up, as cameras and phones write them:
// every orientation is turned upright by the decoder (whole and reduced for the preview) and
// by the placement a PDF gives the JPEG, as ImageMagick's -auto-orient turns them.
#include "PictureOrientation.h"
#include "CoverPicture.h"
#include "RenderTestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The quadrant colours of a picture, top left, top right, bottom left, bottom right, each
// read at its centre and named by its strongest channels (JPEG blurs the values).
std::string Quadrants(const QImage& picture)
{
    std::string names;
    const int w = picture.width();
    const int h = picture.height();
    for (const QPoint at : {QPoint(w / 4, h / 4), QPoint(3 * w / 4, h / 4), QPoint(w / 4, 3 * h / 4),
                            QPoint(3 * w / 4, 3 * h / 4)}) {
        const QColor c = picture.pixelColor(at);
        names += c.red() > 128 && c.green() > 128 ? 'Y' : c.red() > 128 ? 'R' : c.green() > 128 ? 'G' : 'B';
    }
    return names;
}

QImage Decoded(FIBITMAP* picture)
{
    const QImage image = CoverPictureImage(picture);
    FreeImage_Unload(picture);
    return image;
}

class Orientation : public testing::Test
{
protected:
    void SetUp() override
    {
        // 160 × 120, red, green / blue, yellow, saved as ImageMagick writes a camera's JPEG.
        ASSERT_TRUE(
            RunTool(QStringLiteral("convert"),
                    QStringLiteral("-size 80x60 xc:red ( -size 80x60 xc:lime ) +append ( -size 80x60 xc:blue "
                                   "( -size 80x60 xc:yellow ) +append ) -append -quality 95")
                            .split(' ') +
                        QStringList{Path("stored.jpg")}));
    }
    QString Path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
};

} // namespace

TEST_F(Orientation, EveryOrientationIsDrawnAsImageMagickTurnsIt)
{
    for (int o = 1; o <= 8; ++o) {
        const QString tagged = Path(QStringLiteral("o%1.jpg").arg(o));
        QFile::copy(Path(QStringLiteral("stored.jpg")), tagged);
        ASSERT_TRUE(
            RunTool(QStringLiteral("exiftool"), {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                                 QStringLiteral("-Orientation#=%1").arg(o), tagged}));
        const QString reference = Path(QStringLiteral("ref%1.png").arg(o));
        ASSERT_TRUE(RunTool(QStringLiteral("convert"), {tagged, QStringLiteral("-auto-orient"), reference}));
        const QImage expected(reference);
        const std::string path = tagged.toStdString();
        EXPECT_EQ(PictureFileOrientation(path), o);

        const QImage whole = Decoded(LoadCoverPicture(path));
        EXPECT_EQ(whole.size(), expected.size()) << "orientation " << o;
        EXPECT_EQ(Quadrants(whole), Quadrants(expected)) << "orientation " << o;
        const QImage reduced = Decoded(LoadCoverPictureFor(path, 80)); // a JPEG decoded at half size
        EXPECT_EQ(reduced.size(), expected.size() / 2) << "orientation " << o;
        EXPECT_EQ(Quadrants(reduced), Quadrants(expected)) << "orientation " << o;

        // A PDF places the stored pixels through the transform: the stored picture drawn so
        // shows what the reference shows.
        const QImage stored(Path(QStringLiteral("stored.jpg")));
        const QSize upright = SwapsSides(o) ? stored.size().transposed() : stored.size();
        QImage placed(upright, QImage::Format_RGB32);
        CDC dc;
        dc.Attach(&placed);
        dc.DrawPicture(CRect(0, 0, upright.width(), upright.height()), stored, UprightTransform(o));
        dc.DeleteDC();
        EXPECT_EQ(Quadrants(placed), Quadrants(expected)) << "orientation " << o;
    }
}
