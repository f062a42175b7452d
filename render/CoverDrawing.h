// Drawing steps the cover renderers share: the off-screen full-size image, fonts made
// for the target's resolution, the three-column track listing, and the shrink into the
// target rectangle.
#pragma once

#include "DC.h"

#include <string>

class QPainter;

// An off-screen context holding a full-size image of width × height pixels made for the
// target, in COLORONCOLOR stretch mode. Given a rectangle of the target to draw straight
// into (a PDF page at full size), it holds no image: it draws on the target's painter,
// moved to the rectangle and clipped to width × height, and shrinking only ends that.
class COffscreenCover
{
public:
    COffscreenCover(CDC* pTarget, int nWidth, int nHeight, const CRect* pStraightInto = nullptr);
    ~COffscreenCover();
    COffscreenCover(const COffscreenCover&) = delete;
    COffscreenCover& operator=(const COffscreenCover&) = delete;

    CDC& DC() { return m_dc; }
    void Fill(COLORREF cr);
    // Shrinks the image into the top-left R width × R height of itself and copies that
    // part to R on the target.
    void ShrinkOnto(CDC* pTarget, const CRect& rect);

private:
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    int m_nWidth;
    int m_nHeight;
    QPainter* m_pStraight = nullptr; // the target's painter while drawing straight onto it
};

// A font made from a LOGFONT, selected into a context for one drawing step and taken out
// again afterwards; the text colour is set again with it, as every font change here does.
class CSelectedFont
{
public:
    CSelectedFont(CDC& dc, const LOGFONT& lf, COLORREF crText);
    ~CSelectedFont();
    CSelectedFont(const CSelectedFont&) = delete;
    CSelectedFont& operator=(const CSelectedFont&) = delete;

private:
    CDC& m_dc;
    CFont m_font;
    CFont* m_pOldFont;
};

// The stored font at a fixed point size for the target (the spine fonts): weight 400,
// upright, with the escapement given.
LOGFONT SpineFont(const LOGFONT& lfText, int nPoints, int nLogPixelsY, LONG lEscapement);
// The stored font at the target's resolution: its point size is taken from its height at
// nFontDpi (truncated), and that size is made again in the target's pixels.
LOGFONT TextFontForTarget(const LOGFONT& lfText, int nFontDpi, int nLogPixelsY);

// What a drawing could not show: rows of a listing below the piece, titles cut at the length
// column or the edge, lines of text below the piece, other texts cut at the edge (a line of
// cover text, a spine text). Nothing that is not shown is drawn: a PDF holds no hidden text.
struct TextFit
{
    int nRowsHidden = 0; // rows holding a title or a length
    int nTitlesCut = 0;
    int nLinesHidden = 0;
    int nTextsCut = 0;
    int nSpinesCut = 0;
    bool Fits() const { return nRowsHidden + nTitlesCut + nLinesHidden + nTextsCut + nSpinesCut == 0; }
};

// The text as it fits nWidth pixels in the context's font: whole, or cut with an ellipsis
// (*pCut then true).
std::string TextToFit(CDC& dc, const std::string& strText, int nWidth, bool* pCut);

// The title and three-column track listing in the text rectangle: the title on top
// (pushing the listing down by one line of "A" when it is not empty), then a row a line:
// the number at the left, the title a space's width after the widest number and ending a
// space before the widest length (cut with an ellipsis where it would run on), the length
// right-aligned. The context's text font must be selected; what does not fit is counted.
void DrawTrackListing(CDC& dc, const std::string& strTitle, const std::string& strText, CRect rect,
                      TextFit* pFit = nullptr);

// Draws a text in the rectangle after its title, as the DVD panels show them.
void DrawTitledText(CDC& dc, const std::string& strTitle, const std::string& strText, CRect rect,
                    TextFit* pFit = nullptr);
