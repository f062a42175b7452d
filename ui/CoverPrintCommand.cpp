// The "Print" command of the main window.
#include "CoverMainDlg.h"

#include "CoverPrint.h"
#include "ModalHost.h"
#include "PagePictures.h"
#include "PdfEditing.h"
#include "PrinterAlignment.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>

namespace {

// A PDF printed with JPEG stand-ins gets the files' own data in their places. On failure
// the half-made file is removed and the reason returned.
std::string FinishPdf(const QString& strPath, const CPagePictures& pictures)
{
    if (pictures.Jpegs().empty())
        return std::string();
    QFile written(strPath);
    std::string error = "cannot read the PDF back";
    if (written.open(QIODevice::ReadOnly)) {
        const QByteArray pdf = WithOriginalJpegs(written.readAll(), pictures.Jpegs(), &error);
        written.close();
        QSaveFile file(strPath);
        if (!pdf.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() &&
            file.commit())
            return std::string();
        if (!pdf.isEmpty())
            error = "cannot write " + strPath.toStdString();
    }
    QFile::remove(strPath);
    return error;
}

} // namespace

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
    printer.setResolution(CoverPrintResolution(printer.resolution()));
    const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
    CPagePictures pictures;
    QPainter painter;
    if (!painter.begin(&printer))
        return; // the job could not start: it is abandoned without a word, as a failed print always was
    DrawCoverPage(painter, TheCover(), logicalDpiY(), placement, StoredPrintCalibration(),
                  pdf ? &pictures : nullptr);
    painter.end();
    if (!pdf)
        return;
    const std::string error = FinishPdf(printer.outputFileName(), pictures);
    if (!error.empty())
        MessageBox(this, "The PDF could not be written: " + error + ".", "Error", MB_OK | MB_ICONEXCLAMATION);
}
