#include "TrackImport.h"

#include "ImportShared.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

constexpr size_t kNamedUnreadable = 5;

std::string FileName(const std::string& strPath)
{
    const size_t slash = strPath.find_last_of('/');
    return slash == std::string::npos ? strPath : strPath.substr(slash + 1);
}

std::string LowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

} // namespace

const std::vector<AudioExtension>& AudioExtensions()
{
    static const std::vector<AudioExtension> extensions = {
        {".flac", true}, {".mp3", true},  {".ogg", true},  {".oga", false}, {".opus", true},
        {".m4a", true},  {".aac", false}, {".mp4", false}, {".wav", true},  {".aif", false},
        {".aiff", true}, {".wv", true},   {".ape", true},
    };
    return extensions;
}

bool IsAudioFileName(const std::string& strPath)
{
    const std::string lower = LowerCase(strPath);
    for (const AudioExtension& extension : AudioExtensions()) {
        const std::string ending(extension.pszExtension);
        if (lower.size() > ending.size() &&
            lower.compare(lower.size() - ending.size(), ending.size(), ending) == 0)
            return true;
    }
    return false;
}

std::string FormatTrackLength(long nSeconds)
{
    if (nSeconds < 0)
        return {};
    char text[32];
    if (nSeconds >= 3600)
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", nSeconds / 3600, nSeconds / 60 % 60,
                      nSeconds % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld", nSeconds / 60, nSeconds % 60);
    return text;
}

size_t ImportedTracks(const TrackImport& import)
{
    return static_cast<size_t>(std::count_if(import.rows.begin(), import.rows.end(),
                                             [](const TrackRow& row) { return !row[0].empty(); }));
}

// "3 files could not be read: a.mp3, b.flac and album.cue (line 7: ...)", naming five at most.
std::string UnreadableSummary(const std::vector<UnreadableFile>& unreadable)
{
    const size_t count = unreadable.size();
    std::string summary = std::to_string(count) + (count == 1 ? " file" : " files") + " could not be read: ";
    const size_t named = std::min(count, kNamedUnreadable);
    for (size_t i = 0; i < named; ++i) {
        if (i > 0)
            summary += i + 1 == named && named == count ? " and " : ", ";
        summary += FileName(unreadable[i].strPath);
        if (!unreadable[i].strReason.empty())
            summary += " (" + unreadable[i].strReason + ")";
    }
    if (count > named)
        summary += " and " + std::to_string(count - named) + " more";
    return summary;
}

std::string ImportSummary(const TrackImport& import)
{
    const size_t tracks = ImportedTracks(import);
    std::string summary = std::to_string(tracks) + (tracks == 1 ? " track imported" : " tracks imported");
    if (tracks > kMostTracksOnACd)
        summary += "; a CD holds at most " + std::to_string(kMostTracksOnACd);
    if (!import.unreadable.empty())
        summary += "; " + UnreadableSummary(import.unreadable);
    return summary + ".";
}

std::string ProposedSpine(const std::string& strArtist, const std::string& strAlbum)
{
    if (!strArtist.empty() && !strAlbum.empty())
        return strArtist + " - " + strAlbum;
    return strArtist.empty() ? strAlbum : strArtist;
}

TrackRow ListingRow(const std::string& strNumber, const std::string& strTitle, const std::string& strLength)
{
    return {WithoutListingMarkers(strNumber), WithoutListingMarkers(strTitle),
            WithoutListingMarkers(strLength)};
}

std::string FileTitle(const std::string& strPath)
{
    const size_t slash = strPath.find_last_of('/');
    std::string name = slash == std::string::npos ? strPath : strPath.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}
