// Feeds any bytes to the CUE sheet import, as a sheet a user picked, and checks what must
// hold whatever the bytes: no crash or undefined behaviour, numbered rows of three cells,
// and no cell holding the track listing's markers.
#include "TrackImport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "CUE import fuzz: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A sheet is text: it ends at its first NUL byte, as the import reads it.
    const std::string text(reinterpret_cast<const char*>(data),
                           strnlen(reinterpret_cast<const char*>(data), size));
    const TrackImport import = ImportCueSheetText(text, "/nonexistent");
    for (size_t i = 0; i < import.rows.size(); ++i) {
        Require(!import.rows[i][0].empty(), "a row without its number");
        for (const std::string& cell : import.rows[i])
            Require(cell.find("[DELIM]") == std::string::npos && cell.find("[/DELIM]") == std::string::npos,
                    "a cell holds the listing's markers");
    }
    Require(import.strSpine.find('\0') == std::string::npos, "a NUL in the spine text");
    return 0;
}
