// "Import...": fills the track listing from the music itself, from audio files, a folder of
// them or a CUE sheet, as the user picks them.
#include "TrackListDlg.h"

#include "EditGrid.h"
#include "FileDialogEx.h"
#include "ModalHost.h"
#include "QtConvert.h"
#include "TrackImport.h"
#include "TrackListing.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressDialog>
#include <QStandardPaths>

namespace {

const char* const kImportTitle = "Import Tracks";

// The dialog's filter: music and CUE sheets together, named by the extension each format is
// best known by and matching every extension the importer reads; then CUE sheets alone.
std::string MusicFilter()
{
    std::string names;
    std::string patterns;
    for (const AudioExtension& extension : AudioExtensions()) {
        if (extension.bUsual)
            names.append("*").append(extension.pszExtension).append("; ");
        patterns.append("*").append(extension.pszExtension).append(";");
    }
    return "Music and CUE Sheets (" + names + "*.cue)|" + patterns +
           "*.cue|CUE Sheets (*.cue)|*.cue|All Files (*.*)|*|";
}

bool IsCueSheet(const std::string& strPath)
{
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(strPath))).suffix().toLower() ==
           QLatin1String("cue");
}

bool IsFolder(const std::string& strPath)
{
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(strPath))).isDir();
}

} // namespace

void CTrackListDlg::OnImportTracks()
{
    StoreOpenEdit();
    CFileDialogEx dialog(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_EX_FOLDERTOO,
                         MusicFilter().c_str(), this);
    dialog.m_strInitialDir = FromQString(QStandardPaths::writableLocation(QStandardPaths::MusicLocation));
    if (dialog.DoModal() != IDOK || dialog.GetPathNames().empty())
        return;
    const TrackImport import = ImportChosen(dialog.GetPathNames());
    if (import.bCancelled)
        return;
    if (import.rows.empty()) {
        MessageBox(this, "No tracks were found there.\n\n" + ImportSummary(import), kImportTitle,
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (HasTypedTitles() &&
        MessageBox(this, "The track listing already has titles. Replace its tracks with the imported ones?",
                   kImportTitle, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    ShowImportedRows(import.rows);
    if (m_bShowSpine && m_pSpineEdit->text().isEmpty())
        m_pSpineEdit->setText(ToQString(import.strSpine));
    if (import.nUnreadable > 0)
        MessageBox(this, ImportSummary(import), kImportTitle, MB_OK | MB_ICONINFORMATION);
}

// A CUE sheet, a folder, or the audio files chosen; reading many files shows its progress
// and can be stopped.
TrackImport CTrackListDlg::ImportChosen(const std::vector<std::string>& paths)
{
    if (paths.size() == 1 && IsCueSheet(paths.front()))
        return ImportCueSheet(paths.front());
    QProgressDialog progress(QStringLiteral("Reading the music files..."), QStringLiteral("Cancel"), 0, 0,
                             this);
    progress.setWindowTitle(QString::fromLatin1(kImportTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    const ImportProgress report = [&progress](size_t nDone, size_t nTotal) {
        progress.setMaximum(static_cast<int>(nTotal));
        progress.setValue(static_cast<int>(nDone));
        // Until the progress window shows, no click may reach the dialog behind it.
        QApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents
                                                         : QEventLoop::ExcludeUserInputEvents);
        return !progress.wasCanceled();
    };
    if (paths.size() == 1 && IsFolder(paths.front()))
        return ImportAudioFolder(paths.front(), report);
    return ImportAudioFiles(paths, report);
}

bool CTrackListDlg::HasTypedTitles() const
{
    for (LONG row = 1; row < m_pGrid->GetRows(); ++row)
        if (!m_pGrid->GetTextMatrix(row, 2).empty())
            return true;
    return false;
}

// The imported rows replace the grid's: ordinary cells from then on.
void CTrackListDlg::ShowImportedRows(const std::vector<TrackRow>& rows)
{
    while (m_pGrid->GetRows() > 2)
        m_pGrid->RemoveItem(2);
    for (size_t i = 0; i < rows.size(); ++i) {
        const LONG row = static_cast<LONG>(i) + 1;
        if (row > 1)
            m_pGrid->AddItem("New Row", row);
        for (LONG col = 1; col <= 3; ++col) {
            m_pGrid->SetRow(row);
            m_pGrid->SetCol(col);
            m_pGrid->SetText(OneLineCell(rows[i][static_cast<size_t>(col - 1)])); // a title on one line
            m_pGrid->SetCellAlignment(flexAlignLeftCenter);
        }
    }
    m_pGrid->SetRow(1);
    m_pGrid->SetCol(2);
}
