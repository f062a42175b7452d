#include "OleColor.h"

#include "QtConvert.h"

#include <QGuiApplication>
#include <QPalette>
#include <utility>

bool OleTranslateColor(OLE_COLOR clr, COLORREF* pColorRef)
{
    if ((clr & 0xFF000000) == 0) {
        *pColorRef = clr;
        return true;
    }
    if ((clr & 0xFF000000) != kSystemColor)
        return false;
    static const std::pair<DWORD, QPalette::ColorRole> kSystemColors[] = {
        {COLOR_WINDOW, QPalette::Base},
        {COLOR_WINDOWTEXT, QPalette::Text},
        {COLOR_HIGHLIGHT, QPalette::Highlight},
        {COLOR_HIGHLIGHTTEXT, QPalette::HighlightedText},
        {COLOR_BTNFACE, QPalette::Button},
        {COLOR_BTNSHADOW, QPalette::Dark},
        {COLOR_GRAYTEXT, QPalette::PlaceholderText},
        {COLOR_BTNTEXT, QPalette::ButtonText},
    };
    for (const auto& [index, role] : kSystemColors) {
        if (index == (clr & 0x00FFFFFF)) {
            *pColorRef = FromQColor(QGuiApplication::palette().color(role));
            return true;
        }
    }
    return false;
}
