// Helpers the audio file and CUE sheet imports share.
#pragma once

#include "TrackListing.h"

#include <string>

// "ARTIST - ALBUM", or whichever of the two is known.
std::string ProposedSpine(const std::string& strArtist, const std::string& strAlbum);
// A row of the listing, the listing's markers left out of its cells.
TrackRow ListingRow(const std::string& strNumber, const std::string& strTitle, const std::string& strLength);
// The file name of a path without its folder and its extension.
std::string FileTitle(const std::string& strPath);
