// Where a cover's pieces go on the sheet the user prints on, and the correction for a
// printer that is off. On A4 the pieces keep their fixed places, counted from the sheet's
// corner plus a PDF page's margins; on any other paper the whole layout is centred on the
// sheet. A layout that does not fit
// the printable area is not printed cut off: the caller says which papers would take it.
#pragma once

#include "CoverState.h"

#include <QPageLayout>
#include <QPointF>
#include <QRectF>
#include <string>

class QPainter;

// The papers the export offers by name.
enum class SheetPaper
{
    A4,
    Letter,
    Legal
};
QPageSize::PageSizeId PageSizeOf(SheetPaper paper);

// The sheet for a kind of case on a paper: across for the DVD inserts and upright for the
// others, with the margins of a PDF page.
QPageLayout CoverSheetLayout(CoverType type, SheetPaper paper = SheetPaper::A4);

// The box around all of a kind's pieces, in inches from the printable corner at their
// fixed places.
QRectF CoverLayoutBox(CoverType type);

// How far a printer is off: the print is moved by the offsets and stretched by the scales,
// from the printable corner. The default changes nothing.
struct PrintCalibration
{
    double dOffsetXMm = 0.0;
    double dOffsetYMm = 0.0;
    double dScaleX = 1.0;
    double dScaleY = 1.0;

    bool IsIdentity() const { return dOffsetXMm == 0 && dOffsetYMm == 0 && dScaleX == 1 && dScaleY == 1; }
};
// Where the cover lands on a sheet. The fixed places count from the sheet's corner plus a
// PDF page's margins, whatever margins the printer has; the offset takes them to the
// printable area's corner, where the painter starts (zero on A4 with a PDF page's margins).
// The cover fits when all of it, moved and stretched by the alignment, lies within the
// printable area.
struct CoverPlacement
{
    bool bFits = true;
    bool bFitsWithoutAlignment = true; // whether only the alignment pushes it off
    QPointF offset;                    // inches added to every fixed place
};
CoverPlacement PlaceCoverOnSheet(CoverType type, const QPageLayout& sheet,
                                 const PrintCalibration& calibration = {});

// "Letter paper across" and the like, and the message for a sheet the cover does not fit,
// naming the papers and orientations (of A4, Letter and Legal, with the sheet's margins)
// that would take it.
std::string DescribeSheet(const QPageLayout& sheet);
std::string CoverDoesNotFitMessage(CoverType type, const QPageLayout& sheet);
// The message for a cover that fits the sheet but not with the printer's alignment applied.
std::string AlignmentPushesCoverOffMessage(const QPageLayout& sheet);

// The printer's alignment the user stored; none when nothing was ever stored (the settings
// are only read, never created, here).
PrintCalibration StoredPrintCalibration();
// Moves and stretches the painter's page for a calibration, at the device's resolution.
// The moves are whole device pixels, so an uncorrected print stays pixel for pixel.
void ApplyCalibration(QPainter& painter, const PrintCalibration& calibration, int nDpi);
void ApplyPlacement(QPainter& painter, const CoverPlacement& placement, int nDpi);
