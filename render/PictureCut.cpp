#include "PictureCut.h"

#include "CoverPicture.h"
#include "PictureOrientation.h"

#include <QFile>
#include <algorithm>
#include <turbojpeg.h>

namespace {

struct Grid
{
    int op = TJXOP_NONE;
    QSize size;   // the upright picture after its partial edge blocks are dropped
    QPoint shift; // where that picture starts in the upright picture
    QSize block;  // the block grid of the upright picture
};

// The lossless turn that makes a stored JPEG upright, for each orientation, and which of the
// stored picture's partial edge blocks (0 none, 1 those of the right edge, 2 those of the
// bottom edge) a turn drops from the upright picture's left and top: a turn cannot move a
// partial block to the upright top or left, so the upright picture then starts that far in.
struct Turn
{
    int op;
    int dropsLeft;
    int dropsTop;
};
constexpr Turn kTurns[] = {
    {TJXOP_NONE, 0, 0},   {TJXOP_NONE, 0, 0},       {TJXOP_HFLIP, 1, 0},
    {TJXOP_ROT180, 1, 2}, {TJXOP_VFLIP, 0, 2},      {TJXOP_TRANSPOSE, 0, 0},
    {TJXOP_ROT90, 2, 0},  {TJXOP_TRANSVERSE, 2, 1}, {TJXOP_ROT270, 0, 1},
};

Grid GridFor(int nOrientation, const QSize& stored, const QSize& block)
{
    const Turn& turn = kTurns[nOrientation >= 1 && nOrientation <= 8 ? nOrientation : 1];
    const int rests[] = {0, stored.width() % block.width(), stored.height() % block.height()};
    const bool swaps = SwapsSides(nOrientation);
    Grid grid;
    grid.op = turn.op;
    grid.block = swaps ? block.transposed() : block;
    grid.shift = QPoint(rests[turn.dropsLeft], rests[turn.dropsTop]);
    grid.size = (swaps ? stored.transposed() : stored) - QSize(grid.shift.x(), grid.shift.y());
    return grid;
}

// The frame on the grid: its corner moved to the nearest block corner inside the picture,
// its size kept (made smaller, in proportion, only if the picture is smaller).
QRect OnGrid(const QRect& frame, const Grid& grid)
{
    double scale = std::min({1.0, static_cast<double>(grid.size.width()) / frame.width(),
                             static_cast<double>(grid.size.height()) / frame.height()});
    const QSize size(std::max(1, static_cast<int>(frame.width() * scale)),
                     std::max(1, static_cast<int>(frame.height() * scale)));
    const auto snap = [](int at, int step, int room) {
        const int nearest = static_cast<int>(std::lround(static_cast<double>(at) / step)) * step;
        return std::clamp(nearest, 0, std::max(0, room / step * step));
    };
    const QPoint corner = frame.topLeft() - grid.shift;
    return QRect(snap(corner.x(), grid.block.width(), grid.size.width() - size.width()),
                 snap(corner.y(), grid.block.height(), grid.size.height() - size.height()), size.width(),
                 size.height());
}

std::string ReadBytes(const std::string& strPath)
{
    QFile file(QFile::decodeName(QByteArray::fromStdString(strPath)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

bool WriteBytes(const std::string& strPath, const char* pBytes, size_t nSize)
{
    QFile file(QFile::decodeName(QByteArray::fromStdString(strPath)));
    return file.open(QIODevice::WriteOnly) &&
           file.write(pBytes, static_cast<qint64>(nSize)) == static_cast<qint64>(nSize) && file.flush();
}

struct TurboJpeg
{
    tjhandle handle = tjInitTransform();
    ~TurboJpeg() { tjDestroy(handle); }
};

// The JPEG cut on its own blocks; an empty path when the file cannot be cut so (not a JPEG
// TurboJPEG reads: an arithmetic-coded or 12-bit one).
PictureCut CutJpeg(const std::string& strSource, const QRect& frame, const std::string& strTarget)
{
    std::string bytes = ReadBytes(strSource);
    const TurboJpeg turbo;
    int width = 0, height = 0, sampling = 0, colours = 0;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    if (!turbo.handle ||
        tjDecompressHeader3(turbo.handle, data, bytes.size(), &width, &height, &sampling, &colours) != 0 ||
        sampling < 0)
        return {};
    const Grid grid = GridFor(PictureFileOrientation(strSource), QSize(width, height),
                              QSize(tjMCUWidth[sampling], tjMCUHeight[sampling]));
    const QRect cut = OnGrid(frame, grid);
    tjtransform transform{};
    transform.op = grid.op;
    transform.options = TJXOPT_TRIM | TJXOPT_CROP;
    transform.r = {cut.x(), cut.y(), cut.width(), cut.height()};
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    if (tjTransform(turbo.handle, data, bytes.size(), 1, &out, &outSize, &transform, 0) != 0)
        return {};
    std::string result(reinterpret_cast<const char*>(out), outSize);
    tjFree(out);
    MarkJpegUpright(result);
    const std::string path = strTarget + ".jpg";
    if (!WriteBytes(path, result.data(), result.size()))
        return {std::string(), QRect(), "the cut picture could not be written to " + path};
    return {path, cut.translated(grid.shift), std::string()};
}

// Any other picture decoded upright, cut exactly and saved as PNG.
PictureCut CutDecoded(const std::string& strSource, const QRect& frame, const std::string& strTarget)
{
    FIBITMAP* picture = LoadCoverPicture(strSource);
    if (!picture)
        return {std::string(), QRect(), "the picture could not be read"};
    const QRect inside = frame.intersected(QRect(0, 0, static_cast<int>(FreeImage_GetWidth(picture)),
                                                 static_cast<int>(FreeImage_GetHeight(picture))));
    FIBITMAP* cut = inside.isEmpty() ? nullptr
                                     : FreeImage_Copy(picture, inside.left(), inside.top(),
                                                      inside.right() + 1, inside.bottom() + 1);
    FreeImage_Unload(picture);
    const std::string path = strTarget + ".png";
    const bool saved = cut && FreeImage_Save(FIF_PNG, cut, path.c_str(), PNG_DEFAULT);
    if (cut)
        FreeImage_Unload(cut);
    if (!saved)
        return {std::string(), QRect(), "the cut picture could not be written to " + path};
    return {path, inside, std::string()};
}

// The EXIF block's orientation entry in a TIFF structure at pTiff, set to 1.
void SetOrientationUpright(unsigned char* pTiff, size_t nSize)
{
    if (nSize < 8)
        return;
    const bool little = pTiff[0] == 'I';
    const auto read16 = [&](size_t at) {
        return little ? pTiff[at] | pTiff[at + 1] << 8 : pTiff[at] << 8 | pTiff[at + 1];
    };
    const auto read32 = [&](size_t at) {
        return little ? static_cast<size_t>(read16(at)) | static_cast<size_t>(read16(at + 2)) << 16
                      : static_cast<size_t>(read16(at)) << 16 | static_cast<size_t>(read16(at + 2));
    };
    const size_t ifd = read32(4);
    if (ifd + 2 > nSize)
        return;
    const int entries = read16(ifd);
    for (int i = 0; i < entries && ifd + 2 + 12 * (i + 1) <= nSize; ++i) {
        const size_t entry = ifd + 2 + 12 * static_cast<size_t>(i);
        if (read16(entry) != 0x0112)
            continue;
        pTiff[entry + 8] = little ? 1 : 0;
        pTiff[entry + 9] = little ? 0 : 1;
        return;
    }
}

} // namespace

void MarkJpegUpright(std::string& jpeg)
{
    auto* bytes = reinterpret_cast<unsigned char*>(jpeg.data());
    size_t at = 2; // past the start of image
    while (at + 4 <= jpeg.size() && bytes[at] == 0xFF) {
        const unsigned char marker = bytes[at + 1];
        const size_t length = static_cast<size_t>(bytes[at + 2]) << 8 | bytes[at + 3];
        if (marker == 0xDA || length < 2 || at + 2 + length > jpeg.size())
            return; // the image data begins: no EXIF block before it
        if (marker == 0xE1 && length >= 16 && jpeg.compare(at + 4, 6, std::string("Exif\0\0", 6)) == 0) {
            SetOrientationUpright(bytes + at + 10, length - 8);
            return;
        }
        at += 2 + length;
    }
}

PictureCut CutPicture(const std::string& strSource, const QRect& frame, const std::string& strTarget)
{
    if (CoverPictureFileFormat(strSource) == FIF_JPEG) {
        PictureCut cut = CutJpeg(strSource, frame, strTarget);
        if (!cut.strPath.empty() || !cut.strError.empty())
            return cut;
    }
    return CutDecoded(strSource, frame, strTarget);
}
