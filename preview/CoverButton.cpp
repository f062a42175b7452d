#include "CoverButton.h"

#include "PreviewPictures.h"

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

// The full-size cover is made at the screen's device resolution, so that a scaled screen
// gets its text and lines at its own pixels rather than enlarged; the scale factors take it
// from full size to the preview's device pixels.
bool CCoverButton::FillFromCover(qreal dRatio)
{
    return FillFor(CoverRect().size(), dRatio);
}

bool CCoverButton::FillFor(const QSize& size, qreal dRatio)
{
    if (!m_source.pCover || !m_source.pGeometry)
        return false;
    if (!FillRenderer(*m_source.pCover, *m_source.pGeometry, qRound(logicalDpiX() * dRatio)))
        return false;
    CCoverRenderer& renderer = Renderer();
    renderer.m_dScaleY = renderer.m_nHeight > 0 ? size.height() * dRatio / renderer.m_nHeight : 1.0;
    renderer.m_dScaleX = renderer.m_nWidth > 0 ? size.width() * dRatio / renderer.m_nWidth : 1.0;
    return true;
}

QRect CCoverButton::CoverRect()
{
    FillFor(size(), 1.0);
    const CCoverRenderer& renderer = Renderer();
    if (!m_source.pCover || renderer.m_nWidth <= 0 || renderer.m_nHeight <= 0)
        return rect();
    const double aspect = static_cast<double>(renderer.m_nWidth) / renderer.m_nHeight;
    QSize fitted(width(), qRound(width() / aspect));
    if (fitted.height() > height())
        fitted = QSize(qRound(height() * aspect), height());
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void CCoverButton::PreparePicture()
{
    if (!m_source.pPictures)
        return;
    const CCoverRenderer& renderer = Renderer();
    const CRect area = renderer.PictureArea();
    m_source.pPictures->PrepareAhead(
        renderer.m_strImagePath,
        PreviewPictureSize(area.Width(), area.Height(), renderer.m_dScaleX, renderer.m_dScaleY));
}

// The cover at its true proportions, the preview's rest in the window's white.
void CCoverButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const QRect cover = CoverRect();
    // Set only when it changes: every new description is an event for screen readers.
    if (FillFromCover()) {
        const QString description = DescribeCover(m_source.pCover->covertype);
        if (description != accessibleDescription())
            setAccessibleDescription(description);
    }
    CCoverRenderer& renderer = Renderer();
    renderer.SetPictureSource(m_source.pPictures);
    const qreal ratio = devicePixelRatioF();
    QPainter* painter = lpDrawItemStruct->hDC->Painter();
    const CRect item(lpDrawItemStruct->rcItem);
    const QPoint at(item.left + cover.left(), item.top + cover.top());
    if (painter && cover.size() != QSize(item.Width(), item.Height()))
        painter->fillRect(QRect(item.left, item.top, item.Width(), item.Height()), Qt::white);
    if (ratio > 1.0 && painter) {
        painter->drawImage(at, DrawPreviewAtDevicePixels(renderer, cover.size(), ratio, logicalDpiY(),
                                                         lpDrawItemStruct->itemState));
        return;
    }
    renderer.Draw(lpDrawItemStruct->hDC,
                  CRect(at.x(), at.y(), at.x() + cover.width(), at.y() + cover.height()),
                  lpDrawItemStruct->itemState, lpDrawItemStruct->hDC);
}
