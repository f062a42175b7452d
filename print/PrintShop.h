// A cover's pieces as a print shop takes them: each piece on a page of its own, its artwork
// running on past the trim by the bleed (the colour and picture at its edges repeated
// outward, nothing inside the trim moved), crop marks at the trim's corners and fold marks
// at its spine folds, both outside the bleed, where the trimmed sheet loses them; a slimline
// CD insert's corner notches get short cut marks at their inner edges.
#pragma once

#include "CoverPrint.h"

#include <QRect>
#include <QSize>
#include <vector>

class CPictureSource;
class QPainter;

// The room around the bleed for the marks: they start 2 mm out from the bleed and are 5 mm long.
constexpr double kMarkGapMm = 2.0;
constexpr double kMarkLengthMm = 5.0;
constexpr double kMarkRoomMm = 9.0;
constexpr double kNotchMarkLengthMm = 3.0;

// One piece's page, in pixels at the page's resolution.
struct PrintShopPage
{
    CoverPiece piece = CoverPiece::Insert;
    QSize size;             // the artwork with its bleed and the room for the marks around it
    QRect trim;             // where the piece itself lies on the page
    int nBleed = 0;         // the bleed around the trim
    std::vector<int> folds; // fold lines, pixels from the trim's left edge
    QSize notch;            // the corner notches cut from the left edge (empty: none)
    QRect Bleed() const { return trim.adjusted(-nBleed, -nBleed, nBleed, nBleed); }
};

// The pages of a cover's pieces at a resolution, with a bleed in millimetres.
std::vector<PrintShopPage> LayOutPrintShopPages(CoverType type, int nDpi, double dBleedMm);
// Draws one page with a painter active on a PDF page of that size: the piece as the printed
// page draws it but without its guide lines (the marks stand in for them), its background's
// edges run on into the bleed, and the marks. Its pictures come from the page's pictures.
void DrawPrintShopPage(QPainter& painter, const CoverState& cover, const PrintShopPage& page, int nFontDpi,
                       CPictureSource& pictures);
