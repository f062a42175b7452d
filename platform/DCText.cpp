// The text functions of the device context: measuring, ExtTextOut with escapement and
// clipping, and DrawText.
#include "DC.h"

#include "QtConvert.h"
#include "TextLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

QFontMetrics MetricsFor(const QFont& font, QPaintDevice* device)
{
    return device ? QFontMetrics(font, device) : QFontMetrics(font);
}

} // namespace

QFont CDC::CurrentQFont() const
{
    return ToQFont(m_lfFont);
}

CSize CDC::GetTextExtent(const std::string& text) const
{
    const QFontMetrics metrics = MetricsFor(CurrentQFont(), m_pDevice);
    return CSize(metrics.horizontalAdvance(ToQString(text)), metrics.height());
}

BOOL CDC::GetTextExtentPoint32(const char* lpString, int c, SIZE* lpSize) const
{
    if (!lpSize || c < 0 || (!lpString && c > 0))
        return FALSE;
    const CSize size = GetTextExtent(std::string(lpString ? lpString : "", static_cast<size_t>(c)));
    *lpSize = size;
    return TRUE;
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* lptm) const
{
    if (!lptm)
        return FALSE;
    const QFontMetrics metrics = MetricsFor(CurrentQFont(), m_pDevice);
    lptm->tmAscent = metrics.ascent();
    lptm->tmDescent = metrics.descent();
    lptm->tmHeight = metrics.height();
    lptm->tmInternalLeading = std::max(0, metrics.height() - CurrentQFont().pixelSize());
    lptm->tmExternalLeading = std::max(0, metrics.leading());
    lptm->tmAveCharWidth = metrics.averageCharWidth();
    lptm->tmMaxCharWidth = metrics.maxWidth();
    return TRUE;
}

// Draws one line of upright text whose cell has its top-left at topLeft, with the
// background filled when the mode is OPAQUE and one character underlined for a prefix.
void CDC::DrawTextLineAt(const QString& text, const QPointF& topLeft, int underlineIndex)
{
    const QFontMetrics metrics(m_pPainter->font(), m_pDevice);
    if (m_nBkMode == OPAQUE)
        m_pPainter->fillRect(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height())),
                             ToQColor(m_crBk));
    const QPointF baseline(topLeft.x(), topLeft.y() + metrics.ascent());
    m_pPainter->drawText(baseline, text);
    if (underlineIndex < 0 || underlineIndex >= text.size())
        return;
    const qreal x = baseline.x() + metrics.horizontalAdvance(text.left(underlineIndex));
    const qreal width = metrics.horizontalAdvance(text.mid(underlineIndex, 1));
    const qreal y = baseline.y() + metrics.underlinePos();
    m_pPainter->fillRect(QRectF(x, y, width, std::max(1, metrics.lineWidth())), ToQColor(m_crText));
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const std::string& text, const int*)
{
    if (!CanDraw())
        return FALSE;
    m_pPainter->save();
    if ((nOptions & ETO_OPAQUE) && lpRect)
        m_pPainter->fillRect(ToQRect(*lpRect), ToQColor(m_crBk));
    if ((nOptions & ETO_CLIPPED) && lpRect)
        m_pPainter->setClipRect(ToQRect(*lpRect),
                                m_pPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    m_pPainter->setFont(CurrentQFont());
    m_pPainter->setPen(ToQColor(m_crText));
    // Escapement is in tenths of a degree, counter-clockwise on the page; Qt turns
    // clockwise, since its y axis points down.
    m_pPainter->translate(x, y);
    m_pPainter->rotate(-m_lfFont.lfEscapement / 10.0);
    DrawTextLineAt(ToQString(text), QPointF(0, 0), -1);
    m_pPainter->restore();
    return TRUE;
}

int CDC::DrawText(const std::string& text, LPRECT lpRect, UINT nFormat)
{
    if (!lpRect)
        return 0;
    const QFont font = CurrentQFont();
    const QFontMetrics metrics = MetricsFor(font, m_pDevice);
    const int lineHeight =
        metrics.height() + ((nFormat & DT_EXTERNALLEADING) ? std::max(0, metrics.leading()) : 0);
    const bool singleLine = (nFormat & DT_SINGLELINE) != 0;
    if (text.empty()) {
        if (nFormat & DT_CALCRECT) {
            lpRect->right = lpRect->left;
            lpRect->bottom = lpRect->top + (singleLine ? lineHeight : 0);
        }
        return 0;
    }
    const auto measure = [&metrics](const QString& line) { return metrics.horizontalAdvance(line); };
    const std::vector<DrawTextLine> lines =
        LayOutDrawTextLines(ToQString(text), nFormat, lpRect->right - lpRect->left, measure);
    const int height = static_cast<int>(lines.size()) * lineHeight;
    if (nFormat & DT_CALCRECT) {
        int widest = 0;
        for (const DrawTextLine& line : lines)
            widest = std::max(widest, measure(line.text));
        lpRect->right = lpRect->left + widest;
        lpRect->bottom = lpRect->top + height;
        return height;
    }
    int y = lpRect->top;
    if (singleLine && (nFormat & DT_VCENTER))
        y = lpRect->top + (lpRect->bottom - lpRect->top - lineHeight) / 2;
    else if (singleLine && (nFormat & DT_BOTTOM))
        y = lpRect->bottom - lineHeight;
    const int offset = y - lpRect->top;
    if (!CanDraw())
        return offset + height;
    m_pPainter->save();
    if (!(nFormat & DT_NOCLIP))
        m_pPainter->setClipRect(ToQRect(*lpRect),
                                m_pPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    m_pPainter->setFont(font);
    m_pPainter->setPen(ToQColor(m_crText));
    const int width = lpRect->right - lpRect->left;
    for (const DrawTextLine& line : lines) {
        const int lineWidth = measure(line.text);
        int x = lpRect->left;
        if (nFormat & DT_RIGHT)
            x = lpRect->right - lineWidth;
        else if (nFormat & DT_CENTER)
            x = lpRect->left + (width - lineWidth) / 2;
        DrawTextLineAt(line.text, QPointF(x, y), line.nPrefixIndex);
        y += lineHeight;
    }
    m_pPainter->restore();
    return (singleLine && (nFormat & (DT_VCENTER | DT_BOTTOM))) ? offset + height : height;
}
