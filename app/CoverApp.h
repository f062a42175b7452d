// The application object: prepares the picture library and runs the program's loop of
// the New Cover dialog and the main window.
#pragma once

#include "WinTypes.h"

class CCoverApp
{
public:
    // Runs the whole program; returns false when the loop ends, as there is nothing left to run.
    BOOL InitInstance();

private:
    int RunOnePass();
};
