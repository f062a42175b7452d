// The track listing's grid with in-place editing: a one-line edit box laid over the
// current cell. Click and Enter start an edit; Enter, leaving the cell, scrolling and the
// box losing the focus to another window than the grid end it and store the text.
#pragma once

#include "GdiObjects.h"
#include "MSFlexGrid.h"
#include "Rect.h"

#include <functional>

class CGridCellEdit;

class CEditGrid : public CMSFlexGrid
{
    Q_OBJECT

public:
    explicit CEditGrid(QWidget* pParent = nullptr);

    // Attaches the grid as its dialog binds it: a fresh hidden edit box, the screen's
    // pixels per inch, and the edit box's font made from the grid's Font.
    void PreSubclassWindow();

    // Lays the edit box over the current cell in the cell's colours, with its text selected.
    void StartEdit();
    // Stores the edit box's text in the current cell, unless that cell is fixed, and hides it.
    void EndEdit();
    // Hides the edit box and leaves the cell as it was.
    void CancelEdit();
    bool IsEditing() const;
    CGridCellEdit* EditBox() const { return m_pEdit; }
    // Whether the user has clicked in the grid or pressed a key there since it was last
    // forgotten: until then the current cell is the one the dialog chose.
    bool HasUserMoved() const { return m_bUserMoved; }
    void ForgetUserMoves() { m_bUserMoved = false; }

    // What the grid's owner does for the keys that change its rows: Down on the last row adds
    // a row at the end; Ctrl+V pastes text (lines and tab-separated cells) from the current
    // cell on.
    std::function<void()> appendRow;
    std::function<void(const std::string&)> pasteText;

    // Hands over an Enter that the edit box posted and that has not arrived yet: a click
    // on a button delivered in one piece reaches the button before the posted key would.
    void DeliverPostedKeys();

protected:
    void OnClick() override;
    void OnKeyDown(short* pKeyCode, short nShift) override;
    void OnKeyPress(const QString& text) override;
    void OnLeaveCell() override;
    void OnScroll() override;

private:
    bool OnKeyWhileEditing(short nKeyCode, short nShift);
    bool OnKeyOnCell(short nKeyCode, short nShift);
    // The next cell along the row for Tab (the next row's title after its length), or the
    // one before for Shift+Tab; a row is added after the last one.
    void MoveAlong(bool bBackwards);
    bool IsDataCell() const { return GetRow() >= GetFixedRows() && GetCol() >= GetFixedCols(); }
    CRect EditRect() const;
    void EditColors(COLORREF* pcrText, COLORREF* pcrBackground) const;

    CGridCellEdit* m_pEdit = nullptr;
    CFont m_font;
    int m_nLogPixelsX = kScreenDpi;
    int m_nLogPixelsY = kScreenDpi;
    bool m_bUserMoved = false;
};
