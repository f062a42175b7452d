#include "CoverButton.h"

#include <QPainter>

QImage DrawPreviewAtDevicePixels(CCoverRenderer& renderer, const QSize& logicalSize, qreal dRatio,
                                 int nLogicalDpi, UINT nState)
{
    QImage sharp(qRound(logicalSize.width() * dRatio), qRound(logicalSize.height() * dRatio),
                 QImage::Format_RGB32);
    if (sharp.isNull())
        return sharp;
    const int dotsPerMeter = qRound(nLogicalDpi * dRatio / 0.0254);
    sharp.setDotsPerMeterX(dotsPerMeter);
    sharp.setDotsPerMeterY(dotsPerMeter);
    if (renderer.m_nFontDpi <= 0)
        renderer.m_nFontDpi = nLogicalDpi;
    renderer.m_bPreview = true;
    {
        CDC dc;
        dc.Attach(&sharp);
        renderer.Draw(&dc, CRect(0, 0, sharp.width(), sharp.height()), nState, &dc);
    }
    sharp.setDevicePixelRatio(dRatio);
    return sharp;
}

CCoverButton::CCoverButton(QWidget* pParent) : COwnerDrawButton(pParent)
{
    PreSubclassWindow();
}

void CCoverButton::PreSubclassWindow()
{
    SetButtonStyle((GetStyle() & 0xFF) | BS_OWNERDRAW | BS_NOTIFY, true);
}

void CCoverButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    emit FillRequested();
    const qreal ratio = devicePixelRatioF();
    QPainter* painter = lpDrawItemStruct->hDC->Painter();
    const CRect item(lpDrawItemStruct->rcItem);
    if (ratio > 1.0 && painter) {
        painter->drawImage(QPoint(item.left, item.top),
                           DrawPreviewAtDevicePixels(Renderer(), QSize(item.Width(), item.Height()), ratio,
                                                     logicalDpiY(), lpDrawItemStruct->itemState));
        return;
    }
    Renderer().m_bPreview = true;
    Renderer().Draw(lpDrawItemStruct->hDC, item, lpDrawItemStruct->itemState, lpDrawItemStruct->hDC);
}
