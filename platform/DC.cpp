#include "DC.h"

#include "Dib.h"
#include "QtConvert.h"
#include "Stretch.h"

#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Whether the painter draws a bitmap smaller than its units (a printer alignment below
// 100 %): a line one unit wide could then fall between the pixels' centres and vanish.
bool ShrinksOnBitmap(const QPainter& painter)
{
    const QTransform transform = painter.combinedTransform();
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster &&
           transform.type() <= QTransform::TxScale && (transform.m11() < 1.0 || transform.m22() < 1.0);
}

// The device pixels a fill of a rectangle covers (those whose centres lie inside it), at
// least one each way.
QRect AtLeastOnePixel(const QRectF& rect)
{
    const int left = static_cast<int>(std::ceil(rect.left() - 0.5));
    const int top = static_cast<int>(std::ceil(rect.top() - 0.5));
    const int right = std::max(left + 1, static_cast<int>(std::ceil(rect.right() - 0.5)));
    const int bottom = std::max(top + 1, static_cast<int>(std::ceil(rect.bottom() - 0.5)));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

int ScreenLogPixels(bool vertical)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return kScreenDpi;
    return qRound(vertical ? screen->logicalDotsPerInchY() : screen->logicalDotsPerInchX());
}

// Raster operations other than a plain copy exist only on raster devices.
bool SetRopMode(QPainter* painter, DWORD dwRop)
{
    QPainter::CompositionMode mode;
    switch (dwRop) {
    case SRCCOPY:
    case PATCOPY:
    case BLACKNESS:
    case WHITENESS:
        return true;
    case SRCAND:
        mode = QPainter::RasterOp_SourceAndDestination;
        break;
    case SRCPAINT:
        mode = QPainter::RasterOp_SourceOrDestination;
        break;
    case SRCINVERT:
    case PATINVERT:
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case NOTSRCCOPY:
        mode = QPainter::RasterOp_NotSource;
        break;
    case DSTINVERT:
        mode = QPainter::RasterOp_NotDestination;
        break;
    default:
        return false;
    }
    const QPaintEngine* engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return false;
    painter->setCompositionMode(mode);
    return true;
}

bool UsesSource(DWORD dwRop)
{
    return dwRop == SRCCOPY || dwRop == SRCAND || dwRop == SRCPAINT || dwRop == SRCINVERT ||
           dwRop == NOTSRCCOPY;
}

// A source or destination extent may be negative, which mirrors the copy. Returns the
// rectangle with positive extents.
QRect PositiveRect(int x, int y, int width, int height)
{
    if (width < 0) {
        x += width;
        width = -width;
    }
    if (height < 0) {
        y += height;
        height = -height;
    }
    return QRect(x, y, width, height);
}

} // namespace

CDC::CDC()
{
    ResetState();
    m_nLogPixelsX = ScreenLogPixels(false);
    m_nLogPixelsY = ScreenLogPixels(true);
}

CDC::~CDC()
{
    DeleteDC();
}

void CDC::ResetState()
{
    m_pFont = nullptr;
    m_pBrush = nullptr;
    m_pPen = nullptr;
    m_lfFont = LOGFONT{};
    m_brush.CreateSolidBrush(RGB(255, 255, 255)); // GDI's default brush is the white stock brush
    m_pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_nStretchMode = BLACKONWHITE;
    m_nBkMode = OPAQUE;
    m_crBk = RGB(255, 255, 255);
    m_crText = RGB(0, 0, 0);
}

void CDC::EndOwnPainter()
{
    if (m_pOwnPainter && m_pOwnPainter->isActive())
        m_pOwnPainter->end();
    m_pOwnPainter.reset();
    m_pPainter = nullptr;
}

bool CDC::Attach(QPaintDevice* pDevice)
{
    DeleteDC();
    if (!pDevice)
        return false;
    m_pOwnPainter = std::make_unique<QPainter>();
    if (!m_pOwnPainter->begin(pDevice)) {
        m_pOwnPainter.reset();
        return false;
    }
    return AttachPainter(m_pOwnPainter.get());
}

