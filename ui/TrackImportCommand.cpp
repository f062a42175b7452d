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

// The spine text the last import of this run proposed: a spine that still reads so came
// from an import, not from the user's typing, and a new import may replace it.
std::string& LastImportedSpine()
{
    static std::string spine;
    return spine;
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
    const std::string spine = FromQString(m_pSpineEdit->text());
    const bool spineFromImport = m_bShowSpine && !spine.empty() && spine == LastImportedSpine() &&
                                 !import.strSpine.empty() && import.strSpine != spine;
    if (!ConfirmReplacing(spineFromImport))
        return;
    ShowImportedRows(import.rows);
    ShowImportedSpine(import.strSpine, spineFromImport);
    m_importedArt = import.art;
    if (!import.unreadable.empty() || ImportedTracks(import) > kMostTracksOnACd)
        MessageBox(this, ImportSummary(import), kImportTitle, MB_OK | MB_ICONINFORMATION);
}

// Typed titles are replaced only when the user says so; so is a spine text an earlier import
// proposed. A typed spine text is never replaced.
bool CTrackListDlg::ConfirmReplacing(bool bSpineToo)
{
    if (!HasTypedTitles())
        return true;
    const std::string question =
        bSpineToo ? "The track listing already has titles. Replace its tracks and the spine text with the "
                    "imported ones?"
                  : "The track listing already has titles. Replace its tracks with the imported ones?";
    return MessageBox(this, question, kImportTitle, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CTrackListDlg::ShowImportedSpine(const std::string& strSpine, bool bReplace)
{
    if (!m_bShowSpine || strSpine.empty())
        return;
    if (m_pSpineEdit->text().isEmpty() || bReplace) {
        m_pSpineEdit->setText(ToQString(strSpine));
        LastImportedSpine() = strSpine;
    }
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

// The imported rows replace the grid's in one step: ordinary cells from then on, each on one
// line.
void CTrackListDlg::ShowImportedRows(const std::vector<TrackRow>& rows)
{
    std::vector<std::vector<std::string>> cells;
    cells.reserve(rows.size());
    for (const TrackRow& row : rows)
        cells.push_back({"New Row", OneLineCell(row[0]), OneLineCell(row[1]), OneLineCell(row[2])});
    m_pGrid->SetDataRows(cells, flexAlignLeftCenter);
    m_pGrid->SetRow(1);
    m_pGrid->SetCol(2);
}
