#include "MusicFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtEndian>
#include <attachedpictureframe.h>
#include <fileref.h>
#include <flacfile.h>
#include <flacpicture.h>
#include <id3v2tag.h>
#include <mpegfile.h>
#include <tpropertymap.h>

namespace {

// An APE file's descriptor and header for seconds of 44.1 kHz stereo, then a little data.
QByteArray ApeSilence(int nSeconds)
{
    QByteArray bytes("MAC ");
    const auto append16 = [&bytes](quint16 value) { bytes.append(reinterpret_cast<const char*>(&value), 2); };
    const auto append32 = [&bytes](quint32 value) { bytes.append(reinterpret_cast<const char*>(&value), 4); };
    append16(qToLittleEndian<quint16>(3990)); // version
    append16(0);                              // padding
    append32(qToLittleEndian<quint32>(52));   // descriptor bytes
    append32(qToLittleEndian<quint32>(24));   // header bytes
    bytes.append(QByteArray(36, '\0'));       // the rest of the descriptor
    const quint32 samples = static_cast<quint32>(nSeconds) * 44100;
    const quint32 perFrame = 73728;
    const quint32 frames = (samples + perFrame - 1) / perFrame;
    append16(2000); // compression level
    append16(0);    // format flags
    append32(qToLittleEndian(perFrame));
    append32(qToLittleEndian(samples - (frames - 1) * perFrame));
    append32(qToLittleEndian(frames));
    append16(qToLittleEndian<quint16>(16)); // bits per sample
    append16(qToLittleEndian<quint16>(2));  // channels
    append32(qToLittleEndian<quint32>(44100));
    bytes.append(QByteArray(2048, '\0'));
    return bytes;
}

QStringList CodecFor(const QString& suffix)
{
    if (suffix == QLatin1String("mp3"))
        return {QStringLiteral("-c:a"), QStringLiteral("libmp3lame")};
    if (suffix == QLatin1String("ogg"))
        return {QStringLiteral("-c:a"), QStringLiteral("libvorbis")};
    if (suffix == QLatin1String("opus"))
        return {QStringLiteral("-c:a"), QStringLiteral("libopus")};
    if (suffix == QLatin1String("m4a"))
        return {QStringLiteral("-c:a"), QStringLiteral("aac")};
    if (suffix == QLatin1String("aiff"))
        return {QStringLiteral("-c:a"), QStringLiteral("pcm_s16be")};
    if (suffix == QLatin1String("wv"))
        return {QStringLiteral("-c:a"), QStringLiteral("wavpack")};
    return {}; // FLAC and WAV: ffmpeg's own choice for the extension
}

} // namespace

bool MakeSilence(const QString& path, int nSeconds)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("ape")) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(ApeSilence(nSeconds)) > 0;
    }
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                             QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                             QStringLiteral("anullsrc=r=44100:cl=stereo"), QStringLiteral("-t"),
                             QString::number(nSeconds)} +
                     CodecFor(suffix) + QStringList{path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0 && QFileInfo(path).size() > 0;
}

bool TagFile(const QString& path, const MusicTags& tags)
{
    TagLib::FileRef file(QFile::encodeName(path).constData());
    if (file.isNull())
        return false;
    TagLib::PropertyMap properties = file.file()->properties();
    const auto set = [&properties](const char* key, const std::string& value) {
        if (!value.empty())
            properties.replace(key, TagLib::StringList(TagLib::String(value, TagLib::String::UTF8)));
    };
    set("TITLE", tags.title);
    set("ARTIST", tags.artist);
    set("ALBUMARTIST", tags.albumArtist);
    set("ALBUM", tags.album);
    set("TRACKNUMBER", tags.track > 0 ? std::to_string(tags.track) : std::string());
    set("DISCNUMBER", tags.disc > 0 ? std::to_string(tags.disc) : std::string());
    file.file()->setProperties(properties);
    return file.save();
}

bool SetTag(const QString& path, const char* key, const std::string& value)
{
    TagLib::FileRef file(QFile::encodeName(path).constData());
    if (file.isNull())
        return false;
    TagLib::PropertyMap properties = file.file()->properties();
    properties.replace(key, TagLib::StringList(TagLib::String(value, TagLib::String::UTF8)));
    file.file()->setProperties(properties);
    return file.save();
}

bool EmbedFrontCover(const QString& path, const QByteArray& jpeg)
{
    const TagLib::ByteVector data(jpeg.constData(), static_cast<unsigned int>(jpeg.size()));
    const QByteArray name = QFile::encodeName(path);
    if (path.endsWith(QLatin1String(".mp3"))) {
        TagLib::MPEG::File file(name.constData());
        auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
        frame->setMimeType("image/jpeg");
        frame->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
        frame->setPicture(data);
        file.ID3v2Tag(true)->addFrame(frame);
        return file.save();
    }
    TagLib::FLAC::File file(name.constData());
    auto* picture = new TagLib::FLAC::Picture;
    picture->setMimeType("image/jpeg");
    picture->setType(TagLib::FLAC::Picture::FrontCover);
    picture->setData(data);
    file.addPicture(picture);
    return file.save();
}
