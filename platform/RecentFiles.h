// The desktop's list of recently used files (the freedesktop "recently-used.xbel" in the
// user's data folder), which file managers and file dialogs offer: files this program saved
// or opened are added to it, and its own files read back from it. The list is kept by
// GLib's bookmark file, as every desktop program keeps it.
#pragma once

#include <string>
#include <vector>

// Records a file as just used by this program, with its type; false when the list could
// not be written (nothing else changes then).
bool AddRecentFile(const std::string& strPath, const std::string& strMimeType);

// This program's files of the type on the list, newest first, at most nCount of them;
// files that no longer exist are left out.
std::vector<std::string> RecentFiles(const std::string& strMimeType, size_t nCount);
