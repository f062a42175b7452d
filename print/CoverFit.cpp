#include "CoverFit.h"

#include "CoverPrint.h"
#include "CoverRenderer.h"
#include "MulDiv.h"
#include "PictureSource.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// Pictures play no part in what the texts fit: none is drawn, and the texts go straight
// onto the measuring device instead of a full-size picture of the piece.
class CNoPictures : public CPictureSource
{
public:
    bool StretchOnto(CDC&, const PictureRequest&) override { return false; }
    bool DrawsStraightOntoTarget() const override { return true; }
};

CoverPiece PieceOfSide(CoverType type, CoverSide side)
{
    if (type != StandardCD)
        return CoverPiece::Insert;
    return side == CoverSide::Front ? CoverPiece::CdFront : CoverPiece::CdBack;
}

std::string Counted(int nCount, const char* singular, const char* plural)
{
    return std::to_string(nCount) + " " + (nCount == 1 ? singular : plural);
}

const char* SpineTextName(CoverType type, CoverSide side)
{
    if (type != StandardCD)
        return "the spine text";
    return side == CoverSide::Front ? "the front spine text" : "the back spine text";
}

LOGFONT& SideFont(CoverState& cover, CoverSide side)
{
    return side == CoverSide::Front ? cover.fCoverTextFont : cover.bCoverTextFont;
}

int32_t& SidePointSize(CoverState& cover, CoverSide side)
{
    return side == CoverSide::Front ? cover.fCoverTextPointSize : cover.bCoverTextPointSize;
}

LONG HeightOfTenths(int nTenths, int nFontDpi)
{
    return -MulDiv(nTenths, nFontDpi, 720);
}

bool TextsFitAt(CoverState& cover, CoverSide side, int nTenths, int nFontDpi)
{
    SideFont(cover, side).lfHeight = HeightOfTenths(nTenths, nFontDpi);
    return !SmallerFontHelps(MeasureSideFit(cover, side, nFontDpi));
}

} // namespace

TextFit MeasureSideFit(const CoverState& cover, CoverSide side, int nFontDpi)
{
    if (!HasPrintedLayout(cover.covertype))
        return {};
    // The resolution of a PDF, on a one-pixel device: the texts are laid out as on the page
    // and hardly any pixel is drawn.
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = static_cast<int>(std::lround(kMaxPrintDpi / 0.0254));
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    const CoverPiece piece = PieceOfSide(cover.covertype, side);
    std::unique_ptr<CCoverRenderer> renderer =
        MakePieceRenderer(cover, CoverGeometry::ForCoverType(cover.covertype), piece, kMaxPrintDpi);
    CNoPictures noPictures;
    renderer->SetPictureSource(&noPictures);
    renderer->m_bShowBorder = renderer->m_bShowSpineGuides = false;
    CDC dc;
    dc.Attach(&device);
    renderer->DrawForPrint(&dc, CRect(0, 0, renderer->m_nWidth, renderer->m_nHeight), nFontDpi);
    dc.DeleteDC();
    return renderer->Fit();
}

std::string DescribeFit(const TextFit& fit, CoverType type, CoverSide side)
{
    std::vector<std::string> parts;
    if (fit.nRowsHidden > 0)
        parts.push_back(Counted(fit.nRowsHidden, "track", "tracks"));
    if (fit.nTitlesCut > 0)
        parts.push_back(Counted(fit.nTitlesCut, "title", "titles"));
    const int lines = fit.nLinesHidden + fit.nTextsCut;
    if (lines > 0)
        parts.push_back(Counted(lines, "line", "lines"));
    if (fit.nSpinesCut > 0)
        parts.push_back(SpineTextName(type, side));
    if (parts.empty())
        return {};
    std::string line = parts.front();
    for (size_t i = 1; i < parts.size(); ++i)
        line += (i + 1 == parts.size() ? " and " : ", ") + parts[i];
    const bool one =
        parts.size() == 1 && (fit.nRowsHidden + fit.nTitlesCut + lines == 1 || fit.nSpinesCut > 0);
    return line + (one ? " does not fit" : " do not fit");
}

bool SmallerFontHelps(const TextFit& fit)
{
    return fit.nRowsHidden + fit.nTitlesCut + fit.nLinesHidden + fit.nTextsCut > 0;
}

bool ShrinkSideToFit(CoverState& cover, CoverSide side, int nFontDpi)
{
    const LONG height = SideFont(cover, side).lfHeight;
    const int current = static_cast<int>(std::abs(height) * 720 / std::max(nFontDpi, 1));
    // The half-point sizes below the current one, largest first; the largest that fits wins.
    std::vector<int> sizes;
    for (int tenths = current / 5 * 5; tenths >= kSmallestFitTenths; tenths -= 5)
        sizes.push_back(tenths);
    if (sizes.empty())
        return false;
    size_t low = 0;
    size_t high = sizes.size() - 1; // the smallest is taken when none fits
    while (low < high) {
        const size_t middle = (low + high) / 2;
        if (TextsFitAt(cover, side, sizes[middle], nFontDpi))
            high = middle;
        else
            low = middle + 1;
    }
    SideFont(cover, side).lfHeight = HeightOfTenths(sizes[low], nFontDpi);
    SidePointSize(cover, side) = sizes[low];
    return SideFont(cover, side).lfHeight != height;
}
