// The renderer of one side of a standard CD cover: the back tray card with its two spines,
// or the front booklet (spine width 0).
#pragma once

#include "ListingCoverRenderer.h"

class CCdCoverRenderer : public CListingCoverRenderer
{
public:
    void DrawGuides(CDC* pDC, CRect rect, UINT nState) override;
    // Over the spines too, or between them.
    CRect PictureArea() const override;

protected:
    // Along both spines.
    void DrawSpineTexts(CDC& dc, int nLogPixelsY) override;
    // Between the spines, inset by the margins.
    CRect TextArea(int nLogPixelsY) const override;
};
