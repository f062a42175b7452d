#include "DialogUnits.h"

#include "MulDiv.h"

int DialogUnitsToPixelsX(int x)
{
    return MulDiv(x, kDialogBaseUnitX, 4);
}

int DialogUnitsToPixelsY(int y)
{
    return MulDiv(y, kDialogBaseUnitY, 8);
}

CRect DialogUnitRect(int x, int y, int cx, int cy)
{
    const int left = DialogUnitsToPixelsX(x);
    const int top = DialogUnitsToPixelsY(y);
    return CRect(left, top, left + DialogUnitsToPixelsX(cx), top + DialogUnitsToPixelsY(cy));
}

void MapDialogRect(RECT* lpRect)
{
    if (!lpRect)
        return;
    lpRect->left = DialogUnitsToPixelsX(lpRect->left);
    lpRect->right = DialogUnitsToPixelsX(lpRect->right);
    lpRect->top = DialogUnitsToPixelsY(lpRect->top);
    lpRect->bottom = DialogUnitsToPixelsY(lpRect->bottom);
}
