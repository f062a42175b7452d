#include "DiscLabelOutputs.h"

#include "CoverPrint.h"
#include "OutputFiles.h"
#include "PictureSource.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

QByteArray DiscLabelPdf(const DiscLabelJob& job, std::string* pError)
{
    return DrawPdf(
        [&job](QPdfWriter& writer, QPainter& painter, CPagePictures& pictures) {
            writer.setPageLayout(DiscSheetLayout(job.sheet));
            writer.setTitle(QStringLiteral("Disc label"));
            if (!painter.begin(&writer))
                return std::string("the PDF could not be started");
            DrawDiscLabelSheet(painter, job, pictures);
            return std::string();
        },
        pError);
}

} // namespace

std::string WriteDiscLabelPdf(const std::string& strPath, const DiscLabelJob& job)
{
    return WriteWhole(strPath, [&job](std::string* pError) { return DiscLabelPdf(job, pError); });
}

std::string WriteDiscLabelPng(const std::string& strPath, const DiscLabelJob& job, int nDpi)
{
    return WriteWhole(strPath, [&job, nDpi](std::string* pError) {
        return DrawPng(
            DiscSheetLayout(job.sheet).fullRectPixels(nDpi).size(), nDpi,
            [&job](QPainter& painter) {
                CDecodedPictures pictures;
                DrawDiscLabelSheet(painter, job, pictures);
            },
            pError);
    });
}

void PrepareDiscLabelPrinter(QPrinter& printer, const DiscLabelSheet& sheet)
{
    const QPageLayout layout = DiscSheetLayout(sheet);
    printer.setPageSize(layout.pageSize());
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true); // the labels' centres count from the paper's corner
    printer.setDocName(QStringLiteral("Disc label"));
}

std::string PrintDiscLabelSheet(QPrinter& printer, const DiscLabelJob& job)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return WriteDiscLabelPdf(printer.outputFileName().toStdString(), job);
    printer.setFullPage(true);
    printer.setResolution(CoverPrintResolution(printer.resolution()));
    QPainter painter;
    if (!painter.begin(&printer))
        return "the printer could not start the job";
    CDecodedPictures pictures;
    DrawDiscLabelSheet(painter, job, pictures);
    painter.end();
    return std::string();
}
