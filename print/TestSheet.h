// The printer alignment test sheet: cross-hairs 20 mm in from the printable corner, a
// 100 mm ruler across and a 150 mm ruler down, in millimetre ticks. The user measures them
// on paper to find how far the printer moves and stretches what it prints.
#pragma once

#include "CoverSheet.h"

class QPainter;

// Where the sheet's marks stand, in millimetres from the printable corner.
constexpr double kCrossHairMm = 20.0;
constexpr double kRulerAcrossMm = 100.0;
constexpr double kRulerDownMm = 150.0;
constexpr double kRulerAcrossTopMm = 32.0; // the baseline of the ruler across; it starts at 20 mm
constexpr double kRulerDownLeftMm = 20.0;  // the baseline of the ruler down; it starts at 50 mm
constexpr double kRulerDownStartMm = 50.0;

// Draws the sheet with a painter active on the page (origin at the printable corner), moved
// and stretched by the calibration, so that a corrected printer prints it true.
void DrawAlignmentTestSheet(QPainter& painter, const PrintCalibration& calibration);
