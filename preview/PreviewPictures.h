// The background picture as the preview shows it: decoded only as large as the preview needs
// (a JPEG at a reduced size while it decodes), scaled to the pixels it takes on screen, and
// kept between paints. A repaint with nothing changed decodes nothing; a picture replaced on
// disk (another size or time) is read again. One cache for the program, holding the
// pictures of the covers in view and nothing more, and safe to use from any thread. Printing never uses it:
// paper gets the whole picture, decoded at every print.
#pragma once

#include <QImage>
#include <QSize>
#include <string>

// The picture of a file at the size given, or a null image when there is none to draw.
QImage PreviewPicture(const std::string& strPath, const QSize& size);
// Starts decoding a picture on another thread, for a preview about to be shown (the other
// side of a standard CD): PreviewPicture then finds it kept, or waits for it.
void PreparePreviewPicture(const std::string& strPath, const QSize& size);

// The pixels the cache holds, and emptying it (for measurements).
qint64 PreviewPicturePixels();
void ClearPreviewPictures();
