// The print job of a cover, one for the Print command and sleevora-export alike: the sheet
// for each kind of case, the resolution the page is drawn at, the renderers with their
// constants for the kind, and the drawing of the page at real size at the fixed positions.
// The two callers differ only in where the page goes (a printer, a PDF, a picture). No
// window is needed: the renderers are plain objects.
#pragma once

#include "CoverGeometry.h"
#include "CoverRenderers.h"
#include "CoverSheet.h"
#include "CoverState.h"
#include "DC.h"

#include <QSize>
#include <vector>

class CPictureSource;
class QPainter;
class QPrinter;

// Whether a kind of case has a printed layout; a custom size and unknown kinds have none.
bool HasPrintedLayout(CoverType type);

// Readies a printer for a cover: the sheet and the document name "Cover".
void PrepareCoverPrinter(QPrinter& printer, CoverType type);

// The highest resolution a cover is printed at; a full-size DVD insert at 1200 dpi would
// take half a gigabyte for one picture, and 600 is finer than any paper shows.
constexpr int kMaxPrintDpi = 600;
// The resolution the page is drawn at on a device of nDeviceDpi.
int CoverPrintResolution(int nDeviceDpi);

// The place of a piece on the page, in the device's pixels: ppi is its horizontal
// resolution, used for both axes.
CRect FrontPieceRect(int nPpi, const CoverGeometry& geometry);
CRect BackPieceRect(int nPpi, const CoverGeometry& geometry);

// The pieces a kind of case prints; none for a custom size.
std::vector<CoverPiece> PiecesOf(CoverType type);
// A piece's place on the page, in the device's pixels at its horizontal resolution.
CRect PieceRect(int nPpi, CoverType type, CoverPiece piece);
// The size a piece is drawn at, in pixels at a resolution: its width and height each
// truncated, which may be a pixel less than its place on the page.
QSize PieceDrawnSize(int nPpi, CoverType type, CoverPiece piece);
// The fold lines across a piece, in pixels from its left edge: the spines' edges.
std::vector<int> PieceFolds(int nPpi, CoverType type, CoverPiece piece);
// How a piece is drawn: with its outline and spine guides (a print shop's piece has none),
// whole or only its background (for a print shop's bleed), and where its pictures come from
// (null: each decoded whole, as for printers; a PDF page's pictures keep its vectors).
struct PieceDrawing
{
    bool bGuides = true;
    bool bBackgroundOnly = false;
    CPictureSource* pPictures = nullptr;
};
// Draws one piece into a rectangle of the device's pixels, as the page draws it.
void DrawCoverPiece(CDC* pDC, const CoverState& cover, CoverPiece piece, const CRect& rect, int nFontDpi,
                    const PieceDrawing& drawing = {});

// Draws the cover's page onto a device context: a standard CD's front above its back, every
// other printable kind in the back rectangle, a kind without a layout nothing. nFontDpi is
// the screen's resolution, in which the cover's font heights are given, so text keeps its
// size on paper.
// With pPictures a PDF page's pictures, the page keeps vectors and the original pictures.
void PrintCoverPage(CDC* pDC, const CoverState& cover, int nFontDpi, CPictureSource* pPictures = nullptr);
// The same through a painter already active on the page, whose origin is the printable
// area's corner: placed on the sheet and corrected for the printer as given.
void DrawCoverPage(QPainter& painter, const CoverState& cover, int nFontDpi,
                   const CoverPlacement& placement = {}, const PrintCalibration& calibration = {},
                   CPictureSource* pPictures = nullptr);
