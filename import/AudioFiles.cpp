// Tagged audio files, read with TagLib: one row of the listing each.
#include "TrackImport.h"

#include "ImportShared.h"
#include "TextEncoding.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <climits>
#include <cmath>
#include <fileref.h>
#include <tag.h>
#include <tpropertymap.h>

namespace {

// What one file tells about its track.
struct AudioTrack
{
    std::string strPath;
    int nDisc = INT_MAX; // files without a disc or track number go after those with one
    int nTrack = INT_MAX;
    std::string strTitle;
    long nSeconds = -1;
    std::string strArtist;
    std::string strAlbum;
};

std::string Utf8(const TagLib::String& text)
{
    return text.to8Bit(true);
}

// The number before a "/" in "3/12", as disc and track numbers are written; none when the
// text holds no number.
int LeadingNumber(const TagLib::PropertyMap& properties, const char* key)
{
    const auto found = properties.find(key);
    if (found == properties.end() || found->second.isEmpty())
        return INT_MAX;
    const std::string text = Utf8(found->second.front());
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    return end == text.c_str() || number <= 0 || number > 9999 ? INT_MAX : static_cast<int>(number);
}

std::string FirstValue(const TagLib::PropertyMap& properties, const char* key)
{
    const auto found = properties.find(key);
    return found == properties.end() || found->second.isEmpty() ? std::string() : Utf8(found->second.front());
}

// The file's tags and length, or false when TagLib cannot read it as audio.
bool ReadAudioTrack(const std::string& strPath, AudioTrack& track)
{
    TagLib::FileRef file(strPath.c_str(), true, TagLib::AudioProperties::Average);
    // A file whose audio TagLib cannot find (no sample rate) is no track, whatever its name.
    if (file.isNull() || !file.audioProperties() || file.audioProperties()->sampleRate() <= 0)
        return false;
    track.strPath = strPath;
    track.nSeconds = std::lround(file.audioProperties()->lengthInMilliseconds() / 1000.0);
    const TagLib::PropertyMap properties = file.file()->properties();
    track.nDisc = LeadingNumber(properties, "DISCNUMBER");
    track.nTrack = LeadingNumber(properties, "TRACKNUMBER");
    track.strTitle = FirstValue(properties, "TITLE");
    track.strArtist = FirstValue(properties, "ALBUMARTIST");
    if (track.strArtist.empty())
        track.strArtist = FirstValue(properties, "ARTIST");
    track.strAlbum = FirstValue(properties, "ALBUM");
    if (track.strTitle.empty())
        track.strTitle = DecodeCoverText(FileTitle(strPath)); // file names are bytes
    return true;
}

bool ByDiscTrackAndName(const AudioTrack& a, const AudioTrack& b)
{
    if (a.nDisc != b.nDisc)
        return a.nDisc < b.nDisc;
    if (a.nTrack != b.nTrack)
        return a.nTrack < b.nTrack;
    return a.strPath < b.strPath;
}

TrackImport RowsOf(std::vector<AudioTrack> tracks, size_t nUnreadable)
{
    std::stable_sort(tracks.begin(), tracks.end(), ByDiscTrackAndName);
    TrackImport import;
    import.nUnreadable = nUnreadable;
    for (size_t i = 0; i < tracks.size(); ++i) {
        const AudioTrack& track = tracks[i];
        const int number = track.nTrack != INT_MAX ? track.nTrack : static_cast<int>(i + 1);
        import.rows.push_back(
            ListingRow(std::to_string(number) + ".", track.strTitle, FormatTrackLength(track.nSeconds)));
        if (import.strSpine.empty())
            import.strSpine = ProposedSpine(track.strArtist, track.strAlbum);
    }
    return import;
}

} // namespace

TrackImport ImportAudioFiles(const std::vector<std::string>& paths, const ImportProgress& progress)
{
    std::vector<AudioTrack> tracks;
    size_t unreadable = 0;
    for (size_t i = 0; i < paths.size(); ++i) {
        if (progress && !progress(i, paths.size())) {
            TrackImport cancelled;
            cancelled.bCancelled = true;
            return cancelled;
        }
        AudioTrack track;
        if (ReadAudioTrack(paths[i], track))
            tracks.push_back(track);
        else
            ++unreadable;
    }
    if (progress)
        progress(paths.size(), paths.size());
    return RowsOf(std::move(tracks), unreadable);
}

TrackImport ImportAudioFolder(const std::string& strFolder, const ImportProgress& progress)
{
    const QDir folder(QFile::decodeName(QByteArray::fromStdString(strFolder)));
    std::vector<std::string> paths;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        const std::string path = QFile::encodeName(folder.filePath(name)).toStdString();
        if (IsAudioFileName(path))
            paths.push_back(path);
    }
    return ImportAudioFiles(paths, progress);
}
