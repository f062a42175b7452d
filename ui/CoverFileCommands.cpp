#include "CoverFileCommands.h"

#include "CoverFile.h"
#include "CoverSettings.h"
#include "CoverView.h"
#include "Dialog.h"
#include "FileDialogEx.h"
#include "ModalHost.h"
#include "OutputMessages.h"
#include "PictureFolder.h"
#include "RecentFiles.h"
#include "Shell.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

const char* const kCoverMimeType = "application/x-sleevora-cover";

namespace {

constexpr size_t kRecentCoverCount = 8;

// A name that does not contain ".slv" anywhere (case counts) gets it added.
std::string WithCoverExtension(std::string strPath)
{
    if (strPath.find(".slv") == std::string::npos)
        strPath += ".slv";
    return strPath;
}

bool FileExists(const std::string& strPath)
{
    return QFileInfo(QString::fromStdString(strPath)).isFile();
}

// The file dialogs open in the folder of the last picture, or on the Desktop at first.
void StartFileDialogsOnTheDesktop(CoverState& cover)
{
    if (cover.lastFilePath.empty())
        cover.lastFilePath = GetDesktopFolder();
}

} // namespace

CCoverFileCommands::CCoverFileCommands(CDialog& window, CoverState& cover, CCoverView& view)
    : m_window(window), m_cover(cover), m_view(view)
{
}

void CCoverFileCommands::SetPendingLoadPath(const std::string& strPath)
{
    m_strPendingLoadPath = strPath;
    m_pendingLoadBytes.reset();
}

