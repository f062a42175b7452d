// A static text with no background of its own: its text is drawn straight onto whatever
// its parent painted behind it, in a colour its owner chooses.
#pragma once

#include "WinTypes.h"

#include <QLabel>
#include <string>

class CTransparentStatic : public QLabel
{
    Q_OBJECT

public:
    explicit CTransparentStatic(QWidget* pParent = nullptr);

    // Changes the text; the parent repaints the label's area first, since a label without
    // a background cannot wipe out its own old text.
    void SetWindowText(const std::string& strText);
    std::string GetWindowText() const;

    void SetTextColor(COLORREF cr);
    COLORREF TextColor() const { return m_crText; }

private:
    COLORREF m_crText = RGB(0, 0, 0);
};
