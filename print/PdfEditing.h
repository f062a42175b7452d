// What Qt's PDF writer cannot do, done afterwards to the PDF it wrote, with qpdf: the JPEG
// files of a page put in their stand-ins' places, printing at real size asked for, and a
// print shop's page boxes.
#pragma once

#include "PagePictures.h"

#include <QByteArray>
#include <string>
#include <vector>

// Every PDF Sleevora writes, finished: Qt's PDF writer decodes every picture and compresses
// it again, so the page was drawn with small stand-ins in the JPEGs' places (see
// CPagePictures), and here each stand-in's image object takes the file's own bytes
// unchanged, with its size and colour space; and the document asks viewers to print it at
// real size (/ViewerPreferences with /PrintScaling /None). Returns the finished PDF, or an
// empty array with the reason in *pError.
QByteArray FinishedPdf(const QByteArray& pdf, const std::vector<PageJpeg>& jpegs, std::string* pError);

// Sets the TrimBox and BleedBox of each page of a PDF (boxes in points, one per page, as
// left, bottom, right, top).
struct PageBoxes
{
    double trim[4];
    double bleed[4];
};
QByteArray WithPageBoxes(const QByteArray& pdf, const std::vector<PageBoxes>& boxes, std::string* pError);
