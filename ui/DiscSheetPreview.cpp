#include "DiscSheetPreview.h"

#include <QPaintEvent>
#include <QPainter>

CDiscSheetPreview::CDiscSheetPreview(QWidget* pParent) : QWidget(pParent)
{
    setAccessibleName(QStringLiteral("Sheet preview"));
    setMinimumSize(240, 320);
}

void CDiscSheetPreview::SetJob(const DiscLabelJob& job)
{
    m_pJob = std::make_unique<DiscLabelJob>(job);
    update();
}

QRectF CDiscSheetPreview::PaperRect() const
{
    if (!m_pJob)
        return QRectF();
    const QSizeF paper = DiscSheetSizeMm(m_pJob->sheet);
    const QRectF room = QRectF(rect()).adjusted(8, 8, -8, -8);
    const double scale = std::min(room.width() / paper.width(), room.height() / paper.height());
    const QSizeF size = paper * scale;
    return QRectF(room.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

// The labels drawn on a white picture of the paper, at the screen's pixels.
QImage CDiscSheetPreview::SheetPicture(const QSize& size, int nDpi)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setDotsPerMeterX(qRound(nDpi / 0.0254));
    picture.setDotsPerMeterY(qRound(nDpi / 0.0254));
    QPainter painter(&picture);
    DiscLabelJob job = *m_pJob;
    job.calibration = {}; // the preview shows the sheet as meant
    DrawDiscLabelSheet(painter, job, m_pictures);
    return picture;
}

void CDiscSheetPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!m_pJob)
        return;
    const QRectF paper = PaperRect();
    const qreal ratio = devicePixelRatioF();
    // Drawn at a whole number of dots per inch: the labels' places are counted in them.
    const int dpi =
        std::max(1, static_cast<int>(paper.width() * ratio / DiscSheetSizeMm(m_pJob->sheet).width() * 25.4));
    QImage sheet = SheetPicture((paper.size() * ratio).toSize(), dpi);
    sheet.setDevicePixelRatio(ratio);
    painter.drawImage(paper.topLeft(), sheet);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawRect(paper.adjusted(0, 0, -1, -1));
    const double scale = dpi / 25.4 / ratio;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    for (size_t i = 0; i < m_pJob->sheet.centresMm.size(); ++i) {
        if (PrintsPosition(*m_pJob, i + 1))
            continue;
        const QPointF centre = paper.topLeft() + m_pJob->sheet.centresMm[i] * scale;
        painter.drawEllipse(centre, m_pJob->sheet.dOuterMm / 2 * scale, m_pJob->sheet.dOuterMm / 2 * scale);
        painter.drawEllipse(centre, m_pJob->sheet.dHubMm / 2 * scale, m_pJob->sheet.dHubMm / 2 * scale);
    }
}
