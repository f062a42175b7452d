// Takes the README's screenshots from the running program, driven with real pointer and
// key events on a private display: the New Cover window, the main window with each sample
// cover loaded through Load, the Track Listing and Font dialogs, and the main window on a
// screen scaled 2× (not a test).
#include "EditTemplates.h"
#include "MusicFiles.h"
#include "ProgramDriver.h"
#include "Resources.h"
#include "SleevoraUser.h"
#include "resource.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>

namespace {

QString g_out;

// The main window's title names the cover's file ("red.slv – Sleevora"); a dialog's is its own.
bool Shoot(const QString& title, const char* name)
{
    const QString pattern = title == QLatin1String("Sleevora")
                                ? QStringLiteral("^\\*?(.+ \u2013 )?Sleevora$")
                                : QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
    QRect window;
    WaitUntil([&] { return !(window = FindWindowMatching(pattern).place).isEmpty(); });
    if (window.isEmpty())
        return false;
    // The window has painted once it stands still on screen for a moment.
    QImage last;
    WaitUntil([&] {
        const QImage now = Screenshot().copy(window);
        const bool settled = now == last;
        last = now;
        return settled;
    });
    return last.save(g_out + QLatin1Char('/') + QLatin1String(name));
}

bool LoadSample(CSleevoraUser& user, const char* sample)
{
    user.Click(IDC_LOAD);
    const bool chosen =
        user.ChooseFile(QStringLiteral("Open"), QStringLiteral(SLEEVORA_SAMPLES "/") + QLatin1String(sample));
    MovePointerTo(QPoint(0, 0)); // no button lit up by the pointer
    return chosen && user.WaitForMainWindow();
}

// The Track Listing filled by Import... from a folder of tagged music.
bool ShootImport(CSleevoraUser& user)
{
    const QString music = user.Program().Home() + QStringLiteral("/The Quiet Coast");
    QDir().mkpath(music);
    const MusicTags tracks[] = {{"Harbour Lights", "Ann Vale", "", "The Quiet Coast", 1, 0},
                                {"Paper Boats", "Ann Vale", "", "The Quiet Coast", 2, 0},
                                {"The Long Way Round", "Ann Vale", "", "The Quiet Coast", 3, 0},
                                {"Salt & Pepper", "Ann Vale", "", "The Quiet Coast", 4, 0}};
    int seconds = 161;
    for (const MusicTags& track : tracks) {
        const QString file = music + QStringLiteral("/%1.flac").arg(track.track, 2, 10, QLatin1Char('0'));
        if (!MakeSilence(file, seconds) || !TagFile(file, track))
            return false;
        seconds += 37;
    }
    user.Click(IDC_TRACK_LISTING);
    const QString title = QStringLiteral("Edit Cover Text/Track Listing");
    if (!user.ClickInDialog(title, TrackListTemplate(), IDC_IMPORT_TRACKS) ||
        !user.ChooseFile(QStringLiteral("Open"), music))
        return false;
    MovePointerTo(QPoint(0, 0));
    const bool shot = Shoot(title, "track-import.png");
    user.ClickInDialog(title, TrackListTemplate(), IDCANCEL);
    return shot && WaitForWindowToClose(title);
}

// The standard CD sample opened on a screen scaled 2×, as most laptops run now.
bool TakeAtScaleTwo()
{
    CSleevoraUser user({QStringLiteral(SLEEVORA_SAMPLES "/standard-cd.slv")}, {}, 2.0);
    MovePointerTo(QPoint(0, 0));
    return user.WaitForMainWindow() && Shoot(QStringLiteral("Sleevora"), "main-standard-cd-scale-2.png");
}

bool TakeAll()
{
    CSleevoraUser user;
    if (!Shoot(QStringLiteral("Create A New Cover"), "new-cover.png") || !user.ChooseNewCover(StandardCD) ||
        !ShootImport(user))
        return false;
    if (!LoadSample(user, "standard-cd.slv") || !Shoot(QStringLiteral("Sleevora"), "main-standard-cd.png") ||
        !Shoot(QStringLiteral("Sleevora"), "cover-cd-back.png"))
        return false;
    user.Click(IDC_TRACK_LISTING);
    if (!Shoot(QStringLiteral("Edit Cover Text/Track Listing"), "track-listing.png"))
        return false;
    user.ClickInDialog(QStringLiteral("Edit Cover Text/Track Listing"), TrackListTemplate(), IDCANCEL);
    WaitForWindowToClose(QStringLiteral("Edit Cover Text/Track Listing"));
    user.Click(IDC_FONT);
    if (!Shoot(QStringLiteral("Font"), "font-dialog.png"))
        return false;
    PressKeys({QStringLiteral("Escape")});
    WaitForWindowToClose(QStringLiteral("Font"));
    user.Click(IDC_VIEW_FRONT);
    MovePointerTo(QPoint(0, 0));
    if (!Shoot(QStringLiteral("Sleevora"), "cover-cd-front.png"))
        return false;
    user.Click(IDC_VIEW_BACK);
    if (!LoadSample(user, "standard-dvd.slv") || !Shoot(QStringLiteral("Sleevora"), "cover-dvd.png"))
        return false;
    return LoadSample(user, "slimline-cd.slv") && Shoot(QStringLiteral("Sleevora"), "cover-slimline-cd.png");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: readme_screenshots FOLDER\n", stderr);
        return 2;
    }
    CPrivateDisplay display;
    if (!display.IsRunning())
        return 1;
    setenv("DISPLAY", display.Name().toLocal8Bit().constData(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    InitProgramResources();
    g_out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_out);
    if (!TakeAll() || !TakeAtScaleTwo()) {
        std::fputs("readme_screenshots: the program did not show what was expected\n", stderr);
        return 1;
    }
    return 0;
}
