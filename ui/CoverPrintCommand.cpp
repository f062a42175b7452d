#include "CoverPrintCommand.h"

#include "CoverOutputs.h"
#include "CoverPrint.h"
#include "ModalHost.h"
#include "OutputMessages.h"
#include "PrinterAlignmentDlg.h"

#include <QPrinter>
#include <QWidget>

// The print dialog opens on A4 for the kind of case, and the paper chosen there is honoured:
// the cover is centred on any other paper, and a sheet it does not fit is refused with the
// papers that would take it. The printer's alignment, as the user measured it, is applied;
// an alignment that would push part of the cover off the printable area is refused too.
// Printing to a PDF file keeps vectors and the pictures' own data; a printer gets the page
// as a bitmap.
void PrintCover(QWidget* pWindow, const CoverState& cover)
{
    const CoverType type = cover.covertype;
    QPrinter printer(QPrinter::HighResolution);
    PrepareCoverPrinter(printer, type);
    if (ModalHost().PrintDialog(printer, pWindow) != IDOK)
        return;
    const PrintCalibration calibration = StoredPrintCalibration();
    const CoverPlacement placement = PlaceCoverOnSheet(type, printer.pageLayout(), calibration);
    if (HasPrintedLayout(type) && !placement.bFits) {
        MessageBox(pWindow,
                   placement.bFitsWithoutAlignment ? AlignmentPushesCoverOffMessage(printer.pageLayout())
                                                   : CoverDoesNotFitMessage(type, printer.pageLayout()),
                   "Error", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const SheetJob job{cover, printer.pageLayout(), placement, calibration, pWindow->logicalDpiY()};
    const std::string reason = PrintCoverSheet(printer, job);
    // A job a printer could not start is abandoned without a word, as a failed print always
    // was; a PDF file that could not be written is reported.
    if (reason.empty() || printer.outputFormat() != QPrinter::PdfFormat)
        return;
    const UserMessage message = OutputWriteMessage(printer.outputFileName().toStdString(), reason);
    MessageBox(pWindow, message.strText, message.strTitle, MB_OK | MB_ICONEXCLAMATION);
}

void AlignPrinter(QWidget* pWindow)
{
    CPrinterAlignmentDlg alignment(pWindow);
    alignment.DoModal();
}
