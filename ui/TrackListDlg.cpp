#include "TrackListDlg.h"

#include "EditGrid.h"
#include "EditTemplates.h"
#include "Help.h"
#include "QtConvert.h"
#include "TrackListing.h"
#include "resource.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QShortcut>
#include <algorithm>

namespace {

constexpr LONG kNumberCol = 1;
constexpr LONG kTitleCol = 2;
constexpr LONG kLengthCol = 3;
const char* const kHeadings[] = {"No.", "Title.", "Length"};
const char* const kNewRow = "New Row";

std::string TrackNumber(LONG nRow)
{
    return std::to_string(nRow) + ".";
}

// The templates were laid out for a narrower font than the ones found here: a label whose
// text would wrap out of its single line grows to the right, into the space its template
// leaves free there.
void WidenLabelsToTheirText(const QWidget* dialog)
{
    for (QLabel* label : dialog->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 1;
        if (needed > label->width())
            label->resize(needed, label->height());
    }
}

} // namespace

CTrackListDlg::CTrackListDlg(QWidget* pParent) : CDialog(pParent)
{
    // A caption without a system menu, so no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    CreateFromTemplate(TrackListTemplate());
    m_pSpineLabel = qobject_cast<QLabel*>(GetDlgItem(IDC_SPINE_TEXT_LABEL));
    m_pSpineEdit = qobject_cast<QLineEdit*>(GetDlgItem(IDC_SPINE_TEXT));
    connect(qobject_cast<QAbstractButton*>(GetDlgItem(IDC_INSERT_TRACK)), &QAbstractButton::clicked, this,
            [this] { OnInsertTrack(); });
    connect(qobject_cast<QAbstractButton*>(GetDlgItem(IDC_REMOVE_TRACK)), &QAbstractButton::clicked, this,
            [this] { OnRemoveTrack(); });
    connect(qobject_cast<QAbstractButton*>(GetDlgItem(IDC_IMPORT_TRACKS)), &QAbstractButton::clicked, this,
            [this] { OnImportTracks(); });
    // Tab follows the dialog as it reads: spine text, the grid, then the buttons beside it.
    QWidget* order[] = {m_pSpineEdit,
                        m_pGrid,
                        GetDlgItem(IDC_INSERT_TRACK),
                        GetDlgItem(IDC_REMOVE_TRACK),
                        GetDlgItem(IDC_IMPORT_TRACKS),
                        GetDlgItem(IDOK),
                        GetDlgItem(IDCANCEL)};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    // F1 anywhere in the dialog, the grid and its edit box included.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [] { OpenHelpFile(); });
}

QWidget* CTrackListDlg::CreateControl(const ControlTemplate& control)
{
    if (control.nId != IDC_TRACK_GRID)
        return nullptr;
    m_pGrid = new CEditGrid(this);
    m_pGrid->appendRow = [this] { AppendRow(); };
    m_pGrid->pasteText = [this](const std::string& text) { PasteRows(text); };
    return m_pGrid;
}

BOOL CTrackListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    WidenLabelsToTheirText(this);
    // The grid as its template stores it, bound to the dialog.
    m_pGrid->LoadProperties(TrackGridProperties());
    m_pGrid->PreSubclassWindow();
    m_pSpineLabel->setVisible(m_bShowSpine);
    m_pSpineEdit->setVisible(m_bShowSpine);

    ShowHeadings();
    m_strListingBefore = m_strListing;
    m_strSpineBefore = m_strSpine;
    m_pSpineEdit->setText(ToQString(m_strSpine));
    if (m_strListing.empty())
        NumberEmptyListing();
    else
        DecodeListing();
    // The keyboard starts where the user types first: the spine text on the back, else
    // the first title; Tab into the grid also lands on that title.
    m_pGrid->SetRow(1);
    m_pGrid->SetCol(2);
    m_pGrid->ForgetUserMoves();
    if (m_bShowSpine)
        m_pSpineEdit->setFocus();
    else
        m_pGrid->setFocus();
    return FALSE;
}

