// CUE sheets, parsed with libcue: one row of the listing per TRACK.
#include "TrackImport.h"

#include "ImportShared.h"
#include "TextEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <fileref.h>
#include <libcue.h>
#include <memory>

namespace {

constexpr long kFramesPerSecond = 75; // a CUE sheet's times are in CD frames

struct CueDeleter
{
    void operator()(Cd* cd) const { cd_delete(cd); }
};

std::string CueText(const Cdtext* cdtext, enum Pti item)
{
    const char* text = cdtext ? cdtext_get(item, cdtext) : nullptr;
    return text ? DecodeCoverText(text) : std::string();
}

std::string SafeFileName(const Track* track)
{
    const char* name = track_get_filename(track);
    return name ? name : std::string();
}

// The duration of an audio file the sheet names, in frames; -1 when it is not there or
// cannot be read. Its name is taken from the sheet's folder.
long FileFrames(const std::string& strName, const std::string& strFolder)
{
    if (strName.empty())
        return -1;
    const QString relative =
        QFile::decodeName(QByteArray::fromStdString(strName)).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo file(QDir(QFile::decodeName(QByteArray::fromStdString(strFolder))), relative);
    if (!file.isFile())
        return -1;
    TagLib::FileRef audio(QFile::encodeName(file.absoluteFilePath()).constData(), true,
                          TagLib::AudioProperties::Average);
    if (audio.isNull() || !audio.audioProperties() || audio.audioProperties()->sampleRate() <= 0)
        return -1;
    return std::lround(audio.audioProperties()->lengthInMilliseconds() * kFramesPerSecond / 1000.0);
}

// A track's length: to the next track's INDEX 01 in the same file, or to the end of its file.
long TrackFrames(const Cd* cd, int nTrack, const std::string& strFolder)
{
    const Track* track = cd_get_track(cd, nTrack);
    const long start = track_get_index(track, 1);
    if (start < 0)
        return -1;
    const Track* next = nTrack < cd_get_ntrack(cd) ? cd_get_track(cd, nTrack + 1) : nullptr;
    if (next && SafeFileName(next) == SafeFileName(track)) {
        const long nextStart = track_get_index(next, 1);
        return nextStart >= start ? nextStart - start : -1;
    }
    const long frames = FileFrames(SafeFileName(track), strFolder);
    return frames >= start ? frames - start : -1;
}

} // namespace

TrackImport ImportCueSheetText(const std::string& strText, const std::string& strFolder)
{
    TrackImport import;
    const std::unique_ptr<Cd, CueDeleter> cd(cue_parse_string(strText.c_str()));
    if (!cd) {
        import.nUnreadable = 1;
        return import;
    }
    const Cdtext* sheet = cd_get_cdtext(cd.get());
    import.strSpine = ProposedSpine(CueText(sheet, PTI_PERFORMER), CueText(sheet, PTI_TITLE));
    for (int i = 1; i <= cd_get_ntrack(cd.get()); ++i) {
        const Track* track = cd_get_track(cd.get(), i);
        if (!track)
            continue;
        const long frames = TrackFrames(cd.get(), i, strFolder);
        const long seconds = frames < 0 ? -1 : std::lround(static_cast<double>(frames) / kFramesPerSecond);
        import.rows.push_back(ListingRow(std::to_string(i) + ".", CueText(track_get_cdtext(track), PTI_TITLE),
                                         FormatTrackLength(seconds)));
    }
    return import;
}

TrackImport ImportCueSheet(const std::string& strPath)
{
    QFile file(QFile::decodeName(QByteArray::fromStdString(strPath)));
    if (!file.open(QIODevice::ReadOnly)) {
        TrackImport import;
        import.nUnreadable = 1;
        return import;
    }
    const QByteArray text = file.readAll();
    // A sheet is text: a NUL byte would end it early for the parser anyway.
    return ImportCueSheetText(
        std::string(text.constData(), strnlen(text.constData(), static_cast<size_t>(text.size()))),
        QFile::encodeName(QFileInfo(file).absolutePath()).toStdString());
}
