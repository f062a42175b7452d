// The main window as a desktop program of today: quick save with Ctrl+S, the cover's file
// and its unsaved changes in the title, the save question's Cancel, and the window's menu
// reached from the keyboard.
#include "CoverFile.h"
#include "ProgramScreens.h"
#include "SleevoraUser.h"
#include "resource.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>

namespace {

const QString kSaved = QStringLiteral("harbour.slv \u2013 Sleevora");
const QString kChanged = QStringLiteral("*harbour.slv \u2013 Sleevora");

QString TitleOf(CSleevoraUser& user)
{
    return WindowTitle(FindWindowMatching(QStringLiteral("Sleevora$"), user.Program().ProcessId()));
}

bool TitleBecomes(CSleevoraUser& user, const QString& title)
{
    return WaitUntil([&] { return TitleOf(user) == title; });
}

// The display has no window manager to give the keyboard back to the window after a
// dialog: a click on the white of its left edge does, as it would for a person.
bool GiveKeyboardBack(CSleevoraUser& user, const QString& title)
{
    const QRect window = user.MainWindow();
    ClickAt(QPoint(window.left() + 3, window.center().y()));
    return !WaitForKeyboard(title).isEmpty();
}

} // namespace

TEST(RealDesktop, CtrlSSavesToTheCoversOwnFileAndTheTitleTellsOfChanges)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("harbour.slv"));
    CoverState cover = NewCover(StandardCD);
    ASSERT_TRUE(WriteCoverFile(path.toStdString(), cover).bWritten);
    CSleevoraUser user({path});
    ASSERT_TRUE(user.WaitForMainWindow());
    ASSERT_TRUE(TitleBecomes(user, kSaved)) << TitleOf(user).toStdString();

    user.Click(IDC_EXTEND_IMAGE); // a change: the picture no longer runs over the spines
    ASSERT_TRUE(TitleBecomes(user, kChanged)) << TitleOf(user).toStdString();
    PressKeys({QStringLiteral("ctrl+s")}); // no dialog: the cover's own file is written
    ASSERT_TRUE(TitleBecomes(user, kSaved)) << TitleOf(user).toStdString();
    CoverState saved;
    saved.ResetToDefaults(96, StandardCD);
    ASSERT_EQ(ReadCoverFile(path.toStdString(), saved, folder.path().toStdString()).status,
              CoverLoadStatus::Loaded);
    EXPECT_FALSE(saved.bBackPrintOverSpines);

    // Another change, then Load with Ctrl+O: the save question's Escape (Cancel) keeps the
    // cover as it is, changes and all, and no file dialog opens.
    user.Click(IDC_EXTEND_IMAGE);
    ASSERT_TRUE(TitleBecomes(user, kChanged));
    PressKeys({QStringLiteral("ctrl+o")});
    ASSERT_TRUE(user.Answer(QStringLiteral("Save"), {QStringLiteral("Escape")}));
    ASSERT_TRUE(WaitForWindowToClose(QStringLiteral("Save")));
    EXPECT_TRUE(FindWindow(QStringLiteral("Open")).isEmpty());
    EXPECT_EQ(TitleOf(user), kChanged);

    // Shift+F10 opens the window's menu where the keyboard is (a popup the desktop knows by
    // the program's name); "a" is About.
    ASSERT_TRUE(GiveKeyboardBack(user, kChanged));
    PressKeys({QStringLiteral("shift+F10")});
    ASSERT_TRUE(WaitUntil([&] {
        return VisibleWindowTitles(user.Program().ProcessId()).contains(QStringLiteral("Sleevora"));
    }));
    PressKeys({QStringLiteral("a")});
    ASSERT_TRUE(user.Answer(QStringLiteral("About Sleevora"), {QStringLiteral("Return")}));
    ASSERT_TRUE(WaitForWindowToClose(QStringLiteral("About Sleevora")));

    // Ctrl+Q asks as Exit does; Cancel on the save question keeps the program running.
    ASSERT_TRUE(GiveKeyboardBack(user, kChanged));
    PressKeys({QStringLiteral("ctrl+q")});
    ASSERT_TRUE(user.Answer(QStringLiteral("Exit"), {QStringLiteral("y")}));
    ASSERT_TRUE(user.Answer(QStringLiteral("Save"), {QStringLiteral("Escape")}));
    EXPECT_TRUE(TitleBecomes(user, kChanged));
    EXPECT_TRUE(user.Program().IsRunning());
}

// A cover opened with Ctrl+O: Save As (Shift+Ctrl+S) starts at its own file, and Print to
// File (Ctrl+P, no printer here) proposes its name as a PDF beside it.
TEST(RealDesktop, SaveAsAndPrintToFileStartFromTheCoversOwnFile)
{
    CSleevoraUser user;
    ASSERT_TRUE(user.ChooseNewCover(StandardDVD));
    const QString folder = user.Program().Home() + QStringLiteral("/covers");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/night-drive.slv");
    ASSERT_TRUE(WriteCoverFile(path.toStdString(), NewCover(StandardDVD)).bWritten);

    PressKeys({QStringLiteral("ctrl+o")});
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), path));
    ASSERT_TRUE(TitleBecomes(user, QStringLiteral("night-drive.slv \u2013 Sleevora")))
        << TitleOf(user).toStdString();

    // The dialog's proposal taken as it is: the same file, so the overwrite question comes.
    PressKeys({QStringLiteral("ctrl+shift+s")});
    ASSERT_TRUE(user.Answer(QStringLiteral("Save As"), {QStringLiteral("Return")}));
    ASSERT_TRUE(user.Answer(QStringLiteral("Overwrite?"), {QStringLiteral("y")}));
    ASSERT_TRUE(WaitForWindowToClose(QStringLiteral("Overwrite?")));

    ASSERT_TRUE(GiveKeyboardBack(user, QStringLiteral("night-drive.slv \u2013 Sleevora")));
    PressKeys({QStringLiteral("ctrl+p")});
    ASSERT_TRUE(user.Answer(QStringLiteral("Print"), {QStringLiteral("Return")}));
    EXPECT_TRUE(WaitUntil([&] { return QFile::exists(folder + QStringLiteral("/night-drive.pdf")); }));
}

