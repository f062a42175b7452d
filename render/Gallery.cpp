// Writes PNG pictures of every kind of cover, with and without a background picture and
// texts, at 96 and 300 pixels per inch, into the folder given (default: gallery/), so that
// people can look at what the renderers draw.
#include "CoverGeometry.h"
#include "DVDCoverButton.h"
#include "FlatButton.h"
#include "QtConvert.h"
#include "SlimlineCoverButton.h"
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

LOGFONT Font(int nPoints, int nScreenDpi, bool bBold)
{
    LOGFONT lf{};
    lf.lfHeight = -nPoints * nScreenDpi / 72;
    lf.lfWeight = bBold ? FW_BOLD : 0;
    SetFaceName(lf, "Arial");
    return lf;
}

// Draws a renderer at full size for a resolution, as for paper, and writes it.
template <typename Renderer> void Write(Renderer& renderer, int ppi, const QString& name)
{
    QImage image(renderer.m_nWidth, renderer.m_nHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(ppi / 0.0254));
    image.setDotsPerMeterY(qRound(ppi / 0.0254));
    CDC dc;
    dc.Attach(&image);
    renderer.m_dScaleX = renderer.m_dScaleY = 1.0;
    renderer.DrawForPrint(&dc, CRect(0, 0, renderer.m_nWidth, renderer.m_nHeight), 96);
    dc.DeleteDC();
    image.save(g_folder + QStringLiteral("/%1-%2dpi.png").arg(name).arg(ppi));
}

void WriteCd(int ppi, bool bDressed)
{
    TheGeometry().SetForCoverType(StandardCD, 0, 0, 0, 0);
    const CoverGeometry& g = TheGeometry();
    for (const bool front : {true, false}) {
        CMyFlatButton cd;
        cd.m_nWidth = Pixels(ppi, front ? g.dFrontWidth : g.dBackWidth);
        cd.m_nHeight = Pixels(ppi, front ? g.dFrontHeight : g.dBackHeight);
        cd.m_nSpineWidth = Pixels(ppi, front ? g.dFrontSpine : g.dBackSpine);
        cd.m_bShowSpineGuides = !front;
        cd.m_lfText = Font(18, 96, false);
        if (bDressed) {
            cd.m_strImagePath = g_picture;
            cd.m_bExtendImage = front;
            cd.m_crText = RGB(255, 255, 255);
            cd.m_crBackground = RGB(20, 40, 70);
            cd.m_strText = kListing;
            cd.m_strSpineText = "HARBOUR LIGHTS  -  The Quiet Coast";
        }
        Write(cd, ppi,
              QStringLiteral("cd-%1-%2").arg(front ? "front" : "back", bDressed ? "dressed" : "plain"));
    }
}

void WriteDvd(CoverType type, int ppi, bool bDressed)
{
    TheGeometry().SetForCoverType(type, 0, 0, 0, 0);
    const CoverGeometry& g = TheGeometry();
    CDVDCoverButton dvd;
    dvd.m_bSlimSpineText = type == SlimlineDVD;
    dvd.m_dFrontTextLeft = type == SlimlineDVD ? 5.64 : 5.85;
    dvd.m_nWidth = Pixels(ppi, g.dBackWidth);
    dvd.m_nHeight = Pixels(ppi, g.dBackHeight);
    dvd.m_nSpineWidth = Pixels(ppi, g.dBackSpine);
    dvd.m_lfText = Font(14, 96, false);
    if (bDressed) {
        dvd.m_strImagePath = g_picture;
        dvd.m_crText = RGB(255, 255, 255);
        dvd.m_strBackTitle = "The Quiet Coast";
        dvd.m_strBackText = "A film about the sea.\r\nRunning time 94 minutes.\r\nColour, stereo.";
        dvd.m_strFrontTitle = "HARBOUR LIGHTS";
        dvd.m_strFrontText = "Directed by A. Marlow";
        dvd.m_strSpineText = "HARBOUR LIGHTS";
    }
    Write(dvd, ppi,
          QStringLiteral("%1-%2").arg(type == SlimlineDVD ? "slim-dvd" : "dvd",
                                      bDressed ? "dressed" : "plain"));
}

void WriteSlimline(int ppi, bool bDressed)
{
    TheGeometry().SetForCoverType(SlimlineCD, 0, 0, 0, 0);
    const CoverGeometry& g = TheGeometry();
    CSlimlineCoverButton slim;
    slim.m_nWidth = Pixels(ppi, g.dBackWidth);
    slim.m_nHeight = Pixels(ppi, g.dBackHeight);
    slim.m_nSpineWidth = Pixels(ppi, g.dBackSpine);
    slim.m_nFlapWidth = Pixels(ppi, g.dFlapWidth);
    slim.m_nNotchWidth = Pixels(ppi, 1.417);
    slim.m_nNotchHeight = Pixels(ppi, 0.0787);
    slim.m_lfText = Font(18, 96, false);
    if (bDressed) {
        slim.m_strImagePath = g_picture;
        slim.m_bExtendImage = false;
        slim.m_crBackground = RGB(20, 40, 70);
        slim.m_crText = RGB(255, 255, 255);
        slim.m_strText = kListing;
        slim.m_strSpineText = "HARBOUR LIGHTS";
    }
    Write(slim, ppi, QStringLiteral("slim-cd-%1").arg(bDressed ? "dressed" : "plain"));
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    QDir().mkpath(g_folder);
    g_picture = FromQString(g_folder + QStringLiteral("/dusk.jpg"));
    MakePicture(ToQString(g_picture));
    for (const int ppi : {96, 300}) {
        for (const bool dressed : {false, true}) {
            WriteCd(ppi, dressed);
            WriteDvd(StandardDVD, ppi, dressed);
            WriteDvd(SlimlineDVD, ppi, dressed);
            WriteSlimline(ppi, dressed);
        }
    }
    return 0;
}