bool CDC::AttachPainter(QPainter* pPainter)
{
    if (!pPainter || !pPainter->isActive())
        return false;
    m_pPainter = pPainter;
    m_pDevice = pPainter->device();
    m_nLogPixelsX = m_pDevice->logicalDpiX();
    m_nLogPixelsY = m_pDevice->logicalDpiY();
    m_pImage = m_pDevice->devType() == QInternal::Image ? static_cast<QImage*>(m_pDevice) : nullptr;
    m_bPrinting = m_pDevice->devType() == QInternal::Printer;
    return true;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    DeleteDC();
    m_bMemoryDC = true;
    m_nLogPixelsX = pDC ? pDC->GetDeviceCaps(LOGPIXELSX) : ScreenLogPixels(false);
    m_nLogPixelsY = pDC ? pDC->GetDeviceCaps(LOGPIXELSY) : ScreenLogPixels(true);
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    const bool had = m_pPainter != nullptr || m_bMemoryDC;
    if (m_pBitmap) {
        m_pBitmap->m_pSelectedInto = nullptr;
        m_pBitmap = nullptr;
    }
    EndOwnPainter();
    m_pDevice = nullptr;
    m_pImage = nullptr;
    m_bMemoryDC = false;
    m_bPrinting = false;
    ResetState();
    return had;
}

bool CDC::BeginOnImage(QImage* pImage)
{
    m_pOwnPainter = std::make_unique<QPainter>();
    if (!m_pOwnPainter->begin(pImage)) {
        m_pOwnPainter.reset();
        return false;
    }
    m_pPainter = m_pOwnPainter.get();
    m_pDevice = pImage;
    m_pImage = pImage;
    return true;
}

// True when pixels may be written into the image directly instead of through the painter:
// no clipping or transformation is in force that the painter would apply.
bool CDC::DrawsStraightOnImage() const
{
    return m_pImage && m_pPainter && !m_pPainter->hasClipping() && m_pPainter->transform().isIdentity() &&
           m_pImage->format() == QImage::Format_RGB32;
}

const QImage* CDC::ReadableImage() const
{
    return m_pImage;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    switch (nIndex) {
    case LOGPIXELSX:
        return m_nLogPixelsX;
    case LOGPIXELSY:
        return m_nLogPixelsY;
    case HORZRES:
        return m_pDevice ? m_pDevice->width() : 1;
    case VERTRES:
        return m_pDevice ? m_pDevice->height() : 1;
    default:
        return 0;
    }
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    if (!m_bMemoryDC)
        return nullptr; // only memory contexts take bitmaps
    if (pBitmap && pBitmap->m_pSelectedInto && pBitmap->m_pSelectedInto != this)
        return nullptr; // a bitmap is selected into one context at a time
    CBitmap* previous = m_pBitmap;
    EndOwnPainter();
    m_pDevice = nullptr;
    m_pImage = nullptr;
    if (previous)
        previous->m_pSelectedInto = nullptr;
    m_pBitmap = pBitmap;
    if (pBitmap && pBitmap->IsCreated()) {
        pBitmap->m_pSelectedInto = this;
        BeginOnImage(&pBitmap->Image());
    }
    return previous;
}

CFont* CDC::SelectObject(CFont* pFont)
{
    CFont* previous = m_pFont;
    m_pFont = pFont;
    m_lfFont = pFont && pFont->IsCreated() ? pFont->LogFont() : LOGFONT{};
    return previous;
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    CBrush* previous = m_pBrush;
    m_pBrush = pBrush;
    if (pBrush && pBrush->IsCreated())
        m_brush = *pBrush;
    else
        m_brush.CreateSolidBrush(RGB(255, 255, 255));
    return previous;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    CPen* previous = m_pPen;
    m_pPen = pPen;
    if (pPen && pPen->IsCreated())
        m_pen = *pPen;
    else
        m_pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    return previous;
}