// Ended by a signal (as at log out), the program leaves no copies of the user's pictures;
// a folder left by a run that crashed is cleared at the next start.
TEST(RealDesktop, NoPictureFolderOutlivesItsProgram)
{
    QTemporaryDir session; // the user's runtime folder
    pid_t ended = 0;
    for (pid_t candidate = 4000000; candidate > 3000000 && !ended; --candidate)
        if (kill(candidate, 0) != 0 && errno == ESRCH)
            ended = candidate;
    const QString crashed = session.filePath(QStringLiteral("sleevora-pictures-%1-Ab12Cd").arg(ended));
    ASSERT_TRUE(QDir().mkpath(crashed));
    CoverState cover = NewCover(StandardCD);
    cover.bImagePath = session.filePath(QStringLiteral("red.png")).toStdString();
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(220, 30, 30));
    ASSERT_TRUE(picture.save(QString::fromStdString(cover.bImagePath)));
    const QString coverFile = session.filePath(QStringLiteral("red.slv"));
    ASSERT_TRUE(WriteCoverFile(coverFile.toStdString(), cover).bWritten);

    CSleevoraUser user({coverFile}, session.path());
    ASSERT_TRUE(user.WaitForMainWindow());
    const auto folders = [&] {
        return QDir(session.path()).entryList({QStringLiteral("sleevora-pictures-*")}, QDir::Dirs);
    };
    // The loaded cover's picture is in this run's folder; the crashed run's folder is gone.
    ASSERT_TRUE(WaitUntil([&] { return folders().size() == 1 && !QFile::exists(crashed); }))
        << folders().join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(folders().constFirst().startsWith(
        QStringLiteral("sleevora-pictures-%1-").arg(user.Program().ProcessId())));
    kill(static_cast<pid_t>(user.Program().ProcessId()), SIGTERM);
    ASSERT_TRUE(user.Program().WaitForExit());
    EXPECT_TRUE(folders().isEmpty()) << folders().join(QLatin1Char(' ')).toStdString();
}

namespace {

// The cover's red on screen, measured along the middle row and column of a part of the
// screen: its width and height in pixels.
QSize RedExtent(const QRect& part)
{
    const QImage shot = Screenshot(part);
    const auto red = [&](int x, int y) {
        const QColor c = shot.pixelColor(x, y);
        return c.red() > 150 && c.green() < 80 && c.blue() < 80;
    };
    int left = -1, right = -1, top = -1, bottom = -1;
    for (int x = 0; x < shot.width(); ++x)
        if (red(x, shot.height() / 2 + 7)) {
            left = left < 0 ? x : left;
            right = x;
        }
    for (int y = 0; y < shot.height(); ++y)
        if (red(shot.width() / 4, y)) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    return left < 0 || top < 0 ? QSize() : QSize(right - left + 1, bottom - top + 1);
}

} // namespace

// The window grows: the DVD insert in the preview keeps its true proportions (10.72 x 7.2
// inches) and grows with it, and the growth is stored beside the other settings.
TEST(RealDesktop, TheWindowGrowsAndThePreviewKeepsTheCasesProportions)
{
    QTemporaryDir folder;
    CoverState cover = NewCover(StandardDVD);
    cover.bBGColor = RGB(200, 30, 40);
    const QString path = folder.filePath(QStringLiteral("red.slv"));
    ASSERT_TRUE(WriteCoverFile(path.toStdString(), cover).bWritten);
    QString settings;
    {
        CSleevoraUser user({path});
        user.SetKind(StandardDVD);
        ASSERT_TRUE(user.WaitForMainWindow());
        const QRect before = user.MainWindow();
        QSize small; // once the preview has painted
        ASSERT_TRUE(WaitUntil([&] { return !(small = RedExtent(before)).isEmpty(); }));
        EXPECT_NEAR(static_cast<double>(small.width()) / small.height(), 10.72 / 7.2, 0.02);

        const FoundWindow window =
            FindWindowMatching(QStringLiteral("Sleevora$"), user.Program().ProcessId());
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("windowsize"), window.strId, QString::number(before.width() + 360),
                           QString::number(before.height() + 240)});
        ASSERT_TRUE(WaitUntil([&] { return user.MainWindow().width() == before.width() + 360; }));
        ASSERT_TRUE(WaitUntil([&] { return RedExtent(user.MainWindow()).width() > small.width() + 200; }));
        const QSize large = RedExtent(user.MainWindow());
        EXPECT_NEAR(static_cast<double>(large.width()) / large.height(), 10.72 / 7.2, 0.02);
        PressKeys({QStringLiteral("ctrl+q")});
        ASSERT_TRUE(user.Answer(QStringLiteral("Exit"), {QStringLiteral("y")}));
        ASSERT_TRUE(user.Program().WaitForExit());
        QFile stored(user.Program().SettingsFile());
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        settings = QString::fromUtf8(stored.readAll());
    }
    EXPECT_TRUE(settings.contains(QStringLiteral("dwWindowGrowX=360"))) << settings.toStdString();
    EXPECT_TRUE(settings.contains(QStringLiteral("dwWindowGrowY=240"))) << settings.toStdString();
}
