// The "Print" command of the main window.
#include "CoverMainDlg.h"

#include "CoverOutputs.h"
#include "CoverPrint.h"
#include "ModalHost.h"
#include "OutputMessages.h"

#include <QPrinter>

// The print dialog opens on A4 for the kind of case, and the paper chosen there is honoured:
// the cover is centred on any other paper, and a sheet it does not fit is refused with the
// papers that would take it. The printer's alignment, as the user measured it, is applied.
// Printing to a PDF file keeps vectors and the pictures' own data; a printer gets the page
// as a bitmap.
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
    const SheetJob job{TheCover(), printer.pageLayout(), placement, StoredPrintCalibration(), logicalDpiY()};
    const std::string reason = PrintCoverSheet(printer, job);
    // A job a printer could not start is abandoned without a word, as a failed print always
    // was; a PDF file that could not be written is reported.
    if (reason.empty() || printer.outputFormat() != QPrinter::PdfFormat)
        return;
    const UserMessage message = OutputWriteMessage(printer.outputFileName().toStdString(), reason);
    MessageBox(this, message.strText, message.strTitle, MB_OK | MB_ICONEXCLAMATION);
}
