#include "CoverOutputs.h"

#include "CoverPrint.h"
#include "OutputFiles.h"
#include "PagePictures.h"
#include "PdfEditing.h"
#include "PrintShop.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

namespace {

QByteArray SheetPdf(const SheetJob& job, std::string* pError)
{
    return DrawPdf(
        [&job](QPdfWriter& writer, QPainter& painter, CPagePictures& pictures) {
            writer.setPageLayout(job.layout);
            if (!painter.begin(&writer))
                return std::string("the PDF could not be started");
            DrawCoverPage(painter, job.cover, job.nFontDpi, job.placement, job.calibration, &pictures);
            return std::string();
        },
        pError);
}

QByteArray SheetPng(const SheetJob& job, int nDpi, std::string* pError)
{
    return DrawPng(
        job.layout.fullRectPixels(nDpi).size(), nDpi,
        [&job, nDpi](QPainter& painter) {
            painter.translate(job.layout.paintRectPixels(nDpi).topLeft());
            DrawCoverPage(painter, job.cover, job.nFontDpi, job.placement, job.calibration);
        },
        pError);
}

// A print shop's page in points: its 600 dpi pixels as PDF units.
double Points(double dPixels)
{
    return dPixels * 72.0 / kMaxPrintDpi;
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

// Starts a print shop's page: a PDF page is whole points, so the page takes the next whole
// point up and the trim stays where the marks are drawn around it.
bool StartPrintShopPage(QPdfWriter& writer, QPainter& painter, const PrintShopPage& layout, PageBoxes* pBoxes)
{
    const QSize page(static_cast<int>(std::ceil(Points(layout.size.width()))),
                     static_cast<int>(std::ceil(Points(layout.size.height()))));
    writer.setPageLayout(QPageLayout(QPageSize(page, QPageSize::Point), QPageLayout::Portrait, QMarginsF(),
                                     QPageLayout::Point));
    ToPdfBox(layout.trim, page.height(), pBoxes->trim);
    ToPdfBox(layout.Bleed(), page.height(), pBoxes->bleed);
    return painter.isActive() ? writer.newPage() : painter.begin(&writer);
}

// The pieces are drawn as the printed page draws them, in the print resolution's units: the
// page keeps vectors and its pictures whole.
QByteArray PrintShopPdf(const CoverState& cover, double dBleedMm, int nFontDpi, std::string* pError)
{
    std::vector<PageBoxes> boxes;
    const QByteArray pdf = DrawPdf(
        [&](QPdfWriter& writer, QPainter& painter, CPagePictures& pictures) {
            for (const PrintShopPage& layout :
                 LayOutPrintShopPages(cover.covertype, kMaxPrintDpi, dBleedMm)) {
                boxes.push_back({});
                if (!StartPrintShopPage(writer, painter, layout, &boxes.back()))
                    return std::string("the PDF could not be started");
                DrawPrintShopPage(painter, cover, layout, nFontDpi, pictures);
            }
            return std::string();
        },
        pError);
    return pdf.isEmpty() ? QByteArray() : FinishedPrintShopPdf(pdf, boxes, pError);
}

} // namespace

std::string WriteCoverPdf(const std::string& strPath, const SheetJob& job)
{
    return WriteWhole(strPath, [&job](std::string* pError) { return SheetPdf(job, pError); });
}

std::string WriteCoverPng(const std::string& strPath, const SheetJob& job, int nDpi)
{
    return WriteWhole(strPath, [&job, nDpi](std::string* pError) { return SheetPng(job, nDpi, pError); });
}

std::string WritePrintShopPdf(const std::string& strPath, const CoverState& cover, double dBleedMm,
                              int nFontDpi)
{
    return WriteWhole(strPath,
                      [&](std::string* pError) { return PrintShopPdf(cover, dBleedMm, nFontDpi, pError); });
}

std::string PrintCoverSheet(QPrinter& printer, const SheetJob& job)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        SheetJob onItsPage = job;
        onItsPage.layout = printer.pageLayout();
        return WriteCoverPdf(printer.outputFileName().toStdString(), onItsPage);
    }
    printer.setResolution(CoverPrintResolution(printer.resolution()));
    QPainter painter;
    if (!painter.begin(&printer))
        return "the printer could not start the job";
    DrawCoverPage(painter, job.cover, job.nFontDpi, job.placement, job.calibration);
    painter.end();
    return std::string();
}
