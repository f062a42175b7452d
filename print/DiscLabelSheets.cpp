#include "DiscLabelSheets.h"

#include <QLineF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

DiscLabelSheet Sheet(const char* id, const char* name, QPageSize::PageSizeId paper, double dOuter,
                     double dHub, QPointF upper, QPointF lower)
{
    return {id, name, paper, dOuter, dHub, {upper, lower}, false};
}

// Other names a sheet of the table is sold under, for sleevora-export.
struct SheetAlias
{
    const char* alias;
    const char* id;
};
constexpr SheetAlias kAliases[] = {
    {"zweckform-6015", "avery-l6015"},
    {"avery-zweckform-3654", "zweckform-3654"},
    {"neato-uscd2lbl", "avery-5931"},
    {"worldlabel-wl-5075", "avery-5931"},
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Millimetres(double dMm)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g mm", dMm);
    return text;
}

std::string DiameterFault(const DiscLabelSheet& sheet)
{
    const double largest = sheet.bPrintableDisc ? kDiscMm : 130.0;
    if (!(sheet.dOuterMm >= kSmallestOuterMm && sheet.dOuterMm <= largest))
        return "The outer diameter must be from " + Millimetres(kSmallestOuterMm) + " to " +
               Millimetres(largest) + ".";
    if (!(sheet.dHubMm >= kSmallestHubMm && sheet.dHubMm <= sheet.dOuterMm - kRingAtLeastMm))
        return "The hub diameter must be from " + Millimetres(kSmallestHubMm) + " to " +
               Millimetres(sheet.dOuterMm - kRingAtLeastMm) + " (the outer diameter less 20 mm).";
    return std::string();
}

} // namespace

const std::vector<DiscLabelSheet>& DiscLabelSheets()
{
    static const std::vector<DiscLabelSheet> sheets = {
        Sheet("avery-l6015", "Avery L6015 (Zweckform 6015)", QPageSize::A4, 117.0, 41.0, {105.0, 79.9},
              {105.0, 218.3}),
        Sheet("avery-l6043", "Avery L6043", QPageSize::A4, 117.4, 41.2, {104.7, 80.5}, {104.7, 217.5}),
        Sheet("avery-l7676", "Avery L7676 (small hub)", QPageSize::A4, 117.0, 17.6, {105.0, 80.5},
              {105.0, 217.5}),
        Sheet("zweckform-3654", "Avery Zweckform 3654", QPageSize::A4, 117.0, 41.0, {105.0, 79.2},
              {105.0, 216.1}),
        Sheet("herma-4093", "Herma 4093", QPageSize::A4, 116.0, 41.0, {105.0, 74.5}, {105.0, 222.5}),
        Sheet("avery-5931", "Avery 5931 / Neato USCD2lbl / Worldlabel WL-5075", QPageSize::Letter, 117.5,
              41.3, {107.95, 76.2}, {107.95, 203.2}),
        Sheet("avery-5824", "Avery 5824", QPageSize::Letter, 117.5, 41.3, {109.5, 71.4}, {109.5, 211.1}),
        Sheet("avery-8960", "Avery 8960 (small hub)", QPageSize::Letter, 117.5, 10.0, {107.7, 76.4},
              {107.7, 203.4}),
    };
    return sheets;
}

const DiscLabelSheet* FindDiscLabelSheet(const std::string& strName)
{
    std::string id = Lower(strName);
    for (const SheetAlias& alias : kAliases)
        if (id == alias.alias)
            id = alias.id;
    for (const DiscLabelSheet& sheet : DiscLabelSheets())
        if (sheet.strId == id)
            return &sheet;
    return nullptr;
}

DiscLabelSheet PrintableDisc(double dOuterMm, double dHubMm)
{
    return {"printable-disc",
            "Printable disc",
            QPageSize::Custom,
            dOuterMm,
            dHubMm,
            {QPointF(kDiscMm / 2, kDiscMm / 2)},
            true};
}

DiscLabelSheet CustomDiscSheet(QPageSize::PageSizeId paper, double dOuterMm, double dHubMm,
                               const std::vector<QPointF>& centresMm)
{
    return {"custom", "Custom", paper, dOuterMm, dHubMm, centresMm, false};
}

std::string DiscSheetFault(const DiscLabelSheet& sheet)
{
    if (std::string fault = DiameterFault(sheet); !fault.empty())
        return fault;
    const QRectF paper(QPointF(0, 0), DiscSheetSizeMm(sheet));
    const double radius = sheet.dOuterMm / 2;
    for (size_t i = 0; i < sheet.centresMm.size(); ++i) {
        const QPointF& centre = sheet.centresMm[i];
        if (!paper.contains(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius))))
            return "Label " + std::to_string(i + 1) + " would run off the paper: move its centre.";
        if (i > 0 && QLineF(centre, sheet.centresMm[0]).length() < sheet.dOuterMm)
            return "The two labels would overlap: move their centres at least " +
                   Millimetres(sheet.dOuterMm) + " apart.";
    }
    return std::string();
}

QSizeF DiscSheetSizeMm(const DiscLabelSheet& sheet)
{
    if (sheet.bPrintableDisc)
        return QSizeF(kDiscMm, kDiscMm);
    return QPageSize(sheet.paper).size(QPageSize::Millimeter);
}

QPageLayout DiscSheetLayout(const DiscLabelSheet& sheet)
{
    const QPageSize size = sheet.bPrintableDisc
                               ? QPageSize(QSizeF(kDiscMm, kDiscMm), QPageSize::Millimeter,
                                           QStringLiteral("Printable disc"), QPageSize::ExactMatch)
                               : QPageSize(sheet.paper);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
}
