// The renderer of the one-piece insert of a DVD case, standard or slimline: back panel on
// the left, spine in the middle, front panel on the right.
#pragma once

#include "CoverRenderer.h"

#include <string>

class CDvdCoverRenderer : public CCoverRenderer
{
public:
    void DrawGuides(CDC* pDC, CRect rect, UINT nState) override;
    void DrawCover(CDC* pDC, HDC hDC, CRect rect, UINT nState) override;

    bool m_bSlimSpineText = false; // the slimline case's spine text sits closer to its left edge
    COLORREF m_crBackground = RGB(255, 255, 255);
    bool m_bShowBorder = true;
    bool m_bShowSpineGuides = true;
    int m_nSpineWidth = 0;
    double m_dFrontTextLeft = 5.85;
    double m_dFrontTextTop = 0.25;
    double m_dBackTextLeft = 0.25;
    double m_dBackTextTop = 0.25;
    int m_nWidth = 0;
    int m_nHeight = 0;
    double m_dScaleX = 1.0;
    double m_dScaleY = 1.0;
    std::string m_strBackText;
    std::string m_strFrontText;
    std::string m_strBackTitle;
    std::string m_strFrontTitle;
    std::string m_strSpineText;
    std::string m_strImagePath;
    COLORREF m_crText = RGB(0, 0, 0);
    LOGFONT m_lfText{};

private:
    int SpineLeft() const { return m_nWidth / 2 - m_nSpineWidth / 2; }
    void DrawSpineText(CDC& dc, int nLogPixelsY);
};
