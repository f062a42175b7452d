#include "EditGrid.h"

#include "DC.h"
#include "GridCellEdit.h"
#include "QtConvert.h"
#include "TrackListing.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <algorithm>

CEditGrid::CEditGrid(QWidget* pParent) : CMSFlexGrid(pParent)
{
}

void CEditGrid::PreSubclassWindow()
{
    // A grid window created anew comes with a new edit box, as its child, hidden.
    delete m_pEdit;
    m_pEdit = new CGridCellEdit(this);

    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    m_nLogPixelsX = screen.GetDeviceCaps(LOGPIXELSX);
    m_nLogPixelsY = screen.GetDeviceCaps(LOGPIXELSY);

    const LOGFONT lf = FlexGridLogFont(GetFont(), m_nLogPixelsY);
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&lf);
    m_pEdit->setFont(ToQFont(m_font.LogFont()));
}

bool CEditGrid::IsEditing() const
{
    return m_pEdit && !m_pEdit->isHidden();
}

// The current cell in the grid's own coordinates. Qt places children from the widget's
// outer corner, where the cell measures start too, so the window rectangle's left and top
// (the negative border widths in a Windows client area) are 0 here. The top is shifted
// down by 15 twips, which keeps the grid line above the cell visible.
CRect CEditGrid::EditRect() const
{
    const CRect window(0, 0, width(), height());
    const LONG cellLeft = GetCellLeft();
    const LONG cellTop = GetCellTop();
    const LONG X = m_nLogPixelsX;
    const LONG Y = m_nLogPixelsY;
    return CRect(window.left + cellLeft * X / 1440, window.top + (cellTop + 15) * Y / 1440,
                 window.left + (cellLeft + GetCellWidth()) * X / 1440,
                 window.top + (cellTop + GetCellHeight()) * Y / 1440);
}

// The cell's own colours, else the grid's; black on white for colours that do not translate.
void CEditGrid::EditColors(COLORREF* pcrText, COLORREF* pcrBackground) const
{
    OLE_COLOR text = GetCellForeColor();
    if (text == 0)
        text = GetForeColor();
    OLE_COLOR background = GetCellBackColor();
    if (background == 0)
        background = GetBackColor();
    if (!OleTranslateColor(text, pcrText))
        *pcrText = RGB(0, 0, 0);
    if (!OleTranslateColor(background, pcrBackground))
        *pcrBackground = RGB(255, 255, 255);
}

void CEditGrid::StartEdit()
{
    if (!m_pEdit)
        return;
    const CRect rect = EditRect();
    m_pEdit->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    COLORREF crText = 0;
    COLORREF crBackground = 0;
    EditColors(&crText, &crBackground);
    m_pEdit->SetCellColors(crText, crBackground);
    m_pEdit->show();
    m_pEdit->clear();
    m_pEdit->setFocus();
    // Replacing the (empty) selection, then selecting everything, leaves the caret at the
    // end of the text, which the line edit keeps in view.
    m_pEdit->insert(ToQString(GetText()));
    m_pEdit->selectAll();
}

void CEditGrid::EndEdit()
{
    if (!m_pEdit)
        return;
    // The listing's markers and line breaks cannot stand in a cell; the rest of the text is kept.
    const std::string text = OneLineCell(WithoutListingMarkers(FromQString(m_pEdit->text())));
    if (GetRow() >= GetFixedRows() && GetCol() >= GetFixedCols())
        SetTextMatrix(GetRow(), GetCol(), text);
    // Qt hands the focus of a widget being hidden to the next one in the tab order; the
    // keyboard goes back to the grid instead, where it was before the edit.
    if (m_pEdit->hasFocus())
        setFocus(Qt::OtherFocusReason);
    m_pEdit->hide();
}

void CEditGrid::DeliverPostedKeys()
{
    QCoreApplication::sendPostedEvents(this, QEvent::KeyPress);
}

void CEditGrid::OnClick()
{
    m_bUserMoved = true;
    if (!IsEditing())
        StartEdit();
}

// The keys a spreadsheet has, beside Enter, which starts and ends an edit. A key the grid
// acts on here goes no further (no move, no leaving the grid).
void CEditGrid::OnKeyDown(short* pKeyCode, short nShift)
{
    m_bUserMoved = true;
    if (*pKeyCode == VK_RETURN) {
        if (IsEditing())
            EndEdit();
        else
            StartEdit();
        return;
    }
    if (IsEditing() ? OnKeyWhileEditing(*pKeyCode, nShift) : OnKeyOnCell(*pKeyCode, nShift))
        *pKeyCode = 0;
}

// Tab and Shift+Tab keep the edit and move on along the row; Escape gives the cell back as it was.
bool CEditGrid::OnKeyWhileEditing(short nKeyCode, short nShift)
{
    if (nKeyCode == VK_TAB) {
        EndEdit();
        MoveAlong(nShift & SHIFT_MASK);
        return true;
    }
    if (nKeyCode == VK_ESCAPE) {
        CancelEdit();
        return true;
    }
    if (nKeyCode == 'V' && (nShift & CTRL_MASK) && pasteText) { // several lines posted by the box
        CancelEdit();
        pasteText(FromQString(QGuiApplication::clipboard()->text()));
        return true;
    }
    return false;
}

// Down on the last row adds one; Delete empties the cell; Ctrl+V pastes.
bool CEditGrid::OnKeyOnCell(short nKeyCode, short nShift)
{
    if (nKeyCode == VK_DOWN && GetRow() == GetRows() - 1 && appendRow) {
        appendRow(); // the grid's own move then goes down into it
        return false;
    }
    if (nKeyCode == VK_DELETE && IsDataCell()) {
        SetText(std::string());
        return true;
    }
    if (nKeyCode == 'V' && (nShift & CTRL_MASK) && pasteText && IsDataCell()) {
        pasteText(FromQString(QGuiApplication::clipboard()->text()));
        return true;
    }
    return false;
}

void CEditGrid::MoveAlong(bool bBackwards)
{
    const LONG firstCol = GetFixedCols(); // the number's column, after the hidden fixed one
    const LONG titleCol = firstCol + 1;
    const LONG lastCol = GetCols() - 1;
    LONG row = GetRow();
    LONG col = GetCol();
    if (!bBackwards && col < lastCol) {
        ++col;
    } else if (!bBackwards) {
        if (row == GetRows() - 1 && appendRow)
            appendRow();
        row = std::min(row + 1, GetRows() - 1);
        col = titleCol;
    } else if (col > firstCol) {
        --col;
    } else if (row > GetFixedRows()) {
        --row;
        col = lastCol;
    }
    MoveToCellByUser(row, col);
}

void CEditGrid::CancelEdit()
{
    if (!m_pEdit)
        return;
    if (m_pEdit->hasFocus())
        setFocus(Qt::OtherFocusReason);
    m_pEdit->hide();
}

// Typing on a cell starts editing it with what was typed, as spreadsheet grids do.
void CEditGrid::OnKeyPress(const QString& text)
{
    if (IsEditing() || GetRow() < GetFixedRows() || GetCol() < GetFixedCols())
        return;
    StartEdit();
    m_pEdit->setText(text);
}

void CEditGrid::OnLeaveCell()
{
    if (IsEditing())
        EndEdit();
}

void CEditGrid::OnScroll()
{
    if (IsEditing())
        EndEdit();
}
