// The one place where the program's Windows values turn into Qt's and back:
// colours, rectangles, fonts and byte strings.
#pragma once

#include "WinTypes.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

QColor ToQColor(COLORREF cr);
COLORREF FromQColor(const QColor& color);

// A RECT's right and bottom are exclusive, a QRect's inclusive: the same pixels.
QRect ToQRect(const RECT& rc);
RECT FromQRect(const QRect& rect);

// The font a LOGFONT asks for, at its height in device pixels: a negative lfHeight is
// the character (em) height, a positive one the cell height (ascent + descent), 0 the
// default. Weight 0 means normal. Escapement is applied when drawing, not here.
QFont ToQFont(const LOGFONT& lf);
// The LOGFONT of a font shown at the given pixels per inch: the height is negative,
// minus the character height in pixels, as the font dialog returns it.
LOGFONT FromQFont(const QFont& font, int nLogPixelsY);
// Copies a face name into a LOGFONT, cut to the 31 characters that fit with the terminator.
void SetFaceName(LOGFONT& lf, const std::string& face);

// Program strings are bytes: UTF-8 here, Windows-1252 in covers made on Windows.
// Text that is not valid UTF-8 is read as Windows-1252 rather than shown as replacement marks.
QString ToQString(const std::string& bytes);
std::string FromQString(const QString& text);
bool IsValidUtf8(const std::string& bytes);
