// The "Print" command of the main window.
#include "CoverMainDlg.h"

#include "CoverPrint.h"
#include "ModalHost.h"

#include <QPainter>
#include <QPrinter>

void CCoverMainDlg::OnPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    PrepareCoverPrinter(printer, TheCover().covertype);
    if (ModalHost().PrintDialog(printer, this) != IDOK)
        return;
    printer.setResolution(CoverPrintResolution(printer.resolution()));
    QPainter painter;
    if (!painter.begin(&printer))
        return; // the job could not start: it is abandoned without a word, as a failed print always was
    DrawCoverPage(painter, TheCover(), logicalDpiY());
    painter.end();
}
