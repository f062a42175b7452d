// The renderer of the one-piece insert of a slimline CD case: from left to right a folded
// flap, the spine and the cover panel, with two corner notches cut from the left edge.
#pragma once

#include "CoverRenderer.h"

#include <string>

class CSlimlineCoverRenderer : public CCoverRenderer
{
public:
    void DrawGuides(CDC* pDC, CRect rect, UINT nState) override;
    // Over the flap and spine too, or over the cover panel only.
    CRect PictureArea() const override;

    int m_nFlapWidth = 0;
    int m_nNotchWidth = 0;
    int m_nNotchHeight = 0;
    double m_dTextMarginX = 0.84;
    double m_dTextMarginY = 0.25;
    std::string m_strText;
    std::string m_strTitle;
    bool m_bExtendImage = true;

protected:
    void DrawSpineTexts(CDC& dc, int nLogPixelsY) override;
    void DrawTexts(CDC& dc, int nLogPixelsY) override;

private:
    void DrawNotches(CDC* pDC, const CRect& rect);
};
