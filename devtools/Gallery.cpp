// Writes PNG pictures of every piece of every kind of cover, plain and dressed with a
// picture and texts, at 96 and 300 pixels per inch, into the folder given (default:
// gallery/), so that people can look at what the renderers draw. The pieces are filled from
// a cover record as printing fills them.
#include "CoverGeometry.h"
#include "CoverRenderer.h"
#include "CoverRenderers.h"
#include "QtConvert.h"
#include "TrackListing.h"

#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <cstdlib>

namespace {

QString g_folder;
std::string g_picture;

const std::string kListing = EncodeTrackListing({{"1.", "Harbour Lights", "3:41"},
                                                 {"2.", "Paper Boats", "4:02"},
                                                 {"3.", "The Long Way Round (Extended Version)", "7:15"},
                                                 {"4.", "Salt & Pepper", "2:58"},
                                                 {"10.", "Coda", "1:09"}});

// A landscape picture of our own: a dusk sky over a dark sea with a sun.
void MakePicture(const QString& path)
{
    QImage image(1200, 800, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 560);
    sky.setColorAt(0, QColor(30, 40, 110));
    sky.setColorAt(1, QColor(250, 150, 90));
    painter.fillRect(0, 0, 1200, 560, sky);
    painter.setBrush(QColor(255, 220, 120));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(800, 520), 90, 90);
    painter.fillRect(0, 560, 1200, 240, QColor(20, 40, 70));
    painter.end();
    image.save(path, "JPG", 90);
}

// A new cover of the kind, or one dressed: the picture over a dark sea blue, white text, the
// listing or the DVD's texts and the spine text; the picture between a CD back's spines.
CoverState Cover(CoverType type, bool bDressed)
{
    CoverState cover;
    cover.ResetToDefaults(kScreenDpi, type);
    cover.covertype = type;
    if (!bDressed)
        return cover;
    cover.fImagePath = cover.bImagePath = g_picture;
    cover.bBackPrintOverSpines = false;
    cover.fBGColor = cover.bBGColor = RGB(20, 40, 70);
    cover.fCoverTextColor = cover.bCoverTextColor = RGB(255, 255, 255);
    cover.fCoverText = cover.bCoverText = kListing;
    cover.backCoverSpineText = "HARBOUR LIGHTS  -  The Quiet Coast";
    if (type == StandardDVD || type == SlimlineDVD) {
        cover.bCoverTitle = "The Quiet Coast";
        cover.bCoverText = "A film about the sea.\r\nRunning time 94 minutes.\r\nColour, stereo.";
        cover.fCoverTitle = "HARBOUR LIGHTS";
        cover.fCoverText = "Directed by A. Marlow";
    }
    return cover;
}

// Draws a piece at full size for a resolution, as for paper, and writes it.
void Write(const CoverState& cover, CoverPiece piece, int ppi, const QString& name)
{
    const auto renderer = MakePieceRenderer(cover, CoverGeometry::ForCoverType(cover.covertype), piece, ppi);
    QImage image(renderer->m_nWidth, renderer->m_nHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(ppi / 0.0254));
    image.setDotsPerMeterY(qRound(ppi / 0.0254));
    CDC dc;
    dc.Attach(&image);
    renderer->DrawForPrint(&dc, CRect(0, 0, renderer->m_nWidth, renderer->m_nHeight), kScreenDpi);
    dc.DeleteDC();
    image.save(g_folder + QStringLiteral("/%1-%2dpi.png").arg(name).arg(ppi));
}

struct Kind
{
    CoverType type;
    CoverPiece piece;
    const char* name;
};

constexpr Kind kPieces[] = {
    {StandardCD, CoverPiece::CdFront, "cd-front"}, {StandardCD, CoverPiece::CdBack, "cd-back"},
    {StandardDVD, CoverPiece::Insert, "dvd"},      {SlimlineDVD, CoverPiece::Insert, "slim-dvd"},
    {SlimlineCD, CoverPiece::Insert, "slim-cd"},
};

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    QDir().mkpath(g_folder);
    g_picture = FromQString(g_folder + QStringLiteral("/dusk.jpg"));
    MakePicture(ToQString(g_picture));
    for (const int ppi : {kScreenDpi, 300})
        for (const bool dressed : {false, true})
            for (const Kind& kind : kPieces)
                Write(Cover(kind.type, dressed), kind.piece, ppi,
                      QStringLiteral("%1-%2").arg(kind.name, dressed ? "dressed" : "plain"));
    return 0;
}
