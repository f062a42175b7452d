// A CUE sheet read into what a track listing needs: the sheet's performer and title, the
// files its FILE lines name, and for each TRACK its title, performer, file and start.
// REM, CATALOG, SONGWRITER, PREGAP, POSTGAP, FLAGS, ISRC, CDTEXTFILE, INDEX other than 01 and
// keywords the reader does not know change nothing in a listing and are passed over.
#pragma once

#include <string>
#include <string_view>
#include <vector>

constexpr long kCueFramesPerSecond = 75; // a sheet's times are mm:ss:ff in CD frames

struct CueTrack
{
    std::string strTitle;
    std::string strPerformer;
    size_t nFile = 0; // the FILE its INDEX 01 is in: an index into ParsedCueSheet::files
    long nStart = -1; // its INDEX 01 in frames from the start of that file; -1 when it has none
};

struct ParsedCueSheet
{
    std::string strPerformer;
    std::string strTitle;
    std::vector<std::string> files; // the file names of the FILE lines, in their order
    std::vector<CueTrack> tracks;
    // Why the sheet cannot be read, with its line ("line 7: a TRACK before any FILE"); empty
    // when it can.
    std::string strError;
};

// Reads a sheet's lines (SheetLines), ended by CR, LF or CRLF, their keywords in any case;
// the texts stay in the sheet's encoding.
ParsedCueSheet ParseCueSheet(std::string_view text);
