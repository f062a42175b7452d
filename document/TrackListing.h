// The track listing encoding: a side's text on CD and slimline covers is a table of rows
// of three cells (number, title, length). Each cell is written as "[DELIM]" + cell +
// "[/DELIM]" and each row is followed by a line feed and a carriage return, in that order.
// Cells are not escaped.
#pragma once

#include <array>
#include <string>
#include <vector>

using TrackRow = std::array<std::string, 3>;

// A cell cannot hold the encoding's own markers: they would cut the cell there and shift
// every later cell on the next reading. The encoder leaves them out of every cell.
std::string EncodeTrackListing(const std::vector<TrackRow>& rows);

// A cell's text with every "[DELIM]" and "[/DELIM]" taken out (also those that the taking
// out of others brings together), the rest kept as it was.
std::string WithoutListingMarkers(std::string cell);

// The cells of an encoded listing, in order (dealt to columns 1, 2, 3, 1, 2, 3, ...).
// A cell ends at the next "[/DELIM]" after its "[DELIM]", or at the end of the text when
// there is none; the search for the next "[DELIM]" starts at the cell just taken, so a
// text without "[DELIM]" has no cells. What stands between cells is ignored.
std::vector<std::string> DecodeTrackListingCells(const std::string& text);

// A cell on one line: every line break and tab becomes a space. A cell holding a line break
// would start a new line in its column on the cover and put every later number and length
// one row off its title.
std::string OneLineCell(const std::string& cell);

// The rows without the trailing ones that have neither title nor length: an empty row
// between filled ones stays (a spacer), a number alone at the end is not printed.
std::vector<TrackRow> WithoutTrailingEmptyRows(std::vector<TrackRow> rows);

// Text pasted into the listing as rows of cells: a row for each line (a last empty line left
// out), its cells split at tabs as spreadsheets copy them, each cell on one line.
std::vector<std::vector<std::string>> PastedRows(const std::string& text);
