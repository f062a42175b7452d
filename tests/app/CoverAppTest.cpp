// The program's loop of the New Cover dialog and the main window, driven by scripted answers.
#include "CoverApp.h"
#include "ConfigFolder.h"
#include "CoverMainDlg.h"
#include "CoverSettings.h"
#include "CoverState.h"
#include "NewCoverDlg.h"
#include "ScriptedModalHost.h"
#include "resource.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

namespace {

const std::string kNew = "CNewCoverDlg";
const std::string kMain = "CCoverMainDlg";

// The user picks a kind of case in the New Cover dialog and presses Continue.
CScriptedModalHost::DialogAction Choose(int nRadioId)
{
    return [nRadioId](CDialog& dialog) {
        auto& newCover = dynamic_cast<CNewCoverDlg&>(dialog);
        newCover.ChoiceButton(nRadioId)->setChecked(true);
        newCover.OnOK();
        return newCover.result();
    };
}

// The main window ends after the user chose a cover file to load.
CScriptedModalHost::DialogAction LoadFile(const std::string& path, std::vector<const CDialog*>* seen)
{
    return [path, seen](CDialog& dialog) {
        seen->push_back(&dialog);
        dynamic_cast<CCoverMainDlg&>(dialog).SetPendingLoadPath(path);
        return IDOK;
    };
}

} // namespace

TEST(StartUpLoop, ClosingTheMainWindowEndsTheProgram)
{
    CTemporaryConfigFolder config;
    CScriptedModalHost host;
    host.AnswerDialog(IDOK);
    host.AnswerDialog(IDYES);
    CCoverApp app;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(host.DialogsRun(), (std::vector<std::string>{kNew, kMain}));
    EXPECT_TRUE(host.AllAnswersUsed());
}

TEST(StartUpLoop, StartOverRunsTheNewCoverDialogAndAFreshMainWindow)
{
    CTemporaryConfigFolder config;
    CScriptedModalHost host;
    std::vector<const CDialog*> mainWindows;
    host.AnswerDialog(IDOK);
    host.AnswerDialog([&mainWindows](CDialog& dialog) {
        mainWindows.push_back(&dialog);
        return IDOK; // Start Over
    });
    host.AnswerDialog(IDCANCEL); // Esc in the New Cover dialog still opens the main window
    host.AnswerDialog(IDYES);
    CCoverApp app;
    app.InitInstance();
    EXPECT_EQ(host.DialogsRun(), (std::vector<std::string>{kNew, kMain, kNew, kMain}));
    EXPECT_TRUE(host.AllAnswersUsed());
}

TEST(StartUpLoop, LoadingRerunsTheSameMainWindowWithoutTheNewCoverDialog)
{
    CTemporaryConfigFolder config;
    CScriptedModalHost host;
    std::vector<const CDialog*> runs;
    host.AnswerDialog(IDOK);
    host.AnswerDialog(LoadFile("/covers/a.slv", &runs));
    host.AnswerDialog(LoadFile("/covers/b.slv", &runs));
    host.AnswerDialog([&runs](CDialog& dialog) {
        runs.push_back(&dialog);
        // Each run reads the pending file while it initialises and then forgets it.
        EXPECT_TRUE(dynamic_cast<CCoverMainDlg&>(dialog).PendingLoadPath().empty());
        return IDYES;
    });
    CCoverApp app;
    app.InitInstance();
    EXPECT_EQ(host.DialogsRun(), (std::vector<std::string>{kNew, kMain, kMain, kMain}));
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_EQ(runs[1], runs[2]);
}

TEST(StartUpLoop, TheKindChosenReachesTheMainWindowThroughTheSettings)
{
    CTemporaryConfigFolder config;
    CScriptedModalHost host;
    host.AnswerDialog(Choose(IDC_STANDARD_DVD));
    host.AnswerDialog([](CDialog&) {
        EXPECT_EQ(TheCover().covertype, StandardDVD);
        EXPECT_EQ(TheCover().bCoverTextFont.lfHeight, -19); // 14 points for a DVD
        return IDOK;
    });
    host.AnswerDialog([](CDialog& dialog) {
        // The next New Cover dialog starts on the kind chosen last.
        EXPECT_TRUE(dynamic_cast<CNewCoverDlg&>(dialog).ChoiceButton(IDC_STANDARD_DVD)->isChecked());
        return IDCANCEL;
    });
    host.AnswerDialog([](CDialog&) {
        EXPECT_EQ(TheCover().covertype, StandardDVD);
        return IDYES;
    });
    CCoverApp app;
    app.InitInstance();
    EXPECT_EQ(CCoverSettings().m_dwOption, static_cast<DWORD>(StandardDVD));
    EXPECT_TRUE(host.AllAnswersUsed());
}

TEST(StartUpLoop, FirstStartOpensAStandardCdCover)
{
    CTemporaryConfigFolder config;
    CScriptedModalHost host;
    host.AnswerDialog([](CDialog& dialog) {
        EXPECT_TRUE(dynamic_cast<CNewCoverDlg&>(dialog).ChoiceButton(IDC_STANDARD_CD)->isChecked());
        return IDCANCEL;
    });
    host.AnswerDialog([](CDialog&) {
        EXPECT_EQ(TheCover().covertype, StandardCD);
        EXPECT_EQ(TheCover().bCoverTextFont.lfHeight, -24);
        return IDYES;
    });
    CCoverApp app;
    app.InitInstance();
}

TEST(MainWindowClosing, AsksBeforeClosingAndStaysOpenOnNo)
{
    CTemporaryConfigFolder config;
    CScriptedModalHost host;
    host.AnswerMessageBox(IDNO);
    host.AnswerMessageBox(IDYES);
    CCoverMainDlg window;
    window.OnInitDialog();
    window.show();
    window.OnCancel();
    EXPECT_TRUE(window.isVisible());
    window.OnCancel();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), IDYES);
    ASSERT_EQ(host.Questions().size(), 2u);
    EXPECT_EQ(host.Questions()[0].text, "Are you sure you want to close Sleevora?");
    EXPECT_EQ(host.Questions()[0].caption, "Exit");
    EXPECT_EQ(host.Questions()[0].nType, MB_YESNO | MB_ICONQUESTION);
}
