// The class library's rectangle, point and size: thin value types over the Windows
// structures, with right and bottom exclusive.
#pragma once

#include "WinTypes.h"

#include <utility>

class CSize : public SIZE
{
public:
    CSize() : SIZE{0, 0} {}
    CSize(LONG x, LONG y) : SIZE{x, y} {}
    bool operator==(const CSize& other) const { return cx == other.cx && cy == other.cy; }
};

class CPoint : public POINT
{
public:
    CPoint() : POINT{0, 0} {}
    CPoint(LONG px, LONG py) : POINT{px, py} {}
    bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
};

class CRect : public RECT
{
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    CRect(const RECT& rc) : RECT(rc) {}

    LONG Width() const { return right - left; }
    LONG Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    bool PtInRect(POINT pt) const { return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom; }

    // Swaps the corners so that left <= right and top <= bottom.
    void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    void OffsetRect(LONG dx, LONG dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void InflateRect(LONG dx, LONG dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    bool operator==(const RECT& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const RECT& other) const { return !(*this == other); }
};
