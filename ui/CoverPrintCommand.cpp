// The "Print" command of the main window.
#include "CoverMainDlg.h"

#include "CoverGeometry.h"
#include "CoverPrint.h"
#include "ModalHost.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace {

// A new print starts on A4, across for the DVD inserts and upright for the others.
void PrepareCoverPrinter(QPrinter& printer, CoverType type)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    const bool landscape = type == StandardDVD || type == SlimlineDVD;
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(QStringLiteral("Cover"));
    printer.setFullPage(false); // positions count from the printable area's corner
}

} // namespace

void CCoverMainDlg::OnPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    PrepareCoverPrinter(printer, TheCover().covertype);
    if (ModalHost().PrintDialog(printer, this) != IDOK)
        return;
    if (printer.resolution() > kMaxPrintDpi || printer.outputFormat() == QPrinter::PdfFormat)
        printer.setResolution(kMaxPrintDpi);
    QPainter painter;
    if (!painter.begin(&printer))
        return; // the job could not start: it is abandoned without a word, as a failed print always was
    CDC dc;
    dc.AttachPainter(&painter);
    dc.SetPrinting(true);
    const CoverRendererSet renderers{m_pCdFront, m_pCdBack, m_pDvd, m_pSlimline};
    PrintCoverPage(&dc, TheCover(), TheGeometry(), renderers, logicalDpiY());
    painter.end();
}
