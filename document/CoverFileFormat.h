// The bytes of a cover file: a tagged text header "[BEGIN]" ... "[END]" with one entry per
// saved field, then the front and back pictures embedded byte for byte between markers.
// Nothing is escaped and nothing carries a length: every part is found by searching for the
// first occurrence of its marker. These are plain functions over bytes and the cover record;
// the file access around them is in CoverFile.h.
#pragma once

#include "CoverState.h"

#include <cstdint>
#include <string>
#include <string_view>

// The markers around the two picture sections, and the one that ends the header.
constexpr std::string_view kHeaderEndMarker = "[END]";
constexpr std::string_view kFrontPictureMarker = "[IMAGE1]";
constexpr std::string_view kFrontPictureEndMarker = "[ENDIMAGE1]";
constexpr std::string_view kBackPictureMarker = "[IMAGE2]";
constexpr std::string_view kBackPictureEndMarker = "[ENDIMAGE2]";

// The whole header: "[BEGIN]", the 33 entries "[" + key + "]=" + value + "[END" + key + "]" in
// the fixed order of CoverFields, "[END]". Integers in decimal as signed 32-bit values, style
// flags as TRUE/FALSE, the print-over-spines flags as 1/0, texts as their bytes, a shown
// border as the character with code 1.
std::string BuildCoverHeader(const CoverState& cover);

// Index of the first occurrence of the marker (byte for byte) that starts at one of the
// positions 0 to count - 2 and lies wholly inside the count bytes; -1 when there is none.
long FindMarker(const char* pStart, long nCount, const char* pszMarker);

// Where the parts of a cover file lie in its bytes.
struct CoverFileParts
{
    // "[END]" stands before the first NUL byte; without it the bytes are no cover.
    bool bHasHeader = false;
    // The bytes before "[END]".
    std::string_view header;
    // The bytes between each picture's markers; empty when a marker is missing or the
    // markers stand in the wrong order.
    std::string_view frontPicture;
    std::string_view backPicture;
    // Both markers of the section were found, in order (a file cut off inside a picture
    // lacks the closing one).
    bool bFrontSectionWhole = false;
    bool bBackSectionWhole = false;
};
CoverFileParts SplitCoverFile(std::string_view bytes);

// The value of one key in a header: from just after "[" + key + "]=" to the first
// "[END" + key + "]". Empty when either marker is missing or the closing one stands first.
std::string_view ReadCoverValue(std::string_view header, std::string_view key);
// An integer read leniently: leading white space, an optional sign, the decimal digits up
// to the first other character; 0 when there are none, clamped to the 32-bit range.
int32_t ReadCoverInteger(std::string_view value);

// Stores in a cover that has been reset every value a load takes from a header: those of the
// keys of CoverFields read into the cover. Picture paths, borders and spine switches are
// left as they are.
void ApplyCoverHeader(std::string_view header, CoverState& cover);

// The extension for the extracted picture of "fImagePath" or "bImagePath": the saved path
// from its last "." on, when that is "." followed by 1 to 15 ASCII letters or digits;
// ".tmp" otherwise, which also covers a side without a picture.
std::string PictureExtension(std::string_view header, std::string_view pathKey);

// Whether a header built from this cover reads back to the same cover. When it would not,
// names the field in the user's words and the characters in it that a cover file cannot
// hold (markers of the format, or a NUL byte).
struct CoverStorageFault
{
    std::string strField;      // e.g. "back cover text"; empty when every field survives
    std::string strCharacters; // e.g. "\"[END]\"" or "a NUL character (code 0)"
};
CoverStorageFault CheckCoverHeader(const CoverState& cover, const std::string& header);

// The first marker of the picture sections inside a picture's bytes that would cut or
// shift a section: for the front picture the end of its own section and either marker of
// the back one, for the back picture the end of its section. Empty when the bytes are safe.
std::string_view FindPictureFault(std::string_view picture, CoverSide side);
