// The help file: "help.chm" in the folder that holds the program, opened by the desktop.
#pragma once

#include <string>

std::string HelpFilePath();
// Opens the help file in the desktop's default show state (F1 in any of the program's dialogs).
void OpenHelpFile();
