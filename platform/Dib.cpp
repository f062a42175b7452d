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

// Calls convertRow(source row, destination row) for every row of the picture, taking
// source rows from the bottom up when the DIB is stored that way.
template <typename ConvertRow>
void ForEachRow(const DibLayout& dib, const BYTE* bits, QImage& image, ConvertRow convertRow)
{
    BYTE* const out = image.bits();
    const qsizetype outStride = image.bytesPerLine();
    for (int y = 0; y < dib.height; ++y) {
        const int64_t sourceRow = dib.bottomUp ? dib.height - 1 - y : y;
        convertRow(bits + sourceRow * dib.stride, reinterpret_cast<QRgb*>(out + y * outStride));
    }
}

// 1, 4 and 8 bpp: the leftmost pixel is in the most significant bits of each byte.
template <int Bpp> void ConvertIndexed(const DibLayout& dib, const BYTE* bits, QImage& image)
{
    constexpr int perByte = 8 / Bpp;
    constexpr unsigned indexMask = (1u << Bpp) - 1;
    ForEachRow(dib, bits, image, [&](const BYTE* src, QRgb* dst) {
        for (int x = 0; x < dib.width; ++x) {
            const int shift = (perByte - 1 - x % perByte) * Bpp;
            dst[x] = dib.palette[(src[x / perByte] >> shift) & indexMask];
        }
    });
}

// Every 16-bit value is looked up once, so each pixel costs one table read.
void ConvertFields16(const DibLayout& dib, const BYTE* bits, QImage& image)
{
    std::vector<QRgb> colours(65536);
    for (DWORD v = 0; v < colours.size(); ++v)
        colours[v] = qRgb(dib.masks[0].ToByte(v), dib.masks[1].ToByte(v), dib.masks[2].ToByte(v));
    ForEachRow(dib, bits, image, [&](const BYTE* src, QRgb* dst) {
        for (int x = 0; x < dib.width; ++x)
            dst[x] = colours[qFromLittleEndian<quint16>(src + 2 * x)];
    });
}

// 24 bpp: blue, green, red bytes.
void ConvertRgb24(const DibLayout& dib, const BYTE* bits, QImage& image)
{
    ForEachRow(dib, bits, image, [&](const BYTE* src, QRgb* dst) {
        for (int x = 0; x < dib.width; ++x, src += 3)
            dst[x] = qRgb(src[2], src[1], src[0]);
    });
}

// 32 bpp BI_RGB: blue, green, red and an unused byte, which is 0x00RRGGBB read little-endian.
// GDI ignores the fourth byte, so it is replaced by the opaque alpha RGB32 wants.
void ConvertRgb32(const DibLayout& dib, const BYTE* bits, QImage& image)
{
    ForEachRow(dib, bits, image, [&](const BYTE* src, QRgb* dst) {
        for (int x = 0; x < dib.width; ++x)
            dst[x] = qFromLittleEndian<quint32>(src + 4 * x) | kBlack;
    });
}

void ConvertFields32(const DibLayout& dib, const BYTE* bits, QImage& image)
{
    ForEachRow(dib, bits, image, [&](const BYTE* src, QRgb* dst) {
        for (int x = 0; x < dib.width; ++x) {
            const DWORD v = qFromLittleEndian<quint32>(src + 4 * x);
            dst[x] = qRgb(dib.masks[0].ToByte(v), dib.masks[1].ToByte(v), dib.masks[2].ToByte(v));
        }
    });
}

// FreeImage's 48 and 64 bpp: red, green, blue (and alpha) as little-endian WORDs. The
// high byte of each WORD is the second in memory; alpha is ignored as GDI ignores it.
void ConvertWideRgb(const DibLayout& dib, const BYTE* bits, QImage& image)
{
    const int bytesPerPixel = dib.bitCount / 8;
    ForEachRow(dib, bits, image, [&](const BYTE* src, QRgb* dst) {
        for (int x = 0; x < dib.width; ++x, src += bytesPerPixel)
            dst[x] = qRgb(src[1], src[3], src[5]);
    });
}

// FreeImage's 16-bit grey: one little-endian WORD per pixel, shown by its high byte.
void ConvertGray16(const DibLayout& dib, const BYTE* bits, QImage& image)
{
    ForEachRow(dib, bits, image, [&](const BYTE* src, QRgb* dst) {
        for (int x = 0; x < dib.width; ++x) {
            const BYTE grey = src[2 * x + 1];
            dst[x] = qRgb(grey, grey, grey);
        }
    });
}

void ConvertPixels(const DibLayout& dib, const BYTE* bits, QImage& image)
{
    switch (dib.format) {
    case PixelFormat::Indexed:
        if (dib.bitCount == 1)
            return ConvertIndexed<1>(dib, bits, image);
        if (dib.bitCount == 4)
            return ConvertIndexed<4>(dib, bits, image);
        return ConvertIndexed<8>(dib, bits, image);
    case PixelFormat::Fields16:
        return ConvertFields16(dib, bits, image);
    case PixelFormat::Rgb24:
        return ConvertRgb24(dib, bits, image);
    case PixelFormat::Rgb32:
        return ConvertRgb32(dib, bits, image);
    case PixelFormat::Fields32:
        return ConvertFields32(dib, bits, image);
    case PixelFormat::Rgb48:
    case PixelFormat::Rgba64:
        return ConvertWideRgb(dib, bits, image);
    case PixelFormat::Gray16:
        return ConvertGray16(dib, bits, image);
    }
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
