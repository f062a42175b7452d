// Whether a side's texts fit its piece on paper: what the drawing could not show, the one
// line the main window says it in, and the largest font size at which everything fits.
#pragma once

#include "CoverDrawing.h"
#include "CoverState.h"

#include <string>

// The smallest size Shrink to Fit goes down to, in tenths of a point.
constexpr int kSmallestFitTenths = 60;

// What the piece of a side (a standard CD's front booklet or tray card, any other kind's one
// insert) could not show, drawn as for paper with the cover's fonts at nFontDpi. Nothing
// for a kind without a printed layout.
TextFit MeasureSideFit(const CoverState& cover, CoverSide side, int nFontDpi);

// The line that says it, as "3 tracks and the back spine text do not fit"; empty when
// everything fits.
std::string DescribeFit(const TextFit& fit, CoverType type, CoverSide side);

// Whether a smaller text font would show more: the spine text keeps a size of its own.
bool SmallerFontHelps(const TextFit& fit);

// Sets the side's text font to the largest size, in half-point steps from its own size
// down to 6 points, at which its rows, titles and lines all fit (6 points when none is
// enough), as a font choice stores it. False when the size stays as it was.
bool ShrinkSideToFit(CoverState& cover, CoverSide side, int nFontDpi);
