// The renderer of one side of a standard CD cover: the back tray card with its two spines,
// or the front booklet (spine width 0).
#pragma once

#include "CoverRenderer.h"

#include <string>

class CCdCoverRenderer : public CCoverRenderer
{
public:
    void DrawGuides(CDC* pDC, CRect rect, UINT nState) override;
    void DrawCover(CDC* pDC, HDC hDC, CRect rect, UINT nState) override;
    // Starts decoding the picture for this side's preview ahead of its first showing.
    void PreparePreviewPicture() const;

    COLORREF m_crBackground = RGB(255, 255, 255);
    bool m_bShowBorder = true;
    bool m_bShowSpineGuides = true;
    int m_nSpineWidth = 0;
    double m_dTextMarginX = 0.1;
    double m_dTextMarginY = 0.1;
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
    // Where the picture goes on the full-size cover: over the spines too, or between them.
    CRect PictureArea() const;
    void DrawSpineTexts(CDC& dc, int nLogPixelsY);
};