// Hides the first column and writes the headings of the three visible ones.
void CTrackListDlg::ShowHeadings()
{
    m_pGrid->SetColWidth(0, 0);
    for (LONG col = kNumberCol; col <= kLengthCol; ++col) {
        m_pGrid->SetCol(col);
        m_pGrid->SetRow(0);
        m_pGrid->SetText(kHeadings[col - 1]);
    }
    m_pGrid->SetColWidth(1, 400);
    m_pGrid->SetColWidth(2, 4000);
    m_pGrid->SetColWidth(3, 1000);
}

// A side without a listing opens with the template's data rows numbered.
void CTrackListDlg::NumberEmptyListing()
{
    m_pGrid->SetCol(kNumberCol);
    for (LONG row = 1; row < m_pGrid->GetRows(); ++row) {
        m_pGrid->SetRow(row);
        m_pGrid->SetText(TrackNumber(row));
        m_pGrid->SetCellAlignment(flexAlignLeftCenter);
    }
}

// Keeps one data row, then deals the cells to the columns 1, 2, 3 row after row, adding a
// row whenever a fourth cell would be needed.
void CTrackListDlg::DecodeListing()
{
    while (m_pGrid->GetRows() > 2)
        m_pGrid->RemoveItem(2);
    LONG row = 1;
    LONG col = kNumberCol;
    for (const std::string& cell : DecodeTrackListingCells(m_strListing)) {
        if (col == kLengthCol + 1) {
            m_pGrid->AddItem(kNewRow, row + 1);
            ++row;
            col = kNumberCol;
        }
        m_pGrid->SetRow(row);
        m_pGrid->SetCol(col);
        m_pGrid->SetText(cell);
        m_pGrid->SetCellAlignment(flexAlignLeftCenter);
        ++col;
    }
}

// An edit still open is stored before a button acts, wherever the keyboard is: an Enter the
// edit box posted, or the box still shown over its cell while the grid has the focus.
void CTrackListDlg::StoreOpenEdit()
{
    m_pGrid->DeliverPostedKeys();
    if (m_pGrid->IsEditing())
        m_pGrid->EndEdit();
}

// The rows as the cover keeps them: every cell on one line, and no empty rows at the end
// (their numbers alone would be printed).
void CTrackListDlg::OnOK()
{
    StoreOpenEdit();
    std::vector<TrackRow> rows;
    for (LONG row = 1; row < m_pGrid->GetRows(); ++row) {
        TrackRow cells;
        for (LONG col = kNumberCol; col <= kLengthCol; ++col)
            cells[size_t(col - kNumberCol)] = OneLineCell(m_pGrid->GetTextMatrix(row, col));
        rows.push_back(cells);
    }
    m_strListing = EncodeTrackListing(WithoutTrailingEmptyRows(rows));
    // The spine box holds the text it was given even while hidden, on the front side; a
    // text the user did not change comes back as it was given, byte for byte.
    if (m_pSpineEdit->text() != ToQString(m_strSpineBefore))
        m_strSpine = FromQString(m_pSpineEdit->text());
    else
        m_strSpine = m_strSpineBefore;
    EndDialog(IDOK);
}

