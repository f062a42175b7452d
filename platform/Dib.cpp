#include "Dib.h"

#include <QtEndian>
#include <array>
#include <cstring>
#include <vector>

namespace {

// Pictures wider or taller than this, or with more pixels in all, are refused: every size
// computed below then fits easily in 64 bits, and no header can ask for gigabytes.
constexpr int64_t kMaxSide = 65535;
constexpr int64_t kMaxPixels = int64_t(1) << 28;
// A BITMAPINFOHEADER is the least that is read. Anything larger than the biggest header
// Windows knows (BITMAPV5HEADER, 124 bytes) with room to spare is taken for garbage.
constexpr DWORD kMinHeaderSize = sizeof(BITMAPINFOHEADER);
constexpr DWORD kMaxHeaderSize = 1024;
// From BITMAPV4HEADER on (and in the 52-byte variant before it), the three colour masks
// are fields of the header at offset 40 instead of DWORDs following it.
constexpr DWORD kHeaderWithMasksSize = 52;
constexpr DWORD kMaskOffsetInHeader = 40;
// Not Windows values: FreeImage's 16-bit-per-channel layouts that also reach us as DIBs.
constexpr WORD kRgb16BitCount = 48;
constexpr WORD kRgba16BitCount = 64;
// Plain 16-bit DIBs are 5-5-5 with the top bit unused.
constexpr DWORD kRed555 = 0x7C00;
constexpr DWORD kGreen555 = 0x03E0;
constexpr DWORD kBlue555 = 0x001F;
constexpr QRgb kBlack = 0xFF000000;

enum class PixelFormat
{
    Indexed,
    Fields16,
    Rgb24,
    Rgb32,
    Fields32,
    Rgb48,
    Rgba64,
    Gray16
};

// One colour channel of a 16- or 32-bit pixel, widened or narrowed to 8 bits.
struct ChannelMask
{
    DWORD mask = 0;
    int shift = 0;
    int bits = 0;
    // Channels narrower than 8 bits are stretched so that their maximum becomes 255.
    std::array<BYTE, 256> widen{};

