// "Edit Cover Text/Track Listing": edits a side's track listing in a grid of number, title
// and length, and, for the back, its spine text. The listing comes in and goes out in the
// track listing encoding; the grid's data rows are rows 1 to Rows - 1.
#pragma once

#include "Dialog.h"

#include "TrackImport.h"
#include "TrackListing.h"

#include <string>
#include <vector>

class CEditGrid;
class QLabel;
class QLineEdit;

class CTrackListDlg : public CDialog
{
    Q_OBJECT

public:
    explicit CTrackListDlg(QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnInsertTrack();
    void OnRemoveTrack();
    // Fills the listing from audio files, a folder of them or a CUE sheet.
    void OnImportTracks();

    CEditGrid* Grid() const { return m_pGrid; }
    QLineEdit* SpineEdit() const { return m_pSpineEdit; }

    std::string m_strListing;       // in: the side's text; out: the new encoding
    std::string m_strListingBefore; // the listing as the dialog opened
    std::string m_strSpine;         // in and out
    std::string m_strSpineBefore;   // the spine text as the dialog opened
    bool m_bShowSpine = false;      // the spine text is edited here (the back only)
    CoverArt m_importedArt;         // out: the album's picture, when the last import found one

protected:
    QWidget* CreateControl(const ControlTemplate& control) override;

private:
    void StoreOpenEdit();
    void AppendRow();
    void PasteRows(const std::string& text);
    TrackImport ImportChosen(const std::vector<std::string>& paths);
    bool HasTypedTitles() const;
    bool ConfirmReplacing(bool bSpineToo);
    void ShowImportedRows(const std::vector<TrackRow>& rows);
    void ShowImportedSpine(const std::string& strSpine, bool bReplace);
    void ShowHeadings();
    void NumberEmptyListing();
    void DecodeListing();
    bool RowsAreNumbered();
    void RenumberRows();
    bool IsDiscRow(LONG nRow) const;

    CEditGrid* m_pGrid = nullptr;
    QLabel* m_pSpineLabel = nullptr;
    QLineEdit* m_pSpineEdit = nullptr;
};
