// The disc label printed as a person prints it: the window's menu, the dialog's sheet and
// positions chosen with the keyboard, the preview on screen, and the system's print dialog
// writing the PDF.
#include "CoverFile.h"
#include "ProgramScreens.h"
#include "SleevoraUser.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kNavy = qRgb(20, 40, 120);

bool IsNavy(QRgb pixel)
{
    return std::abs(qRed(pixel) - 20) < 24 && std::abs(qGreen(pixel) - 40) < 24 &&
           std::abs(qBlue(pixel) - 120) < 24;
}

// The navy pixels of a part of a picture.
int NavyPixels(const QImage& image, const QRect& part)
{
    int count = 0;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            count += IsNavy(image.pixel(x, y));
    return count;
}

} // namespace

TEST(DiscLabelJourney, MenuDialogSheetAndLowerPositionPrintOneLabelToPdf)
{
    CSleevoraUser user;
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    const QString folder = user.Program().Home() + QStringLiteral("/covers");
    ASSERT_TRUE(QDir().mkpath(folder));
    CoverState cover = NewCover(StandardCD);
    cover.fBGColor = RGB(qRed(kNavy), qGreen(kNavy), qBlue(kNavy));
    cover.backCoverSpineText = "Harbour Lights";
    ASSERT_TRUE(WriteCoverFile((folder + QStringLiteral("/harbour.slv")).toStdString(), cover).bWritten);
    PressKeys({QStringLiteral("ctrl+o")});
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), folder + QStringLiteral("/harbour.slv")));
    ASSERT_FALSE(WaitForKeyboard(QStringLiteral("harbour.slv \u2013 Sleevora")).isEmpty());

    // The menu where the keyboard is; "i" is Print Disc Label.
    PressKeys({QStringLiteral("shift+F10")});
    ASSERT_TRUE(WaitUntil([&] {
        return VisibleWindowTitles(user.Program().ProcessId()).contains(QStringLiteral("Sleevora"));
    }));
    PressKeys({QStringLiteral("i")});
    ASSERT_FALSE(WaitForKeyboard(QStringLiteral("Print Disc Label")).isEmpty());
    // Herma 4093 from the sheet list by its first letter; the upper label left out.
    PressKeys({QStringLiteral("H"), QStringLiteral("alt+u")});

    // The preview on screen: the lower label in the cover's navy, the upper only outlined.
    QImage dialog;
    QRect window;
    ASSERT_TRUE(WaitUntil([&] {
        window = FindWindow(QStringLiteral("Print Disc Label"));
        dialog = Screenshot(window);
        const QRect right(dialog.width() / 2, 0, dialog.width() / 2, dialog.height());
        return NavyPixels(dialog, right.adjusted(0, 0, 0, -right.height() / 2)) == 0 &&
               NavyPixels(dialog, right.adjusted(0, right.height() / 2, 0, 0)) > 2000;
    })) << KeepForInspection(dialog, QStringLiteral("disc-label-dialog")).toStdString();

    PressKeys({QStringLiteral("Return")});
    ASSERT_TRUE(user.Answer(QStringLiteral("Print"), {QStringLiteral("Return")}));
    const QString pdf = folder + QStringLiteral("/harbour label.pdf");
    ASSERT_TRUE(WaitUntil(
        [&] { return QFile::exists(pdf) && WaitForWindowToClose(QStringLiteral("Print Disc Label")); }));

    // The PDF at 100 dpi: A4, one label at Herma 4093's lower centre, nothing at the upper.
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, folder + QStringLiteral("/page")});
    ASSERT_TRUE(raster.waitForFinished(60000));
    const QImage page(folder + QStringLiteral("/page.png"));
    const double dots = 100 / 25.4;
    EXPECT_NEAR(page.width(), 210 * dots, 2);
    auto ringAt = [&](double centreY) { return QPoint(qRound(105 * dots), qRound((centreY - 40) * dots)); };
    EXPECT_TRUE(IsNavy(page.pixel(ringAt(222.5))));
    EXPECT_EQ(page.pixel(ringAt(74.5)), qRgb(255, 255, 255));
    EXPECT_EQ(NavyPixels(page, QRect(0, 0, page.width(), qRound(148 * dots))), 0);
}
