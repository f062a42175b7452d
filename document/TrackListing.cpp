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

std::string OneLineCell(const std::string& cell)
{
    std::string line;
    line.reserve(cell.size());
    for (size_t i = 0; i < cell.size(); ++i) {
        const char c = cell[i];
        if (c == '\r' && i + 1 < cell.size() && cell[i + 1] == '\n')
            continue; // a CR LF pair is one break
        line += c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
    }
    return line;
}

std::vector<TrackRow> WithoutTrailingEmptyRows(std::vector<TrackRow> rows)
{
    while (!rows.empty() && rows.back()[1].empty() && rows.back()[2].empty())
        rows.pop_back();
    return rows;
}

std::vector<std::vector<std::string>> PastedRows(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        std::vector<std::string> cells;
        size_t cellStart = start;
        for (size_t tab = text.find('\t', start); tab != std::string::npos && tab < end;
             tab = text.find('\t', cellStart)) {
            cells.push_back(text.substr(cellStart, tab - cellStart));
            cellStart = tab + 1;
        }
        cells.push_back(text.substr(cellStart, end - cellStart));
        rows.push_back(cells);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return rows;
}
