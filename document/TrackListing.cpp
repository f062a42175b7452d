#include "TrackListing.h"

#include <string_view>

namespace {
// Plain literals, so that listings built while the program starts up see them.
constexpr std::string_view kOpen = "[DELIM]";
constexpr std::string_view kClose = "[/DELIM]";
} // namespace

std::string EncodeTrackListing(const std::vector<TrackRow>& rows)
{
    std::string text;
    for (const TrackRow& row : rows) {
        for (const std::string& cell : row)
            text.append(kOpen).append(WithoutListingMarkers(cell)).append(kClose);
        text += "\n\r";
    }
    return text;
}

std::string WithoutListingMarkers(std::string cell)
{
    for (bool removed = true; removed;) {
        removed = false;
        for (const std::string_view marker : {std::string_view(kOpen), std::string_view(kClose)}) {
            for (size_t at; (at = cell.find(marker)) != std::string::npos; removed = true)
                cell.erase(at, marker.size());
        }
    }
    return cell;
}

std::vector<std::string> DecodeTrackListingCells(const std::string& text)
{
    std::vector<std::string> cells;
    size_t from = 0;
    for (;;) {
        const size_t open = text.find(kOpen, from);
        if (open == std::string::npos)
            break;
        const size_t start = open + kOpen.size();
        const size_t close = text.find(kClose, open);
        cells.push_back(close == std::string::npos ? text.substr(start) : text.substr(start, close - start));
        from = start;
    }
    return cells;
}
