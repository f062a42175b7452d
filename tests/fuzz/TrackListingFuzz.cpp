// Feeds any bytes to the track listing decoder, as a side's text read from any cover file,
// and checks what must hold whatever the bytes: no crash or undefined behaviour, no cell
// holding a closing marker, and every cell coming back (without the listing's markers) when
// encoded as rows of three and decoded again.
#include "TrackListing.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "track listing fuzz: %s\n", what);
        std::abort();
    }
}

bool Contains(const std::string& text, const char* marker)
{
    return text.find(marker) != std::string::npos;
}

// The cells dealt to rows of three as the dialog deals them, the last row filled up with
// empty cells.
std::vector<TrackRow> DealToRows(const std::vector<std::string>& cells)
{
    std::vector<TrackRow> rows((cells.size() + 2) / 3);
    for (size_t i = 0; i < cells.size(); ++i)
        rows[i / 3][i % 3] = cells[i];
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> cells = DecodeTrackListingCells(text);
    Require(cells.empty() || Contains(text, "[DELIM]"), "cells from a text without an opening marker");

    for (const std::string& cell : cells) {
        Require(!Contains(cell, "[/DELIM]"), "a cell runs over its closing marker");
        Require(cell.size() <= text.size(), "a cell longer than the text");
    }
    // The encoder leaves the markers out of every cell, so whatever it writes reads back
    // as the same cells without them: never shifted, never cut.
    const std::vector<TrackRow> rows = DealToRows(cells);
    const std::string encoded = EncodeTrackListing(rows);
    std::vector<std::string> padded;
    for (const TrackRow& row : rows)
        for (const std::string& cell : row)
            padded.push_back(WithoutListingMarkers(cell));
    Require(DecodeTrackListingCells(encoded) == padded, "re-encoded cells read back differently");
    return 0;
}
