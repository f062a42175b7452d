#include "DiscLabel.h"

#include "CoverPicture.h"
#include "PictureSource.h"
#include "QtConvert.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kRimMarginMm = 3.0; // the texts keep clear of the rim
constexpr double kHubGapMm = 3.0;    // and of the hub
constexpr double kShortestLineMm = 15.0;
constexpr double kArcSpan = 2.4;    // radians of the upper arc a spine text may take
constexpr double kArcPoints = 16.0; // the spine text's size when the cover's text is smaller
constexpr double kPointStep = 0.5;

double Millimetres(const QPainter& painter, double dMm)
{
    return dMm * painter.device()->logicalDpiY() / 25.4;
}

QPainterPath RingPath(const DiscLabelPlace& place)
{
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(place.centre, place.dOuter / 2, place.dOuter / 2);
    ring.addEllipse(place.centre, place.dHub / 2, place.dHub / 2);
    return ring;
}

// The area the whole picture is stretched over so that the centre square of its front part
// covers the circle's square, in proportion; empty when the file holds no picture.
CRect PictureAreaOver(const DiscLabelDesign& design, const DiscLabelPlace& place)
{
    const QSize size = CoverPictureSize(design.strImagePath);
    if (size.isEmpty())
        return CRect();
    const QRectF& f = design.pictureFront;
    const QRectF front(f.x() * size.width(), f.y() * size.height(), f.width() * size.width(),
                       f.height() * size.height());
    const double side = std::min(front.width(), front.height());
    if (side <= 0)
        return CRect();
    const double scale = place.dOuter / side;
    const QPointF square = front.center() - QPointF(side / 2, side / 2);
    const QPointF topLeft = place.centre - QPointF(place.dOuter / 2, place.dOuter / 2) - square * scale;
    return CRect(static_cast<int>(std::floor(topLeft.x())), static_cast<int>(std::floor(topLeft.y())),
                 static_cast<int>(std::ceil(topLeft.x() + size.width() * scale)),
                 static_cast<int>(std::ceil(topLeft.y() + size.height() * scale)));
}

void PaintBackground(QPainter& painter, const DiscLabelDesign& design, const DiscLabelPlace& place,
                     CPictureSource& pictures)
{
    painter.fillPath(RingPath(place), ToQColor(design.crBackground));
    const CRect area = PictureAreaOver(design, place);
    if (area.Width() <= 0 || area.Height() <= 0)
        return;
    CDC dc;
    dc.AttachPainter(&painter);
    dc.SetPrinting(painter.device()->devType() == QInternal::Printer);
    pictures.StretchOnto(dc, {design.strImagePath, area, 1.0, 1.0, design.crBackground});
}

// The cover's point size, as its text is printed (whole points).
double CoverPoints(const DiscLabelDesign& design)
{
    return design.nFontDpi > 0 ? static_cast<int>(-design.lfText.lfHeight * 72 / design.nFontDpi) : 0;
}

QFont LabelFont(const DiscLabelDesign& design, double dPoints)
{
    QFont font = ToQFont(design.lfText);
    font.setPointSizeF(dPoints);
    return font;
}

// The largest size from dStart down, in half points, at which fits holds; the smallest size
// when none does.
template <typename Fits> double LargestFitting(double dStart, const Fits& fits)
{
    double points = std::max(dStart, kLabelSmallestPoints);
    while (points > kLabelSmallestPoints && !fits(points))
        points = std::max(points - kPointStep, kLabelSmallestPoints);
    return points;
}

// The spine text set along the upper arc, each character upright to the rim, centred on the top.
void DrawArcText(QPainter& painter, const DiscLabelDesign& design, const DiscLabelPlace& place, TextFit* pFit)
{
    const QString text = ToQString(design.strArcText).simplified();
    if (text.isEmpty())
        return;
    const double rim = place.dOuter / 2 - Millimetres(painter, kRimMarginMm);
    auto baseline = [&](const QFontMetricsF& metrics) { return rim - metrics.ascent(); };
    auto fits = [&](double points) {
        const QFontMetricsF metrics(LabelFont(design, points), painter.device());
        return metrics.horizontalAdvance(text) <= baseline(metrics) * kArcSpan;
    };
    const double points = LargestFitting(std::max(kArcPoints, CoverPoints(design)), fits);
    painter.setFont(LabelFont(design, points));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double radius = baseline(metrics);
    QString shown = text;
    if (!fits(points)) {
        shown = metrics.elidedText(text, Qt::ElideRight, radius * kArcSpan);
        if (pFit)
            ++pFit->nSpinesCut;
    }
    const double total = metrics.horizontalAdvance(shown);
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, shown);
    for (int start = 0, next = clusters.toNextBoundary(); next > 0;
         start = next, next = clusters.toNextBoundary()) {
        const QString cluster = shown.mid(start, next - start);
        const double x = metrics.horizontalAdvance(shown.left(start));
        const double width = metrics.horizontalAdvance(cluster);
        painter.save();
        painter.translate(place.centre);
        painter.rotate((x + width / 2 - total / 2) / radius * 180.0 / M_PI);
        painter.drawText(QPointF(-width / 2, -radius), cluster);
        painter.restore();
    }
}