// The dialog starts in the folder of the cover's own file with its name, else where the
// file dialogs were last.
void CCoverFileCommands::SaveCoverFile()
{
    CoverState& cover = m_cover;
    StartFileDialogsOnTheDesktop(cover);
    const QFileInfo own(QString::fromStdString(m_strCoverPath));
    const std::string name = m_strCoverPath.empty() ? std::string() : own.fileName().toStdString();
    CFileDialogEx dialog(FALSE, nullptr, name.empty() ? nullptr : name.c_str(), 0, kCoverFileFilter,
                         &m_window);
    dialog.m_strInitialDir = m_strCoverPath.empty() ? cover.lastFilePath : own.absolutePath().toStdString();
    if (dialog.DoModal() != IDOK) {
        cover.saveCancelled = true;
        return;
    }
    const std::string path = WithCoverExtension(dialog.GetPathName());
    if (FileExists(path) &&
        MessageBox(&m_window,
                   "A cover with this name already exists. Would you like to overwrite this cover?",
                   "Overwrite?", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    WriteCover(path);
}

void CCoverFileCommands::QuickSave()
{
    if (m_strCoverPath.empty())
        SaveCoverFile();
    else
        WriteCover(m_strCoverPath);
}

// Writes the cover, which then has this file as its own; false when nothing was written.
bool CCoverFileCommands::WriteCover(const std::string& strPath)
{
    CoverState& cover = m_cover;
    const CoverSaveResult result = WriteCoverFile(strPath, cover);
    if (!result.bWritten) {
        // Nothing was written: the cover stays marked changed, so nobody thinks it saved.
        MessageBox(&m_window, result.strError, kCoverFileErrorTitle, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    cover.coverChanged = false;
    cover.saveCancelled = false;
    m_strCoverPath = strPath;
    AddRecentFile(strPath, kCoverMimeType);
    if (!result.strWarning.empty())
        MessageBox(&m_window, result.strWarning, kCoverFileErrorTitle, MB_OK | MB_ICONEXCLAMATION);
    return true;
}

// The chosen file is read and checked while this window still shows the cover: a file that
// holds no cover is reported over it, and the cover, its view and its changed flag stay.
void CCoverFileCommands::ChooseCoverFile()
{
    if (!ConfirmSaveChanges())
        return;
    CoverState& cover = m_cover;
    StartFileDialogsOnTheDesktop(cover);
    CFileDialogEx dialog(TRUE, nullptr, nullptr, 0, kCoverFileFilter, &m_window);
    dialog.m_strInitialDir = cover.lastFilePath;
    if (dialog.DoModal() != IDOK)
        return;
    OpenChosenCover(WithCoverExtension(dialog.GetPathName()));
}

// A cover the user picked (in the Load dialog, from the recent covers, by dropping it): once
// it has been read and checked, the window ends and runs again to load it.
void CCoverFileCommands::OpenChosenCover(const std::string& strPath)
{
    std::string bytes;
    const CoverLoadResult check = ReadCoverFileBytes(strPath, bytes);
    if (check.status != CoverLoadStatus::Loaded) {
        ReportUnloadableCover(check, strPath);
        return;
    }
    m_cover.coverChanged = false;
    m_strPendingLoadPath = strPath;
    m_pendingLoadBytes = std::move(bytes);
    m_window.EndDialog(IDOK);
}

void CCoverFileCommands::OpenCoverAskingFirst(const std::string& strPath)
{
    if (ConfirmSaveChanges())
        OpenChosenCover(strPath);
}

// A file that is not there says nothing: the file dialog showed what there is.
void CCoverFileCommands::ReportUnloadableCover(const CoverLoadResult& result, const std::string& strPath)
{
    if (result.status == CoverLoadStatus::Missing || result.status == CoverLoadStatus::Loaded)
        return;
    const UserMessage message = CoverLoadMessage(result, strPath);
    MessageBox(&m_window, message.strText, message.strTitle, MB_OK | MB_ICONEXCLAMATION);
}

// Reads the waiting cover file into the freshly reset cover, while the window initialises:
// the bytes checked when the file was chosen, or the file itself when none were kept.
void CCoverFileCommands::LoadPendingCover()
{
    const std::string folder = ExtractedPictureFolder();
    const CoverLoadResult result = m_pendingLoadBytes ? ReadCoverBytes(*m_pendingLoadBytes, m_cover, folder)
                                                      : ReadCoverFile(m_strPendingLoadPath, m_cover, folder);
    m_pendingLoadBytes.reset();
    if (result.status != CoverLoadStatus::Loaded) {
        ReportUnloadableCover(result, m_strPendingLoadPath);
    } else {
        m_strCoverPath =
            QFileInfo(QString::fromStdString(m_strPendingLoadPath)).absoluteFilePath().toStdString();
        ShowLoadedCover(result);
    }
    m_strPendingLoadPath.clear();
}

// The loaded kind of case becomes the one a new window opens with; the switch, the picture
// button and the previews follow the cover; what could not be read back is said.
void CCoverFileCommands::ShowLoadedCover(const CoverLoadResult& result)
{
    CCoverSettings settings;
    settings.m_dwOption = static_cast<DWORD>(m_cover.covertype);
    settings.SaveValues();
    AddRecentFile(m_strPendingLoadPath, kCoverMimeType);
    m_view.ShowExtendChoice(m_cover.bFrontPrintOverSpines, m_cover.bBackPrintOverSpines);
    m_view.ShowImageButtonFor(m_view.CurrentSide() == CoverSide::Front ? m_cover.fImagePath
                                                                       : m_cover.bImagePath);
    m_view.InvalidatePreviews();
    m_cover.coverChanged = false;
    if (!result.unwritableFiles.empty())
        MessageBox(&m_window,
                   "The pictures of this cover could not be written to " + result.unwritableFiles.front() +
                       ".",
                   kCoverFileErrorTitle, MB_OK | MB_ICONEXCLAMATION);
    if (!result.damagedPictures.empty())
        MessageBox(&m_window, DamagedPicturesMessage(result), kCoverFileErrorTitle,
                   MB_OK | MB_ICONEXCLAMATION);
}

bool CCoverFileCommands::ConfirmSaveChanges()
{
    CoverState& cover = m_cover;
    cover.saveCancelled = false;
    if (!cover.coverChanged)
        return true;
    const int answer =
        MessageBox(&m_window, "You have made changes to your cover, would you like to save the cover?",
                   "Save", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) {
        cover.saveCancelled = true;
        return false;
    }
    if (answer != IDYES)
        return true;
    SaveCoverFile();
    return !cover.coverChanged;
}

std::vector<std::string> CCoverFileCommands::RecentCovers() const
{
    return RecentFiles(kCoverMimeType, kRecentCoverCount);
}
