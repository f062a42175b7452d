#include "ListingCoverRenderer.h"

#include "CoverDrawing.h"

void CListingCoverRenderer::DrawTexts(CDC& dc, int nLogPixelsY)
{
    DrawTrackListing(dc, m_strTitle, m_strText, TextArea(nLogPixelsY), &m_fit);
}