void CDC::SelectStockObject(int nIndex)
{
    switch (nIndex) {
    case WHITE_BRUSH:
        m_brush.CreateSolidBrush(RGB(255, 255, 255));
        break;
    case LTGRAY_BRUSH:
        m_brush.CreateSolidBrush(RGB(192, 192, 192));
        break;
    case GRAY_BRUSH:
        m_brush.CreateSolidBrush(RGB(128, 128, 128));
        break;
    case DKGRAY_BRUSH:
        m_brush.CreateSolidBrush(RGB(64, 64, 64));
        break;
    case BLACK_BRUSH:
        m_brush.CreateSolidBrush(RGB(0, 0, 0));
        break;
    case NULL_BRUSH:
        m_brush.CreateNullBrush();
        break;
    case WHITE_PEN:
        m_pen.CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
        m_pPen = nullptr;
        return;
    case BLACK_PEN:
        m_pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        m_pPen = nullptr;
        return;
    case NULL_PEN:
        m_pen.CreatePen(PS_NULL, 1, 0);
        m_pPen = nullptr;
        return;
    default:
        return;
    }
    m_pBrush = nullptr;
}

int CDC::SetStretchBltMode(int nMode)
{
    const int previous = m_nStretchMode;
    m_nStretchMode = nMode;
    return previous;
}

int CDC::SetBkMode(int nMode)
{
    const int previous = m_nBkMode;
    m_nBkMode = nMode;
    return previous;
}

COLORREF CDC::SetBkColor(COLORREF cr)
{
    const COLORREF previous = m_crBk;
    m_crBk = cr;
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF cr)
{
    const COLORREF previous = m_crText;
    m_crText = cr;
    return previous;
}

void CDC::FillDeviceRect(const QRect& rect, COLORREF cr, DWORD dwRop)
{
    if (!CanDraw() || rect.isEmpty())
        return;
    m_pPainter->save();
    if (dwRop == BLACKNESS)
        cr = RGB(0, 0, 0);
    else if (dwRop == WHITENESS)
        cr = RGB(255, 255, 255);
    if (SetRopMode(m_pPainter, dwRop)) {
        if (ShrinksOnBitmap(*m_pPainter)) {
            const QRect pixels = AtLeastOnePixel(m_pPainter->combinedTransform().mapRect(QRectF(rect)));
            m_pPainter->resetTransform();
            m_pPainter->fillRect(pixels, ToQColor(cr));
        } else {
            m_pPainter->fillRect(rect, ToQColor(cr));
        }
    }
    m_pPainter->restore();
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    if (!CanDraw())
        return FALSE;
    const QRect rect = PositiveRect(x, y, nWidth, nHeight);
    const bool usesBrush = dwRop == PATCOPY || dwRop == PATINVERT;
    if (usesBrush && m_brush.IsNull())
        return TRUE; // a hollow brush paints nothing
    FillDeviceRect(rect, m_brush.GetColor(), dwRop);
    return TRUE;
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (!lpRect || !pBrush || !pBrush->IsCreated() || pBrush->IsNull())
        return;
    FillDeviceRect(ToQRect(*lpRect), pBrush->GetColor(), PATCOPY);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF cr)
{
    if (!lpRect)
        return;
    // The class library fills through the background colour and leaves it set.
    m_crBk = cr;
    FillDeviceRect(ToQRect(*lpRect), cr, PATCOPY);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF cr)
{
    m_crBk = cr;
    FillDeviceRect(PositiveRect(x, y, cx, cy), cr, PATCOPY);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    if (!CanDraw())
        return FALSE;
    CRect rc(x1, y1, x2, y2);
    rc.NormalizeRect();
    if (rc.Width() == 0 || rc.Height() == 0)
        return TRUE;
    if (m_pen.IsNull()) {
        // Without an outline the filled area is one pixel smaller each way.
        if (!m_brush.IsNull())
            FillDeviceRect(QRect(rc.left, rc.top, rc.Width() - 1, rc.Height() - 1), m_brush.GetColor(),
                           PATCOPY);
        return TRUE;
    }
    const int w = m_pen.GetWidth();
    if (!m_brush.IsNull() && rc.Width() > 2 && rc.Height() > 2)
        FillDeviceRect(QRect(rc.left + 1, rc.top + 1, rc.Width() - 2, rc.Height() - 2), m_brush.GetColor(),
                       PATCOPY);
    // The outline runs along left, right - 1, top and bottom - 1; a wider pen is centred on them.
    const int inset = (w - 1) / 2;
    const COLORREF cr = m_pen.GetColor();
    const int outerLeft = rc.left - inset;
    const int outerTop = rc.top - inset;
    const int outerWidth = rc.Width() - 1 + w;
    const int outerHeight = rc.Height() - 1 + w;
    FillDeviceRect(QRect(outerLeft, outerTop, outerWidth, w), cr, PATCOPY);
    FillDeviceRect(QRect(outerLeft, rc.bottom - 1 - inset, outerWidth, w), cr, PATCOPY);
    FillDeviceRect(QRect(outerLeft, outerTop, w, outerHeight), cr, PATCOPY);
    FillDeviceRect(QRect(rc.right - 1 - inset, outerTop, w, outerHeight), cr, PATCOPY);
    return TRUE;
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return lpRect ? Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : FALSE;
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    if (!lpRect || !CanDraw())
        return;
    CRect rc(*lpRect);
    rc.NormalizeRect();
    const int right = rc.right - 1;
    const int bottom = rc.bottom - 1;
    for (int x = rc.left; x <= right; x += 2) {
        FillDeviceRect(QRect(x, rc.top, 1, 1), m_crText, PATCOPY);
        FillDeviceRect(QRect(x, bottom, 1, 1), m_crText, PATCOPY);
    }
    for (int y = rc.top; y <= bottom; y += 2) {
        FillDeviceRect(QRect(rc.left, y, 1, 1), m_crText, PATCOPY);
        FillDeviceRect(QRect(right, y, 1, 1), m_crText, PATCOPY);
    }
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF crTopLeft, COLORREF crBottomRight)
{
    if (!lpRect)
        return;
    const int x = lpRect->left;
    const int y = lpRect->top;
    const int cx = lpRect->right - lpRect->left;
    const int cy = lpRect->bottom - lpRect->top;
    FillSolidRect(x, y, cx - 1, 1, crTopLeft);
    FillSolidRect(x, y, 1, cy - 1, crTopLeft);
    FillSolidRect(x + cx, y, -1, cy, crBottomRight);
    FillSolidRect(x, y + cy, cx, -1, crBottomRight);
}

