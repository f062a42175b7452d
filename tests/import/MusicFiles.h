// Real audio files for the import tests: a few seconds of silence in each container,
// encoded by Debian's ffmpeg and tagged with TagLib, and APE files (for which Debian has no
// encoder) made of the header TagLib reads and tagged with TagLib as well.
#pragma once

#include <QString>
#include <string>

struct MusicTags
{
    std::string title;
    std::string artist;
    std::string albumArtist;
    std::string album;
    int track = 0; // 0: no track number
    int disc = 0;  // 0: no disc number
};

// Writes seconds of silence to path in the container its extension names; false when the
// encoder failed.
bool MakeSilence(const QString& path, int nSeconds);
// Sets the tags of an audio file; false when TagLib could not save them.
bool TagFile(const QString& path, const MusicTags& tags);
// Sets one more tag of a file by its name ("COMPILATION", "CUESHEET"); false when TagLib
// could not save it.
bool SetTag(const QString& path, const char* key, const std::string& value);
// Puts a front cover picture into an MP3's ID3v2 tag or a FLAC's pictures, as taggers do.
bool EmbedFrontCover(const QString& path, const QByteArray& jpeg);
