#include "TestSheet.h"

#include <QFont>
#include <QPainter>
#include <QPen>

namespace {

// Millimetres to the device's pixels.
struct Millimetres
{
    double dPixelsPerMm;
    double operator()(double dMm) const { return dMm * dPixelsPerMm; }
};

// A tick every millimetre, longer every 5 and longest every 10, numbered every 10.
double TickLength(int nMm)
{
    return nMm % 10 == 0 ? 5.0 : nMm % 5 == 0 ? 3.5 : 2.0;
}

void DrawCrossHairs(QPainter& painter, const Millimetres& mm)
{
    const QPointF centre(mm(kCrossHairMm), mm(kCrossHairMm));
    painter.drawLine(centre - QPointF(mm(8), 0), centre + QPointF(mm(8), 0));
    painter.drawLine(centre - QPointF(0, mm(8)), centre + QPointF(0, mm(8)));
    painter.drawEllipse(centre, mm(3), mm(3));
}

void DrawRulerAcross(QPainter& painter, const Millimetres& mm)
{
    const double top = mm(kRulerAcrossTopMm);
    painter.drawLine(QPointF(mm(kCrossHairMm), top), QPointF(mm(kCrossHairMm + kRulerAcrossMm), top));
    for (int i = 0; i <= static_cast<int>(kRulerAcrossMm); ++i) {
        const double x = mm(kCrossHairMm + i);
        painter.drawLine(QPointF(x, top), QPointF(x, top + mm(TickLength(i))));
        if (i % 10 == 0)
            painter.drawText(QPointF(x - mm(1.5), top + mm(9)), QString::number(i));
    }
}

void DrawRulerDown(QPainter& painter, const Millimetres& mm)
{
    const double left = mm(kRulerDownLeftMm);
    painter.drawLine(QPointF(left, mm(kRulerDownStartMm)),
                     QPointF(left, mm(kRulerDownStartMm + kRulerDownMm)));
    for (int i = 0; i <= static_cast<int>(kRulerDownMm); ++i) {
        const double y = mm(kRulerDownStartMm + i);
        painter.drawLine(QPointF(left, y), QPointF(left + mm(TickLength(i)), y));
        if (i % 10 == 0)
            painter.drawText(QPointF(left + mm(6), y + mm(1.2)), QString::number(i));
    }
}

void DrawInstructions(QPainter& painter, const Millimetres& mm)
{
    const QRectF box(mm(60), mm(55), mm(120), mm(60));
    painter.drawText(
        box, Qt::TextWordWrap,
        QStringLiteral("Sleevora printer alignment test sheet\n\n"
                       "The centre of the cross-hairs should stand 20 mm from the top and the left "
                       "edge of the printable area, the ruler across should measure 100 mm and the "
                       "ruler down 150 mm. Enter how far to move the print and by how much to "
                       "stretch it in Printer Alignment."));
}

} // namespace

void DrawAlignmentTestSheet(QPainter& painter, const PrintCalibration& calibration)
{
    const int dpi = painter.device()->logicalDpiX();
    const Millimetres mm{dpi / 25.4};
    painter.save();
    ApplyCalibration(painter, calibration, dpi);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, std::max(1.0, mm(0.15))));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(mm(3)));
    painter.setFont(font);
    DrawCrossHairs(painter, mm);
    DrawRulerAcross(painter, mm);
    DrawRulerDown(painter, mm);
    DrawInstructions(painter, mm);
    painter.restore();
}
