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
