// What one audio file tells about its track, read with TagLib: numbers, title, artists,
// album, length, the compilation flag, a cue sheet kept in its tags, and its front picture.
#pragma once

#include "TrackImport.h"

#include <string>

struct AudioTrack
{
    std::string strPath;
    int nDisc = 0;       // from the disc number tag; 0 when there is none
    int nFolderDisc = 0; // from a subfolder named like a disc ("CD2"); 0 when not in one
    int nTrack = 0;      // from the track number tag; 0 when there is none
    std::string strTitle;
    long nSeconds = -1;
    std::string strArtist;
    std::string strAlbumArtist;
    std::string strAlbum;
    bool bCompilation = false;
    std::string strCueSheet; // a whole cue sheet stored in the tags (a FLAC image's)

    // The disc it belongs to: the tag's, else its folder's; 0 when neither says.
    int Disc() const { return nDisc > 0 ? nDisc : nFolderDisc; }
};

// The file's tags and length, or false when TagLib cannot read it as audio.
bool ReadAudioTrack(const std::string& strPath, AudioTrack& track);

// The front cover picture in a file's tags (ID3v2 APIC, FLAC and Vorbis PICTURE, MP4 covr);
// another picture when none is marked as the front; empty when it has none.
CoverArt EmbeddedCoverArt(const std::string& strPath);
