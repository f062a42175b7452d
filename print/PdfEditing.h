// What Qt's PDF writer cannot do, done afterwards to the PDF it wrote, with qpdf: the JPEG
// files of a page put in their stand-ins' places, printing at real size asked for, and a
// print shop's page boxes and marks in the registration colour.
#pragma once

#include "PagePictures.h"

#include <QByteArray>
#include <QRgb>
#include <string>
#include <vector>

// Every PDF Sleevora writes, finished: Qt's PDF writer decodes every picture and compresses
// it again, so the page was drawn with small stand-ins in the JPEGs' places (see
// CPagePictures), and here each stand-in's image object takes the file's own bytes
// unchanged, with its size and colour space; and the document asks viewers to print it at
// real size (/ViewerPreferences with /PrintScaling /None). Returns the finished PDF, or an
// empty array with the reason in *pError.
QByteArray FinishedPdf(const QByteArray& pdf, const std::vector<PageJpeg>& jpegs, std::string* pError);

// The colour a print shop's marks are drawn in, to be found again in the page: Qt's writer
// knows no registration colour.
constexpr QRgb kRegistrationStandIn = qRgb(1, 0, 1);

// A print shop's pages finished: each page's TrimBox and BleedBox set (boxes in points, one
// per page, as left, bottom, right, top), and every line stroked in the stand-in colour
// stroked in the registration colour instead (the Separation named All, full tint), so
// that the marks print on every plate of a press.
struct PageBoxes
{
    double trim[4];
    double bleed[4];
};
QByteArray FinishedPrintShopPdf(const QByteArray& pdf, const std::vector<PageBoxes>& boxes,
                                std::string* pError);
