// What the program asks of the desktop shell: opening files and web addresses, and the
// places of the Desktop folder and of the program itself.
#pragma once

#include <string>

// Opens a web address or a file with the desktop's default application. The show state
// (SW_SHOWMAXIMIZED, SW_SHOWDEFAULT) is the program's wish; the desktop decides how the
// window opens. Returns whether the desktop took the request; no error is ever shown.
bool ShellOpen(const std::string& target, int nShowCmd);

// The user's Desktop folder.
std::string GetDesktopFolder();
// The full path of the program file and the folder that really holds it.
std::string GetProgramPath();
std::string GetProgramFolder();
