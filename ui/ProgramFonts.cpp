#include "ProgramFonts.h"

#include "GdiObjects.h"
#include "QtConvert.h"

QFont NoticeFont(bool bUnderlined)
{
    CFont font;
    font.CreateFont(13, 0, 0, 0, FW_NORMAL, 0, bUnderlined ? 1 : 0, 0, ANSI_CHARSET, 0, 0, DEFAULT_QUALITY, 0,
                    "Verdana");
    return ToQFont(font.LogFont());
}

QFont ButtonCaptionFont()
{
    CFont font;
    font.CreatePointFont(75, "Verdana Bold");
    return ToQFont(font.LogFont());
}
