// Audio files, one row of the listing each: one album in its disc and track order, anything
// else in the natural order of the file names; discs marked by a row of their own; the
// artists of a compilation or a mix in the titles. CUE sheets among them give their tracks
// instead of the audio they name.
#include "TrackImport.h"

#include "AudioTags.h"
#include "FlacCueSheet.h"
#include "ImportShared.h"
#include "QtConvert.h"
#include "TextEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cctype>
#include <climits>
#include <set>

namespace {

const char* const kEnDash = "\xE2\x80\x93";
// The most files whose tags are searched for a picture when the folder holds none.
constexpr size_t kArtSearchLimit = 20;

// A music file chosen or found, and the disc its subfolder names (0: none).
struct MusicFile
{
    std::string strPath;
    int nFolderDisc = 0;
};

bool IsCueSheetName(const std::string& strPath)
{
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(strPath))).suffix().toLower() ==
           QLatin1String("cue");
}

std::string NameOf(const std::string& strPath)
{
    const size_t slash = strPath.find_last_of('/');
    return slash == std::string::npos ? strPath : strPath.substr(slash + 1);
}

// "2" before "10": runs of digits compare as numbers, the rest without regard to case.
bool NaturallyBefore(const std::string& a, const std::string& b)
{
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            size_t endA = i;
            size_t endB = j;
            while (endA < a.size() && std::isdigit(static_cast<unsigned char>(a[endA])))
                ++endA;
            while (endB < b.size() && std::isdigit(static_cast<unsigned char>(b[endB])))
                ++endB;
            const unsigned long long x = std::stoull(a.substr(i, std::min<size_t>(endA - i, 18)));
            const unsigned long long y = std::stoull(b.substr(j, std::min<size_t>(endB - j, 18)));
            if (x != y)
                return x < y;
            i = endA;
            j = endB;
            continue;
        }
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[j]));
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j || (a.size() - i == b.size() - j && a < b);
}

// Discs and tracks without a number go after those with one.
int OrderOf(int nNumber)
{
    return nNumber > 0 ? nNumber : INT_MAX;
}

bool OneAlbum(const std::vector<AudioTrack>& tracks)
{
    return !tracks.empty() && !tracks.front().strAlbum.empty() &&
           std::all_of(tracks.begin(), tracks.end(),
                       [&](const AudioTrack& track) { return track.strAlbum == tracks.front().strAlbum; });
}

void SortTracks(std::vector<AudioTrack>& tracks, bool bOneAlbum)
{
    std::stable_sort(tracks.begin(), tracks.end(), [bOneAlbum](const AudioTrack& a, const AudioTrack& b) {
        if (a.Disc() != b.Disc())
            return OrderOf(a.Disc()) < OrderOf(b.Disc());
        if (bOneAlbum && a.nTrack != b.nTrack)
            return OrderOf(a.nTrack) < OrderOf(b.nTrack);
        return NaturallyBefore(NameOf(a.strPath), NameOf(b.strPath));
    });
}

// Whether the titles carry their artists: a compilation, or tracks whose artists differ.
bool ArtistsDiffer(const std::vector<AudioTrack>& tracks)
{
    std::set<std::string> artists;
    for (const AudioTrack& track : tracks) {
        if (track.bCompilation)
            return true;
        if (!track.strArtist.empty())
            artists.insert(track.strArtist);
    }
    return artists.size() > 1;
}

// An untagged file's title: its name, without a leading track number and separator
// ("01 - Song", "2. Song", "03_Song").
std::string UntaggedTitle(const std::string& strPath)
{
    static const QRegularExpression numbered(QStringLiteral("^\\d{1,3}(?:\\s*[-._)]+\\s*|\\s+)(\\S.*)$"));
    const QString name = ToQString(DecodeCoverText(FileTitle(strPath))); // file names are bytes
    const QRegularExpressionMatch match = numbered.match(name);
    return FromQString(match.hasMatch() ? match.captured(1) : name);
}

std::string TitleOf(const AudioTrack& track, bool bWithArtist)
{
    const std::string title = track.strTitle.empty() ? UntaggedTitle(track.strPath) : track.strTitle;
    if (!bWithArtist || track.strArtist.empty())
        return title;
    return track.strArtist + " " + kEnDash + " " + title;
}

