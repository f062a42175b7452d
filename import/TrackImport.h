// Track listings read from the music itself: tagged audio files (read with TagLib) and CUE
// sheets (read with libcue). An import gives rows of number, title and length for the
// track listing, and a spine text to propose; no window is involved.
#pragma once

#include "TrackListing.h"

#include <functional>
#include <string>
#include <vector>

struct TrackImport
{
    std::vector<TrackRow> rows; // "No.", "Title.", "Length"; the listing's markers left out
    std::string strSpine;       // "ARTIST - ALBUM" from the tags or the sheet; empty when unknown
    size_t nUnreadable = 0;     // files that could not be read and were skipped
    bool bCancelled = false;    // the progress callback asked to stop: nothing was imported
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

// Audio files, one row each: the number from the track number tag (else the position in
// the order), the title tag (else the file name without its extension), the length from the
// audio. Ordered by disc number, then track number, then file name.
TrackImport ImportAudioFiles(const std::vector<std::string>& paths, const ImportProgress& progress = {});
// The audio files of a folder, not of its subfolders.
TrackImport ImportAudioFolder(const std::string& strFolder, const ImportProgress& progress = {});
// A CUE sheet, one row per TRACK: its number, TITLE and the length between its INDEX 01 and
// the next one's; the last track of a FILE takes its length from that file's duration when
// the file is there, else none. Texts in UTF-8 or Windows-1252.
TrackImport ImportCueSheet(const std::string& strPath);
TrackImport ImportCueSheetText(const std::string& strText, const std::string& strFolder);

// A length as a listing shows it: m:ss, or h:mm:ss from an hour on.
std::string FormatTrackLength(long nSeconds);
// The summary of an import for the user: "12 tracks imported; 2 files could not be read."
std::string ImportSummary(const TrackImport& import);
