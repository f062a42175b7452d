// Writes the sample covers kept in resources/samples: one of each kind of case, with
// background pictures of our own drawn here.
#include "CoverFile.h"
#include "CoverState.h"
#include "QtConvert.h"
#include "TrackListing.h"

#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void DuskSea(QPainter& p, const QSize& size)
{
    const int horizon = size.height() * 7 / 10;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(30, 40, 110));
    sky.setColorAt(1, QColor(250, 150, 90));
    p.fillRect(0, 0, size.width(), horizon, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 120));
    p.drawEllipse(QPointF(size.width() * 0.66, horizon), size.height() * 0.11, size.height() * 0.11);
    QLinearGradient sea(0, horizon, 0, size.height());
    sea.setColorAt(0, QColor(40, 60, 100));
    sea.setColorAt(1, QColor(10, 20, 40));
    p.fillRect(0, horizon, size.width(), size.height() - horizon, sea);
}

void Mountains(QPainter& p, const QSize& size)
{
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(110, 170, 220));
    sky.setColorAt(1, QColor(230, 240, 250));
    p.fillRect(QRect(QPoint(0, 0), size), sky);
    const QColor ranges[] = {QColor(120, 140, 170), QColor(70, 100, 90), QColor(30, 60, 45)};
    for (int range = 0; range < 3; ++range) {
        QPainterPath path;
        const double base = size.height() * (0.55 + 0.15 * range);
        path.moveTo(0, size.height());
        for (int x = 0; x <= size.width(); x += size.width() / 12)
            path.lineTo(x, base - ((x * (range + 3) / 7) % 9) * size.height() / 40.0);
        path.lineTo(size.width(), size.height());
        p.setPen(Qt::NoPen);
        p.setBrush(ranges[range]);
        p.drawPath(path);
    }
}

void Waves(QPainter& p, const QSize& size)
{
    p.fillRect(QRect(QPoint(0, 0), size), QColor(20, 30, 60));
    for (int band = 0; band < 9; ++band) {
        QPainterPath wave;
        const double y = size.height() * (band + 1) / 10.0;
        wave.moveTo(0, y);
        for (int x = 0; x <= size.width(); x += 20)
            wave.lineTo(x, y + 18 * std::sin((x + band * 60) / 90.0));
        p.setPen(QPen(QColor::fromHsv((200 + band * 15) % 360, 160, 230), 10));
        p.drawPath(wave);
    }
}

void WritePicture(const QString& name, const QSize& size, void (*draw)(QPainter&, const QSize&))
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, size);
    painter.end();
    image.save(name, "JPG", 85);
}

LOGFONT Arial(int pixels, bool bold = false)
{
    LOGFONT lf{};
    lf.lfHeight = -pixels;
    lf.lfWeight = bold ? FW_BOLD : 0;
    SetFaceName(lf, "Arial");
    return lf;
}

const std::string kListing = EncodeTrackListing({{"1.", "Harbour Lights", "3:41"},
                                                 {"2.", "Paper Boats", "4:02"},
                                                 {"3.", "The Long Way Round", "5:15"},
                                                 {"4.", "Salt & Pepper", "2:58"},
                                                 {"5.", "Lanterns", "3:27"},
                                                 {"6.", "Coda", "1:09"}});

CoverState NewCover(CoverType type)
{
    CoverState cover;
    cover.ResetToDefaults(kScreenDpi, type);
    cover.covertype = type;
    return cover;
}

bool Save(const CoverState& cover, const QString& folder, const char* name)
{
    const CoverSaveResult result =
        WriteCoverFile((folder + QLatin1Char('/') + QLatin1String(name)).toStdString(), cover);
    if (!result.bWritten)
        std::fprintf(stderr, "%s: %s\n", name, result.strError.c_str());
    return result.bWritten;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    const QString out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath();
    QTemporaryDir work;
    QDir::setCurrent(work.path()); // the covers name their pictures without a folder
    WritePicture(QStringLiteral("dusk.jpg"), QSize(900, 700), DuskSea);
    WritePicture(QStringLiteral("mountains.jpg"), QSize(1200, 800), Mountains);
    WritePicture(QStringLiteral("waves.jpg"), QSize(900, 700), Waves);

    CoverState cd = NewCover(StandardCD);
    cd.fImagePath = "dusk.jpg";
    cd.fCoverText = EncodeTrackListing({{"", "HARBOUR LIGHTS", ""}, {"", "The Quiet Coast", ""}});
    cd.fCoverTextColor = cd.bCoverTextColor = RGB(255, 255, 255);
    cd.bBGColor = RGB(20, 40, 70);
    cd.bCoverText = kListing;
    cd.backCoverSpineText = "THE QUIET COAST  -  HARBOUR LIGHTS";

    CoverState slim = NewCover(SlimlineCD);
    slim.bImagePath = "waves.jpg";
    slim.bBackPrintOverSpines = false;
    slim.bBGColor = RGB(20, 30, 60);
    slim.bCoverTextColor = RGB(255, 255, 255);
    slim.bCoverText = kListing;
    slim.backCoverSpineText = "HARBOUR LIGHTS";

    CoverState dvd = NewCover(StandardDVD);
    dvd.bImagePath = "mountains.jpg";
    dvd.bCoverTextFont = Arial(19);
    dvd.fCoverTitle = "HIGH COUNTRY";
    dvd.fCoverText = "A film in three seasons";
    dvd.bCoverTitle = "High Country";
    dvd.bCoverText = "Three ranges, one year, no roads.\r\nRunning time 94 minutes.\r\nColour, stereo.";
    dvd.backCoverSpineText = "HIGH COUNTRY";

    CoverState slimDvd = dvd;
    slimDvd.covertype = SlimlineDVD;

    const bool written = Save(cd, out, "standard-cd.slv") && Save(slim, out, "slimline-cd.slv") &&
                         Save(dvd, out, "standard-dvd.slv") && Save(slimDvd, out, "slimline-dvd.slv");
    return written ? 0 : 1;
}
