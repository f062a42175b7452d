// Dialog units of the program's templates to pixels, with the base units of
// "MS Sans Serif" 8 point at 96 dpi: 4 horizontal units are 6 pixels, 8 vertical units 13.
#pragma once

#include "Rect.h"

constexpr int kDialogBaseUnitX = 6;
constexpr int kDialogBaseUnitY = 13;

int DialogUnitsToPixelsX(int x);
int DialogUnitsToPixelsY(int y);
// A template rectangle (x, y, width, height in dialog units) in pixels; each of the four
// figures is converted on its own, as the dialog manager converts them.
CRect DialogUnitRect(int x, int y, int cx, int cy);
// Converts each edge of a rectangle in place, as MapDialogRect does.
void MapDialogRect(RECT* lpRect);
