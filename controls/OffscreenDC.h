// A memory device context that composes a drawing off screen and copies it to its target
// in one transfer when it goes out of scope, so that a control never flickers. On a
// printer there is nothing to flicker and no pixels to copy back: drawing goes straight to
// the printer's context. So it does on a window of a scaled screen, whose painter Qt
// already buffers at the screen's own resolution.
#pragma once

#include "DC.h"

class COffscreenDC : public CDC
{
public:
    // Composes the rectangle pRect of pDC (the whole device when null); drawing coordinates
    // stay those of the target.
    explicit COffscreenDC(CDC* pDC, const RECT* pRect = nullptr);
    ~COffscreenDC() override;

private:
    CDC* m_pDC;
    CRect m_rect;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    bool m_bMemDC;
};
