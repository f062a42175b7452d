#include "AudioTags.h"

#include <attachedpictureframe.h>
#include <climits>
#include <cmath>
#include <fileref.h>
#include <flacfile.h>
#include <flacpicture.h>
#include <id3v2tag.h>
#include <mp4file.h>
#include <mpegfile.h>
#include <opusfile.h>
#include <tag.h>
#include <tpropertymap.h>
#include <vorbisfile.h>
#include <xiphcomment.h>

namespace {

std::string Utf8(const TagLib::String& text)
{
    return text.to8Bit(true);
}

// The number before a "/" in "3/12", as disc and track numbers are written; 0 when the text
// holds no number.
int LeadingNumber(const TagLib::PropertyMap& properties, const char* key)
{
    const auto found = properties.find(key);
    if (found == properties.end() || found->second.isEmpty())
        return 0;
    const std::string text = Utf8(found->second.front());
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    return end == text.c_str() || number <= 0 || number > 9999 ? 0 : static_cast<int>(number);
}

std::string FirstValue(const TagLib::PropertyMap& properties, const char* key)
{
    const auto found = properties.find(key);
    return found == properties.end() || found->second.isEmpty() ? std::string() : Utf8(found->second.front());
}

std::string ExtensionOfMime(const std::string& strMime)
{
    return strMime.find("png") != std::string::npos ? ".png" : ".jpg";
}

CoverArt ArtOf(const TagLib::ByteVector& data, const std::string& strMime)
{
    CoverArt art;
    if (!data.isEmpty()) {
        art.bytes.assign(data.data(), data.size());
        art.strExtension = ExtensionOfMime(strMime);
    }
    return art;
}

// The front cover of a list of FLAC-style pictures, else the first.
CoverArt FromPictures(const TagLib::List<TagLib::FLAC::Picture*>& pictures)
{
    for (const TagLib::FLAC::Picture* picture : pictures)
        if (picture->type() == TagLib::FLAC::Picture::FrontCover)
            return ArtOf(picture->data(), Utf8(picture->mimeType()));
    return pictures.isEmpty() ? CoverArt{}
                              : ArtOf(pictures.front()->data(), Utf8(pictures.front()->mimeType()));
}

CoverArt FromId3v2(TagLib::ID3v2::Tag* tag)
{
    if (!tag)
        return {};
    const TagLib::ID3v2::FrameList frames = tag->frameListMap()["APIC"];
    const TagLib::ID3v2::AttachedPictureFrame* chosen = nullptr;
    for (TagLib::ID3v2::Frame* frame : frames) {
        auto* picture = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame*>(frame);
        if (picture && (!chosen || picture->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover))
            chosen = picture;
        if (chosen && chosen->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover)
            break;
    }
    return chosen ? ArtOf(chosen->picture(), Utf8(chosen->mimeType())) : CoverArt{};
}

CoverArt FromMp4(TagLib::MP4::Tag* tag)
{
    if (!tag || !tag->contains("covr"))
        return {};
    const TagLib::MP4::CoverArtList covers = tag->item("covr").toCoverArtList();
    if (covers.isEmpty())
        return {};
    const TagLib::MP4::CoverArt& cover = covers.front();
    return ArtOf(cover.data(), cover.format() == TagLib::MP4::CoverArt::PNG ? "image/png" : "image/jpeg");
}

} // namespace

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
    track.strArtist = FirstValue(properties, "ARTIST");
    track.strAlbumArtist = FirstValue(properties, "ALBUMARTIST");
    track.strAlbum = FirstValue(properties, "ALBUM");
    track.bCompilation = LeadingNumber(properties, "COMPILATION") == 1;
    track.strCueSheet = FirstValue(properties, "CUESHEET");
    return true;
}

CoverArt EmbeddedCoverArt(const std::string& strPath)
{
    TagLib::FileRef file(strPath.c_str(), false);
    if (file.isNull())
        return {};
    TagLib::File* base = file.file();
    if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(base)) {
        const CoverArt art = FromPictures(flac->pictureList());
        return art.Empty() && flac->hasID3v2Tag() ? FromId3v2(flac->ID3v2Tag()) : art;
    }
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(base))
        return FromId3v2(mpeg->ID3v2Tag());
    if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(base))
        return FromMp4(mp4->tag());
    if (auto* vorbis = dynamic_cast<TagLib::Ogg::Vorbis::File*>(base))
        return vorbis->tag() ? FromPictures(vorbis->tag()->pictureList()) : CoverArt{};
    if (auto* opus = dynamic_cast<TagLib::Ogg::Opus::File*>(base))
        return opus->tag() ? FromPictures(opus->tag()->pictureList()) : CoverArt{};
    return {};
}
