// How DrawText cuts a text into lines, apart from drawing it: mnemonic prefixes, hard
// line breaks and word wrapping.
#pragma once

#include "WinTypes.h"

#include <QString>
#include <functional>
#include <vector>

struct DrawTextLine
{
    QString text;
    int nPrefixIndex = -1; // the character to underline, or -1
};

// Removes the prefix characters: "&&" stands for "&", and "&x" shows x underlined (the
// last such character is the one underlined, as DrawText marks only one).
QString StripPrefixes(const QString& text, int* pnUnderlined);

// The lines DrawText draws for a text and format. Without DT_SINGLELINE a carriage
// return, a line feed, or either pair of them (CR LF, LF CR) ends a line; a break at the
// very end starts no new line. DT_WORDBREAK wraps at spaces so that lines fit nMaxWidth
// as measured; a single word wider than that is not split.
std::vector<DrawTextLine> LayOutDrawTextLines(const QString& text, UINT nFormat, int nMaxWidth,
                                              const std::function<int(const QString&)>& measure);