// The room of each line under the hub at a line height, the first line dOffset below the
// hub's gap: its top and the width of the ring at its lower edge; the list ends where the
// ring gets too narrow.
struct LineRoom
{
    double dTop;
    double dWidth;
};
std::vector<LineRoom> LinesUnderHub(const QPainter& painter, const DiscLabelPlace& place, double dLineHeight,
                                    size_t nWanted, double dOffset = 0)
{
    const double rim = place.dOuter / 2 - Millimetres(painter, kRimMarginMm);
    const double shortest = Millimetres(painter, kShortestLineMm);
    std::vector<LineRoom> rooms;
    double top = place.centre.y() + place.dHub / 2 + Millimetres(painter, kHubGapMm) + dOffset;
    for (; rooms.size() < nWanted; top += dLineHeight) {
        const double depth = top + dLineHeight - place.centre.y();
        const double width = depth < rim ? 2 * std::sqrt(rim * rim - depth * depth) : 0;
        if (width < shortest)
            break;
        rooms.push_back({top, width});
    }
    return rooms;
}

bool AllLinesFit(const QPainter& painter, const DiscLabelPlace& place, const QFontMetricsF& metrics,
                 const std::vector<QString>& lines, double dOffset)
{
    const std::vector<LineRoom> rooms =
        LinesUnderHub(painter, place, metrics.lineSpacing(), lines.size(), dOffset);
    for (size_t i = 0; i < lines.size(); ++i)
        if (i >= rooms.size() || metrics.horizontalAdvance(lines[i]) > rooms[i].dWidth)
            return false;
    return true;
}

// How far below the hub's gap the lines start: centred between the hub and the rim when they
// fit there whole, else as near it as they do.
double LinesOffset(const QPainter& painter, const DiscLabelPlace& place, const QFontMetricsF& metrics,
                   const std::vector<QString>& lines)
{
    const double band = place.dOuter / 2 - Millimetres(painter, kRimMarginMm) - place.dHub / 2 -
                        Millimetres(painter, kHubGapMm);
    const double step = metrics.lineSpacing() / 4;
    for (double offset = (band - metrics.lineSpacing() * lines.size()) / 2; offset > 0; offset -= step)
        if (AllLinesFit(painter, place, metrics, lines, offset))
            return offset;
    return 0;
}

std::vector<QString> LabelLines(const DiscLabelDesign& design)
{
    std::vector<QString> lines;
    for (const std::string& line : design.lines)
        lines.push_back(ToQString(line));
    // A title the arc already shows is not said twice.
    const QString arc = ToQString(design.strArcText).simplified();
    if (!lines.empty() && lines.front().simplified().compare(arc, Qt::CaseInsensitive) == 0)
        lines.erase(lines.begin());
    return lines;
}

// The front's texts under the hub, centred, at the cover's size or smaller until every line
// fits whole; at the smallest size a line too wide is cut with an ellipsis and the lines
// that find no room are left out, and both are counted.
void DrawLinesUnderHub(QPainter& painter, const DiscLabelDesign& design, const DiscLabelPlace& place,
                       TextFit* pFit)
{
    const std::vector<QString> lines = LabelLines(design);
    if (lines.empty())
        return;
    auto fits = [&](double points) {
        return AllLinesFit(painter, place, QFontMetricsF(LabelFont(design, points), painter.device()), lines,
                           0);
    };
    const double points = LargestFitting(CoverPoints(design), fits);
    painter.setFont(LabelFont(design, points));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double offset = fits(points) ? LinesOffset(painter, place, metrics, lines) : 0;
    const std::vector<LineRoom> rooms =
        LinesUnderHub(painter, place, metrics.lineSpacing(), lines.size(), offset);
    for (size_t i = 0; i < rooms.size(); ++i) {
        const QString shown = metrics.elidedText(lines[i], Qt::ElideRight, rooms[i].dWidth);
        if (shown != lines[i] && pFit)
            ++pFit->nTextsCut;
        const double x = place.centre.x() - metrics.horizontalAdvance(shown) / 2;
        painter.drawText(QPointF(x, rooms[i].dTop + metrics.ascent()), shown);
    }
    if (pFit)
        pFit->nLinesHidden += static_cast<int>(lines.size() - rooms.size());
}

// Thin circles just inside the rim and around the hub, to cut plain paper along.
void DrawCutGuides(QPainter& painter, const DiscLabelPlace& place)
{
    const double width = std::max(Millimetres(painter, kCutGuideWidthMm), 1.0);
    painter.setPen(QPen(QColor(128, 128, 128), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(place.centre, place.dOuter / 2 - width / 2, place.dOuter / 2 - width / 2);
    painter.drawEllipse(place.centre, place.dHub / 2 + width / 2, place.dHub / 2 + width / 2);
}

} // namespace

void DrawDiscLabel(QPainter& painter, const DiscLabelDesign& design, const DiscLabelPlace& place,
                   CPictureSource& pictures, TextFit* pFit)
{
    painter.save();
    painter.setClipPath(RingPath(place), painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PaintBackground(painter, design, place, pictures);
    painter.setPen(ToQColor(design.crText));
    DrawArcText(painter, design, place, pFit);
    DrawLinesUnderHub(painter, design, place, pFit);
    if (place.bCutGuide)
        DrawCutGuides(painter, place);
    painter.restore();
}
