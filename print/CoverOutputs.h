// Every file and page a cover becomes: the sheet as a PDF that keeps vectors, the sheet as a
// PNG picture, the print-shop PDF, and the sheet on a printer. Files are written whole
// through QSaveFile: on failure nothing is left under the name (a file that stood there
// stays as it was) and the reason comes back, for OutputWriteMessage to put into words; an
// empty reason means the output was made. The Print command and sleevora-export both come
// here.
#pragma once

#include "CoverGeometry.h"
#include "CoverSheet.h"
#include "CoverState.h"

#include <QPageLayout>
#include <string>

class QPrinter;

// What one sheet of a cover is: the cover, the sheet's layout, where the cover goes on it,
// the printer's correction, and the resolution the cover's font heights are given in.
struct SheetJob
{
    const CoverState& cover;
    QPageLayout layout;
    CoverPlacement placement;
    PrintCalibration calibration;
    int nFontDpi = kScreenDpi;
};

// The sheet as a PDF: text as text (its fonts embedded), lines as lines, JPEG pictures as
// their files' own bytes and other pictures exactly.
std::string WriteCoverPdf(const std::string& strPath, const SheetJob& job);
// The whole sheet as a PNG picture of nDpi pixels an inch.
std::string WriteCoverPng(const std::string& strPath, const SheetJob& job, int nDpi);
// One page per piece, each the piece's trim size plus a bleed of dBleedMm plus room for the
// crop and fold marks, with the page boxes that tell the shop where to cut (TrimBox: the
// piece; BleedBox: the trim and the bleed; MediaBox: the page).
std::string WritePrintShopPdf(const std::string& strPath, const CoverState& cover, double dBleedMm,
                              int nFontDpi = kScreenDpi);
// The sheet on a printer the print dialog has set up, at most at the print resolution; a
// printer set to print to a PDF file gets the file WriteCoverPdf writes, on its page layout.
std::string PrintCoverSheet(QPrinter& printer, const SheetJob& job);
