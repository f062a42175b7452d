// Pictures in their own colours: an Adobe RGB photo shows what ImageMagick's profile
// conversion shows, whether decoded whole, reduced for the preview, or cut.
#include "CoverPicture.h"
#include "PictureCut.h"
#include "RenderTestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kProfiles = QStringLiteral("/usr/share/color/icc/colord/");

QImage Decoded(FIBITMAP* picture)
{
    const QImage image = CoverPictureImage(picture);
    FreeImage_Unload(picture);
    return image;
}

// What ImageMagick reads at the centre of a picture converted to sRGB, as (r,g,b).
QColor ImageMagickSRgb(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("convert"),
                  {path, QStringLiteral("-profile"), kProfiles + QStringLiteral("sRGB.icc"),
                   QStringLiteral("-format"), QStringLiteral("%[pixel:p{32,32}]"), QStringLiteral("info:")});
    process.waitForFinished(60000);
    const QString seen = QString::fromLatin1(process.readAllStandardOutput());
    const QStringList parts = seen.mid(seen.indexOf('(') + 1).chopped(1).split(',');
    const auto level = [](const QString& part) {
        return part.endsWith('%') ? qRound(part.chopped(1).toDouble() * 2.55) : part.toInt();
    };
    return parts.size() == 3 ? QColor(level(parts[0]), level(parts[1]), level(parts[2])) : QColor();
}

bool Within(const QColor& a, const QColor& b, int nLevels)
{
    return std::abs(a.red() - b.red()) <= nLevels && std::abs(a.green() - b.green()) <= nLevels &&
           std::abs(a.blue() - b.blue()) <= nLevels;
}

} // namespace

TEST(PictureColours, AnAdobeRgbPhotoShowsItsOwnColours)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("adobe.jpg"));
    // sRGB (220, 30, 30) converted into Adobe RGB and tagged with it: stored as (189, 35, 35).
    ASSERT_EQ(QProcess::execute(QStringLiteral("convert"),
                                {QStringLiteral("-size"), QStringLiteral("64x64"),
                                 QStringLiteral("xc:rgb(220,30,30)"), QStringLiteral("-profile"),
                                 kProfiles + QStringLiteral("sRGB.icc"), QStringLiteral("-profile"),
                                 kProfiles + QStringLiteral("AdobeRGB1998.icc"), QStringLiteral("-quality"),
                                 QStringLiteral("95"), path}),
              0);
    const QColor expected = ImageMagickSRgb(path);
    ASSERT_TRUE(Within(expected, QColor(220, 30, 30), 3)) << expected.name().toStdString();
    const QColor whole = Decoded(LoadCoverPicture(path.toStdString())).pixelColor(32, 32);
    const QColor reduced = Decoded(LoadCoverPictureFor(path.toStdString(), 16)).pixelColor(8, 8);
    EXPECT_TRUE(Within(whole, expected, 6)) << whole.name().toStdString();
    EXPECT_TRUE(Within(reduced, expected, 6)) << reduced.name().toStdString();
    // A part cut out keeps the profile, and so the colours.
    const PictureCut cut = CutPicture(path.toStdString(), QRect(16, 16, 32, 32),
                                      folder.filePath(QStringLiteral("cut")).toStdString());
    const QColor kept = Decoded(LoadCoverPicture(cut.strPath)).pixelColor(16, 16);
    EXPECT_TRUE(Within(kept, expected, 6)) << kept.name().toStdString();
}
