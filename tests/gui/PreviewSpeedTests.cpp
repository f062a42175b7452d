// The preview in the running program with big photos and on a scaled screen: a view switch
// shows a 6000 × 4000 photo at once (the time is measured and reported), a picture
// replaced on disk shows at the next repaint, and at scale 2 the cover, its text and the
// program's icons are drawn at the screen's own pixels.
#include "CoverFile.h"
#include "ProgramScreens.h"
#include "SleevoraUser.h"
#include "TrackListing.h"
#include "resource.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <iostream>

namespace {

// A camera-sized photo: gradients under per-pixel noise, about 9 MB as a JPEG.
QString WritePhoto(const QString& path)
{
    QImage photo(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < photo.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int noise = static_cast<int>(random.bounded(24));
            row[x] = qRgb((x / 24 + noise) & 0xFF, (y / 16 + noise) & 0xFF, ((x + y) / 40 + noise) & 0xFF);
        }
    }
    photo.save(path, "JPG", 90);
    return path;
}

// In a CD back's proportions and large enough to print sharp there: neither fitted nor noticed.
void WriteColour(const QString& path, const QColor& colour)
{
    QImage picture(1186, 926, QImage::Format_RGB32);
    picture.fill(colour);
    picture.save(path, "PNG");
}

// Clicks a view button and waits, reading the preview's part of the screen as fast as it
// can, until the preview shows what it must; the time in milliseconds, or -1 when it never
// did. The button is pressed first; the clock starts as the release (the click) is sent, so
// the figure holds the sending too and is, if anything, too long.
qint64 MillisecondsUntilShown(CSleevoraUser& user, int nViewId, CoverSide side, const QImage& expected)
{
    MovePointerTo(user.MainWindow().topLeft() + MainWindowControl(StandardCD, nViewId).center());
    const QRect preview = user.PreviewOnScreen(side);
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")});
    QElapsedTimer timer;
    timer.start();
    QProcess release;
    release.start(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")});
    qint64 shown = -1;
    while (shown < 0 && timer.elapsed() < kWaitMs) {
        if (DifferingPixels(Screenshot(preview), expected, 2) == 0)
            shown = timer.elapsed();
    }
    release.waitForFinished(kWaitMs);
    return shown;
}

// Aligned 2 × 2 blocks whose pixels are not all alike: none where a picture of half the
// pixels was enlarged, many where text and lines were drawn at the screen's pixels.
int DetailedBlocks(const QImage& image)
{
    int blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            blocks +=
                image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
        }
    return blocks;
}

} // namespace

TEST(RealProgramPhotos, ViewSwitchesShowABigPhotoAtOnce)
{
    QTemporaryDir files;
    CoverState cover = NewCover(StandardCD);
    const QString photo = WritePhoto(files.filePath(QStringLiteral("photo.jpg")));
    cover.fImagePath = cover.bImagePath = photo.toStdString();
    const QString coverFile = files.filePath(QStringLiteral("holiday.slv"));
    ASSERT_TRUE(WriteCoverFile(coverFile.toStdString(), cover).bWritten);
    CSleevoraUser user({coverFile});
    ASSERT_TRUE(user.WaitForMainWindow());
    ASSERT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("photo-back")));
    const QImage front = ExpectedPreview(cover, CoverSide::Front);
    const QImage back = ExpectedPreview(cover, CoverSide::Back);

    const qint64 firstFront = MillisecondsUntilShown(user, IDC_VIEW_FRONT, CoverSide::Front, front);
    const qint64 toBack = MillisecondsUntilShown(user, IDC_VIEW_BACK, CoverSide::Back, back);
    const qint64 toFront = MillisecondsUntilShown(user, IDC_VIEW_FRONT, CoverSide::Front, front);
    const qint64 againBack = MillisecondsUntilShown(user, IDC_VIEW_BACK, CoverSide::Back, back);
    for (const qint64 ms : {firstFront, toBack, toFront, againBack})
        EXPECT_GE(ms, 0) << "a view switch never showed the photo";
    std::cout << "[ figures  ] click to photo on screen, 6000 x 4000 JPEG: front first shown " << firstFront
              << " ms; VIEW BACK " << toBack << " ms; VIEW FRONT " << toFront << " ms; VIEW BACK "
              << againBack << " ms\n";
    RecordProperty("view_back_ms", static_cast<int>(toBack));
}

TEST(RealProgramPhotos, APictureReplacedOnDiskShowsAtTheNextRepaint)
{
    CSleevoraUser user;
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    const QString picture = user.Program().Home() + QStringLiteral("/artwork.png");
    WriteColour(picture, QColor(200, 40, 60));
    user.Click(IDC_CHOOSE_IMAGE);
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), picture));
    CoverState cover = NewCover(StandardCD);
    cover.bImagePath = picture.toStdString();
    ASSERT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("artwork-before")));

    WriteColour(picture, QColor(30, 60, 170)); // the artist saves a new version
    QFile file(picture);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    file.close();
    user.Click(IDC_VIEW_FRONT);
    user.Click(IDC_VIEW_BACK);
    EXPECT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("artwork-after")));
}

TEST(RealProgramScaled, AtScaleTwoTheCoverAndIconsAreDrawnAtTheScreensOwnPixels)
{
    QTemporaryDir files;
    CoverState cover = NewCover(StandardCD);
    const QString picture = files.filePath(QStringLiteral("sky.png"));
    WriteColour(picture, QColor(70, 130, 200));
    cover.bImagePath = picture.toStdString();
    cover.bCoverText = EncodeTrackListing({{"1.", "Harbour Lights", "3:41"}, {"2.", "Paper Boats", "4:02"}});
    cover.backCoverSpineText = "THE QUIET COAST";
    const QString coverFile = files.filePath(QStringLiteral("quiet-coast.slv"));
    ASSERT_TRUE(WriteCoverFile(coverFile.toStdString(), cover).bWritten);

    CSleevoraUser user({coverFile}, {}, 2.0);
    ASSERT_TRUE(user.WaitForMainWindow());
    MovePointerTo(QPoint(0, 0));
    EXPECT_EQ(user.MainWindow().size(), QSize(2 * 666, 2 * 431)); // the same layout, twice the pixels
    ASSERT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("scaled-back")));
    const QRect print = MainWindowControl(StandardCD, IDC_PRINT);
    const QImage button =
        Screenshot(QRect(user.MainWindow().topLeft() + 2 * print.topLeft(), 2 * print.size()));
    EXPECT_GT(DetailedBlocks(button), 100)
        << "the Print button's icon and caption were enlarged, see "
        << KeepForInspection(button, QStringLiteral("scaled-print")).toStdString();
    EXPECT_GT(DetailedBlocks(Screenshot(user.PreviewOnScreen(CoverSide::Back))), 500);
    EXPECT_TRUE(user.ExitAnswering({QStringLiteral("Exit"), QStringLiteral("y")}));
}
