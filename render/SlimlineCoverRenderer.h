// The renderer of the one-piece insert of a slimline CD case: from left to right a folded
// flap, the spine and the cover panel, with two corner notches cut from the left edge.
#pragma once

#include "ListingCoverRenderer.h"

class CSlimlineCoverRenderer : public CListingCoverRenderer
{
public:
    CSlimlineCoverRenderer();

    void DrawGuides(CDC* pDC, CRect rect, UINT nState) override;
    // Over the flap and spine too, or over the cover panel only.
    CRect PictureArea() const override;

    int m_nFlapWidth = 0;
    int m_nNotchWidth = 0;
    int m_nNotchHeight = 0;

protected:
    // Along the spine, clipped to it.
    void DrawSpineTexts(CDC& dc, int nLogPixelsY) override;
    // On the cover panel: the left margin already clears the flap and the spine.
    CRect TextArea(int nLogPixelsY) const override;

private:
    void DrawNotches(CDC* pDC, const CRect& rect);
};
