// Draws the program's icons and bitmaps and writes them as PNG files into the folder given
// (resources/images). The pictures are ours, drawn here in code so that they can be
// changed and redrawn; the PNG files are kept with the sources and compiled in.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

QString g_folder;

// The palette every picture shares.
const QColor kInk(40, 48, 64);
const QColor kBlue(36, 110, 200);
const QColor kSky(150, 200, 240);
const QColor kGreen(60, 160, 80);
const QColor kRed(210, 50, 50);
const QColor kPaper(252, 252, 248);
const QColor kGold(240, 190, 60);

// Draws a picture of size × height units at scale pixels a unit; the drawing functions
// work in units, so the 2× copy has the same shapes at twice the pixels.
QImage Draw(int size, int height, int scale, const std::function<void(QPainter&)>& draw, bool magenta)
{
    QImage image(size * scale, (height ? height : size) * scale, QImage::Format_ARGB32);
    image.fill(magenta ? QColor(255, 0, 255) : QColor(Qt::transparent));
    QPainter painter(&image);
    painter.scale(scale, scale);
    // Bitmaps on magenta keep hard edges: every pixel is either the picture or the key colour.
    painter.setRenderHint(QPainter::Antialiasing, !magenta);
    draw(painter);
    painter.end();
    return image;
}

void Save(const QString& name, int size, const std::function<void(QPainter&)>& draw, bool magenta = false,
          int height = 0)
{
    Draw(size, height, 1, draw, magenta).save(g_folder + QLatin1Char('/') + name);
}

// A picture the program shows in its windows: also drawn at 2× as name@2x.png, for screens
// scaled 2×.
void SaveBoth(const QString& name, int size, const std::function<void(QPainter&)>& draw, bool magenta = false,
              int height = 0)
{
    Save(name + QStringLiteral(".png"), size, draw, magenta, height);
    Draw(size, height, 2, draw, magenta).save(g_folder + QLatin1Char('/') + name + QStringLiteral("@2x.png"));
}

QPen Outline(qreal width = 1.6)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A small landscape in a frame: the background picture of a cover.
void Picture(QPainter& p)
{
    p.setPen(Outline());
    p.setBrush(kSky);
    p.drawRoundedRect(QRectF(3.5, 6.5, 25, 19), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(21, 12), 3, 3);
    p.setBrush(kGreen);
    QPainterPath hills;
    hills.moveTo(4.5, 24.5);
    hills.lineTo(12, 14);
    hills.lineTo(17, 20);
    hills.lineTo(20, 17);
    hills.lineTo(27.5, 24.5);
    hills.closeSubpath();
    p.drawPath(hills);
}

void Badge(QPainter& p, const QColor& colour, const std::function<void(QPainter&)>& mark)
{
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(colour);
    p.drawEllipse(QPointF(24, 24), 7, 7);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    mark(p);
}

void ChooseImage(QPainter& p)
{
    Picture(p);
    Badge(p, kGreen, [](QPainter& q) {
        q.drawLine(QPointF(24, 20.5), QPointF(24, 27.5));
        q.drawLine(QPointF(20.5, 24), QPointF(27.5, 24));
    });
}

void ClearImage(QPainter& p)
{
    Picture(p);
    Badge(p, kRed, [](QPainter& q) {
        q.drawLine(QPointF(21.5, 21.5), QPointF(26.5, 26.5));
        q.drawLine(QPointF(26.5, 21.5), QPointF(21.5, 26.5));
    });
}

void Print(QPainter& p)
{
    p.setPen(Outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(9.5, 3.5, 13, 10)); // the sheet going in
    p.setBrush(QColor(170, 180, 195));
    p.drawRoundedRect(QRectF(3.5, 12.5, 25, 11), 2.5, 2.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9.5, 19.5, 13, 9)); // the printed sheet
    p.setPen(QPen(kBlue, 1.4));
    p.drawLine(QPointF(12, 23), QPointF(20, 23));
    p.drawLine(QPointF(12, 26), QPointF(18, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(24.5, 16.5), 1.5, 1.5);
}

void Exit(QPainter& p)
{
    p.setPen(Outline());
    p.setBrush(QColor(190, 140, 90));
    p.drawRect(QRectF(5.5, 4.5, 13, 24)); // the door
    p.setBrush(kGold);
    p.drawEllipse(QPointF(15.5, 17), 1.2, 1.2);
    p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(16, 16.5), QPointF(28, 16.5));
    p.drawLine(QPointF(23.5, 12), QPointF(28, 16.5));
    p.drawLine(QPointF(23.5, 21), QPointF(28, 16.5));
}

