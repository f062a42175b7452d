// The application object: prepares the picture library and runs the program's loop of
// the New Cover dialog and the main window.
#pragma once

#include "WinTypes.h"

#include <string>

class CCoverMainDlg;

class CCoverApp
{
public:
    // Runs the whole program; returns false when the loop ends, as there is nothing left to run.
    BOOL InitInstance();

    // A cover file to open at start (from the command line, as a file manager passes it):
    // the first pass opens it in the main window without asking for the kind of case.
    std::string m_strOpenPath;

private:
    int RunOnePass(bool bAskForKind);
    static int RunMainWindow(CCoverMainDlg& mainWindow);
    bool CanOpenAtStart();
};
