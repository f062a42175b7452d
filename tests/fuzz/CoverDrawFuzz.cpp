// Loads any bytes as a cover file and draws what loaded on every renderer, at the screen's
// resolution and at a printer's, into small pictures: whatever sizes, weights and texts a
// file holds, drawing never overflows, reads out of bounds or crashes. The pictures are kept
// in memory (the sides draw without them): the picture decoder is not what is fuzzed here.
#include "CdCoverRenderer.h"
#include "CoverFile.h"
#include "CoverGeometry.h"
#include "CoverRenderers.h"
#include "DC.h"
#include "DvdCoverRenderer.h"
#include "SlimlineCoverRenderer.h"

#include <QApplication>
#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool KeepInMemory(const std::string&, std::string_view)
{
    return true;
}

// A small page at a given resolution: the renderers size their fonts for the resolution,
// and the page for a case measured at a few pixels an inch.
QImage Page(int nWidth, int nHeight, int nDpi)
{
    QImage page(std::max(nWidth, 1), std::max(nHeight, 1), QImage::Format_RGB32);
    page.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>(nDpi / 0.0254 + 0.5);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    return page;
}

void Draw(CCoverRenderer& renderer, int nDpi)
{
    QImage page = Page(renderer.m_nWidth, renderer.m_nHeight, nDpi);
    CDC dc;
    dc.Attach(&page);
    renderer.m_dScaleX = renderer.m_dScaleY = 1.0;
    renderer.DrawForPrint(&dc, CRect(0, 0, page.width(), page.height()), 96);
}

void DrawEveryRenderer(const CoverState& cover, int nDpi)
{
    constexpr int kPixelsPerInch = 12; // small pictures, whatever the resolution of the fonts
    CoverGeometry geometry;
    geometry.SetForCoverType(cover.covertype, 121, 119, 151, 118);
    CCdCoverRenderer front;
    CCdCoverRenderer back;
    CDvdCoverRenderer dvd;
    CSlimlineCoverRenderer slimline;
    FillCdRenderer(front, cover, geometry, CoverSide::Front, kPixelsPerInch);
    FillCdRenderer(back, cover, geometry, CoverSide::Back, kPixelsPerInch);
    FillDvdRenderer(dvd, cover, geometry, kPixelsPerInch);
    FillSlimlineRenderer(slimline, cover, geometry, kPixelsPerInch);
    Draw(front, nDpi);
    Draw(back, nDpi);
    Draw(dvd, nDpi);
    Draw(slimline, nDpi);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CoverState cover;
    cover.ResetToDefaults(96, StandardCD);
    if (ReadCoverBytes(bytes, cover, "/nonexistent", KeepInMemory).status != CoverLoadStatus::Loaded)
        return 0;
    DrawEveryRenderer(cover, 96);
    DrawEveryRenderer(cover, 600);
    return 0;
}
