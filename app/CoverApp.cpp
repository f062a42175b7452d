#include "CoverApp.h"

#include "CoverFile.h"
#include "CoverMainDlg.h"
#include "ModalHost.h"
#include "NewCoverDlg.h"
#include "OutputMessages.h"

#include <FreeImage.h>

BOOL CCoverApp::InitInstance()
{
    FreeImage_Initialise(FALSE);
    // IDOK from the main window asks for a new cover; anything else (IDYES on closing) ends the program.
    bool askForKind = !CanOpenAtStart();
    while (RunOnePass(askForKind) == IDOK)
        askForKind = true;
    FreeImage_DeInitialise();
    return FALSE;
}

// One pass: the New Cover dialog, whose choice travels through the settings, then one
// main window, run again for as long as it ends with a cover file waiting to be loaded. A
// cover opened at start skips the question: the main window opens with it.
int CCoverApp::RunOnePass(bool bAskForKind)
{
    CNewCoverDlg newCover;
    if (bAskForKind)
        newCover.DoModal();
    CCoverMainDlg mainWindow;
    if (!bAskForKind)
        mainWindow.SetPendingLoadPath(m_strOpenPath);
    return RunMainWindow(mainWindow);
}

int CCoverApp::RunMainWindow(CCoverMainDlg& mainWindow)
{
    int result = mainWindow.DoModal();
    while (!mainWindow.PendingLoadPath().empty())
        result = mainWindow.DoModal();
    return result;
}

// The cover given at start is checked before any window opens: one that cannot be read is
// reported, and the program starts as it does without one.
bool CCoverApp::CanOpenAtStart()
{
    if (m_strOpenPath.empty())
        return false;
    std::string bytes;
    const CoverLoadResult check = ReadCoverFileBytes(m_strOpenPath, bytes);
    if (check.status == CoverLoadStatus::Loaded)
        return true;
    const UserMessage message = CoverLoadMessage(check, m_strOpenPath);
    MessageBox(nullptr, message.strText, message.strTitle, MB_OK | MB_ICONEXCLAMATION);
    return false;
}
