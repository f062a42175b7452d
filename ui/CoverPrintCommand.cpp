#include "CoverPrintCommand.h"

#include "CoverOutputs.h"
#include "CoverPrint.h"
#include "DiscLabelOutputs.h"
#include "ModalHost.h"
#include "OutputMessages.h"
#include "PrinterAlignmentDlg.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QWidget>

namespace {

// The dialog proposes the document's name with ".pdf" for a file, in the working folder
// when it lies in the home folder: for a cover with a file, its name beside it.
bool RunPrintDialog(QPrinter& printer, QWidget* pWindow, const std::string& strCoverPath,
                    const QString& strSuffix = QString())
{
    if (strCoverPath.empty())
        return ModalHost().PrintDialog(printer, pWindow) == IDOK;
    const QFileInfo cover(QString::fromStdString(strCoverPath));
    printer.setDocName(cover.completeBaseName() + strSuffix);
    const QString working = QDir::currentPath();
    QDir::setCurrent(cover.absolutePath());
    const bool print = ModalHost().PrintDialog(printer, pWindow) == IDOK;
    QDir::setCurrent(working);
    return print;
}

} // namespace

// The print dialog opens on A4 for the kind of case, and the paper chosen there is honoured:
// the cover is centred on any other paper, and a sheet it does not fit is refused with the
// papers that would take it. The printer's alignment, as the user measured it, is applied;
// an alignment that would push part of the cover off the printable area is refused too.
// Printing to a PDF file keeps vectors and the pictures' own data; a printer gets the page
// as a bitmap.
void PrintCover(QWidget* pWindow, const CoverState& cover, const std::string& strCoverPath)
{
    const CoverType type = cover.covertype;
    QPrinter printer(QPrinter::HighResolution);
    PrepareCoverPrinter(printer, type);
    if (!RunPrintDialog(printer, pWindow, strCoverPath))
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

bool PrintDiscLabels(QWidget* pWindow, const DiscLabelJob& job, const std::string& strCoverPath)
{
    QPrinter printer(QPrinter::HighResolution);
    PrepareDiscLabelPrinter(printer, job.sheet);
    if (!RunPrintDialog(printer, pWindow, strCoverPath, QStringLiteral(" label")))
        return false;
    DiscLabelJob aligned = job;
    aligned.calibration = StoredPrintCalibration();
    QPageLayout paper = printer.pageLayout();
    paper.setUnits(QPageLayout::Millimeter);
    if (!DiscLabelsFit(aligned, paper.minimumMargins())) {
        MessageBox(pWindow, DiscLabelsOffSheetMessage(), "Error", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const std::string reason = PrintDiscLabelSheet(printer, aligned);
    if (reason.empty() || printer.outputFormat() != QPrinter::PdfFormat)
        return reason.empty();
    const UserMessage message = OutputWriteMessage(printer.outputFileName().toStdString(), reason);
    MessageBox(pWindow, message.strText, message.strTitle, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void AlignPrinter(QWidget* pWindow)
{
    CPrinterAlignmentDlg alignment(pWindow);
    alignment.DoModal();
}