std::string SpineOf(const std::vector<AudioTrack>& tracks, bool bOneAlbum, bool bArtistsDiffer)
{
    if (tracks.empty())
        return {};
    const AudioTrack& first = tracks.front();
    if (bOneAlbum && bArtistsDiffer)
        return std::string("Various Artists ") + kEnDash + " " + first.strAlbum;
    const std::string& artist = first.strAlbumArtist.empty() ? first.strArtist : first.strAlbumArtist;
    if (bOneAlbum)
        return ProposedSpine(artist, first.strAlbum);
    return bArtistsDiffer ? std::string() : ProposedSpine(artist, std::string());
}

bool SeveralDiscs(const std::vector<AudioTrack>& tracks)
{
    return std::any_of(tracks.begin(), tracks.end(),
                       [&](const AudioTrack& track) { return track.Disc() != tracks.front().Disc(); });
}

// The rows: one album numbered by its track tags, anything else 1 to N; each disc after the
// first opened by a "Disc N" row, and numbering started again there.
TrackImport RowsOf(std::vector<AudioTrack> tracks)
{
    const bool album = OneAlbum(tracks);
    SortTracks(tracks, album);
    const bool withArtists = ArtistsDiffer(tracks);
    const bool discs = SeveralDiscs(tracks);
    TrackImport import;
    int position = 0;
    for (size_t i = 0; i < tracks.size(); ++i) {
        const AudioTrack& track = tracks[i];
        if (discs && i > 0 && track.Disc() != tracks[i - 1].Disc()) {
            const std::string disc = track.Disc() > 0 ? std::to_string(track.Disc()) : "?";
            import.rows.push_back(ListingRow("", "Disc " + disc, ""));
            position = 0;
        }
        ++position;
        const int number = album && track.nTrack > 0 ? track.nTrack : position;
        import.rows.push_back(ListingRow(std::to_string(number) + ".", TitleOf(track, withArtists),
                                         FormatTrackLength(track.nSeconds)));
    }
    import.strSpine = SpineOf(tracks, album, withArtists);
    return import;
}

// A picture beside the music: cover.*, folder.* or front.* (JPEG or PNG) in a folder.
CoverArt FolderArt(const QDir& folder)
{
    for (const char* stem : {"cover", "folder", "front"})
        for (const QString& name : folder.entryList(QDir::Files)) {
            const QFileInfo file(name);
            const QString suffix = file.suffix().toLower();
            if (file.completeBaseName().compare(QLatin1String(stem), Qt::CaseInsensitive) == 0 &&
                (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") ||
                 suffix == QLatin1String("png")))
                return {QFile::encodeName(folder.filePath(name)).toStdString(), {}, {}};
        }
    return {};
}

// The chosen folder's picture (an album's, above its disc folders), else the one beside the
// first music file, else the first picture in the first files' tags.
CoverArt FindCoverArt(const std::string& strFolder, const std::vector<std::string>& musicPaths)
{
    if (musicPaths.empty())
        return {};
    CoverArt art;
    if (!strFolder.empty())
        art = FolderArt(QDir(QFile::decodeName(QByteArray::fromStdString(strFolder))));
    if (art.Empty())
        art = FolderArt(QFileInfo(QFile::decodeName(QByteArray::fromStdString(musicPaths.front()))).dir());
    for (size_t i = 0; art.Empty() && i < std::min(musicPaths.size(), kArtSearchLimit); ++i)
        art = EmbeddedCoverArt(musicPaths[i]);
    return art;
}

// The sheets among the files give their tracks; the audio a sheet names is then no track of
// its own. In a folder, a sheet counts only when it names audio that is there.
struct SheetTracks
{
    TrackImport import;
    std::set<std::string> covered;
};

SheetTracks ReadSheets(const std::vector<MusicFile>& files, bool bFolder)
{
    SheetTracks sheets;
    for (const MusicFile& file : files) {
        if (!IsCueSheetName(file.strPath))
            continue;
        const std::vector<std::string> audio = CueSheetAudioFiles(file.strPath);
        if (bFolder && audio.empty())
            continue;
        TrackImport sheet = ImportCueSheet(file.strPath);
        sheets.covered.insert(audio.begin(), audio.end());
        sheets.import.rows.insert(sheets.import.rows.end(), sheet.rows.begin(), sheet.rows.end());
        sheets.import.unreadable.insert(sheets.import.unreadable.end(), sheet.unreadable.begin(),
                                        sheet.unreadable.end());
        if (sheets.import.strSpine.empty())
            sheets.import.strSpine = sheet.strSpine;
    }
    return sheets;
}

