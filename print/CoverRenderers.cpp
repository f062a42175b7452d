#include "CoverRenderers.h"

#include "CdCoverRenderer.h"
#include "DvdCoverRenderer.h"
#include "SlimlineCoverRenderer.h"

#include <QSize>
#include <algorithm>
#include <cmath>

namespace {

// The insets of the texts from the piece's edges, and the DVD panels' text places, in inches.
constexpr double kCdTextMargin = 0.1;
constexpr double kSlimlineTextMarginX = 0.84;
constexpr double kSlimlineTextMarginY = 0.25;
constexpr double kDvdFrontTextLeft = 5.85;
constexpr double kSlimlineDvdFrontTextLeft = 5.64;
constexpr double kDvdTextTop = 0.25;
constexpr double kDvdBackTextLeft = 0.25;

// What one side of the cover gives every kind of renderer, and the piece's size.
void FillCommonFields(CCoverRenderer& renderer, const CoverState& cover, CoverSide side, double dWidth,
                      double dHeight, double dSpine, int nPpi)
{
    const bool front = side == CoverSide::Front;
    renderer.m_crBackground = front ? cover.fBGColor : cover.bBGColor;
    renderer.m_bShowBorder = front ? cover.fShowBorder : cover.bShowBorder;
    renderer.m_bShowSpineGuides = front ? cover.frontCoverSpinesOn : cover.backCoverSpinesOn;
    renderer.m_strSpineText = front ? cover.frontCoverSpineText : cover.backCoverSpineText;
    renderer.m_strImagePath = front ? cover.fImagePath : cover.bImagePath;
    renderer.m_crText = front ? cover.fCoverTextColor : cover.bCoverTextColor;
    renderer.m_lfText = front ? cover.fCoverTextFont : cover.bCoverTextFont;
    renderer.m_nWidth = Pixels(nPpi, dWidth);
    renderer.m_nHeight = Pixels(nPpi, dHeight);
    renderer.m_nSpineWidth = Pixels(nPpi, dSpine);
}

} // namespace

void FillCdRenderer(CCdCoverRenderer& renderer, const CoverState& cover, const CoverGeometry& geometry,
                    CoverSide side, int nPpi)
{
    const bool front = side == CoverSide::Front;
    FillCommonFields(renderer, cover, side, front ? geometry.dFrontWidth : geometry.dBackWidth,
                     front ? geometry.dFrontHeight : geometry.dBackHeight,
                     front ? geometry.dFrontSpine : geometry.dBackSpine, nPpi);
    renderer.m_strText = front ? cover.fCoverText : cover.bCoverText;
    renderer.m_bExtendImage = front ? cover.bFrontPrintOverSpines : cover.bBackPrintOverSpines;
    renderer.m_dTextMarginX = kCdTextMargin;
    renderer.m_dTextMarginY = kCdTextMargin;
}

void FillDvdRenderer(CDvdCoverRenderer& renderer, const CoverState& cover, const CoverGeometry& geometry,
                     int nPpi)
{
    FillCommonFields(renderer, cover, CoverSide::Back, geometry.dBackWidth, geometry.dBackHeight,
                     geometry.dBackSpine, nPpi);
    renderer.m_strBackText = cover.bCoverText;
    renderer.m_strBackTitle = cover.bCoverTitle;
    renderer.m_strFrontText = cover.fCoverText;
    renderer.m_strFrontTitle = cover.fCoverTitle;
    const bool slim = cover.covertype == SlimlineDVD;
    renderer.m_bSlimSpineText = slim;
    renderer.m_dFrontTextLeft = slim ? kSlimlineDvdFrontTextLeft : kDvdFrontTextLeft;
    renderer.m_dFrontTextTop = kDvdTextTop;
    renderer.m_dBackTextLeft = kDvdBackTextLeft;
    renderer.m_dBackTextTop = kDvdTextTop;
}

void FillSlimlineRenderer(CSlimlineCoverRenderer& renderer, const CoverState& cover,
                          const CoverGeometry& geometry, int nPpi)
{
    FillCommonFields(renderer, cover, CoverSide::Back, geometry.dBackWidth, geometry.dBackHeight,
                     geometry.dBackSpine, nPpi);
    renderer.m_strText = cover.bCoverText;
    renderer.m_bExtendImage = cover.bBackPrintOverSpines;
    renderer.m_nFlapWidth = Pixels(nPpi, geometry.dFlapWidth);
    renderer.m_nNotchWidth = Pixels(nPpi, CoverGeometry::kNotchWidth);
    renderer.m_nNotchHeight = Pixels(nPpi, CoverGeometry::kNotchHeight);
    renderer.m_dTextMarginX = kSlimlineTextMarginX;
    renderer.m_dTextMarginY = kSlimlineTextMarginY;
}

std::unique_ptr<CCoverRenderer> MakePieceRenderer(const CoverState& cover, const CoverGeometry& geometry,
                                                  CoverPiece piece, int nPpi)
{
    if (piece != CoverPiece::Insert) {
        auto cd = std::make_unique<CCdCoverRenderer>();
        FillCdRenderer(*cd, cover, geometry,
                       piece == CoverPiece::CdFront ? CoverSide::Front : CoverSide::Back, nPpi);
        return cd;
    }
    if (cover.covertype == SlimlineCD) {
        auto slimline = std::make_unique<CSlimlineCoverRenderer>();
        FillSlimlineRenderer(*slimline, cover, geometry, nPpi);
        return slimline;
    }
    auto dvd = std::make_unique<CDvdCoverRenderer>();
    FillDvdRenderer(*dvd, cover, geometry, nPpi);
    return dvd;
}

QSizeF PictureAreaInches(const CoverState& cover, CoverSide side)
{
    const CoverType type = cover.covertype;
    if (type != StandardCD && type != StandardDVD && type != SlimlineCD && type != SlimlineDVD)
        return {};
    // Measured in thousandths of an inch, as the renderer places the picture.
    constexpr int kMeasure = 1000;
    const CoverPiece piece = type != StandardCD         ? CoverPiece::Insert
                             : side == CoverSide::Front ? CoverPiece::CdFront
                                                        : CoverPiece::CdBack;
    const CRect area =
        MakePieceRenderer(cover, CoverGeometry::ForCoverType(type), piece, kMeasure)->PictureArea();
    return QSizeF(area.Width(), area.Height()) / kMeasure;
}

double PrintedPictureResolution(const QSize& pixels, const QSizeF& inches)
{
    if (pixels.isEmpty() || inches.isEmpty())
        return 0;
    return std::min(pixels.width() / inches.width(), pixels.height() / inches.height());
}

bool ProportionsDiffer(const QSize& pixels, const QSizeF& inches)
{
    if (pixels.isEmpty() || inches.isEmpty())
        return false;
    const double picture = static_cast<double>(pixels.width()) / pixels.height();
    const double area = inches.width() / inches.height();
    return std::abs(picture / area - 1.0) > 0.01;
}
