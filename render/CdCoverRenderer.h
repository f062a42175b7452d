// The renderer of one side of a standard CD cover: the back tray card with its two spines,
// or the front booklet (spine width 0).
#pragma once

#include "CoverRenderer.h"

#include <string>

class CCdCoverRenderer : public CCoverRenderer
{
public:
    void DrawGuides(CDC* pDC, CRect rect, UINT nState) override;
    // Over the spines too, or between them.
    CRect PictureArea() const override;

    double m_dTextMarginX = 0.1;
    double m_dTextMarginY = 0.1;
    std::string m_strText;
    std::string m_strTitle;
    bool m_bExtendImage = true;

protected:
    void DrawSpineTexts(CDC& dc, int nLogPixelsY) override;
    void DrawTexts(CDC& dc, int nLogPixelsY) override;
};
