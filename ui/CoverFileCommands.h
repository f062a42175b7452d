// Saving and loading cover files from the main window: the file dialogs, the program's own
// questions and messages, the recent covers, and what the window shows after a load. A
// cover chosen to be opened ends the window, which runs again and loads it while it opens.
#pragma once

#include "CoverState.h"
#include "PictureFolder.h"

#include <optional>
#include <string>
#include <vector>

struct CoverLoadResult;
class CCoverView;
class CDialog;

// The type of cover files, as the desktop knows them.
extern const char* const kCoverMimeType; // "application/x-sleevora-cover"

class CCoverFileCommands
{
public:
    // The window the dialogs and messages belong to, which a chosen cover ends.
    CCoverFileCommands(CDialog& window, CoverState& cover, CCoverView& view);

    // Saves under a name the user gives (the dialog starts at the cover's own file).
    void SaveCoverFile();
    // Saves to the cover's own file without a question; as SaveCoverFile when it has none.
    void QuickSave();
    // The file the cover was opened from or saved to last; empty for a new cover.
    const std::string& CoverPath() const { return m_strCoverPath; }
    void ForgetCoverFile() { m_strCoverPath.clear(); }
    // Chooses a file to load, after the save prompt.
    void ChooseCoverFile();
    // The save prompt before the cover is discarded (Yes saves, No discards, Cancel keeps the
    // cover as it is); true when the cover may be discarded.
    bool ConfirmSaveChanges();
    // Opens a cover as Load does, after the save prompt: from the recent covers, or dropped.
    void OpenCoverAskingFirst(const std::string& strPath);
    // The covers saved and opened last, newest first, at most eight, all still there.
    std::vector<std::string> RecentCovers() const;

    // The cover file to open on the next run of the window; emptied once it has been read.
    const std::string& PendingLoadPath() const { return m_strPendingLoadPath; }
    void SetPendingLoadPath(const std::string& strPath);
    // Reads the waiting cover file into the freshly reset cover, while the window opens.
    void LoadPendingCover();

private:
    bool WriteCover(const std::string& strPath);
    void OpenChosenCover(const std::string& strPath);
    void ReportUnloadableCover(const CoverLoadResult& result, const std::string& strPath);
    void ShowLoadedCover(const CoverLoadResult& result);

    CDialog& m_window;
    CoverState& m_cover;
    CCoverView& m_view;
    std::string m_strPendingLoadPath;
    std::string m_strCoverPath;
    // The bytes of the cover file waiting to be loaded, read and checked when it was chosen.
    std::optional<std::string> m_pendingLoadBytes;
};
