// What the three cover renderers share, as plain objects that need no window: a whole cover
// piece drawn at full size off screen, shrunk into the target rectangle, with guide lines
// over it. The same renderer draws the preview, a printed page and an exported one. Its owner
// fills its members before every drawing; a renderer never reads the cover record itself.
#pragma once

#include "DC.h"
#include "WinTypes.h"

#include <string>

#include "CoverDrawing.h"

class COffscreenCover;
class CPictureSource;

class CCoverRenderer
{
public:
    virtual ~CCoverRenderer() = default;

    // The common entry: fixes the font resolution on first use, then cover and guides.
    virtual void Draw(CDC* pDC, CRect rect, UINT nState, HDC hDC);
    // The whole piece at full size off screen (background, picture, spine texts, the kind's
    // texts), shrunk into the rectangle.
    void DrawCover(CDC* pDC, HDC hDC, CRect rect, UINT nState);
    virtual void DrawGuides(CDC* pDC, CRect rect, UINT nState) = 0;

    // Draws for paper: the font resolution is the screen's, given by the caller.
    void DrawForPrint(CDC* pDC, CRect rect, int nFontDpi);
    // Only the background colour and picture, no text and no guides, shrunk into the
    // rectangle: a print shop's bleed repeats the background's edges.
    void DrawBackgroundForPrint(CDC* pDC, CRect rect);

    // Where the picture goes on the full-size cover.
    virtual CRect PictureArea() const;
    // Where this drawing's pictures come from: each decoded whole for paper unless the owner
    // hands over another source (the preview's kept pictures, a PDF page's). Not owned.
    void SetPictureSource(CPictureSource* pPictures) { m_pPictures = pPictures; }

    int m_nFontDpi = -1; // pixels per inch of the text font's height; -1 until the first drawing
    COLORREF m_crBackground = RGB(255, 255, 255);
    bool m_bShowBorder = true;
    bool m_bShowSpineGuides = true;
    int m_nSpineWidth = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    double m_dScaleX = 1.0;
    double m_dScaleY = 1.0;
    std::string m_strSpineText;
    std::string m_strImagePath;
    COLORREF m_crText = RGB(0, 0, 0);
    LOGFONT m_lfText{};

    // What the last drawing of the cover could not show.
    const TextFit& Fit() const { return m_fit; }

protected:
    // The kind's steps of the drawing, in the order DrawCover takes them.
    // The background colour and the picture: by default the colour over the whole piece and
    // the picture over its area.
    virtual void PaintBackground(COffscreenCover& offscreen);
    // The spine texts, in the context's text colour; no font is selected yet.
    virtual void DrawSpineTexts(CDC& dc, int nLogPixelsY) = 0;
    // The titles, texts and listings, with the text font selected.
    virtual void DrawTexts(CDC& dc, int nLogPixelsY) = 0;

    // Stretches this side's picture over an area; false when there is none to draw.
    bool StretchPicture(CDC& dc, const CRect& area);
    // The spine text as it fits the spine's length, counted as cut when it does not.
    std::string SpineTextToFit(CDC& dc, int nLength);

    TextFit m_fit;

private:
    CPictureSource& Pictures() const;

    CPictureSource* m_pPictures = nullptr;
};
