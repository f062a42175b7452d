// A device context: GDI's drawing interface with its exact semantics, over QPainter.
// The same CDC draws on a widget (the screen), a QImage (memory bitmaps, tests, exports)
// and a QPrinter (paper). Pixel-exact facts the program relies on are kept here:
// Rectangle excludes its right and bottom edge, escapement rotates text around the top-left
// of its cell, COLORONCOLOR stretching drops or repeats pixels.
#pragma once

#include "GdiObjects.h"
#include "Rect.h"
#include "WinTypes.h"

#include <QImage>
#include <QTransform>
#include <memory>
#include <string>

class QPainter;
class QPaintDevice;
class QPrinter;
class CDC;

// The raw device-context handle of the class library is the context itself.
typedef CDC* HDC;

struct TEXTMETRIC
{
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
};

class CDC
{
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Draws on a device with a painter of its own (a widget inside its paint event, a
    // QImage, or a printer whose page the caller manages).
    bool Attach(QPaintDevice* pDevice);
    // Draws through a painter that is already active on its device.
    bool AttachPainter(QPainter* pPainter);
    // A memory context with the resolution of pDC (the screen when null); it draws once a
    // bitmap is selected into it.
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();
    HDC GetSafeHdc() { return this; }

    bool IsPrinting() const { return m_bPrinting; }
    void SetPrinting(bool bPrinting) { m_bPrinting = bPrinting; }
    int GetDeviceCaps(int nIndex) const;

    CBitmap* SelectObject(CBitmap* pBitmap);
    CFont* SelectObject(CFont* pFont);
    CBrush* SelectObject(CBrush* pBrush);
    CPen* SelectObject(CPen* pPen);
    // Selects a stock brush or pen (NULL_BRUSH, WHITE_BRUSH, BLACK_PEN, NULL_PEN, ...).
    void SelectStockObject(int nIndex);

    int SetStretchBltMode(int nMode);
    int SetBkMode(int nMode);
    int GetBkMode() const { return m_nBkMode; }
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const { return m_crBk; }
    COLORREF SetTextColor(COLORREF cr);
    COLORREF GetTextColor() const { return m_crText; }

    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    void FillSolidRect(LPCRECT lpRect, COLORREF cr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF cr);
    // Outlines with the current pen and fills with the current brush, covering x from
    // left to right - 1 and y from top to bottom - 1 after ordering the corners.
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    // A 3D frame one pixel wide: top and left in one colour, bottom and right in the other.
    void Draw3dRect(LPCRECT lpRect, COLORREF crTopLeft, COLORREF crBottomRight);
    // The keyboard focus cue: a dotted frame, every other pixel, along left to right - 1
    // and top to bottom - 1, in the text colour.
    void DrawFocusRect(LPCRECT lpRect);

    int StretchDIBits(int xDest, int yDest, int nDestWidth, int nDestHeight, int xSrc, int ySrc,
                      int nSrcWidth, int nSrcHeight, const void* lpBits, const BITMAPINFO* lpbmi, UINT iUsage,
                      DWORD dwRop);
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop);

    CSize GetTextExtent(const std::string& text) const;
    BOOL GetTextExtentPoint32(const char* lpString, int c, SIZE* lpSize) const;
    BOOL GetTextMetrics(TEXTMETRIC* lptm) const;
    // Draws text with its reference point, the top-left of the text cell, at (x, y),
    // rotated by the font's escapement; ETO_CLIPPED clips to lpRect, ETO_OPAQUE fills it.
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const std::string& text,
                    const int* lpDxWidths = nullptr);
    int DrawText(const std::string& text, LPRECT lpRect, UINT nFormat);

    // The device and painter underneath, for code that must reach Qt directly.
    QPaintDevice* Device() const { return m_pDevice; }
    QPainter* Painter() const { return m_pPainter; }
    // The pixels of a context that can be read: a memory context's bitmap or an attached image.
    const QImage* ReadableImage() const;
    // Draws a picture stretched over a rectangle by the device itself, not resampled first:
    // a PDF page keeps the picture at its own resolution, exactly (no JPEG compression).
    // upright maps the picture, as the unit square, onto the rectangle as the unit square:
    // a picture stored on its side is placed turned.
    BOOL DrawPicture(const CRect& rect, const QImage& picture, const QTransform& upright = QTransform());

private:
    void ResetState();
    void EndOwnPainter();
    bool BeginOnImage(QImage* pImage);
    bool CanDraw() const { return m_pPainter != nullptr; }
    bool DrawsStraightOnImage() const;
    void FillDeviceRect(const QRect& rect, COLORREF cr, DWORD dwRop);
    QImage SourcePixels(const QRect& srcRect, bool bMayShare) const;
    void DrawStretched(const QImage& source, const QRect& destRect, DWORD dwRop);
    QFont CurrentQFont() const;
    void DrawTextLineAt(const QString& text, const QPointF& topLeft, int underlineIndex);

    QPaintDevice* m_pDevice = nullptr;
    QPainter* m_pPainter = nullptr;
    std::unique_ptr<QPainter> m_pOwnPainter;
    QImage* m_pImage = nullptr;
    bool m_bMemoryDC = false;
    bool m_bPrinting = false;
    int m_nLogPixelsX = kScreenDpi;
    int m_nLogPixelsY = kScreenDpi;

    CBitmap* m_pBitmap = nullptr;
    CFont* m_pFont = nullptr;
    CBrush* m_pBrush = nullptr;
    CPen* m_pPen = nullptr;
    LOGFONT m_lfFont{};
    CBrush m_brush;
    CPen m_pen;

    int m_nStretchMode = BLACKONWHITE;
    int m_nBkMode = OPAQUE;
    COLORREF m_crBk = RGB(255, 255, 255);
    COLORREF m_crText = RGB(0, 0, 0);
};
