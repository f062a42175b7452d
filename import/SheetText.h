// The encodings of CUE sheets. A sheet is read in two steps: its lines are read from bytes
// in which ASCII stands for itself, then the texts the listing takes from them are decoded
// to UTF-8. The legacy code pages sheets are written in keep ASCII as ASCII (no second byte
// of a Shift-JIS, GBK or Big5 character is a quotation mark, a blank or a line end), so
// keywords, quotes and line ends read right before the code page is known, and uchardet
// judges the code page from the texts alone.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A sheet's bytes ready to be read line by line: UTF-16 after its byte order mark converted
// to UTF-8, a UTF-8 byte order mark dropped, anything else left as it is; the text ends at a
// NUL.
std::string SheetLines(std::string_view bytes);
// Texts read from one sheet, decoded to UTF-8 in place: a text that is UTF-8 stays as it is
// (a sheet edited in parts), the others are read in the legacy code page uchardet finds in
// them together (Windows-1252, Shift-JIS, ...), Windows-1252 when it finds none.
void DecodeSheetTexts(const std::vector<std::string*>& texts);
