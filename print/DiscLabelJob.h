// A sheet of disc labels to print: the cover they are made from, the sheet, which of its
// labels to print, a cut guide for plain paper, and the printer's alignment. One drawing
// of the sheet serves the printer, the PDF, the PNG and the dialog's preview.
#pragma once

#include "CoverSheet.h"
#include "CoverState.h"
#include "DiscLabel.h"
#include "DiscLabelSheets.h"

#include <QMarginsF>
#include <string>

class CPictureSource;
class QPainter;

struct DiscLabelJob
{
    const CoverState& cover;
    DiscLabelSheet sheet;
    unsigned nPositions = 3; // bit 0: the first (upper) label, bit 1: the second (lower)
    bool bCutGuide = false;
    PrintCalibration calibration;
    int nFontDpi = kScreenDpi;
};

// The label a cover makes: its front's background, picture and texts (for a DVD the front
// half of the insert), its spine text for the arc, in the front's font and text colour.
DiscLabelDesign DiscLabelDesignOf(const CoverState& cover, int nFontDpi);

// Whether a position (counted from 1) of the sheet is printed.
bool PrintsPosition(const DiscLabelJob& job, size_t nPosition);

// Whether every label to print, moved and stretched by the alignment, lies within the
// printable part of the sheet: inside margins (millimetres) the printer cannot print on.
bool DiscLabelsFit(const DiscLabelJob& job, const QMarginsF& marginsMm = {});
// What Print says when they do not.
std::string DiscLabelsOffSheetMessage();

// Draws the job's labels on a painter whose origin is the sheet's top-left corner, at the
// device's resolution, moved and stretched by the alignment.
void DrawDiscLabelSheet(QPainter& painter, const DiscLabelJob& job, CPictureSource& pictures,
                        TextFit* pFit = nullptr);