    BYTE ToByte(DWORD pixel) const
    {
        const DWORD value = (pixel & mask) >> shift;
        return bits >= 8 ? static_cast<BYTE>(value >> (bits - 8)) : widen[value];
    }
};

// Everything the header says about how to read the pixel rows.
struct DibLayout
{
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    WORD bitCount = 0;
    PixelFormat format = PixelFormat::Indexed;
    int64_t stride = 0;
    std::array<QRgb, 256> palette{};
    std::array<ChannelMask, 3> masks{};
};

DWORD ReadDword(const BYTE* p)
{
    DWORD value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// A mask must be one run of set bits within the pixel; Windows refuses anything else.
bool SetChannelMask(ChannelMask& channel, DWORD mask, WORD bitCount)
{
    const uint64_t pixelMax = (uint64_t(1) << bitCount) - 1;
    if (mask == 0 || mask > pixelMax)
        return false;
    int shift = 0;
    while (((mask >> shift) & 1) == 0)
        ++shift;
    const uint64_t run = mask >> shift;
    if ((run & (run + 1)) != 0)
        return false;
    channel.mask = mask;
    channel.shift = shift;
    channel.bits = 0;
    while ((run >> channel.bits) != 0)
        ++channel.bits;
    if (channel.bits < 8) {
        const DWORD max = static_cast<DWORD>(run);
        for (DWORD v = 0; v <= max; ++v)
            channel.widen[v] = static_cast<BYTE>((v * 255 + max / 2) / max);
    }
    return true;
}

bool SetMasks(DibLayout& dib, DWORD red, DWORD green, DWORD blue)
{
    return SetChannelMask(dib.masks[0], red, dib.bitCount) &&
           SetChannelMask(dib.masks[1], green, dib.bitCount) &&
           SetChannelMask(dib.masks[2], blue, dib.bitCount);
}

bool ReadMasks(DibLayout& dib, const BITMAPINFO* pbmi)
{
    const DWORD biSize = pbmi->bmiHeader.biSize;
    const BYTE* p =
        reinterpret_cast<const BYTE*>(pbmi) + (biSize >= kHeaderWithMasksSize ? kMaskOffsetInHeader : biSize);
    const DWORD red = ReadDword(p);
    const DWORD green = ReadDword(p + 4);
    const DWORD blue = ReadDword(p + 8);
    // FreeImage allocates a 16-bit bitmap it is given no masks for as BI_BITFIELDS with all
    // three masks 0, and reads it as 5-5-5 itself; Windows would refuse it.
    if (dib.bitCount == 16 && red == 0 && green == 0 && blue == 0)
        return SetMasks(dib, kRed555, kGreen555, kBlue555);
    return SetMasks(dib, red, green, blue);
}

// The colour table holds biClrUsed entries, or all 2^bpp when biClrUsed is 0. Only entries a
// pixel can index are read; indexes past the table's end come out black.
void ReadPalette(DibLayout& dib, const BITMAPINFO* pbmi)
{
    const DWORD maxEntries = DWORD(1) << dib.bitCount;
    const DWORD used = pbmi->bmiHeader.biClrUsed;
    const DWORD count = (used == 0 || used > maxEntries) ? maxEntries : used;
    const BYTE* entry = reinterpret_cast<const BYTE*>(pbmi) + pbmi->bmiHeader.biSize;
    dib.palette.fill(kBlack);
    for (DWORD i = 0; i < count; ++i, entry += sizeof(RGBQUAD))
        dib.palette[i] = qRgb(entry[2], entry[1], entry[0]);
}

// Size and row order. biHeight is widened before it is negated so INT_MIN cannot overflow.
bool ReadGeometry(DibLayout& dib, const BITMAPINFOHEADER& bih)
{
    const int64_t width = bih.biWidth;
    const int64_t signedHeight = bih.biHeight;
    const int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width <= 0 || height == 0 || width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
        return false;
    dib.width = static_cast<int>(width);
    dib.height = static_cast<int>(height);
    dib.bottomUp = signedHeight > 0;
    return true;
}

// Which pixel format the bit count and compression name, and the colour table or masks
// that go with it. RLE, JPEG and PNG compression are not drawn.
bool ReadFormat(DibLayout& dib, const BITMAPINFO* pbmi, UINT uUsage)
{
    const DWORD compression = pbmi->bmiHeader.biCompression;
    const bool rgb = compression == BI_RGB;
    const bool fields = compression == BI_BITFIELDS;
    switch (dib.bitCount) {
    case 1:
    case 4:
    case 8:
        // DIB_PAL_COLORS tables index a selected logical palette, which we have none of.
        if (!rgb || uUsage != DIB_RGB_COLORS)
            return false;
        dib.format = PixelFormat::Indexed;
        ReadPalette(dib, pbmi);
        return true;
    case 16:
        if (compression == BI_GRAY16) {
            dib.format = PixelFormat::Gray16;
            return true;
        }
        dib.format = PixelFormat::Fields16;
        return rgb ? SetMasks(dib, kRed555, kGreen555, kBlue555) : fields && ReadMasks(dib, pbmi);
    case 24:
        dib.format = PixelFormat::Rgb24;
        return rgb;
    case 32:
        dib.format = rgb ? PixelFormat::Rgb32 : PixelFormat::Fields32;
        return rgb || (fields && ReadMasks(dib, pbmi));
    case kRgb16BitCount:
        dib.format = PixelFormat::Rgb48;
        return rgb;
    case kRgba16BitCount:
        dib.format = PixelFormat::Rgba64;
        return rgb;
    default:
        return false;
    }
}

bool ReadLayout(DibLayout& dib, const BITMAPINFO* pbmi, const void* pBits, UINT uUsage)
{
    if (pbmi == nullptr || pBits == nullptr)
        return false;
    if (uUsage != DIB_RGB_COLORS && uUsage != DIB_PAL_COLORS)
        return false;
    const BITMAPINFOHEADER& bih = pbmi->bmiHeader;
    if (bih.biSize < kMinHeaderSize || bih.biSize > kMaxHeaderSize || bih.biPlanes != 1)
        return false;
    if (!ReadGeometry(dib, bih))
        return false;
    dib.bitCount = bih.biBitCount;
    dib.stride = ((dib.width * int64_t(dib.bitCount) + 31) / 32) * 4;
    return ReadFormat(dib, pbmi, uUsage);
}

// Memory row of a picture row (row 0 the top one), for either row order.
int64_t MemoryRow(const DibLayout& dib, int pictureRow)
{
    return dib.bottomUp ? dib.height - 1 - int64_t(pictureRow) : int64_t(pictureRow);
}

// Pixel readers: each turns pixel x of one row of the DIB's pixels into RGB32, so a whole
// picture and a sampled one are read by the same code.

// 1, 4 and 8 bpp: the leftmost pixel is in the most significant bits of each byte.
template <int Bpp> struct IndexedPixel
{
    const std::array<QRgb, 256>& palette;

    QRgb operator()(const BYTE* row, int x) const
    {
        constexpr int perByte = 8 / Bpp;
        constexpr unsigned indexMask = (1u << Bpp) - 1;
        const int shift = (perByte - 1 - x % perByte) * Bpp;
        return palette[(row[x / perByte] >> shift) & indexMask];
    }
};

// 16 and 32-bit pixels whose channels the masks pick out.
template <int Bytes> struct MaskedPixel
{
    const std::array<ChannelMask, 3>& masks;

    QRgb operator()(const BYTE* row, int x) const
    {
        const DWORD v = Bytes == 2 ? DWORD(qFromLittleEndian<quint16>(row + 2 * x))
                                   : DWORD(qFromLittleEndian<quint32>(row + 4 * x));
        return qRgb(masks[0].ToByte(v), masks[1].ToByte(v), masks[2].ToByte(v));
    }
};

// 16-bit pixels looked up in a table of all 65536 colours, one table read per pixel.
struct TabledPixel16
{
    const std::vector<QRgb>& colours;

    QRgb operator()(const BYTE* row, int x) const { return colours[qFromLittleEndian<quint16>(row + 2 * x)]; }
};

// 24 bpp: blue, green, red bytes.
struct Rgb24Pixel
{
    QRgb operator()(const BYTE* row, int x) const
    {
        const BYTE* p = row + 3 * x;
        return qRgb(p[2], p[1], p[0]);
    }
};

// 32 bpp BI_RGB: blue, green, red and an unused byte, which is 0x00RRGGBB read little-endian.
// GDI ignores the fourth byte, so it is replaced by the opaque alpha RGB32 wants.
struct Rgb32Pixel
{
    QRgb operator()(const BYTE* row, int x) const { return qFromLittleEndian<quint32>(row + 4 * x) | kBlack; }
};

// FreeImage's 48 and 64 bpp: red, green, blue (and alpha) as little-endian WORDs. The
// high byte of each WORD is the second in memory; alpha is ignored as GDI ignores it.
template <int Bytes> struct WideRgbPixel
{
    QRgb operator()(const BYTE* row, int x) const
    {
        const BYTE* p = row + Bytes * x;
        return qRgb(p[1], p[3], p[5]);
    }
};

// FreeImage's 16-bit grey: one little-endian WORD per pixel, shown by its high byte.
struct Gray16Pixel
{
    QRgb operator()(const BYTE* row, int x) const
    {
        const BYTE grey = row[2 * x + 1];
        return qRgb(grey, grey, grey);
    }
};

// Calls use(reader) with the reader for the DIB's pixel format. A whole picture reads 16-bit
// colour through a table of every value, which pays off over millions of pixels; a sampled
// one applies the masks to each pixel taken, so its cost stays with the pixels it needs.
template <typename Use> void WithPixelReader(const DibLayout& dib, bool wholePicture, Use use)
{
    switch (dib.format) {
    case PixelFormat::Indexed:
        if (dib.bitCount == 1)
            return use(IndexedPixel<1>{dib.palette});
        if (dib.bitCount == 4)
            return use(IndexedPixel<4>{dib.palette});
        return use(IndexedPixel<8>{dib.palette});
    case PixelFormat::Fields16:
        if (wholePicture) {
            std::vector<QRgb> colours(65536);
            for (DWORD v = 0; v < colours.size(); ++v)
                colours[v] = qRgb(dib.masks[0].ToByte(v), dib.masks[1].ToByte(v), dib.masks[2].ToByte(v));
            return use(TabledPixel16{colours});
        }
        return use(MaskedPixel<2>{dib.masks});
    case PixelFormat::Rgb24:
        return use(Rgb24Pixel{});
    case PixelFormat::Rgb32:
        return use(Rgb32Pixel{});
    case PixelFormat::Fields32:
        return use(MaskedPixel<4>{dib.masks});
    case PixelFormat::Rgb48:
        return use(WideRgbPixel<6>{});
    case PixelFormat::Rgba64:
        return use(WideRgbPixel<8>{});
    case PixelFormat::Gray16:
        return use(Gray16Pixel{});
    }
}

// Every pixel of every row, taking rows from the bottom up when the DIB is stored that way.
void ConvertPixels(const DibLayout& dib, const BYTE* bits, QImage& image)
{
    BYTE* const out = image.bits();
    const qsizetype outStride = image.bytesPerLine();
    WithPixelReader(dib, /*wholePicture=*/true, [&](auto read) {
        for (int y = 0; y < dib.height; ++y) {
            const BYTE* src = bits + MemoryRow(dib, y) * dib.stride;
            QRgb* dst = reinterpret_cast<QRgb*>(out + y * outStride);
            for (int x = 0; x < dib.width; ++x)
                dst[x] = read(src, x);
        }
    });
}

// Index of the pixel under the centre of pixel d of n, when n pixels cover m; COLORONCOLOR
// stretching takes exactly that one. 64-bit, since (2d + 1) · m passes 2^31 for large pictures.
int CentreSample(int d, int n, int m)
{
    return static_cast<int>((2 * int64_t(d) + 1) * m / (2 * int64_t(n)));
}

// Picture column taken by each destination column, worked out once for all rows.
std::vector<int> SampleColumns(const QRect& source, int destWidth)
{
    std::vector<int> columns(static_cast<size_t>(destWidth));
    for (int x = 0; x < destWidth; ++x)
        columns[static_cast<size_t>(x)] = source.left() + CentreSample(x, destWidth, source.width());
    return columns;
}

// Fills each row of the destination rectangle of `image` from the source row under its
// centre. Rows enlarged from the same source row are copies of the one above, so each
// source row is converted once at most.
void SamplePixels(const DibLayout& dib, const BYTE* bits, const QRect& source, QImage& image,
                  const QRect& dest)
{
    const std::vector<int> columns = SampleColumns(source, dest.width());
    const qsizetype outStride = image.bytesPerLine();
    BYTE* const out = image.bits() + dest.top() * outStride + dest.left() * qsizetype(sizeof(QRgb));
    const size_t rowBytes = static_cast<size_t>(dest.width()) * sizeof(QRgb);
    WithPixelReader(dib, /*wholePicture=*/false, [&](auto read) {
        int previousRow = -1;
        for (int y = 0; y < dest.height(); ++y) {
            const int row = source.top() + CentreSample(y, dest.height(), source.height());
            QRgb* dst = reinterpret_cast<QRgb*>(out + y * outStride);
            if (row == previousRow) {
                std::memcpy(dst, out + (y - 1) * outStride, rowBytes);
                continue;
            }
            const BYTE* src = bits + MemoryRow(dib, row) * dib.stride;
            for (size_t x = 0; x < columns.size(); ++x)
                dst[x] = read(src, columns[x]);
            previousRow = row;
        }
    });
}

// The checks both sampling entry points make before reading a pixel.
bool CanSample(const DibLayout& dib, const QRect& source, int nDestWidth, int nDestHeight)
{
    if (nDestWidth <= 0 || nDestHeight <= 0 || int64_t(nDestWidth) * nDestHeight > kMaxPixels)
        return false;
    return !source.isEmpty() && QRect(0, 0, dib.width, dib.height).contains(source);
}

} // namespace

QImage DibToImage(const BITMAPINFO* pbmi, const void* pBits, UINT uUsage)
{
    DibLayout dib;
    if (!ReadLayout(dib, pbmi, pBits, uUsage))
        return QImage();
    QImage image(dib.width, dib.height, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    ConvertPixels(dib, static_cast<const BYTE*>(pBits), image);
    return image;
}

QImage DibToImageSampled(const BITMAPINFO* pbmi, const void* pBits, UINT uUsage, const QRect& source,
                         int nDestWidth, int nDestHeight)
{
    DibLayout dib;
    if (!ReadLayout(dib, pbmi, pBits, uUsage) || !CanSample(dib, source, nDestWidth, nDestHeight))
        return QImage();
    QImage image(nDestWidth, nDestHeight, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    SamplePixels(dib, static_cast<const BYTE*>(pBits), source, image, image.rect());
    return image;
}

bool DibSampleInto(const BITMAPINFO* pbmi, const void* pBits, UINT uUsage, const QRect& source,
                   QImage& target, const QRect& dest)
{
    DibLayout dib;
    if (target.format() != QImage::Format_RGB32 || !target.rect().contains(dest))
        return false;
    if (!ReadLayout(dib, pbmi, pBits, uUsage) || !CanSample(dib, source, dest.width(), dest.height()))
        return false;
    SamplePixels(dib, static_cast<const BYTE*>(pBits), source, target, dest);
    return true;
}
