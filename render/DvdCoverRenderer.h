// The renderer of the one-piece insert of a DVD case, standard or slimline: back panel on
// the left, spine in the middle, front panel on the right.
#pragma once

#include "CoverRenderer.h"

#include <string>

class CDvdCoverRenderer : public CCoverRenderer
{
public:
    void DrawGuides(CDC* pDC, CRect rect, UINT nState) override;

    std::string m_strBackText;
    std::string m_strFrontText;
    std::string m_strBackTitle;
    std::string m_strFrontTitle;
    bool m_bSlimSpineText = false; // the slimline case's spine text sits closer to its left edge
    // Where each panel's text starts, in inches from the insert's top left corner.
    double m_dFrontTextLeft = 5.85;
    double m_dFrontTextTop = 0.25;
    double m_dBackTextLeft = 0.25;
    double m_dBackTextTop = 0.25;

protected:
    // A picture covers the whole insert, spine included; the colour shows only without one.
    void PaintBackground(COffscreenCover& offscreen) override;
    void DrawSpineTexts(CDC& dc, int nLogPixelsY) override;
    void DrawTexts(CDC& dc, int nLogPixelsY) override;

private:
    int SpineLeft() const { return m_nWidth / 2 - m_nSpineWidth / 2; }
};
