// The two ends every output file shares: a file written whole or not at all, and a PDF or
// PNG drawn by a function and finished as every Sleevora output is.
#pragma once

#include "PagePictures.h"

#include <QByteArray>
#include <QSize>
#include <functional>
#include <string>

class QPainter;
class QPdfWriter;

// Writes the file whole: the bytes (or the reason there are none) come from make, and the
// file under the name is replaced only once all of them are on disk. The reason it failed,
// empty when it was written.
std::string WriteWhole(const std::string& strPath, const std::function<QByteArray(std::string*)>& make);

// The pages draw paints onto a PDF of the print resolution, finished once it is written: its
// JPEG pictures put back as their files' own bytes, real size asked for. draw sets the page
// layout, begins the painter and returns the reason it could not draw, empty when it drew.
using DrawPdfPages = std::function<std::string(QPdfWriter&, QPainter&, CPagePictures&)>;
QByteArray DrawPdf(const DrawPdfPages& draw, std::string* pError);

// A white picture of a sheet, nDpi pixels an inch, that draw paints on, encoded as PNG.
QByteArray DrawPng(const QSize& pixels, int nDpi, const std::function<void(QPainter&)>& draw,
                   std::string* pError);
