// Track listings read from the music itself: tagged audio files (read with TagLib) and CUE
// sheets (read by our own reader). An import gives rows of number, title and length for the
// track listing, and a spine text to propose; no window is involved.
#pragma once

#include "TrackListing.h"

#include <functional>
#include <string>
#include <vector>

// A file that could not be read: its path, and for a CUE sheet what was wrong where
// ("line 7: a TRACK before any FILE"); empty for an audio file TagLib cannot read.
struct UnreadableFile
{
    std::string strPath;
    std::string strReason;
};

// The album's front picture, when the music carries one: a picture file beside the music
// (strPath) or the bytes of a picture in the tags (bytes, with strExtension such as ".jpg").
struct CoverArt
{
    std::string strPath;
    std::string bytes;
    std::string strExtension;
    bool Empty() const { return strPath.empty() && bytes.empty(); }
};

struct TrackImport
{
    std::vector<TrackRow> rows;             // "No.", "Title.", "Length"; the listing's markers left out
    std::string strSpine;                   // "ARTIST - ALBUM" from the tags or the sheet; empty when unknown
    std::vector<UnreadableFile> unreadable; // files that could not be read and were skipped
    CoverArt art;
    bool bCancelled = false; // the progress callback asked to stop: nothing was imported
};

// Told how far an import is (files read, files in all); returns false to stop it.
using ImportProgress = std::function<bool(size_t nDone, size_t nTotal)>;

// An extension of the audio files the importer reads.
struct AudioExtension
{
    const char* pszExtension; // lower case, with its dot: ".flac"
    // The extension the format is best known by; false for its others (".oga" beside ".ogg").
    bool bUsual;
};

// The extensions of FLAC, MP3, Ogg Vorbis, Opus, M4A/AAC, WAV, AIFF, WavPack and APE, in the
// order a file dialog lists them.
const std::vector<AudioExtension>& AudioExtensions();

// The audio files the importer reads: those whose name ends in one of AudioExtensions, in
// any case.
bool IsAudioFileName(const std::string& strPath);

// Audio files, one row each, the title from the tag (else the file name without a leading
// track number and separator), the length from the audio. Files of one album (one album tag)
// go in disc and track order, numbered by their track tags; anything else in the natural
// order of the file names ("2" before "10"), numbered 1 to N. Each disc after the first
// starts with a "Disc N" row (no number, no length) and numbering starts again. When the
// artists differ (or the files say compilation) the titles read "Artist – Title", and one
// album's spine "Various Artists – Album". CUE sheets among the files give their tracks in
// place of the audio they name; a FLAC with a cue sheet in its tags gives that sheet's
// tracks. The album's front picture comes with them when the music has one.
TrackImport ImportAudioFiles(const std::vector<std::string>& paths, const ImportProgress& progress = {});
// The audio files and CUE sheets of a folder and of its subfolders named like discs ("CD1",
// "Disc 2"); a sheet there counts when it names audio that is there.
TrackImport ImportAudioFolder(const std::string& strFolder, const ImportProgress& progress = {});
// A CUE sheet, one row per TRACK: "N." in the sheet's order, its TITLE and the length between
// its INDEX 01 and the next one's; the last track of a FILE takes its length from that file's
// duration when the file is there, else none. A FILE is looked for in the sheet's folder in
// any case, and under another audio extension when the named one is missing (album.flac for
// album.wav). On a sampler (tracks by other performers than the sheet's) titles read
// "Performer – Title" and the spine "Various Artists – Album". The sheet may be UTF-8, UTF-16
// with its byte order mark or in a legacy code page (Windows-1252, Shift-JIS, ...). A sheet
// that cannot be read gives no rows and one unreadable file, its reason naming the line.
TrackImport ImportCueSheet(const std::string& strPath);
// The same over a sheet's bytes, its files looked for in strFolder; an unreadable sheet is
// reported without a path.
TrackImport ImportCueSheetText(const std::string& strBytes, const std::string& strFolder);

// The existing audio files a readable CUE sheet names, found as its import finds them.
std::vector<std::string> CueSheetAudioFiles(const std::string& strSheetPath);
// A cue sheet kept in a FLAC's tags: every FILE of it taken as that audio file.
TrackImport ImportEmbeddedCueSheet(const std::string& strSheetText, const std::string& strAudioPath);

// A length as a listing shows it: m:ss, or h:mm:ss from an hour on.
std::string FormatTrackLength(long nSeconds);
// The most tracks a CD holds.
constexpr size_t kMostTracksOnACd = 99;

// The tracks an import gives: its rows but those that mark a disc.
size_t ImportedTracks(const TrackImport& import);
// The summary of an import for the user: "12 tracks imported; 2 files could not be read:
// a.mp3 and b.flac." (five files named at most, then "and N more"); past 99 tracks it adds
// that a CD holds at most 99.
std::string ImportSummary(const TrackImport& import);
