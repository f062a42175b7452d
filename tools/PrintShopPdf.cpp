#include "PrintShopPdf.h"

#include "PagePictures.h"
#include "PdfEditing.h"
#include "PrintShop.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace {

// The pieces are drawn as the printed page draws them: in 600 dpi units (the page keeps
// vectors and its pictures whole), with font heights in the pixels of the screen they were
// designed on.
constexpr int kDpi = 600;
constexpr int kScreenDpi = 96;

double Points(double dPixels)
{
    return dPixels * 72.0 / kDpi;
}

// A rectangle of the page in pixels (y down from the top) as PDF points (y up from the
// bottom of a page nPageHeight points high).
void ToPdfBox(const QRectF& rect, int nPageHeight, double box[4])
{
    box[0] = Points(rect.left());
    box[1] = nPageHeight - Points(rect.top() + rect.height());
    box[2] = Points(rect.left() + rect.width());
    box[3] = nPageHeight - Points(rect.top());
}

} // namespace

QByteArray PrintShopPdf(const CoverState& cover, double dBleedMm, std::string* pError)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kDpi);
    writer.setTitle(QStringLiteral("Cover"));
    writer.setCreator(QStringLiteral("Sleevora"));
    QPainter painter;
    CPagePictures pictures;
    std::vector<PageBoxes> boxes;
    for (const PrintShopPage& layout : LayOutPrintShopPages(cover.covertype, kDpi, dBleedMm)) {
        // A PDF page is whole points: the page takes the next whole point up, the trim stays
        // where the marks are drawn around it.
        const QSize pixels = layout.size;
        const QSize page(static_cast<int>(std::ceil(Points(pixels.width()))),
                         static_cast<int>(std::ceil(Points(pixels.height()))));
        writer.setPageLayout(QPageLayout(QPageSize(page, QPageSize::Point), QPageLayout::Portrait,
                                         QMarginsF(), QPageLayout::Point));
        if (!painter.isActive() ? !painter.begin(&writer) : !writer.newPage()) {
            *pError = "cannot start the PDF";
            return {};
        }
        DrawPrintShopPage(painter, cover, layout, kScreenDpi, pictures);
        PageBoxes pageBoxes{};
        ToPdfBox(layout.trim, page.height(), pageBoxes.trim);
        ToPdfBox(layout.Bleed(), page.height(), pageBoxes.bleed);
        boxes.push_back(pageBoxes);
    }
    painter.end();
    const QByteArray withPictures = WithOriginalJpegs(buffer.data(), pictures.Jpegs(), pError);
    return withPictures.isEmpty() ? QByteArray() : WithPageBoxes(withPictures, boxes, pError);
}
