// OLE colours, as ActiveX controls take them: 0x00BBGGRR, or 0x800000nn for the system
// colour nn, turned into COLORREF values.
#pragma once

#include "WinTypes.h"

typedef DWORD OLE_COLOR;

constexpr OLE_COLOR kSystemColor = 0x80000000;
// The system colours the program's grid uses.
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;

// The colour an OLE colour stands for: plain colours as they are, the system colours above
// from the desktop's palette. Other values cannot be translated: false.
bool OleTranslateColor(OLE_COLOR clr, COLORREF* pColorRef);
