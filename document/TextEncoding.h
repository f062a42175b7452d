// The encoding of the cover's texts. In memory every text is UTF-8. A cover file carries
// each text in Windows-1252, as covers made on Windows do, whenever every character of
// the text has a Windows-1252 code; only a text with other characters (which a Windows
// program could not show anyway) is written as UTF-8. Reading decides per text: valid
// UTF-8 stays as it is, anything else is Windows-1252.
#pragma once

#include <string>
#include <string_view>

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values beyond
// U+10FFFF).
bool IsUtf8(std::string_view bytes);
// A text as read from a cover file, in UTF-8.
std::string DecodeCoverText(std::string_view bytes);
// A UTF-8 text as a cover file stores it; DecodeCoverText gives the same text back.
std::string EncodeCoverText(std::string_view utf8);
