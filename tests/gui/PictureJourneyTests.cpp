// Pictures as a person meets them in the real program: a phone photo stored on its side and
// too small for a sharp print is chosen, the program says what it will print at, and the
// preview shows it upright.
#include "ProgramDriver.h"
#include "ProgramScreens.h"
#include "SleevoraUser.h"
#include "resource.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

bool RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

} // namespace

TEST(RealProgramPictures, ASmallPhonePhotoIsNoticedAndShownUpright)
{
    CSleevoraUser user;
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    // 600 × 450 as stored, tagged to be turned a quarter clockwise: 450 × 600 upright, 75
    // pixels an inch on the back of a CD.
    const QString photo = user.Program().Home() + QStringLiteral("/phone.jpg");
    ASSERT_TRUE(
        RunTool(QStringLiteral("convert"),
                QStringLiteral("-size 300x225 xc:red ( -size 300x225 xc:lime ) +append ( -size 300x225 "
                               "xc:blue ( -size 300x225 xc:yellow ) +append ) -append")
                        .split(' ') +
                    QStringList{photo}));
    ASSERT_TRUE(
        RunTool(QStringLiteral("exiftool"), {QStringLiteral("-q"), QStringLiteral("-overwrite_original"),
                                             QStringLiteral("-Orientation#=6"), photo}));
    user.Click(IDC_CHOOSE_IMAGE);
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), photo));
    ASSERT_TRUE(user.Answer(QStringLiteral("Picture Resolution"), {QStringLiteral("Return")}));
    CoverState cover = NewCover(StandardCD);
    cover.bImagePath = photo.toStdString();
    ASSERT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("phone-photo")));
    // Upright: what was stored at the top left (red) is at the top right now.
    const QRect preview = user.PreviewOnScreen(CoverSide::Back);
    const QColor topRight = Screenshot(preview).pixelColor(preview.width() * 3 / 4, preview.height() / 4);
    EXPECT_GT(topRight.red(), 200);
    EXPECT_LT(topRight.green(), 60);
    EXPECT_TRUE(user.ExitAnswering(
        {QStringLiteral("Exit"), QStringLiteral("y"), QStringLiteral("Save"), QStringLiteral("n")}));
}
