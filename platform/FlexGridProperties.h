// The stored properties a grid control is created with, as the dialog templates carry them.
#pragma once

#include "WinTypes.h"

#include <string>

// A grid's font as its Font property describes it.
struct FlexGridFont
{
    std::string strName;
    INT64 nSize; // ten-thousandths of a point
    short nWeight;
    short nCharset;
    bool bItalic;
    bool bUnderline;
    bool bStrikethrough;
};

// What a grid control is created with: its size in rows and columns (the fixed heading
// row and column included) and its font. Its colours are the control's own defaults.
struct FlexGridProperties
{
    int nRows;
    int nCols;
    int nFixedRows;
    int nFixedCols;
    FlexGridFont font;
};
