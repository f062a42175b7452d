// The program's images looked up by resource id, as LoadIcon, LoadBitmap and LoadCursor
// find them in a Windows program's resources. They are PNG files compiled into the program:
// icon N is ":/icons/N.png", bitmap N ":/bitmaps/N.png", cursor N ":/cursors/N.png" (its
// hot spot in the file's text "hotspot" as "x,y", else the top-left corner). Icons and
// bitmaps may have a copy at twice the pixels, "N@2x.png", for screens scaled 2×.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

// Null when the program has no such image. For a device pixel ratio above 1 the 2× copy
// comes when there is one, with its ratio set, so that it paints at the 1× image's size.
QPixmap LoadIconResource(int nId, qreal dRatio = 1.0);
QImage LoadBitmapResource(int nId, qreal dRatio = 1.0);
// The window icon: the program's icon at every size it is drawn at.
QIcon ApplicationIconResource(int nId);
// Null (a default-constructed cursor with no pixmap) when there is no such cursor; the
// caller then keeps the system's cursor.
bool LoadCursorResource(int nId, QCursor* pCursor);
// Makes cursor id a standard cursor of the desktop instead of a picture.
void RegisterStandardCursor(int nId, Qt::CursorShape shape);
