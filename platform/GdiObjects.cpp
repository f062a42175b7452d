#include "GdiObjects.h"

#include "DC.h"
#include "MulDiv.h"
#include "QtConvert.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>

namespace {

int ScreenLogPixelsY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : kScreenDpi;
}

} // namespace

BOOL CBrush::CreateSolidBrush(COLORREF cr)
{
    m_bCreated = true;
    m_bNull = false;
    m_crColor = cr;
    return TRUE;
}

BOOL CBrush::CreateNullBrush()
{
    m_bCreated = true;
    m_bNull = true;
    m_crColor = 0;
    return TRUE;
}

BOOL CBrush::DeleteObject()
{
    const BOOL had = m_bCreated;
    m_bCreated = false;
    return had;
}

BOOL CPen::CreatePen(int nStyle, int nWidth, COLORREF cr)
{
    m_bCreated = true;
    m_nStyle = nStyle;
    m_nWidth = nWidth < 1 ? 1 : nWidth; // width 0 is one pixel, as GDI draws it
    m_crColor = cr;
    return TRUE;
}

BOOL CPen::DeleteObject()
{
    const BOOL had = m_bCreated;
    m_bCreated = false;
    return had;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* plf)
{
    if (!plf)
        return FALSE;
    m_lf = *plf;
    m_lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    m_bCreated = true;
    return TRUE;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE bStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                       BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, const char* lpszFacename)
{
    LOGFONT lf{};
    lf.lfHeight = nHeight;
    lf.lfWidth = nWidth;
    lf.lfEscapement = nEscapement;
    lf.lfOrientation = nOrientation;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
    lf.lfUnderline = bUnderline;
    lf.lfStrikeOut = bStrikeOut;
    lf.lfCharSet = nCharSet;
    lf.lfOutPrecision = nOutPrecision;
    lf.lfClipPrecision = nClipPrecision;
    lf.lfQuality = nQuality;
    lf.lfPitchAndFamily = nPitchAndFamily;
    SetFaceName(lf, lpszFacename ? lpszFacename : "");
    return CreateFontIndirect(&lf);
}

BOOL CFont::CreatePointFont(int nPointSize, const char* lpszFaceName, CDC* pDC)
{
    LOGFONT lf{};
    const int logPixelsY = pDC ? pDC->GetDeviceCaps(LOGPIXELSY) : ScreenLogPixelsY();
    // Tenths of a point to pixels (72 points an inch), made a character height.
    lf.lfHeight = -std::abs(MulDiv(logPixelsY, nPointSize, 720));
    lf.lfCharSet = DEFAULT_CHARSET;
    SetFaceName(lf, lpszFaceName ? lpszFaceName : "");
    return CreateFontIndirect(&lf);
}

BOOL CFont::DeleteObject()
{
    const BOOL had = m_bCreated;
    m_bCreated = false;
    return had;
}

CBitmap::~CBitmap()
{
    if (m_pSelectedInto)
        m_pSelectedInto->SelectObject(static_cast<CBitmap*>(nullptr));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    // GDI answers an empty size with a 1 × 1 bitmap rather than failing.
    const int width = nWidth > 0 ? nWidth : 1;
    const int height = nHeight > 0 ? nHeight : 1;
    // A new bitmap is black. Zeroed pages from calloc are black already and cost nothing
    // until they are drawn on, which matters for page-sized bitmaps.
    const qsizetype bytesPerLine = qsizetype(width) * 4;
    void* pixels = std::calloc(static_cast<size_t>(bytesPerLine) * static_cast<size_t>(height), 1);
    if (!pixels)
        return FALSE;
    QImage image(static_cast<uchar*>(pixels), width, height, bytesPerLine, QImage::Format_RGB32, std::free,
                 pixels);
    if (image.isNull()) {
        std::free(pixels);
        return FALSE;
    }
    const int dpiX = pDC ? pDC->GetDeviceCaps(LOGPIXELSX) : kScreenDpi;
    const int dpiY = pDC ? pDC->GetDeviceCaps(LOGPIXELSY) : kScreenDpi;
    image.setDotsPerMeterX(qRound(dpiX / 0.0254));
    image.setDotsPerMeterY(qRound(dpiY / 0.0254));
    m_image = image;
    return TRUE;
}

BOOL CBitmap::DeleteObject()
{
    if (m_pSelectedInto)
        return FALSE; // a selected bitmap cannot be deleted
    const BOOL had = !m_image.isNull();
    m_image = QImage();
    return had;
}
