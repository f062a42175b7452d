// Printing a cover file without a display (sleevora-export): its sheet as a PDF, as a PNG
// picture of the whole sheet, or as a print shop's PDF, drawn by the same code as the
// program's printing. The cover is read into a record of the export's own, its pictures into
// a folder of its own that goes when the export ends.
#pragma once

#include "CoverSheet.h"
#include "DiscLabelSheets.h"

#include <string>

struct ExportRequest
{
    std::string strCoverPath;
    std::string strOutputPath;
    int nDpi = 300; // pixels per inch of a PNG; a PDF keeps vectors, its pictures at most 600
    // The paper of the sheet: on A4 the pieces keep their fixed places, on another paper the
    // layout is centred; a paper it does not fit is refused.
    SheetPaper paper = SheetPaper::A4;
    // The stored printer alignment applied: a file usually goes to another printer, so only
    // when asked for.
    bool bCalibrated = false;
    // A print-shop PDF when zero or more: one page per piece with this bleed in millimetres,
    // crop and fold marks, and the trim and bleed boxes; the plain sheet when negative.
    double dBleedMm = -1.0;
    // A sheet of disc labels made from the cover instead of the cover's own sheet: the sheet,
    // its positions to print (bit 0 the first, bit 1 the second) and a cut guide.
    bool bDiscLabel = false;
    DiscLabelSheet discSheet;
    unsigned nDiscPositions = 3;
    bool bCutGuide = false;
};

// The largest resolution a PNG is drawn at, and the largest bleed.
constexpr int kMaxExportDpi = 1200;
constexpr double kMaxBleedMm = 5.0;

// Writes the output. On failure nothing is left behind under the output name and the
// reason is returned as one line for the user; an empty string means success.
std::string ExportCover(const ExportRequest& request);