QImage CDC::SourcePixels(const QRect& srcRect, bool bMayShare) const
{
    const QImage* image = ReadableImage();
    if (!image || image->isNull())
        return QImage();
    // Another context's whole image is shared rather than copied, as it is only read; a
    // context copying onto itself always works from a copy.
    if (bMayShare && srcRect == image->rect())
        return *image;
    return image->copy(srcRect);
}

void CDC::DrawStretched(const QImage& source, const QRect& destRect, DWORD dwRop)
{
    if (!CanDraw() || source.isNull())
        return;
    m_pPainter->save();
    m_pPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (SetRopMode(m_pPainter, dwRop))
        m_pPainter->drawImage(destRect.topLeft(), source);
    m_pPainter->restore();
}

int CDC::StretchDIBits(int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                       int nSrcWidth, int nSrcHeight, const void* lpBits, const BITMAPINFO* lpbmi,
                       UINT iUsage, DWORD dwRop)
{
    if (!CanDraw() || !lpbmi || nDestWidth == 0 || nDestHeight == 0 || nSrcWidth == 0 || nSrcHeight == 0)
        return 0;
    // The source rectangle of a bottom-up DIB is measured from its bottom row.
    QRect src = PositiveRect(xSrc, ySrc, nSrcWidth, nSrcHeight);
    const LONG dibHeight = lpbmi->bmiHeader.biHeight;
    if (dibHeight > 0)
        src.moveTop(dibHeight - src.top() - src.height());
    const bool mirrorX = (nDestWidth < 0) != (nSrcWidth < 0);
    const bool mirrorY = (nDestHeight < 0) != (nSrcHeight < 0);
    const QRect dest = PositiveRect(xDest, yDest, nDestWidth, nDestHeight);
    if (m_nStretchMode != HALFTONE && !mirrorX && !mirrorY && dwRop == SRCCOPY && DrawsStraightOnImage() &&
        DibSampleInto(lpbmi, lpBits, iUsage, src, *m_pImage, dest))
        return std::abs(nSrcHeight);
    QImage pixels;
    if (m_nStretchMode != HALFTONE)
        // Only the pixels that survive the stretch are read: a photo shown small costs little.
        pixels = DibToImageSampled(lpbmi, lpBits, iUsage, src, dest.width(), dest.height());
    if (pixels.isNull()) {
        const QImage dib = DibToImage(lpbmi, lpBits, iUsage);
        if (dib.isNull())
            return 0;
        pixels = StretchPixels(src == dib.rect() ? dib : dib.copy(src), dest.width(), dest.height(),
                               m_nStretchMode);
    }
    if (mirrorX || mirrorY)
        pixels = pixels.mirrored(mirrorX, mirrorY);
    DrawStretched(pixels, dest, dwRop);
    return std::abs(nSrcHeight);
}