void Continue(QPainter& p)
{
    QRadialGradient shine(QPointF(12, 10), 22);
    shine.setColorAt(0, QColor(120, 220, 120));
    shine.setColorAt(1, QColor(30, 130, 50));
    p.setPen(QPen(QColor(20, 90, 35), 1.2));
    p.setBrush(shine);
    p.drawEllipse(QPointF(16, 16), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath arrow;
    arrow.moveTo(8, 13.5);
    arrow.lineTo(16, 13.5);
    arrow.lineTo(16, 8.5);
    arrow.lineTo(25, 16);
    arrow.lineTo(16, 23.5);
    arrow.lineTo(16, 18.5);
    arrow.lineTo(8, 18.5);
    arrow.closeSubpath();
    p.drawPath(arrow);
}

void ChooseColor(QPainter& p)
{
    // A painter's palette with three colours.
    p.setPen(Outline());
    p.setBrush(QColor(225, 190, 140));
    QPainterPath board;
    board.addEllipse(QRectF(3.5, 6.5, 25, 20));
    board.addEllipse(QRectF(17, 17, 6, 5));
    board.setFillRule(Qt::OddEvenFill);
    p.drawPath(board);
    p.setPen(Qt::NoPen);
    const QColor colours[] = {kRed, kBlue, kGreen, kGold};
    const QPointF spots[] = {{10, 12}, {16, 10}, {22, 12}, {9, 19}};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.drawEllipse(spots[i], 2.6, 2.6);
    }
}

void TrackListing(QPainter& p)
{
    p.setPen(Outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 3.5, 20, 25));
    p.setPen(QPen(kInk, 1.4));
    for (int row = 0; row < 5; ++row) {
        const qreal y = 8 + row * 4.2;
        p.drawPoint(QPointF(8, y));
        p.drawLine(QPointF(11, y), QPointF(row % 2 ? 18 : 21, y));
    }
    // A note over the corner.
    p.setPen(QPen(kBlue, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(27, 15), QPointF(27, 26));
    p.drawLine(QPointF(27, 15), QPointF(30, 17));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(24.8, 26.5), 2.6, 2);
}

void Font(QPainter& p)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, -2, 32, 30), Qt::AlignCenter, QStringLiteral("A"));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRect(QRectF(5, 26, 22, 3));
}

void Help(QPainter& p)
{
    p.setPen(QPen(QColor(20, 70, 140), 1.2));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(21);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
}

// A sheet of paper whose top right corner is folded down by fold, in the painter's pen and
// brush.
void FoldedSheet(QPainter& p, const QRectF& sheet, qreal fold)
{
    const qreal crease = sheet.right() - fold;
    QPainterPath outline;
    outline.moveTo(sheet.topLeft());
    outline.lineTo(crease, sheet.top());
    outline.lineTo(sheet.right(), sheet.top() + fold);
    outline.lineTo(sheet.bottomRight());
    outline.lineTo(sheet.bottomLeft());
    outline.closeSubpath();
    p.drawPath(outline);
    p.drawLine(QPointF(crease, sheet.top()), QPointF(crease, sheet.top() + fold));
    p.drawLine(QPointF(crease, sheet.top() + fold), QPointF(sheet.right(), sheet.top() + fold));
}

void StartOver(QPainter& p)
{
    // A fresh sheet with a turning arrow.
    p.setPen(Outline());
    p.setBrush(kPaper);
    FoldedSheet(p, QRectF(6.5, 3.5, 19, 25), 6);
    p.setPen(QPen(kGreen, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10, 12, 12, 12), 90 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    QPainterPath head;
    head.moveTo(16, 9);
    head.lineTo(20.5, 12);
    head.lineTo(16, 15);
    head.closeSubpath();
    p.drawPath(head);
}

void Mark(QPainter& p, bool checked)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
    if (!checked)
        return;
    p.setPen(QPen(kGreen, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{4.5, 8.5}, {7, 11.5}, {12, 4.5}}));
}

