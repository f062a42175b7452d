// The "Print" command of the main window.
#include "CoverMainDlg.h"

#include "CoverPrint.h"
#include "ModalHost.h"
#include "PrinterAlignment.h"

#include <QPainter>
#include <QPrinter>

// The print dialog opens on A4 for the kind of case, and the paper chosen there is honoured:
// the cover is centred on any other paper, and a sheet it does not fit is refused with the
// papers that would take it. The printer's alignment, as the user measured it, is applied.
void CCoverMainDlg::OnPrint()
{
    const CoverType type = TheCover().covertype;
    QPrinter printer(QPrinter::HighResolution);
    PrepareCoverPrinter(printer, type);
    if (ModalHost().PrintDialog(printer, this) != IDOK)
        return;
    const CoverPlacement placement = PlaceCoverOnSheet(type, printer.pageLayout());
    if (HasPrintedLayout(type) && !placement.bFits) {
        MessageBox(this, CoverDoesNotFitMessage(type, printer.pageLayout()), "Error",
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    printer.setResolution(CoverPrintResolution(printer.resolution()));
    QPainter painter;
    if (!painter.begin(&printer))
        return; // the job could not start: it is abandoned without a word, as a failed print always was
    DrawCoverPage(painter, TheCover(), logicalDpiY(), placement, StoredPrintCalibration());
    painter.end();
}
