#include "OffscreenDC.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

// A window on a scaled screen: its painter draws in logical pixels onto a backing store of
// device pixels, which Qt already composes off screen. A bitmap of logical pixels copied
// there would be enlarged and blur the text.
bool IsScaledScreen(const CDC* pDC)
{
    const QPainter* painter = pDC->Painter();
    return painter && painter->device() && painter->device()->devType() == QInternal::Widget &&
           painter->device()->devicePixelRatioF() > 1.0;
}

} // namespace

COffscreenDC::COffscreenDC(CDC* pDC, const RECT* pRect)
    : m_pDC(pDC), m_bMemDC(pDC && !pDC->IsPrinting() && !IsScaledScreen(pDC))
{
    if (!pDC)
        return;
    m_rect = pRect ? CRect(*pRect) : CRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    if (!m_bMemDC) {
        // The printer's (or scaled window's) own painter, shared: the target's colours and
        // modes carry over, and the painter is left running when this context goes.
        AttachPainter(pDC->Painter());
        SetPrinting(pDC->IsPrinting());
        SetBkColor(pDC->GetBkColor());
        SetTextColor(pDC->GetTextColor());
        SetBkMode(pDC->GetBkMode());
        return;
    }
    CreateCompatibleDC(pDC);
    // CDC keeps GDI's text mapping mode, one logical unit a device pixel, so the rectangle
    // needs no conversion to device units and there are no extents to copy.
    m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
    m_pOldBitmap = SelectObject(&m_bitmap);
    // The window origin: the rectangle's top-left falls on the bitmap's first pixel.
    if (Painter())
        Painter()->translate(-m_rect.left, -m_rect.top);
}

COffscreenDC::~COffscreenDC()
{
    if (!m_bMemDC)
        return;
    // A source context is read in device units, where the rectangle starts at (0, 0).
    m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, 0, 0, SRCCOPY);
    SelectObject(m_pOldBitmap);
}
