// What the standard CD and the slimline CD renderers share: a picture that runs over the
// spines or stops at them, and a title with a three-column track listing in a text area
// inset by margins.
#pragma once

#include "CoverRenderer.h"

#include <string>

class CListingCoverRenderer : public CCoverRenderer
{
public:
    double m_dTextMarginX = 0.1;
    double m_dTextMarginY = 0.1;
    std::string m_strText;
    std::string m_strTitle;
    bool m_bExtendImage = true;

protected:
    // The title and listing in the kind's text area.
    void DrawTexts(CDC& dc, int nLogPixelsY) override;
    // Where the text goes on the full-size cover, the margins taken at nLogPixelsY.
    virtual CRect TextArea(int nLogPixelsY) const = 0;
};
