// The cue sheet a FLAC disc image carries in its own CUESHEET metadata block (as
// `flac --cuesheet` writes it): where each track starts, in samples, and where the disc ends.
#pragma once

#include "TrackListing.h"

#include <string>
#include <vector>

// The image's tracks as rows: "N." with the track's own number, no title (the block holds
// none), the length to the next track's start or the lead-out. Empty when the file is no
// FLAC, holds no such block, or the block is cut short.
std::vector<TrackRow> FlacCueSheetRows(const std::string& strPath);
