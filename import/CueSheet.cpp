// CUE sheets: one row of the listing per TRACK. A sheet's lines are read (CueParser) and its
// texts decoded to UTF-8 (SheetText); a track's length runs from its INDEX 01 to the next
// track's, and the last track of a file runs to the end of that file, whose duration TagLib
// reads.
#include "TrackImport.h"

#include "CueParser.h"
#include "ImportShared.h"
#include "SheetText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <fileref.h>
#include <map>

namespace {

const char* const kVariousArtists = "Various Artists";
const char* const kDash = " \xE2\x80\x93 "; // an en dash between spaces

QString FromLocal(const std::string& strPath)
{
    return QFile::decodeName(QByteArray::fromStdString(strPath));
}

std::string ToLocal(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// The names a file a sheet names may have on disk, in the order they are tried: its own, and
// for an audio file the same name under each audio extension.
QStringList NamesToTry(const QString& name)
{
    QStringList names{name};
    if (!IsAudioFileName(ToLocal(name)))
        return names;
    const QString base = name.left(name.lastIndexOf(QLatin1Char('.')));
    for (const AudioExtension& extension : AudioExtensions())
        names.push_back(base + QLatin1String(extension.pszExtension));
    return names;
}

// The files of the folders a sheet's FILE lines point into, each folder listed once.
using FolderFiles = std::map<QString, QStringList>;

const QStringList& FilesOf(const QString& folder, FolderFiles& listed)
{
    auto found = listed.find(folder);
    if (found == listed.end()) {
        const QDir dir(folder);
        found =
            listed.emplace(folder, dir.exists() ? dir.entryList(QDir::Files | QDir::Hidden) : QStringList())
                .first;
    }
    return found->second;
}

// The path a FILE line names, inside the sheet's folder: a path that leads out of it (from a
// drive, the root, or up through "..") is taken by its file name alone, as the sheet's audio
// travels with it. Empty when it names no file.
QString PathInFolder(const std::string& strName)
{
    QString named = QDir::cleanPath(FromLocal(strName).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (named.startsWith(QLatin1Char('/')) || named.startsWith(QLatin1String("../")) ||
        (named.size() > 1 && named[1] == QLatin1Char(':')))
        named = named.mid(named.lastIndexOf(QLatin1Char('/')) + 1);
    return named == QLatin1String(".") || named == QLatin1String("..") ? QString() : named;
}

// The file a FILE line names, looked for among the files of the sheet's folder (an absolute
// path), which is listed once for all its FILE lines: as named, else the same name in another
// case, else the same audio under another extension (a sheet made for album.wav beside
// album.flac). Empty when no such file is there. Paths are joined as text: Qt would take a
// name that starts with a colon for one of its resources.
std::string FindSheetFile(const std::string& strName, const QString& sheetFolder, FolderFiles& listed)
{
    const QString named = PathInFolder(strName);
    if (named.isEmpty())
        return {};
    const QString path = QDir::cleanPath(sheetFolder + QLatin1Char('/') + named);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(std::max<qsizetype>(slash, 1)); // "/" for a file at the root
    const QString fileName = path.mid(slash + 1);
    const QStringList& files = FilesOf(folder, listed);
    if (files.contains(fileName))
        return ToLocal(path);
    if (files.isEmpty())
        return {};
    for (const QString& name : NamesToTry(fileName))
        for (const QString& file : files)
            if (file.compare(name, Qt::CaseInsensitive) == 0)
                return ToLocal(QDir::cleanPath(folder + QLatin1Char('/') + file));
    return {};
}

// The file of each FILE line of a sheet in strFolder, empty for one that is not there.
std::vector<std::string> SheetFiles(const ParsedCueSheet& sheet, const std::string& strFolder)
{
    const QString folder = QDir(FromLocal(strFolder)).absolutePath();
    if (!QFileInfo(folder).isDir())
        return std::vector<std::string>(sheet.files.size()); // a folder that is not there holds none
    FolderFiles listed;
    std::map<std::string, std::string> found; // a sheet of one file per track names each once
    std::vector<std::string> paths;
    for (const std::string& name : sheet.files) {
        auto known = found.find(name);
        if (known == found.end())
            known = found.emplace(name, FindSheetFile(name, folder, listed)).first;
        paths.push_back(known->second);
    }
    return paths;
}

// The audio a sheet's tracks are in: the path of each FILE line's file (empty when it is not
// there), and the durations of those files, read once.
struct SheetAudio
{
    std::vector<std::string> paths;
    std::map<std::string, long> frames;

    bool Same(size_t nFile, size_t nOther) const
    {
        return nFile == nOther || (!paths[nFile].empty() && paths[nFile] == paths[nOther]);
    }

    // A file's duration in frames; -1 when it is not there or TagLib cannot read it.
    long Frames(size_t nFile)
    {
        const std::string& path = paths[nFile];
        if (path.empty())
            return -1;
        const auto known = frames.find(path);
        if (known != frames.end())
            return known->second;
        long& duration = frames[path];
        duration = -1;
        TagLib::FileRef audio(path.c_str(), true, TagLib::AudioProperties::Average);
        if (!audio.isNull() && audio.audioProperties() && audio.audioProperties()->sampleRate() > 0)
            duration =
                std::lround(audio.audioProperties()->lengthInMilliseconds() * kCueFramesPerSecond / 1000.0);
        return duration;
    }
};

// A track's length in frames: to the next track's INDEX 01 when that is in the same file,
// else to the end of its file; -1 when unknown.
long TrackFrames(const ParsedCueSheet& sheet, size_t nTrack, SheetAudio& audio)
{
    const CueTrack& track = sheet.tracks[nTrack];
    if (track.nStart < 0)
        return -1;
    const bool nextInFile =
        nTrack + 1 < sheet.tracks.size() && audio.Same(track.nFile, sheet.tracks[nTrack + 1].nFile);
    const long end = nextInFile ? sheet.tracks[nTrack + 1].nStart : audio.Frames(track.nFile);
    return end >= track.nStart ? end - track.nStart : -1;
}

// A sampler: tracks by others than the sheet's performer or, when the sheet names none, by
// more than one performer.
bool IsCompilation(const ParsedCueSheet& sheet)
{
    std::string performer = sheet.strPerformer;
    for (const CueTrack& track : sheet.tracks) {
        if (track.strPerformer.empty())
            continue;
        if (performer.empty())
            performer = track.strPerformer;
        else if (track.strPerformer != performer)
            return true;
    }
    return false;
}

// The sheet's performer, else the one its tracks name.
std::string AlbumPerformer(const ParsedCueSheet& sheet)
{
    if (!sheet.strPerformer.empty())
        return sheet.strPerformer;
    for (const CueTrack& track : sheet.tracks)
        if (!track.strPerformer.empty())
            return track.strPerformer;
    return {};
}

// "Performer – Title", as a sampler's titles and spine read; whichever of the two is known.
std::string Credited(const std::string& strPerformer, const std::string& strTitle)
{
    if (strPerformer.empty() || strTitle.empty())
        return strPerformer + strTitle;
    return strPerformer + kDash + strTitle;
}

TrackImport RowsOfSheet(const ParsedCueSheet& sheet, SheetAudio audio)
{
    TrackImport import;
    const bool compilation = IsCompilation(sheet);
    import.strSpine = compilation ? Credited(kVariousArtists, sheet.strTitle)
                                  : ProposedSpine(AlbumPerformer(sheet), sheet.strTitle);
    import.rows.reserve(sheet.tracks.size());
    for (size_t i = 0; i < sheet.tracks.size(); ++i) {
        const CueTrack& track = sheet.tracks[i];
        const long frames = TrackFrames(sheet, i, audio);
        const long seconds = frames < 0 ? -1 : std::lround(static_cast<double>(frames) / kCueFramesPerSecond);
        const std::string& performer = track.strPerformer.empty() ? sheet.strPerformer : track.strPerformer;
        import.rows.push_back(ListingRow(std::to_string(i + 1) + ".",
                                         compilation ? Credited(performer, track.strTitle) : track.strTitle,
                                         FormatTrackLength(seconds)));
    }
    return import;
}

TrackImport Unreadable(const std::string& strPath, const std::string& strReason)
{
    TrackImport import;
    import.unreadable.push_back({strPath, strReason});
    return import;
}

// The bytes of a sheet file; false when it cannot be read.
bool ReadSheet(const std::string& strPath, std::string& bytes)
{
    QFile file(FromLocal(strPath));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll().toStdString();
    return true;
}

std::string FolderOf(const std::string& strPath)
{
    return ToLocal(QFileInfo(FromLocal(strPath)).absolutePath());
}

// The texts of a sheet that the listing shows or that name its files.
std::vector<std::string*> TextsOf(ParsedCueSheet& sheet)
{
    std::vector<std::string*> texts{&sheet.strPerformer, &sheet.strTitle};
    for (std::string& name : sheet.files)
        texts.push_back(&name);
    for (CueTrack& track : sheet.tracks) {
        texts.push_back(&track.strTitle);
        texts.push_back(&track.strPerformer);
    }
    return texts;
}

// A sheet read from its bytes, its texts in UTF-8.
ParsedCueSheet ReadCueSheet(const std::string& bytes)
{
    ParsedCueSheet sheet = ParseCueSheet(SheetLines(bytes));
    if (sheet.strError.empty())
        DecodeSheetTexts(TextsOf(sheet));
    return sheet;
}

// A sheet's bytes imported, its files looked for in strFolder; strPath names the sheet when
// it cannot be read.
TrackImport ImportSheet(const std::string& bytes, const std::string& strFolder, const std::string& strPath)
{
    const ParsedCueSheet sheet = ReadCueSheet(bytes);
    if (!sheet.strError.empty())
        return Unreadable(strPath, sheet.strError);
    SheetAudio audio;
    audio.paths = SheetFiles(sheet, strFolder);
    return RowsOfSheet(sheet, std::move(audio));
}

} // namespace

TrackImport ImportCueSheetText(const std::string& strBytes, const std::string& strFolder)
{
    return ImportSheet(strBytes, strFolder, {});
}

TrackImport ImportCueSheet(const std::string& strPath)
{
    std::string bytes;
    if (!ReadSheet(strPath, bytes))
        return Unreadable(strPath, {});
    return ImportSheet(bytes, FolderOf(strPath), strPath);
}

TrackImport ImportEmbeddedCueSheet(const std::string& strSheetText, const std::string& strAudioPath)
{
    const ParsedCueSheet sheet = ReadCueSheet(strSheetText);
    if (!sheet.strError.empty())
        return Unreadable(strAudioPath, sheet.strError);
    SheetAudio audio;
    audio.paths.assign(sheet.files.size(), strAudioPath);
    return RowsOfSheet(sheet, std::move(audio));
}

std::vector<std::string> CueSheetAudioFiles(const std::string& strSheetPath)
{
    std::string bytes;
    if (!ReadSheet(strSheetPath, bytes))
        return {};
    const ParsedCueSheet sheet = ReadCueSheet(bytes);
    if (!sheet.strError.empty())
        return {};
    std::vector<std::string> audio;
    for (const std::string& path : SheetFiles(sheet, FolderOf(strSheetPath)))
        if (!path.empty() && IsAudioFileName(path) &&
            std::find(audio.begin(), audio.end(), path) == audio.end())
            audio.push_back(path);
    return audio;
}
