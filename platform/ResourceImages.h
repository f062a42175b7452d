// The program's images looked up by resource id, as LoadIcon, LoadBitmap and LoadCursor
// find them in a Windows program's resources. They are PNG files compiled into the program:
// icon N is ":/icons/N.png", bitmap N ":/bitmaps/N.png", cursor N ":/cursors/N.png" (its
// hot spot in the file's text "hotspot" as "x,y", else the top-left corner).
#pragma once

#include <QCursor>
#include <QImage>
#include <QPixmap>

// Null when the program has no such image.
QPixmap LoadIconResource(int nId);
QImage LoadBitmapResource(int nId);
// Null (a default-constructed cursor with no pixmap) when there is no such cursor; the
// caller then keeps the system's cursor.
bool LoadCursorResource(int nId, QCursor* pCursor);
// Makes cursor id a standard cursor of the desktop instead of a picture.
void RegisterStandardCursor(int nId, Qt::CursorShape shape);
