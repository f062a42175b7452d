#include "CoverSheet.h"

#include "CoverGeometry.h"
#include "CoverSettings.h"
#include "PrinterAlignment.h"
#include "Registry.h"

#include <QFileInfo>
#include <QPainter>
#include <cmath>

namespace {

// Qt's PDF page margins, the sheet's margins wherever the page goes.
constexpr double kSheetMarginPoints = 10.0;
// A hair of slack when comparing points, for sizes converted from inches and millimetres.
constexpr double kSlackPoints = 0.072;

QPageLayout::Orientation OrientationFor(CoverType type)
{
    return type == StandardDVD || type == SlimlineDVD ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QRectF PieceBox(double dLeft, double dTop, double dWidth, double dHeight)
{
    return QRectF(dLeft, dTop, dWidth, dHeight);
}

// Whether a rectangle lies within an area, give or take the slack.
bool Within(const QRectF& rect, const QRectF& area)
{
    return rect.left() >= area.left() - kSlackPoints && rect.top() >= area.top() - kSlackPoints &&
           rect.right() <= area.right() + kSlackPoints && rect.bottom() <= area.bottom() + kSlackPoints;
}

} // namespace

QPageSize::PageSizeId PageSizeOf(SheetPaper paper)
{
    switch (paper) {
    case SheetPaper::Letter:
        return QPageSize::Letter;
    case SheetPaper::Legal:
        return QPageSize::Legal;
    default:
        return QPageSize::A4;
    }
}

QPageLayout CoverSheetLayout(CoverType type, SheetPaper paper)
{
    const QMarginsF margins(kSheetMarginPoints, kSheetMarginPoints, kSheetMarginPoints, kSheetMarginPoints);
    return QPageLayout(QPageSize(PageSizeOf(paper)), OrientationFor(type), margins, QPageLayout::Point);
}

QRectF CoverLayoutBox(CoverType type)
{
    const CoverGeometry geometry = CoverGeometry::ForCoverType(type);
    QRectF box = PieceBox(geometry.dBackLeft, geometry.dBackTop, geometry.dBackWidth, geometry.dBackHeight);
    if (type == StandardCD)
        box |= PieceBox(geometry.dFrontLeft, geometry.dFrontTop, geometry.dFrontWidth, geometry.dFrontHeight);
    return box;
}

CoverPlacement PlaceCoverOnSheet(CoverType type, const QPageLayout& sheet,
                                 const PrintCalibration& calibration)
{
    // In points, and the printable area as Qt's paint engines place the painter's origin:
    // they round the margins to whole points (a layout's inches are rounded to hundredths).
    const QRectF box(CoverLayoutBox(type).topLeft() * 72.0, CoverLayoutBox(type).size() * 72.0);
    const QRectF printable(sheet.paintRectPoints());
    const QRectF full = sheet.fullRect(QPageLayout::Point);
    // Where the layout box's corner lands on the sheet.
    const QPointF corner =
        sheet.pageSize().id() == QPageSize::A4
            ? QPointF(kSheetMarginPoints, kSheetMarginPoints) + box.topLeft()
            : QPointF((full.width() - box.width()) / 2, (full.height() - box.height()) / 2);
    const QPointF offset = corner - box.topLeft() - printable.topLeft();
    // The box as the painter places it, from the printable corner, then moved and stretched.
    const QRectF placed = box.translated(offset);
    const QRectF aligned(calibration.dOffsetXMm / 25.4 * 72 + calibration.dScaleX * placed.left(),
                         calibration.dOffsetYMm / 25.4 * 72 + calibration.dScaleY * placed.top(),
                         calibration.dScaleX * placed.width(), calibration.dScaleY * placed.height());
    const QRectF area(QPointF(0, 0), printable.size());
    CoverPlacement placement;
    placement.offset = offset / 72.0;
    placement.bFitsWithoutAlignment = Within(placed, area);
    placement.bFits = placement.bFitsWithoutAlignment && Within(aligned, area);
    return placement;
}

std::string DescribeSheet(const QPageLayout& sheet)
{
    const QPageSize::PageSizeId id = sheet.pageSize().id();
    const std::string paper = id == QPageSize::A4       ? "A4"
                              : id == QPageSize::Letter ? "Letter"
                              : id == QPageSize::Legal  ? "Legal"
                                                        : sheet.pageSize().name().toStdString();
    return paper + " paper " + (sheet.orientation() == QPageLayout::Landscape ? "across" : "upright");
}

std::string CoverDoesNotFitMessage(CoverType type, const QPageLayout& sheet)
{
    const QRectF box = CoverLayoutBox(type);
    const QRectF printable = sheet.paintRect(QPageLayout::Inch);
    char sizes[160];
    std::snprintf(sizes, sizeof sizes,
                  "it needs %.2f x %.2f inches, and the printer prints %.2f x %.2f inches there", box.width(),
                  box.height(), printable.width(), printable.height());
    std::string fitting;
    for (const SheetPaper paper : {SheetPaper::A4, SheetPaper::Letter, SheetPaper::Legal}) {
        for (const QPageLayout::Orientation orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
            const QPageLayout candidate(QPageSize(PageSizeOf(paper)), orientation, sheet.margins(),
                                        sheet.units());
            if (!PlaceCoverOnSheet(type, candidate).bFits)
                continue;
            fitting += (fitting.empty() ? "" : ", ") + DescribeSheet(candidate);
        }
    }
    std::string message = "The cover does not fit on " + DescribeSheet(sheet) + ": " + sizes + ".";
    if (!fitting.empty())
        message += "\n\nIt fits on " + fitting + ". Choose one of them and print again.";
    return message;
}

std::string AlignmentPushesCoverOffMessage(const QPageLayout& sheet)
{
    return "With the printer alignment applied, part of the cover would fall outside the printable area "
           "of " +
           DescribeSheet(sheet) +
           ".\n\nCheck the offsets and sizes in Printer Alignment... (on the window's right-click menu) "
           "and print again.";
}

void ApplyCalibration(QPainter& painter, const PrintCalibration& calibration, int nDpi)
{
    if (calibration.IsIdentity())
        return;
    painter.translate(std::round(calibration.dOffsetXMm / 25.4 * nDpi),
                      std::round(calibration.dOffsetYMm / 25.4 * nDpi));
    painter.scale(calibration.dScaleX, calibration.dScaleY);
}

void ApplyPlacement(QPainter& painter, const CoverPlacement& placement, int nDpi)
{
    painter.translate(std::round(placement.offset.x() * nDpi), std::round(placement.offset.y() * nDpi));
}

PrintCalibration StoredPrintCalibration()
{
    if (!QFileInfo::exists(QString::fromStdString(RegistryFilePath(kSettingsKey))))
        return {};
    const CPrinterAlignment alignment;
    return {alignment.OffsetXMm(), alignment.OffsetYMm(), alignment.ScaleX(), alignment.ScaleY()};
}
