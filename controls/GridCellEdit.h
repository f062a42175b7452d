// The one-line edit box a grid lays over its current cell while the user types into it.
// It never ends an edit itself: it tells the grid, through the one channel the grid
// listens to, keys posted to the grid: Enter when Enter is pressed or the focus moves to a
// window other than the grid, Tab and Shift+Tab, Escape, and Ctrl+V for a paste of several
// lines or cells (which the grid spreads over its rows). While it has the focus it keeps
// Enter, Escape, Tab and the arrows from the dialog.
#pragma once

#include "WinTypes.h"

#include <QLineEdit>

class CGridCellEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CGridCellEdit(QWidget* pGrid);

    // The cell's text and background colours.
    void SetCellColors(COLORREF crText, COLORREF crBackground);
    COLORREF TextColor() const { return m_crText; }
    COLORREF BackgroundColor() const { return m_crBackground; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PostKeyToGrid(int nKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void PostEnterToGrid() { PostKeyToGrid(Qt::Key_Return); }
    bool IsGridOrInsideIt(const QWidget* pWidget) const;

    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBackground = RGB(255, 255, 255);
};
