#include "PrintShop.h"

#include "PagePictures.h"
#include "PdfEditing.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace {

int MmToPixels(double dMm, int nDpi)
{
    return static_cast<int>(std::lround(dMm / 25.4 * nDpi));
}

// The bleed is drawn from a picture of the piece's background at this resolution: the band
// is trimmed off, and its edge needs no more.
constexpr int kBleedDpi = 75;

// The piece's background (colour and picture, no text) as a small picture.
QImage BackgroundPicture(const CoverState& cover, CoverPiece piece, int nFontDpi)
{
    // As large as the renderer draws the piece, so that its last row and column are the
    // piece's own and not the paper's.
    const QSize size = PieceDrawnSize(kBleedDpi, cover.covertype, piece);
    QImage background(size, QImage::Format_RGB32);
    if (background.isNull())
        return background;
    background.fill(Qt::white);
    background.setDotsPerMeterX(qRound(kBleedDpi / 0.0254));
    background.setDotsPerMeterY(qRound(kBleedDpi / 0.0254));
    CPagePictures decoded(false);
    PieceDrawing drawing;
    drawing.bBackgroundOnly = true;
    drawing.pPictures = &decoded;
    CDC dc;
    dc.Attach(&background);
    DrawCoverPiece(&dc, cover, piece, CRect(0, 0, size.width(), size.height()), nFontDpi, drawing);
    return background;
}

// The bleed band: each edge row and column of the piece's background stretched out over the
// band, and each corner pixel over its corner. Nothing is drawn inside the trim.
void DrawBleed(QPainter& painter, const QImage& background, const QRect& trim, int nBleed)
{
    if (nBleed <= 0 || background.isNull())
        return;
    const int w = background.width();
    const int h = background.height();
    const int l = trim.left();
    const int t = trim.top();
    const int r = l + trim.width();
    const int b = t + trim.height();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(QRect(l, t - nBleed, trim.width(), nBleed), background, QRect(0, 0, w, 1));
    painter.drawImage(QRect(l, b, trim.width(), nBleed), background, QRect(0, h - 1, w, 1));
    painter.drawImage(QRect(l - nBleed, t, nBleed, trim.height()), background, QRect(0, 0, 1, h));
    painter.drawImage(QRect(r, t, nBleed, trim.height()), background, QRect(w - 1, 0, 1, h));
    const QPoint corners[] = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
    for (const QPoint& corner : corners) {
        const int x = corner.x() == 0 ? l - nBleed : r;
        const int y = corner.y() == 0 ? t - nBleed : b;
        painter.fillRect(QRect(x, y, nBleed, nBleed), QColor::fromRgb(background.pixel(corner)));
    }
    painter.restore();
}

// A mark of a length, from a point out along a direction, past the gap.
void DrawMark(QPainter& painter, QPointF from, QPointF direction, double dGap, double dLength)
{
    painter.drawLine(from + direction * dGap, from + direction * (dGap + dLength));
}

void DrawMarks(QPainter& painter, const PrintShopPage& page, int nDpi)
{
    const double gap = page.nBleed + kMarkGapMm / 25.4 * nDpi;
    const double length = kMarkLengthMm / 25.4 * nDpi;
    const double left = page.trim.left();
    const double top = page.trim.top();
    const double right = page.trim.left() + page.trim.width();
    const double bottom = page.trim.top() + page.trim.height();
    // Crop marks along the trim's edges, out from each corner, both ways.
    for (const QPointF corner :
         {QPointF(left, top), QPointF(right, top), QPointF(left, bottom), QPointF(right, bottom)}) {
        DrawMark(painter, corner, QPointF(corner.x() == left ? -1 : 1, 0), gap, length);
        DrawMark(painter, corner, QPointF(0, corner.y() == top ? -1 : 1), gap, length);
    }
    // Fold marks above and below the trim at each fold line.
    for (const int fold : page.folds) {
        DrawMark(painter, QPointF(left + fold, top), QPointF(0, -1), gap, length);
        DrawMark(painter, QPointF(left + fold, bottom), QPointF(0, 1), gap, length);
    }
}

// Short cut marks at the notches' inner edges: above and below the trim at their width, to
// its left at their depth.
void DrawNotchMarks(QPainter& painter, const PrintShopPage& page, int nDpi)
{
    if (page.notch.isEmpty())
        return;
    const double gap = page.nBleed + kMarkGapMm / 25.4 * nDpi;
    const double length = kNotchMarkLengthMm / 25.4 * nDpi;
    const QRectF trim(page.trim);
    const double x = trim.left() + page.notch.width();
    DrawMark(painter, QPointF(x, trim.top()), QPointF(0, -1), gap, length);
    DrawMark(painter, QPointF(x, trim.bottom()), QPointF(0, 1), gap, length);
    DrawMark(painter, QPointF(trim.left(), trim.top() + page.notch.height()), QPointF(-1, 0), gap, length);
    DrawMark(painter, QPointF(trim.left(), trim.bottom() - page.notch.height()), QPointF(-1, 0), gap, length);
}

} // namespace

std::vector<PrintShopPage> LayOutPrintShopPages(CoverType type, int nDpi, double dBleedMm)
{
    std::vector<PrintShopPage> pages;
    const int bleed = MmToPixels(dBleedMm, nDpi);
    const int room = MmToPixels(kMarkRoomMm, nDpi);
    for (const CoverPiece piece : PiecesOf(type)) {
        // The trim is the piece as drawn, so that no paper shows between its edge and the bleed.
        const QSize drawn = PieceDrawnSize(nDpi, type, piece);
        PrintShopPage page;
        page.piece = piece;
        page.nBleed = bleed;
        page.trim = QRect(QPoint(room + bleed, room + bleed), drawn);
        page.size = drawn + QSize(2 * (room + bleed), 2 * (room + bleed));
        page.folds = PieceFolds(nDpi, type, piece);
        if (type == SlimlineCD)
            page.notch =
                QSize(Pixels(nDpi, CoverGeometry::kNotchWidth), Pixels(nDpi, CoverGeometry::kNotchHeight));
        pages.push_back(page);
    }
    return pages;
}

void DrawPrintShopPage(QPainter& painter, const CoverState& cover, const PrintShopPage& page, int nFontDpi,
                       CPictureSource& pictures)
{
    {
        CDC dc;
        dc.AttachPainter(&painter);
        dc.SetPrinting(true);
        const QRect& trim = page.trim;
        PieceDrawing drawing;
        drawing.bGuides = false;
        drawing.pPictures = &pictures;
        DrawCoverPiece(&dc, cover, page.piece,
                       CRect(trim.left(), trim.top(), trim.left() + trim.width(), trim.top() + trim.height()),
                       nFontDpi, drawing);
    }
    DrawBleed(painter, BackgroundPicture(cover, page.piece, nFontDpi), page.trim, page.nBleed);
    const int dpi = painter.device()->logicalDpiX();
    // A quarter point, as crop marks are drawn; the PDF's finishing makes the stand-in colour
    // the registration colour.
    painter.setPen(QPen(QColor::fromRgb(kRegistrationStandIn), 0.25 / 72.0 * dpi));
    DrawMarks(painter, page, dpi);
    DrawNotchMarks(painter, page, dpi);
}
