// The renderer of the one-piece insert of a slimline CD case: from left to right a folded
// flap, the spine and the cover panel, with two corner notches cut from the left edge.
#pragma once

#include "CoverRenderer.h"

#include <string>

class CSlimlineCoverRenderer : public CCoverRenderer
{
public:
    void DrawGuides(CDC* pDC, CRect rect, UINT nState) override;
    void DrawCover(CDC* pDC, HDC hDC, CRect rect, UINT nState) override;

    COLORREF m_crBackground = RGB(255, 255, 255);
    bool m_bShowBorder = true;
    bool m_bShowSpineGuides = true;
    int m_nSpineWidth = 0;
    int m_nFlapWidth = 0;
    int m_nNotchWidth = 0;
    int m_nNotchHeight = 0;
    double m_dTextMarginX = 0.84;
    double m_dTextMarginY = 0.25;
    int m_nWidth = 0;
    int m_nHeight = 0;
    double m_dScaleX = 1.0;
    double m_dScaleY = 1.0;
    std::string m_strText;
    std::string m_strTitle;
    std::string m_strSpineText;
    std::string m_strImagePath;
    COLORREF m_crText = RGB(0, 0, 0);
    LOGFONT m_lfText{};
    bool m_bExtendImage = true;

private:
    void DrawSpineText(CDC& dc, int nLogPixelsY);
    void DrawNotches(CDC* pDC, const CRect& rect);
};
