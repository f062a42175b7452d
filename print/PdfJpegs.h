// Puts the JPEG files of a page into the PDF Qt wrote for it. Qt's PDF writer decodes every
// picture and compresses it again; the page was drawn with small stand-ins in their places
// instead (see CPagePictures), and here each stand-in's image object takes the file's own
// bytes unchanged, with its size and colour space, using qpdf.
#pragma once

#include "PagePictures.h"

#include <QByteArray>
#include <string>
#include <vector>

// The PDF with the files in place, or an empty array with the reason in *pError. A PDF
// without stand-ins comes back as it is.
QByteArray WithOriginalJpegs(const QByteArray& pdf, const std::vector<PageJpeg>& jpegs, std::string* pError);
