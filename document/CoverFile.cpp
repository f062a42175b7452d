#include "CoverFile.h"

#include "CoverFileFormat.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

const char* const kInvalidCoverTitle = "Invalid File";
const char* const kInvalidCoverText =
    "Unable to load a cover from the file you specified.\n\n"
    "Please ensure the file are attempting to load was created using Sleevora.";
const char* const kCoverFileErrorTitle = "Error";

namespace {

// Paths are bytes in the system's encoding; Qt's own conversion keeps them so.
QString FileName(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string SideWord(CoverSide side)
{
    return side == CoverSide::Front ? "front" : "back";
}

std::string NotSaved(const std::string& path, const std::string& why)
{
    return "The cover could not be saved to " + Quoted(path) + ": " + why;
}

// The cover file as it will be written, and where its two pictures lie in it.
struct AssembledCover
{
    QByteArray bytes;
    qsizetype nFrontStart = 0;
    qsizetype nFrontSize = 0;
    qsizetype nBackStart = 0;
    qsizetype nBackSize = 0;
};

qint64 PictureSize(const std::string& path)
{
    return path.empty() ? 0 : QFileInfo(FileName(path)).size();
}

// Appends a picture file's bytes unchanged. A picture that cannot be opened or read adds
// nothing, and the reason is handed back.
bool AppendPicture(QByteArray& bytes, const std::string& path, std::string& strReason)
{
    if (path.empty())
        return true;
    QFile picture(FileName(path));
    if (!picture.open(QIODevice::ReadOnly)) {
        strReason = picture.errorString().toStdString();
        return false;
    }
    // Read straight into the cover's buffer: the pictures are the bulk of the file.
    const qsizetype at = bytes.size();
    const qint64 size = picture.size();
    bytes.resize(at + size);
    const qint64 got = picture.read(bytes.data() + at, size);
    if (got < 0) {
        bytes.resize(at);
        strReason = picture.errorString().toStdString();
        return false;
    }
    bytes.resize(at + got);
    // Whatever the file holds beyond the size it had when opened (one that is still being
    // written, or one that reports no size) is read too.
    const QByteArray rest = picture.readAll();
    if (picture.error() != QFileDevice::NoError) {
        bytes.resize(at);
        strReason = picture.errorString().toStdString();
        return false;
    }
    bytes.append(rest);
    return true;
}

// Adds one picture section; an unreadable picture is left out and recorded in the result.
void AppendPictureSection(AssembledCover& file, CoverSide side, const std::string& path,
                          CoverSaveResult& result)
{
    const bool front = side == CoverSide::Front;
    const std::string_view open = front ? kFrontPictureMarker : kBackPictureMarker;
    const std::string_view close = front ? kFrontPictureEndMarker : kBackPictureEndMarker;
    file.bytes.append(open.data(), static_cast<qsizetype>(open.size()));
    const qsizetype start = file.bytes.size();
    std::string reason;
    if (!AppendPicture(file.bytes, path, reason)) {
        result.unreadablePictures.push_back(path);
        result.strWarning += (result.strWarning.empty() ? "" : "\n") + std::string("The ") + SideWord(side) +
                             " picture " + Quoted(path) + " could not be read (" + reason +
                             "), so the cover was saved without it.";
    }
    (front ? file.nFrontStart : file.nBackStart) = start;
    (front ? file.nFrontSize : file.nBackSize) = file.bytes.size() - start;
    file.bytes.append(close.data(), static_cast<qsizetype>(close.size()));
}

AssembledCover AssembleCoverFile(const std::string& header, const CoverState& cover, CoverSaveResult& result)
{
    AssembledCover file;
    file.bytes.reserve(static_cast<qsizetype>(header.size()) + 38 + PictureSize(cover.fImagePath) +
                       PictureSize(cover.bImagePath));
    file.bytes.append(header.data(), static_cast<qsizetype>(header.size()));
    AppendPictureSection(file, CoverSide::Front, cover.fImagePath, result);
    AppendPictureSection(file, CoverSide::Back, cover.bImagePath, result);
    return file;
}

// Reads the assembled file back as a load would and checks that both pictures come out
// where they were put; when one does not, names the picture and the marker it holds.
std::string CheckPictures(const AssembledCover& file, const CoverState& cover, const std::string& path)
{
    const std::string_view bytes(file.bytes.constData(), static_cast<size_t>(file.bytes.size()));
    const CoverFileParts parts = SplitCoverFile(bytes);
    if (parts.frontPicture.data() == bytes.data() + file.nFrontStart &&
        parts.frontPicture.size() == static_cast<size_t>(file.nFrontSize) &&
        parts.backPicture.data() == bytes.data() + file.nBackStart &&
        parts.backPicture.size() == static_cast<size_t>(file.nBackSize))
        return {};
    for (CoverSide side : {CoverSide::Front, CoverSide::Back}) {
        const bool front = side == CoverSide::Front;
        const std::string_view picture =
            bytes.substr(static_cast<size_t>(front ? file.nFrontStart : file.nBackStart),
                         static_cast<size_t>(front ? file.nFrontSize : file.nBackSize));
        const std::string_view marker = FindPictureFault(picture, side);
        if (!marker.empty())
            return NotSaved(path, "the " + SideWord(side) + " picture " +
                                      Quoted(front ? cover.fImagePath : cover.bImagePath) +
                                      " contains the bytes " + Quoted(std::string(marker)) +
                                      ", which a cover file cannot store.\n\n" + "Choose another " +
                                      SideWord(side) + " picture and save again.");
    }
    return NotSaved(path, "its pictures would not read back unchanged.");
}

// Writes all the bytes. A write can stop short without an error (a file size limit, a disk
// that fills up): writing on from there either finishes or fails with the reason.
bool WriteAll(QFileDevice& out, const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const qint64 written = out.write(data + done, size - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

std::string Reason(const QFileDevice& file)
{
    return file.error() == QFileDevice::NoError ? std::string("the file could not be written whole")
                                                : file.errorString().toStdString();
}

// Replaces the file only once the whole new content is on disk; until then a file already
// under the name stays as it was, and a failed attempt leaves nothing behind.
std::string WriteWhole(const std::string& path, const QByteArray& bytes)
{
    QSaveFile out(FileName(path));
    std::string reason;
    if (!out.open(QIODevice::WriteOnly) || !WriteAll(out, bytes.constData(), bytes.size()))
        reason = Reason(out);
    else if (!out.commit())
        reason = Reason(out);
    if (reason.empty())
        return {};
    return NotSaved(path,
                    reason + ".\n\nNothing was written; a file already saved under this name is unchanged.");
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace

CoverSaveResult WriteCoverFile(const std::string& strPath, const CoverState& cover)
{
    CoverSaveResult result;
    const std::string header = BuildCoverHeader(cover);
    const CoverStorageFault fault = CheckCoverHeader(cover, header);
    if (!fault.strField.empty()) {
        result.strError =
            NotSaved(strPath, "the " + fault.strField + " contains " + fault.strCharacters +
                                  ", which a cover file cannot store.\n\nRemove these characters from the " +
                                  fault.strField + " and save again.");
        return result;
    }
    const AssembledCover file = AssembleCoverFile(header, cover, result);
    result.strError = CheckPictures(file, cover, strPath);
    if (result.strError.empty())
        result.strError = WriteWhole(strPath, file.bytes);
    result.bWritten = result.strError.empty();
    if (!result.bWritten)
        result.strWarning.clear();
    return result;
}

namespace {

// A header that names one of the kinds of case; any other value would open a window with
// no preview that the New Cover dialog cannot show again.
bool IsKnownCover(const CoverFileParts& parts)
{
    if (!parts.bHasHeader)
        return false;
    const int32_t type = ReadCoverInteger(ReadCoverValue(parts.header, "covertype"));
    return type >= StandardCD && type <= SlimlineDVD;
}

} // namespace

bool WritePictureFile(const std::string& strPath, std::string_view bytes)
{
    QFile out(FileName(strPath));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = WriteAll(out, bytes.data(), static_cast<qint64>(bytes.size()));
    out.close();
    return written && out.error() == QFileDevice::NoError;
}

bool IsCoverFile(std::string_view bytes)
{
    return IsKnownCover(SplitCoverFile(bytes));
}

CoverLoadResult ReadCoverFileBytes(const std::string& strPath, std::string& bytes)
{
    CoverLoadResult result;
    bytes.clear();
    const QString name = FileName(strPath);
    if (!QFileInfo::exists(name))
        return result;
    QFile file(name);
    QByteArray content;
    if (file.open(QIODevice::ReadOnly))
        content = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        result.status = CoverLoadStatus::Unreadable;
        result.strError = "The cover file " + Quoted(strPath) +
                          " could not be read: " + file.errorString().toStdString() + ".";
        return result;
    }
    bytes = content.toStdString();
    result.status = IsCoverFile(bytes) ? CoverLoadStatus::Loaded : CoverLoadStatus::NotACover;
    return result;
}

CoverLoadResult ReadCoverFile(const std::string& strPath, CoverState& cover, const std::string& strFolder)
{
    std::string bytes;
    const CoverLoadResult check = ReadCoverFileBytes(strPath, bytes);
    if (check.status != CoverLoadStatus::Loaded)
        return check;
    return ReadCoverBytes(bytes, cover, strFolder);
}

std::string DamagedPicturesMessage(const CoverLoadResult& result)
{
    if (result.damagedPictures.empty())
        return {};
    const std::string sides = result.damagedPictures.size() == 2
                                  ? "front and back pictures"
                                  : SideWord(result.damagedPictures.front()) + " picture";
    return "The " + sides + " of this cover could not be read: the cover file is damaged or incomplete.\n\n" +
           "The rest of the cover was loaded.";
}

CoverLoadResult ReadCoverBytes(std::string_view bytes, CoverState& cover, const std::string& strFolder,
                               const PictureWriter& write)
{
    CoverLoadResult result;
    const CoverFileParts parts = SplitCoverFile(bytes);
    if (!IsKnownCover(parts)) {
        result.status = CoverLoadStatus::NotACover;
        return result;
    }
    ApplyCoverHeader(parts.header, cover);
    // A DVD's "Print Spine?" box switches the spine outline with the picture flag, and only
    // the picture flag is stored: the outline follows it back, or a cover saved without its
    // outline would print one.
    if (cover.covertype == StandardDVD || cover.covertype == SlimlineDVD)
        cover.backCoverSpinesOn = cover.bBackPrintOverSpines;
    for (const CoverSide side : {CoverSide::Front, CoverSide::Back}) {
        const bool front = side == CoverSide::Front;
        const bool named = !ReadCoverValue(parts.header, front ? "fImagePath" : "bImagePath").empty();
        if (named && !(front ? parts.bFrontSectionWhole : parts.bBackSectionWhole))
            result.damagedPictures.push_back(side);
    }
    result.strFrontFile = JoinPath(strFolder, "tmpfront" + PictureExtension(parts.header, "fImagePath"));
    result.strBackFile = JoinPath(strFolder, "tmpback" + PictureExtension(parts.header, "bImagePath"));
    // Both files are written on every load, empty for a side without a picture: the folder
    // then always holds the pictures of the cover loaded last.
    const bool frontWritten = write(result.strFrontFile, parts.frontPicture);
    const bool backWritten = write(result.strBackFile, parts.backPicture);
    if (!frontWritten)
        result.unwritableFiles.push_back(result.strFrontFile);
    if (!backWritten)
        result.unwritableFiles.push_back(result.strBackFile);
    // A picture that could not be written leaves its side without one, rather than pointing
    // at whatever an earlier load left under that name.
    cover.fImagePath = parts.frontPicture.empty() || !frontWritten ? std::string() : result.strFrontFile;
    cover.bImagePath = parts.backPicture.empty() || !backWritten ? std::string() : result.strBackFile;
    cover.coverChanged = false;
    result.status = CoverLoadStatus::Loaded;
    return result;
}