BOOL CDC::DrawPicture(const CRect& rect, const QImage& picture, const QTransform& upright)
{
    if (!CanDraw() || picture.isNull() || rect.Width() <= 0 || rect.Height() <= 0)
        return FALSE;
    m_pPainter->save();
    m_pPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_pPainter->setRenderHint(QPainter::LosslessImageRendering, true);
    // A PDF viewer paints every pixel an image touches, and the page's position is a sum of
    // floating numbers: clipped a hair inside its rectangle, the picture cannot spill one
    // pixel past an edge that lies exactly on a pixel boundary.
    const QRectF place(rect.left, rect.top, rect.Width(), rect.Height());
    constexpr qreal kHair = 0.05;
    m_pPainter->setClipRect(place.adjusted(kHair, kHair, -kHair, -kHair),
                            m_pPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    if (upright.isIdentity()) {
        m_pPainter->drawImage(place, picture);
    } else {
        m_pPainter->translate(place.topLeft());
        m_pPainter->scale(place.width(), place.height());
        m_pPainter->setTransform(upright, true);
        m_pPainter->drawImage(QRectF(0, 0, 1, 1), picture);
    }
    m_pPainter->restore();
    return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    if (!CanDraw())
        return FALSE;
    if (!UsesSource(dwRop))
        return PatBlt(x, y, nWidth, nHeight, dwRop);
    if (!pSrcDC || nWidth <= 0 || nHeight <= 0)
        return FALSE;
    const QImage pixels = pSrcDC->SourcePixels(QRect(xSrc, ySrc, nWidth, nHeight), pSrcDC != this);
    if (pixels.isNull())
        return FALSE;
    DrawStretched(pixels, QRect(x, y, nWidth, nHeight), dwRop);
    return TRUE;
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    if (!CanDraw())
        return FALSE;
    if (!UsesSource(dwRop))
        return PatBlt(x, y, nWidth, nHeight, dwRop);
    if (!pSrcDC || nWidth == 0 || nHeight == 0 || nSrcWidth == 0 || nSrcHeight == 0)
        return FALSE;
    if (pSrcDC == this && dwRop == SRCCOPY && x == xSrc && y == ySrc && nWidth == nSrcWidth &&
        nHeight == nSrcHeight)
        return TRUE; // copying pixels onto themselves changes nothing
    const QImage pixels =
        pSrcDC->SourcePixels(PositiveRect(xSrc, ySrc, nSrcWidth, nSrcHeight), pSrcDC != this);
    if (pixels.isNull())
        return FALSE;
    const bool mirrorX = (nWidth < 0) != (nSrcWidth < 0);
    const bool mirrorY = (nHeight < 0) != (nSrcHeight < 0);
    const QRect dest = PositiveRect(x, y, nWidth, nHeight);
    DrawStretched(StretchPixels(pixels, mirrorX ? -dest.width() : dest.width(),
                                mirrorY ? -dest.height() : dest.height(), m_nStretchMode),
                  dest, dwRop);
    return TRUE;
}