// The sheets' tracks first, then those of the other audio files.
void Append(TrackImport& into, TrackImport from)
{
    into.rows.insert(into.rows.end(), from.rows.begin(), from.rows.end());
    into.unreadable.insert(into.unreadable.end(), from.unreadable.begin(), from.unreadable.end());
    if (into.strSpine.empty())
        into.strSpine = from.strSpine;
}

// A FLAC disc image whose own CUESHEET block marks its tracks: those tracks, untitled.
bool AppendDiscImage(TrackImport& import, const AudioTrack& track)
{
    if (QFileInfo(QFile::decodeName(QByteArray::fromStdString(track.strPath))).suffix().toLower() !=
        QLatin1String("flac"))
        return false;
    TrackImport image;
    image.rows = FlacCueSheetRows(track.strPath);
    if (image.rows.empty())
        return false;
    image.strSpine = ProposedSpine(track.strAlbumArtist.empty() ? track.strArtist : track.strAlbumArtist,
                                   track.strAlbum.empty() ? track.strTitle : track.strAlbum);
    Append(import, std::move(image));
    return true;
}

// strFolder: the folder chosen, empty for a choice of files.
TrackImport ImportMusic(const std::vector<MusicFile>& files, const std::string& strFolder,
                        const ImportProgress& progress)
{
    SheetTracks sheets = ReadSheets(files, !strFolder.empty());
    TrackImport import = std::move(sheets.import);
    std::vector<AudioTrack> tracks;
    std::vector<std::string> musicPaths;
    for (size_t i = 0; i < files.size(); ++i) {
        if (progress && !progress(i, files.size())) {
            TrackImport cancelled;
            cancelled.bCancelled = true;
            return cancelled;
        }
        const MusicFile& file = files[i];
        if (IsCueSheetName(file.strPath) || sheets.covered.count(file.strPath) > 0)
            continue;
        AudioTrack track;
        track.nFolderDisc = file.nFolderDisc;
        if (!ReadAudioTrack(file.strPath, track)) {
            import.unreadable.push_back({file.strPath, {}});
            continue;
        }
        musicPaths.push_back(file.strPath);
        if (!track.strCueSheet.empty())
            Append(import, ImportEmbeddedCueSheet(track.strCueSheet, file.strPath));
        else if (!AppendDiscImage(import, track))
            tracks.push_back(std::move(track));
    }
    if (progress)
        progress(files.size(), files.size());
    Append(import, RowsOf(std::move(tracks)));
    musicPaths.insert(musicPaths.begin(), sheets.covered.begin(), sheets.covered.end());
    import.art = FindCoverArt(strFolder, musicPaths);
    return import;
}

// "CD1", "Disc 2", "disc_3", "Disk-4": the disc's number; 0 for any other name.
int DiscOfFolderName(const QString& strName)
{
    static const QRegularExpression disc(QStringLiteral("^(?:cd|disc|disk)[\\s_.-]*(\\d{1,3})$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = disc.match(strName.trimmed());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

void AddFolderFiles(const QDir& folder, int nDisc, std::vector<MusicFile>& files)
{
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        const std::string path = QFile::encodeName(folder.filePath(name)).toStdString();
        if (IsAudioFileName(path) || IsCueSheetName(path))
            files.push_back({path, nDisc});
    }
}

} // namespace

TrackImport ImportAudioFiles(const std::vector<std::string>& paths, const ImportProgress& progress)
{
    std::vector<MusicFile> files;
    for (const std::string& path : paths)
        files.push_back({path, 0});
    return ImportMusic(files, {}, progress);
}

TrackImport ImportAudioFolder(const std::string& strFolder, const ImportProgress& progress)
{
    const QDir folder(QFile::decodeName(QByteArray::fromStdString(strFolder)));
    std::vector<MusicFile> files;
    AddFolderFiles(folder, 0, files);
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (const int disc = DiscOfFolderName(name); disc > 0)
            AddFolderFiles(QDir(folder.filePath(name)), disc, files);
    return ImportMusic(files, strFolder.empty() ? std::string(".") : strFolder, progress);
}