// True when the number of every data row but the last is made of digits and dots only
// (an empty number counts as 0). Every row is looked at, so the last one checked ends current.
bool CTrackListDlg::RowsAreNumbered()
{
    bool numbered = true;
    if (m_pGrid->GetRows() <= 2)
        return numbered;
    for (LONG row = 1; row <= m_pGrid->GetRows() - 2; ++row) {
        m_pGrid->SetRow(row);
        m_pGrid->SetCol(kNumberCol);
        std::string number = m_pGrid->GetText();
        number.erase(std::remove(number.begin(), number.end(), '.'), number.end());
        if (number.empty())
            number = "0";
        if (!std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            numbered = false;
    }
    return numbered;
}

// A row an import put before each disc after the first: no number, "Disc N" as its title.
// It keeps no number, and the numbering starts again after it.
bool CTrackListDlg::IsDiscRow(LONG nRow) const
{
    static const QRegularExpression disc(QStringLiteral("^Disc \\d+$"));
    return m_pGrid->GetTextMatrix(nRow, kNumberCol).empty() &&
           disc.match(ToQString(m_pGrid->GetTextMatrix(nRow, kTitleCol))).hasMatch();
}

void CTrackListDlg::RenumberRows()
{
    m_pGrid->SetCol(kNumberCol);
    LONG number = 0;
    for (LONG row = 1; row < m_pGrid->GetRows(); ++row) {
        if (IsDiscRow(row)) {
            number = 0;
            continue;
        }
        m_pGrid->SetRow(row);
        m_pGrid->SetText(TrackNumber(++number));
        m_pGrid->SetCellAlignment(flexAlignLeftBottom);
    }
}

// A new row above the current one, or below it when the current row is the last; the rows
// are renumbered when they were numbered, and the new row becomes current. Before the user
// has chosen a cell the current one is only where the keyboard starts: the row is added at
// the end, as the listing's last row was current before the keyboard was placed.
void CTrackListDlg::OnInsertTrack()
{
    StoreOpenEdit();
    const bool whereOpened =
        !m_pGrid->HasUserMoved() && m_pGrid->GetRow() == 1 && m_pGrid->GetCol() == kTitleCol;
    LONG at = whereOpened ? m_pGrid->GetRows() - 1 : m_pGrid->GetRow();
    if (at == m_pGrid->GetRows() - 1)
        ++at;
    m_pGrid->AddItem(kNewRow, at);
    m_pGrid->SetCellAlignment(flexAlignLeftBottom);
    if (RowsAreNumbered())
        RenumberRows();
    m_pGrid->SetRow(at);
}

// A new row after the last, numbered when the rows are; the current cell stays.
void CTrackListDlg::AppendRow()
{
    const LONG row = m_pGrid->GetRow();
    const LONG col = m_pGrid->GetCol();
    const bool numbered = RowsAreNumbered();
    m_pGrid->AddItem(kNewRow, m_pGrid->GetRows());
    m_pGrid->SetRow(m_pGrid->GetRows() - 1);
    m_pGrid->SetCol(kTitleCol);
    m_pGrid->SetText(std::string());
    m_pGrid->SetCellAlignment(flexAlignLeftBottom);
    if (numbered)
        RenumberRows();
    m_pGrid->SetRow(row);
    m_pGrid->SetCol(col);
}

// Pasted lines fill the rows from the current one down, rows added as needed; a line's
// tab-separated cells fill the columns from the current one on, as far as the length.
void CTrackListDlg::PasteRows(const std::string& text)
{
    const std::vector<std::vector<std::string>> lines = PastedRows(text);
    const LONG firstRow = m_pGrid->GetRow();
    const LONG firstCol = std::max(m_pGrid->GetCol(), kNumberCol);
    for (size_t i = 0; i < lines.size(); ++i) {
        const LONG row = firstRow + static_cast<LONG>(i);
        if (row >= m_pGrid->GetRows())
            AppendRow();
        for (size_t j = 0; j < lines[i].size() && firstCol + static_cast<LONG>(j) <= kLengthCol; ++j)
            m_pGrid->SetTextMatrix(row, firstCol + static_cast<LONG>(j),
                                   OneLineCell(WithoutListingMarkers(lines[i][j])));
    }
    m_pGrid->SetRow(firstRow);
    m_pGrid->SetCol(firstCol);
}

// Removes the current row; the only data row is emptied instead, since the grid keeps at
// least one. The rows are renumbered when they were numbered.
void CTrackListDlg::OnRemoveTrack()
{
    StoreOpenEdit();
    const LONG removed = m_pGrid->GetRow();
    if (m_pGrid->GetRows() == 2 && removed == 1) {
        for (LONG col = 0; col < m_pGrid->GetCols(); ++col)
            m_pGrid->SetTextMatrix(removed, col, std::string());
    } else {
        m_pGrid->RemoveItem(removed);
    }
    if (RowsAreNumbered())
        RenumberRows();
    if (removed != m_pGrid->GetRows())
        m_pGrid->SetRow(removed);
}
