// Pictures as a person meets them in the real program: a phone photo stored on its side, in
// other proportions than the CD's front, is chosen, fitted with the keys and cropped; the
// cover is saved, started over and loaded; the export's PDF carries the cropped JPEG byte for
// byte. A photo too small for a sharp print is noticed.
#include "ProgramDriver.h"
#include "ProgramScreens.h"
#include "SleevoraUser.h"
#include "resource.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

bool RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

// Stored as a camera on its side stores it, tagged to be turned a quarter clockwise: red,
// green / blue, yellow as stored; blue, red / yellow, green upright.
QString PhonePhoto(const QString& folder, int nQuarterWidth, int nQuarterHeight)
{
    const QString photo = folder + QStringLiteral("/phone.jpg");
    const QString size = QStringLiteral("%1x%2").arg(nQuarterWidth).arg(nQuarterHeight);
    RunTool(QStringLiteral("convert"),
            QStringLiteral("-size %1 xc:red ( -size %1 xc:lime ) +append ( -size %1 "
                           "xc:blue ( -size %1 xc:yellow ) +append ) -append")
                    .arg(size)
                    .split(' ') +
                QStringList{photo});
    RunTool(QStringLiteral("exiftool"), {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                         QStringLiteral("-Orientation#=6"), photo});
    return photo;
}

// The colour the screen shows at a share of the preview's width and height.
QColor PreviewColour(CSleevoraUser& user, CoverSide side, double dAcross, double dDown)
{
    const QRect preview = user.PreviewOnScreen(side);
    return Screenshot(preview).pixelColor(static_cast<int>(preview.width() * dAcross),
                                          static_cast<int>(preview.height() * dDown));
}

// Blue over yellow on the left, red over green on the right, the top third only blue and
// red: the part kept reaches the photo's bottom.
bool ShowsTheCroppedPart(CSleevoraUser& user)
{
    const auto is = [](const QColor& c, int r, int g, int b) {
        return std::abs(c.red() - r) < 60 && std::abs(c.green() - g) < 60 && std::abs(c.blue() - b) < 60;
    };
    return WaitUntil([&] {
        return is(PreviewColour(user, CoverSide::Front, 0.25, 0.15), 0, 0, 255) &&
               is(PreviewColour(user, CoverSide::Front, 0.75, 0.15), 255, 0, 0) &&
               is(PreviewColour(user, CoverSide::Front, 0.25, 0.85), 255, 255, 0) &&
               is(PreviewColour(user, CoverSide::Front, 0.75, 0.85), 0, 255, 0);
    });
}

// The bytes of a cover file's front picture, between its markers.
QByteArray FrontPictureOf(const QString& cover)
{
    QFile file(cover);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    const int start = bytes.indexOf("[IMAGE1]") + 8;
    return bytes.mid(start, bytes.indexOf("[ENDIMAGE1]") - start);
}

} // namespace

TEST(RealProgramPictures, APhonePhotoIsFittedWithTheKeysCroppedSavedAndExportedAsItsJpeg)
{
    CSleevoraUser user;
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    user.Click(IDC_VIEW_FRONT);
    // 1600 × 1200 as stored, 1200 × 1600 upright: the square front keeps 1200 × 1200 of it.
    const QString photo = PhonePhoto(user.Program().Home(), 800, 600);
    user.Click(IDC_CHOOSE_IMAGE);
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), photo));
    // The frame starts centred; two large steps down take it to the photo's bottom edge.
    ASSERT_TRUE(
        user.Answer(QStringLiteral("Fit Picture"),
                    {QStringLiteral("shift+Down"), QStringLiteral("shift+Down"), QStringLiteral("Return")}));
    ASSERT_TRUE(ShowsTheCroppedPart(user));

    const QString saved = user.Program().Home() + QStringLiteral("/phone-cover.slv");
    user.Click(IDC_SAVE);
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Save As"), saved));
    ASSERT_TRUE(WaitUntil([&] { return QFile::exists(saved); }));
    user.Click(IDC_START_OVER);
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    user.Click(IDC_LOAD);
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), saved));
    ASSERT_TRUE(user.WaitForMainWindow());
    user.Click(IDC_VIEW_FRONT);
    EXPECT_TRUE(ShowsTheCroppedPart(user));

    const QString pdf = user.Program().Home() + QStringLiteral("/phone-cover.pdf");
    ASSERT_TRUE(RunTool(QStringLiteral(SLEEVORA_EXPORT), {saved, pdf}));
    const QString images = user.Program().Home() + QStringLiteral("/images");
    QDir().mkpath(images);
    ASSERT_TRUE(
        RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-all"), pdf, images + QStringLiteral("/im")}));
    QFile jpeg(images + QStringLiteral("/im-000.jpg"));
    ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
    const QByteArray held = FrontPictureOf(saved);
    EXPECT_GT(held.size(), 1000);
    EXPECT_EQ(jpeg.readAll(), held);
    EXPECT_TRUE(user.ExitAnswering({QStringLiteral("Exit"), QStringLiteral("y")}));
}

TEST(RealProgramPictures, ASmallPhotoIsNoticedWithTheResolutionItWillPrintAt)
{
    CSleevoraUser user;
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    user.Click(IDC_VIEW_FRONT);
    // 600 × 450 as stored: the square kept is 450 × 450, 95 pixels an inch on the front.
    const QString photo = PhonePhoto(user.Program().Home(), 300, 225);
    user.Click(IDC_CHOOSE_IMAGE);
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), photo));
    ASSERT_TRUE(user.Answer(QStringLiteral("Fit Picture"), {QStringLiteral("Return")}));
    ASSERT_TRUE(user.Answer(QStringLiteral("Picture Resolution"), {QStringLiteral("Return")}));
    EXPECT_TRUE(WaitUntil([&] { return PreviewColour(user, CoverSide::Front, 0.75, 0.2).red() > 200; }));
    EXPECT_TRUE(user.ExitAnswering(
        {QStringLiteral("Exit"), QStringLiteral("y"), QStringLiteral("Save"), QStringLiteral("n")}));
}
