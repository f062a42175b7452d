// The grid control of the track listing: a table with one fixed heading row and one fixed
// first column, offering the operations and events of the FlexGrid control that the
// program uses. Rows and columns are counted with the fixed ones included (row 0 holds the
// headings, data rows are 1 to GetRows() - 1); Text, CellAlignment and the Cell...
// properties act on the current cell; lengths are twips (1440 to the inch) at the screen's
// resolution. The fixed row is the view's horizontal header and the fixed column its
// vertical header, so both stay in place when the cells scroll.
//
// Events reach the virtual On... handlers: Click (a left click on the grid), KeyDown (every
// key the grid receives), KeyPress (a typed character), LeaveCell (the user is about to move the current
// cell) and Scroll (the cells scrolled, by the user or by code). Moving the current cell from code fires no
// LeaveCell, and does not scroll it into view. Tab, after its KeyDown, moves on to the dialog's next control;
// Enter and Escape stay with the grid.
#pragma once

#include "FlexGridProperties.h"
#include "OleColor.h"
#include "WinTypes.h"

#include <QTableView>
#include <string>
#include <vector>

class CFlexGridModel;

// Shift states of the KeyDown event.
constexpr short SHIFT_MASK = 1;
constexpr short CTRL_MASK = 2;
constexpr short ALT_MASK = 4;

// Cell alignments of the CellAlignment property (horizontal part / 3, vertical part % 3).
constexpr short flexAlignLeftTop = 0;
constexpr short flexAlignLeftCenter = 1;
constexpr short flexAlignLeftBottom = 2;
constexpr short flexAlignGeneral = 9;

// The LOGFONT of a grid font at a device's pixels per inch: the character height is
// minus the point size in pixels; width, escapement, precisions, quality and pitch are 0.
LOGFONT FlexGridLogFont(const FlexGridFont& font, int nLogPixelsY);

class CMSFlexGrid : public QTableView
{
    Q_OBJECT

public:
    explicit CMSFlexGrid(QWidget* pParent = nullptr);
    ~CMSFlexGrid() override;

    // Recreates the grid as stored: its sizes and font, every cell empty and without an
    // alignment or colour of its own, default widths, the control's default colours, the
    // first data cell current and the cells scrolled home.
    void LoadProperties(const FlexGridProperties& properties);

    LONG GetRows() const;
    LONG GetCols() const;
    LONG GetFixedRows() const;
    LONG GetFixedCols() const;
    LONG GetRow() const { return m_nRow; }
    void SetRow(LONG nRow);
    LONG GetCol() const { return m_nCol; }
    void SetCol(LONG nCol);

    std::string GetText() const;
    void SetText(const std::string& text);
    std::string GetTextMatrix(LONG nRow, LONG nCol) const;
    void SetTextMatrix(LONG nRow, LONG nCol, const std::string& text);

    // A width of 0 hides the column; a negative width restores the default.
    void SetColWidth(LONG nIndex, LONG nWidth);
    short GetCellAlignment() const;
    void SetCellAlignment(short nAlignment);

    // The current cell's rectangle in twips, from the control's outer top-left corner.
    LONG GetCellLeft() const;
    LONG GetCellTop() const;
    LONG GetCellWidth() const;
    LONG GetCellHeight() const;

    // A cell's own colours are 0 when it has none.
    OLE_COLOR GetCellBackColor() const;
    void SetCellBackColor(OLE_COLOR clr);
    OLE_COLOR GetCellForeColor() const;
    void SetCellForeColor(OLE_COLOR clr);
    OLE_COLOR GetBackColor() const { return m_clrBack; }
    void SetBackColor(OLE_COLOR clr);
    OLE_COLOR GetForeColor() const { return m_clrFore; }
    void SetForeColor(OLE_COLOR clr);

    FlexGridFont GetFont() const { return m_font; }
    void SetFont(const FlexGridFont& font);

    // Inserts a row at nIndex (FixedRows to Rows) with the item in column 0. The current
    // cell keeps its row and column numbers.
    void AddItem(const std::string& item, LONG nIndex);
    // Replaces every data row at once: each row's cells from column 0 on (missing ones empty),
    // the data cells with the alignment; no rows leave one empty data row. The current cell
    // keeps its numbers where they still exist.
    void SetDataRows(const std::vector<std::vector<std::string>>& rows, short nAlignment);
    // Deletes the data row at nIndex. The heading row and the only data row stay; the
    // current row keeps its number, or becomes the last row when that number is gone.
    void RemoveItem(LONG nIndex);

    // The answer to WM_GETDLGCODE: the grid wants every key, so the dialog uses none of
    // them for itself (not Enter, Escape, Tab nor the arrows) while the grid has the focus.
    UINT OnGetDlgCode() const;

protected:
    virtual void OnClick() {}
    // A handler that sets the key code to 0 keeps the grid from using the key itself.
    virtual void OnKeyDown(short* /*pKeyCode*/, short /*nShift*/) {}
    // KeyPress: a key that types a character, after its KeyDown.
    virtual void OnKeyPress(const QString& /*text*/) {}
    virtual void OnLeaveCell() {}
    virtual void OnScroll() {}

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // Moves the current cell as the user's keys and clicks do: LeaveCell first, then shown.
    void MoveToCellByUser(LONG nRow, LONG nCol);

private:
    bool IsCell(LONG nRow, LONG nCol) const;
    QRect CellRectPixels(LONG nRow, LONG nCol) const;
    bool MoveByKey(int nKey, Qt::KeyboardModifiers modifiers);
    void ShowCurrentCell();
    void ApplyColors();
    void ApplyFont();
    void ResetColumnWidths();

    CFlexGridModel* m_pModel = nullptr;
    LONG m_nRow = 1;
    LONG m_nCol = 1;
    OLE_COLOR m_clrBack = 0;
    OLE_COLOR m_clrFore = 0;
    FlexGridFont m_font{};
    int m_nDefaultColWidth = 64; // pixels
    bool m_bLeftPressed = false;
};
