// Saving and loading cover files from the main window: the file dialogs, the program's own
// questions and messages, and what the window shows after a load.
#include "CoverMainDlg.h"

#include "CoverFile.h"
#include "CoverSettings.h"
#include "FileDialogEx.h"
#include "HoverButton.h"
#include "ModalHost.h"
#include "OutputMessages.h"
#include "RecentFiles.h"
#include "Shell.h"
#include "resource.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

namespace {

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

std::string ExtractedPictureFolder()
{
    // One folder for each running program, so that two windows never write over each
    // other's pictures: in the user's runtime folder (private to the user, emptied at log
    // out), else the cache folder; the folder is removed when the program ends.
    static const std::unique_ptr<QTemporaryDir> folder = [] {
        QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (base.isEmpty() || !QDir().mkpath(base))
            base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        QDir().mkpath(base);
        return std::make_unique<QTemporaryDir>(base + QStringLiteral("/sleevora-pictures-XXXXXX"));
    }();
    return folder->isValid() ? folder->path().toStdString() : std::string();
}

void CCoverMainDlg::SaveCoverFile()
{
    CoverState& cover = TheCover();
    StartFileDialogsOnTheDesktop(cover);
    CFileDialogEx dialog(FALSE, nullptr, nullptr, 0, kCoverFileFilter, this);
    dialog.m_strInitialDir = cover.lastFilePath;
    if (dialog.DoModal() != IDOK) {
        cover.saveCancelled = true;
        return;
    }
    const std::string path = WithCoverExtension(dialog.GetPathName());
    if (FileExists(path) &&
        MessageBox(this, "A cover with this name already exists. Would you like to overwrite this cover?",
                   "Overwrite?", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const CoverSaveResult result = WriteCoverFile(path, cover);
    if (!result.bWritten) {
        // Nothing was written: the cover stays marked changed, so nobody thinks it saved.
        MessageBox(this, result.strError, kCoverFileErrorTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    cover.coverChanged = false;
    cover.saveCancelled = false;
    AddRecentFile(path, kCoverMimeType);
    if (!result.strWarning.empty())
        MessageBox(this, result.strWarning, kCoverFileErrorTitle, MB_OK | MB_ICONEXCLAMATION);
}

// The chosen file is read and checked while this window still shows the cover: a file that
// holds no cover is reported over it, and the cover, its view and its changed flag stay.
void CCoverMainDlg::ChooseCoverFile()
{
    if (!ConfirmSaveChanges())
        return;
    CoverState& cover = TheCover();
    StartFileDialogsOnTheDesktop(cover);
    CFileDialogEx dialog(TRUE, nullptr, nullptr, 0, kCoverFileFilter, this);
    dialog.m_strInitialDir = cover.lastFilePath;
    if (dialog.DoModal() != IDOK)
        return;
    OpenChosenCover(WithCoverExtension(dialog.GetPathName()));
}

// A cover the user picked (in the Load dialog, from the recent covers, by dropping it): once
// it has been read and checked, the window ends and runs again to load it.
void CCoverMainDlg::OpenChosenCover(const std::string& strPath)
{
    std::string bytes;
    const CoverLoadResult check = ReadCoverFileBytes(strPath, bytes);
    if (check.status != CoverLoadStatus::Loaded) {
        ReportUnloadableCover(check, strPath);
        return;
    }
    TheCover().coverChanged = false;
    pendingLoadPath = strPath;
    m_pendingLoadBytes = std::move(bytes);
    EndDialog(IDOK);
}

void CCoverMainDlg::OpenCoverAskingFirst(const std::string& strPath)
{
    if (ConfirmSaveChanges())
        OpenChosenCover(strPath);
}

// A file that is not there says nothing: the file dialog showed what there is.
void CCoverMainDlg::ReportUnloadableCover(const CoverLoadResult& result, const std::string& strPath)
{
    if (result.status == CoverLoadStatus::Missing || result.status == CoverLoadStatus::Loaded)
        return;
    const UserMessage message = CoverLoadMessage(result, strPath);
    MessageBox(this, message.strText, message.strTitle, MB_OK | MB_ICONEXCLAMATION);
}

// Reads the waiting cover file into the freshly reset cover, while the window initialises:
// the bytes checked when the file was chosen, or the file itself when none were kept.
void CCoverMainDlg::LoadCoverFile()
{
    CoverState& cover = TheCover();
    const std::string folder = ExtractedPictureFolder();
    const CoverLoadResult result = m_pendingLoadBytes ? ReadCoverBytes(*m_pendingLoadBytes, cover, folder)
                                                      : ReadCoverFile(pendingLoadPath, cover, folder);
    m_pendingLoadBytes.reset();
    if (result.status != CoverLoadStatus::Loaded) {
        ReportUnloadableCover(result, pendingLoadPath);
        return;
    }
    CCoverSettings settings;
    settings.m_dwOption = static_cast<DWORD>(cover.covertype);
    settings.SaveValues();
    AddRecentFile(pendingLoadPath, kCoverMimeType);
    m_pExtend->SetCheckState(cover.bFrontPrintOverSpines, true);
    m_pExtend->SetCheckState(cover.bBackPrintOverSpines, true);
    m_pExtend->AssignIcon(m_pExtend->GetCheckState() ? IDI_CHECKED : IDI_UNCHECKED);
    ShowImageButtonFor(CurrentSide() == CoverSide::Front ? cover.fImagePath : cover.bImagePath);
    InvalidatePreviews();
    cover.coverChanged = false;
    if (!result.unwritableFiles.empty())
        MessageBox(this,
                   "The pictures of this cover could not be written to " + result.unwritableFiles.front() +
                       ".",
                   kCoverFileErrorTitle, MB_OK | MB_ICONEXCLAMATION);
    if (!result.damagedPictures.empty())
        MessageBox(this, DamagedPicturesMessage(result), kCoverFileErrorTitle, MB_OK | MB_ICONEXCLAMATION);
}

bool CCoverMainDlg::ConfirmSaveChanges()
{
    CoverState& cover = TheCover();
    cover.saveCancelled = false;
    if (!cover.coverChanged)
        return true;
    if (MessageBox(this, "You have made changes to your cover, would you like to save the cover?", "Save",
                   MB_YESNO | MB_ICONQUESTION) != IDYES)
        return true;
    SaveCoverFile();
    return !cover.coverChanged;
}
