// The sheets a disc label is printed on: self-adhesive label sheets from their published
// layouts, a printable disc (a page the size of the disc, as disc-tray printers take it) and
// a custom layout on A4 or Letter. Sizes in millimetres, centres from the sheet's top-left
// corner.
#pragma once

#include <QPageLayout>
#include <QPointF>
#include <string>
#include <vector>

struct DiscLabelSheet
{
    std::string strId;   // the name sleevora-export takes: "avery-l6015"
    std::string strName; // as the dialog lists it
    QPageSize::PageSizeId paper = QPageSize::A4;
    double dOuterMm = 0;
    double dHubMm = 0;
    std::vector<QPointF> centresMm; // upper, then lower
    bool bPrintableDisc = false;
};

// A disc is 120 mm across; a printable disc's page is that square.
constexpr double kDiscMm = 120.0;
// What a printable disc's or a custom sheet's diameters may be.
constexpr double kSmallestOuterMm = 50.0;
constexpr double kSmallestHubMm = 5.0;
constexpr double kRingAtLeastMm = 20.0; // the outer diameter exceeds the hub's by this much

// The label sheets of the table, in the order the dialog lists them.
const std::vector<DiscLabelSheet>& DiscLabelSheets();
// A sheet of the table by its export name or another name it is sold under (any case);
// null when there is none.
const DiscLabelSheet* FindDiscLabelSheet(const std::string& strName);
// A printable disc of these diameters, its label at the centre of a 120 mm page.
DiscLabelSheet PrintableDisc(double dOuterMm, double dHubMm);
// A layout of the user's own on A4 or Letter.
DiscLabelSheet CustomDiscSheet(QPageSize::PageSizeId paper, double dOuterMm, double dHubMm,
                               const std::vector<QPointF>& centresMm);
// What is wrong with a sheet's numbers, for the user; empty when it can be printed: the
// diameters out of range, or a label off the paper or over the other.
std::string DiscSheetFault(const DiscLabelSheet& sheet);

// The sheet's paper, upright, with no margins: the page's origin is the sheet's corner.
QPageLayout DiscSheetLayout(const DiscLabelSheet& sheet);
// The sheet's paper in millimetres.
QSizeF DiscSheetSizeMm(const DiscLabelSheet& sheet);
