// What the three cover renderers share: an owner-drawn button that draws a whole cover
// piece at full size off screen, shrinks it into its rectangle and draws guide lines over
// it. Its owner fills the renderer's members before every drawing; a renderer never
// reads the cover record itself.
#pragma once

#include "OwnerDrawButton.h"

class CCoverButton : public COwnerDrawButton
{
    Q_OBJECT

public:
    explicit CCoverButton(QWidget* pParent = nullptr);

    // Owner-drawn and notifying, keeping the low eight style bits.
    void PreSubclassWindow() override;
    // Every paint draws the cover of that moment: the owner is first asked to copy the
    // cover into this renderer (FillRequested, answered before it returns), then it draws.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    virtual void DrawGuides(CDC* pDC, CRect rect, UINT nState) = 0;
    virtual void DrawCover(CDC* pDC, HDC hDC, CRect rect, UINT nState) = 0;
    // The common entry: fixes the font resolution on first use, then cover and guides.
    virtual void Draw(CDC* pDC, CRect rect, UINT nState, HDC hDC);

    // Draws for paper: the font resolution is the screen's, given by the caller.
    void DrawForPrint(CDC* pDC, CRect rect, int nFontDpi);

    int m_nFontDpi = -1; // pixels per inch of the text font's height; -1 until the first drawing

signals:
    // Sent at the start of every paint: the owner fills the renderer with the cover of the
    // moment through a direct connection, so the drawing that follows is never stale.
    void FillRequested();
};
