// What the three cover renderers share, as plain objects that need no window: a whole cover
// piece drawn at full size off screen, shrunk into the target rectangle, with guide lines
// over it. The same renderer draws the preview, a printed page and an exported one. Its owner
// fills its members before every drawing; a renderer never reads the cover record itself.
#pragma once

#include "CoverPicture.h"
#include "DC.h"
#include "WinTypes.h"

#include <string>

class CPagePictures;

class CCoverRenderer
{
public:
    virtual ~CCoverRenderer() = default;

    virtual void DrawGuides(CDC* pDC, CRect rect, UINT nState) = 0;
    virtual void DrawCover(CDC* pDC, HDC hDC, CRect rect, UINT nState) = 0;
    // The common entry: fixes the font resolution on first use, then cover and guides.
    virtual void Draw(CDC* pDC, CRect rect, UINT nState, HDC hDC);

    // Draws for paper: the font resolution is the screen's, given by the caller.
    void DrawForPrint(CDC* pDC, CRect rect, int nFontDpi);

    int m_nFontDpi = -1; // pixels per inch of the text font's height; -1 until the first drawing
    // Drawing the preview on screen: the background picture is the screen-sized copy the
    // preview cache keeps, rather than the whole picture decoded again (which paper gets).
    bool m_bPreview = false;
    // Drawing a PDF page that keeps vectors: the cover is drawn straight onto the page (text
    // as text, lines as lines) and its picture comes from the page's pictures. Null for a
    // bitmap drawn off screen, as for the screen and printers.
    CPagePictures* m_pPagePictures = nullptr;
    // Only the background colour and picture, no text: a print shop's bleed repeats the
    // background's edges.
    bool m_bBackgroundOnly = false;

protected:
    // The picture as this drawing takes it: the preview's kept copy, the page's, or the
    // whole picture decoded for paper.
    CCoverPicture PictureFor(const std::string& strPath, double dScaleX, double dScaleY) const;
};
