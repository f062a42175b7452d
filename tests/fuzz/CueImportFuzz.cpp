// Feeds any bytes to the CUE sheet import, as a sheet a user picked, and checks what must
// hold whatever the bytes: no crash, undefined behaviour or leak; rows numbered 1 to N of
// three cells in UTF-8 without NULs or the track listing's markers, a spine text in UTF-8
// without NULs; and a sheet that cannot be read gives no rows and one reason that names its
// line.
#include "TextEncoding.h"
#include "TrackImport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "CUE import fuzz: %s\n", what);
        std::abort();
    }
}

void RequireText(const std::string& text)
{
    Require(IsUtf8(text), "a text that is not UTF-8");
    Require(text.find('\0') == std::string::npos, "a NUL in a text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TrackImport import =
        ImportCueSheetText(std::string(reinterpret_cast<const char*>(data), size), "/nonexistent");
    for (size_t i = 0; i < import.rows.size(); ++i) {
        Require(import.rows[i][0] == std::to_string(i + 1) + ".", "a row not numbered in order");
        for (const std::string& cell : import.rows[i]) {
            RequireText(cell);
            Require(cell.find("[DELIM]") == std::string::npos && cell.find("[/DELIM]") == std::string::npos,
                    "a cell holds the listing's markers");
        }
    }
    RequireText(import.strSpine);
    Require(import.unreadable.size() <= 1, "more than the sheet unreadable");
    if (!import.unreadable.empty())
        Require(import.rows.empty() && import.unreadable[0].strReason.compare(0, 5, "line ") == 0,
                "an unreadable sheet without its line, or with rows");
    return 0;
}
