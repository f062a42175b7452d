// Feeds any bytes to the cover file reader, as if a user had picked them to load, and checks
// what must hold whatever the bytes: no crash or undefined behaviour, extracted pictures only
// inside the extraction folder, face names terminated, and a cover that the storage check
// accepts saving reads back the same, pictures included. The pictures are kept in memory, so
// that the parse runs tens of thousands of times a second; built with
// SLEEVORA_FUZZ_PICTURE_FILES the reader writes them to real files, as the program does.
#include "CoverFields.h"
#include "CoverFile.h"
#include "CoverFileFormat.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "cover file fuzz: %s\n", what);
        std::abort();
    }
}

// What the reader extracted, by file name, when it writes into memory.
std::map<std::string, std::string>& Extracted()
{
    static std::map<std::string, std::string> files;
    return files;
}

#ifdef SLEEVORA_FUZZ_PICTURE_FILES
const PictureWriter kWriter = WritePictureFile;
#else
bool WriteIntoMemory(const std::string& path, std::string_view bytes)
{
    Extracted()[path] = std::string(bytes);
    return true;
}
const PictureWriter kWriter = WriteIntoMemory;
#endif

const std::string& Folder(int which)
{
    static QTemporaryDir dirs[2];
    static const std::string paths[2] = {dirs[0].path().toStdString(), dirs[1].path().toStdString()};
    return paths[which];
}

// What a load gives every font: a face name terminated within its 32 bytes, and style flags
// that are 0 or 1, so that comparing them as on or off misses no difference of their bytes.
void RequireLoadedFont(const LOGFONT& lf)
{
    Require(strnlen(lf.lfFaceName, LF_FACESIZE) < LF_FACESIZE, "face name without terminator");
    Require(lf.lfItalic <= 1 && lf.lfUnderline <= 1 && lf.lfStrikeOut <= 1, "style flag other than 0 or 1");
}

CoverState ResetCover()
{
    CoverState cover;
    cover.ResetToDefaults(96, StandardCD);
    return cover;
}

// The extracted file lies directly in the folder and is named prefix + a plain extension.
void RequireInsideFolder(const std::string& file, const std::string& folder, const std::string& prefix)
{
    const std::string start = folder + "/" + prefix + ".";
    Require(file.compare(0, start.size(), start) == 0, "extracted picture outside the folder or misnamed");
    Require(file.find('/', start.size()) == std::string::npos, "extension holds a separator");
    Require(file.size() - start.size() >= 1 && file.size() - start.size() <= 15, "extension length");
}

// A picture as FindMarker finds each of its markers on its own: what the reader's one-pass
// search for all four must agree with.
std::string_view PictureByFindMarker(std::string_view bytes, const char* open, const char* close)
{
    const long count = static_cast<long>(bytes.size());
    const long start = FindMarker(bytes.data(), count, open);
    const long end = FindMarker(bytes.data(), count, close);
    const long first = start + static_cast<long>(std::strlen(open));
    if (start < 0 || end < first)
        return {};
    return bytes.substr(static_cast<size_t>(first), static_cast<size_t>(end - first));
}

bool SameSpan(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && (a.empty() || a.data() == b.data());
}

// Writes the loaded cover as a save would (header and both pictures) and loads it again.
void RequireRoundTrip(const CoverState& loaded, std::string_view front, std::string_view back)
{
    const std::string header = BuildCoverHeader(loaded);
    const CoverStorageFault fault = CheckCoverHeader(loaded, header);
    if (!fault.strField.empty()) {
        Require(fault.strField != "cover's text", "refused without naming the field");
        Require(!fault.strCharacters.empty(), "refused without naming the characters");
        return;
    }
    if (!FindPictureFault(front, CoverSide::Front).empty() ||
        !FindPictureFault(back, CoverSide::Back).empty())
        return;
    std::string file = header;
    file.append(kFrontPictureMarker).append(front).append(kFrontPictureEndMarker);
    file.append(kBackPictureMarker).append(back).append(kBackPictureEndMarker);
    const CoverFileParts parts = SplitCoverFile(file);
    Require(parts.frontPicture == front && parts.backPicture == back, "pictures moved on the way back");
    CoverState again = ResetCover();
    const CoverLoadResult result = ReadCoverBytes(file, again, Folder(1), kWriter);
    Require(result.status == CoverLoadStatus::Loaded, "saved cover does not load");
    RequireLoadedFont(again.fCoverTextFont);
    RequireLoadedFont(again.bCoverTextFont);
    Require(SameStoredFields(loaded, again), "accepted cover reads back different");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CoverState cover = ResetCover();
    Extracted().clear();
    const CoverLoadResult result = ReadCoverBytes(bytes, cover, Folder(0), kWriter);
    if (result.status != CoverLoadStatus::Loaded)
        return 0;
    Require(result.unwritableFiles.empty(), "extraction into the private folder failed");
    RequireInsideFolder(result.strFrontFile, Folder(0), "tmpfront");
    RequireInsideFolder(result.strBackFile, Folder(0), "tmpback");
    Require(cover.fImagePath.empty() || cover.fImagePath == result.strFrontFile, "front path");
    Require(cover.bImagePath.empty() || cover.bImagePath == result.strBackFile, "back path");
    RequireLoadedFont(cover.fCoverTextFont);
    RequireLoadedFont(cover.bCoverTextFont);
    Require(cover.fShowBorder && cover.bShowBorder && !cover.frontCoverSpinesOn && cover.backCoverSpinesOn,
            "switches that are never read changed");
    const CoverFileParts parts = SplitCoverFile(bytes);
#ifndef SLEEVORA_FUZZ_PICTURE_FILES
    Require(Extracted()[result.strFrontFile] == parts.frontPicture, "front picture extracted wrongly");
    Require(Extracted()[result.strBackFile] == parts.backPicture, "back picture extracted wrongly");
#endif
    Require(SameSpan(parts.frontPicture, PictureByFindMarker(bytes, "[IMAGE1]", "[ENDIMAGE1]")),
            "front section");
    Require(SameSpan(parts.backPicture, PictureByFindMarker(bytes, "[IMAGE2]", "[ENDIMAGE2]")),
            "back section");
    RequireRoundTrip(cover, parts.frontPicture, parts.backPicture);
    return 0;
}
