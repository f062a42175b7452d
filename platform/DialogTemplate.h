// Dialog templates as data: each control with its class, text, style and rectangle in
// dialog units, as a Windows resource script gives them. A dialog is built from its
// template once, when it is constructed.
#pragma once

#include "WinTypes.h"

#include <vector>

// Window styles.
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;

// Button types beyond the push buttons of OwnerDrawButton.h.
constexpr DWORD BS_GROUPBOX = 0x0007;
constexpr DWORD BS_AUTORADIOBUTTON = 0x0009;

// Static styles.
constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_CENTER = 0x0001;
constexpr DWORD SS_RIGHT = 0x0002;
constexpr DWORD SS_ICON = 0x0003;
constexpr DWORD SS_BLACKRECT = 0x0004;
constexpr DWORD SS_GRAYRECT = 0x0005;
constexpr DWORD SS_BLACKFRAME = 0x0007;
constexpr DWORD SS_BITMAP = 0x000E;
constexpr DWORD SS_TYPEMASK = 0x001F;
constexpr DWORD SS_NOPREFIX = 0x0080;

// Edit styles.
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_WANTRETURN = 0x1000;

enum class ControlClass
{
    Button,
    Static,
    Edit,
    Custom, // a control the dialog creates itself (previews, the grid)
};

struct ControlTemplate
{
    int nId;
    ControlClass cls;
    const char* text;
    DWORD style;
    int x, y, cx, cy; // dialog units
    int nImage = 0;   // bitmap or icon resource of a picture static
};

struct DialogTemplate
{
    int nId;
    const char* caption;
    int cx, cy; // client size in dialog units
    std::vector<ControlTemplate> controls;
};
