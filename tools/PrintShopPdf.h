// The print-shop PDF of a cover: one page per piece, each the piece's trim size plus its
// bleed plus room for the crop and fold marks, with the page boxes that tell the shop where
// to cut (TrimBox: the piece; BleedBox: the trim and the bleed; MediaBox: the page).
#pragma once

#include "CoverState.h"

#include <QByteArray>
#include <string>
#include <vector>

// The PDF's bytes, or an empty array with the reason in *pError.
QByteArray PrintShopPdf(const CoverState& cover, double dBleedMm, std::string* pError);

// Sets the TrimBox and BleedBox of each page of a PDF (boxes in points, one per page, as
// left, bottom, right, top) with qpdf: Qt's PDF writer cannot set them itself.
struct PageBoxes
{
    double trim[4];
    double bleed[4];
};
QByteArray WithPageBoxes(const QByteArray& pdf, const std::vector<PageBoxes>& boxes, std::string* pError);
