// The running program's private picture folder: the pictures of loaded covers (as
// "tmpfront" and "tmpback" with the saved pictures' extensions), cut pictures and album art
// go there. It is removed when the program ends, also when a signal ends it, and a folder
// left by a run that crashed is removed at the next start.
#pragma once

#include <string>

// The folder, made at the first call; empty when no such folder could be made.
std::string ExtractedPictureFolder();
// Removes the folder now, if it was made (the program is being ended by a signal).
void RemoveExtractedPictureFolder();
// Removes the folders of earlier runs whose program is no longer running.
void RemoveFoldersOfEndedRuns();
