// The renderers of a cover's pieces, filled from the cover: the fields each kind of case
// draws, their pixel sizes at a resolution and the kind's fixed settings (text insets, the
// DVD panels' places). Printing makes one renderer for each piece it draws; the preview
// fills the renderer of each of its widgets the same way before every paint.
#pragma once

#include "CoverGeometry.h"
#include "CoverState.h"

#include <QSizeF>
#include <memory>

class CCoverRenderer;
class CCdCoverRenderer;
class CDvdCoverRenderer;
class CSlimlineCoverRenderer;

// The pieces a kind of case prints: a standard CD's front booklet and back tray card, the
// one insert of the other kinds.
enum class CoverPiece
{
    CdFront,
    CdBack,
    Insert
};

void FillCdRenderer(CCdCoverRenderer& renderer, const CoverState& cover, const CoverGeometry& geometry,
                    CoverSide side, int nPpi);
void FillDvdRenderer(CDvdCoverRenderer& renderer, const CoverState& cover, const CoverGeometry& geometry,
                     int nPpi);
void FillSlimlineRenderer(CSlimlineCoverRenderer& renderer, const CoverState& cover,
                          const CoverGeometry& geometry, int nPpi);

// The renderer of one piece of the cover's kind, filled at a resolution.
std::unique_ptr<CCoverRenderer> MakePieceRenderer(const CoverState& cover, const CoverGeometry& geometry,
                                                  CoverPiece piece, int nPpi);

// The size in inches of the area a side's picture is stretched over: the piece, or the part
// of it that the extend choice leaves between the spines. Empty for a kind without a
// printed layout.
QSizeF PictureAreaInches(const CoverState& cover, CoverSide side);
// The pixels an inch a picture of that size prints at over the area: the lower of its two
// ways, for it is stretched to fill both.
double PrintedPictureResolution(const QSize& pixels, const QSizeF& inches);
// Whether a picture's proportions differ from its area's by more than a hundredth: it is then
// offered to be fitted, not only stretched.
bool ProportionsDiffer(const QSize& pixels, const QSizeF& inches);
