// The drawing objects a device context selects: brushes, pens, fonts and bitmaps.
// Each holds the description GDI would hold; CDC turns it into Qt terms when it draws.
#pragma once

#include "WinTypes.h"

#include <QImage>

class CDC;

class CBrush
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF cr) { CreateSolidBrush(cr); }

    BOOL CreateSolidBrush(COLORREF cr);
    // A brush that paints nothing, as the stock NULL_BRUSH.
    BOOL CreateNullBrush();
    BOOL DeleteObject();

    bool IsCreated() const { return m_bCreated; }
    bool IsNull() const { return m_bNull; }
    COLORREF GetColor() const { return m_crColor; }

private:
    bool m_bCreated = false;
    bool m_bNull = false;
    COLORREF m_crColor = 0;
};

class CPen
{
public:
    CPen() = default;
    CPen(int nStyle, int nWidth, COLORREF cr) { CreatePen(nStyle, nWidth, cr); }

    BOOL CreatePen(int nStyle, int nWidth, COLORREF cr);
    BOOL DeleteObject();

    bool IsCreated() const { return m_bCreated; }
    bool IsNull() const { return m_nStyle == PS_NULL; }
    int GetWidth() const { return m_nWidth; }
    COLORREF GetColor() const { return m_crColor; }

private:
    bool m_bCreated = false;
    int m_nStyle = PS_SOLID;
    int m_nWidth = 1;
    COLORREF m_crColor = 0;
};

class CFont
{
public:
    CFont() = default;

    BOOL CreateFontIndirect(const LOGFONT* plf);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE bStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, const char* lpszFacename);
    // A font of a size in tenths of a point: the height is that size in the device's
    // pixels (the screen's when no device is given).
    BOOL CreatePointFont(int nPointSize, const char* lpszFaceName, CDC* pDC = nullptr);
    BOOL DeleteObject();

    bool IsCreated() const { return m_bCreated; }
    const LOGFONT& LogFont() const { return m_lf; }

private:
    bool m_bCreated = false;
    LOGFONT m_lf{};
};

// A bitmap is a QImage that remembers the pixels per inch of the device it was made for,
// so that text and measures drawn into it match that device.
class CBitmap
{
public:
    CBitmap() = default;
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    BOOL DeleteObject();

    bool IsCreated() const { return !m_image.isNull(); }
    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }

private:
    friend class CDC;
    QImage m_image;
    CDC* m_pSelectedInto = nullptr;
};