// A disc with its shine and centre hole.
void Disc(QPainter& p, const QPointF& centre, qreal radius)
{
    QConicalGradient shine(centre, 30);
    shine.setColorAt(0, QColor(225, 230, 240));
    shine.setColorAt(0.25, QColor(170, 200, 235));
    shine.setColorAt(0.5, QColor(235, 215, 235));
    shine.setColorAt(0.75, QColor(180, 225, 200));
    shine.setColorAt(1, QColor(225, 230, 240));
    p.setPen(QPen(QColor(110, 120, 140), 1));
    p.setBrush(shine);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius * 0.28, radius * 0.28);
    p.setBrush(QColor(120, 125, 135));
    p.drawEllipse(centre, radius * 0.1, radius * 0.1);
}

void ApplicationIcon(QPainter& p, int size)
{
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Outline(1.2));
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(2.5, 4.5, 20, 23), 1.5, 1.5); // the case with its insert
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawRect(QRectF(4, 6, 3, 20)); // the spine
    Disc(p, QPointF(20, 16), 10);
}

// A cover file: a sheet with a folded corner, and a disc on it.
void CoverFileIcon(QPainter& p, int size)
{
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Outline(1.2));
    p.setBrush(kPaper);
    FoldedSheet(p, QRectF(5.5, 2.5, 21, 27), 6);
    Disc(p, QPointF(16, 19), 8);
}

void Logo(QPainter& p)
{
    p.save();
    ApplicationIcon(p, 44);
    p.restore();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 46, 69, 18), Qt::AlignCenter, QStringLiteral("Sleevora"));
}

void SaveBitmap(QPainter& p)
{
    // A disk in front, an arrow going down into it.
    p.setPen(QPen(kInk, 1));
    p.setBrush(kBlue);
    p.drawRect(4, 10, 23, 20);
    p.setBrush(kPaper);
    p.drawRect(8, 10, 15, 8);
    p.setBrush(QColor(170, 180, 195));
    p.drawRect(10, 23, 11, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(QPolygon({{13, 1}, {18, 1}, {18, 6}, {22, 6}, {15, 13}, {9, 6}, {13, 6}}));
}

void LoadBitmap(QPainter& p)
{
    // An open folder, an arrow coming up out of it.
    p.setPen(QPen(kInk, 1));
    p.setBrush(kGold);
    p.drawPolygon(QPolygon({{2, 12}, {11, 12}, {13, 14}, {28, 14}, {28, 29}, {2, 29}}));
    p.setBrush(QColor(250, 215, 110));
    p.drawPolygon(QPolygon({{5, 18}, {30, 18}, {27, 29}, {2, 29}}));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(QPolygon({{18, 1}, {25, 8}, {21, 8}, {21, 15}, {16, 15}, {16, 8}, {12, 8}}));
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(g_folder + QStringLiteral("/icons"));
    QDir().mkpath(g_folder + QStringLiteral("/bitmaps"));
    SaveBoth(QStringLiteral("icons/168"), 32, ChooseImage);
    SaveBoth(QStringLiteral("icons/169"), 32, ClearImage);
    SaveBoth(QStringLiteral("icons/170"), 32, Print);
    SaveBoth(QStringLiteral("icons/171"), 32, Exit);
    SaveBoth(QStringLiteral("icons/172"), 32, Continue);
    SaveBoth(QStringLiteral("icons/173"), 32, ChooseColor);
    SaveBoth(QStringLiteral("icons/174"), 32, TrackListing);
    SaveBoth(QStringLiteral("icons/175"), 32, Font);
    SaveBoth(QStringLiteral("icons/177"), 16, [](QPainter& p) { Mark(p, true); });
    SaveBoth(QStringLiteral("icons/180"), 16, [](QPainter& p) { Mark(p, false); });
    SaveBoth(QStringLiteral("icons/185"), 32, Help);
    SaveBoth(QStringLiteral("icons/188"), 32, StartOver);
    SaveBoth(QStringLiteral("icons/15"), 32, [](QPainter& p) { ApplicationIcon(p, 32); });
    for (const int size : {16, 24, 48, 64, 128, 256})
        Save(QStringLiteral("icons/sleevora-%1.png").arg(size), size,
             [size](QPainter& p) { ApplicationIcon(p, size); });
    for (const int size : {16, 24, 48, 64, 128, 256})
        Save(QStringLiteral("icons/cover-file-%1.png").arg(size), size,
             [size](QPainter& p) { CoverFileIcon(p, size); });
    SaveBoth(QStringLiteral("bitmaps/155"), 69, Logo, false, 64);
    SaveBoth(QStringLiteral("bitmaps/205"), 32, SaveBitmap, true);
    SaveBoth(QStringLiteral("bitmaps/206"), 32, LoadBitmap, true);
    return 0;
}
