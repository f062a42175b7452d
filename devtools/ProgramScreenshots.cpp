// Takes the screenshots of the finished sample covers, the font dialog and the About box
// kept in docs/screenshots, by running the real windows off screen.
#include "AboutDlg.h"
#include "CoverMainDlg.h"
#include "CoverState.h"
#include "FontDialog.h"
#include "HoverButton.h"
#include "QtConvert.h"
#include "Resources.h"
#include "ScriptedModalHost.h"
#include "resource.h"

#include <FreeImage.h>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString g_out;

void Grab(QWidget& window, const char* name)
{
    window.show();
    QApplication::processEvents();
    window.repaint();
    QApplication::processEvents();
    window.grab().save(g_out + QLatin1Char('/') + QLatin1String(name));
}

// Opens a sample cover in the main window as Load does, and photographs each of its views.
void ShootSample(const char* sample, const char* name, const char* frontName = nullptr)
{
    CScriptedModalHost host;
    CCoverMainDlg window;
    window.SetPendingLoadPath((QStringLiteral(SLEEVORA_SAMPLES "/") + QLatin1String(sample)).toStdString());
    host.AnswerDialog([&](CDialog&) {
        Grab(window, name);
        if (frontName) {
            QTest::mouseClick(window.Button(IDC_VIEW_FRONT), Qt::LeftButton);
            Grab(window, frontName);
        }
        return IDYES;
    });
    window.DoModal();
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sleevora"));
    InitProgramResources();
    FreeImage_Initialise(FALSE);
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); // leave the user's settings alone
    g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(g_out);

    ShootSample("standard-cd.slv", "cover-cd-back.png", "cover-cd-front.png");
    ShootSample("standard-dvd.slv", "cover-dvd.png");
    ShootSample("slimline-cd.slv", "cover-slimline-cd.png");

    LOGFONT font{};
    font.lfHeight = -24;
    SetFaceName(font, "Arial");
    CFontDialog fontDialog(font, RGB(0, 0, 128), kScreenDpi);
    fontDialog.OnInitDialog();
    Grab(fontDialog, "font-dialog.png");

    CAboutDlg about;
    about.OnInitDialog();
    Grab(about, "about.png");
    FreeImage_DeInitialise();
    return 0;
}
