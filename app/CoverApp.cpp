#include "CoverApp.h"

#include "CoverMainDlg.h"
#include "NewCoverDlg.h"

#include <FreeImage.h>

BOOL CCoverApp::InitInstance()
{
    FreeImage_Initialise(FALSE);
    // IDOK from the main window asks for a new cover; anything else (IDYES on closing) ends the program.
    while (RunOnePass() == IDOK) {
    }
    FreeImage_DeInitialise();
    return FALSE;
}

// One pass: the New Cover dialog, whose choice travels through the settings, then one
// main window, run again for as long as it ends with a cover file waiting to be loaded.
int CCoverApp::RunOnePass()
{
    CNewCoverDlg newCover;
    newCover.DoModal();
    CCoverMainDlg mainWindow;
    int result = mainWindow.DoModal();
    while (!mainWindow.pendingLoadPath.empty())
        result = mainWindow.DoModal();
    return result;
}
