#include "Dib.h"

#include "Stretch.h"
#include "WinTypes.h"

#include <FreeImage.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace {

// A pixel as RGB32 stores it, printed in hex when a comparison fails.
struct Pixel
{
    QRgb value;
    bool operator==(const Pixel& other) const { return value == other.value; }
};

void PrintTo(const Pixel& pixel, std::ostream* os)
{
    *os << "0x" << std::hex << pixel.value << std::dec;
}

Pixel Rgb(int r, int g, int b)
{
    return Pixel{qRgb(r, g, b)};
}

// Outside the image, a null one included, there is no pixel: a value no RGB32 pixel has, so a
// wrong size fails the comparison instead of crashing the test.
Pixel PixelAt(const QImage& image, int x, int y)
{
    if (!image.valid(x, y))
        return Pixel{0};
    return Pixel{reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]};
}

void PutWord(uint8_t* p, WORD value)
{
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
}

void PutDword(uint8_t* p, DWORD value)
{
    PutWord(p, static_cast<WORD>(value));
    PutWord(p + 2, static_cast<WORD>(value >> 16));
}

// A DIB laid out as a program hands it to StretchDIBits: the header followed by its colour
// table or masks in one block, and the pixel rows, each padded to 4 bytes, in another. Both
// blocks are exactly as long as the layout needs, so any read past them is a real overrun.
struct TestDib
{
    std::vector<uint8_t> info;
    std::vector<uint8_t> bits;
    int stride = 0;

    TestDib(int width, int height, WORD bitCount, DWORD compression = BI_RGB, size_t tableBytes = 0)
        : info(sizeof(BITMAPINFOHEADER) + tableBytes)
    {
        BITMAPINFOHEADER header{};
        header.biSize = sizeof(BITMAPINFOHEADER);
        header.biWidth = width;
        header.biHeight = height;
        header.biPlanes = 1;
        header.biBitCount = bitCount;
        header.biCompression = compression;
        std::memcpy(info.data(), &header, sizeof header);
        stride = ((width * bitCount + 31) / 32) * 4;
        bits.assign(static_cast<size_t>(stride) * static_cast<size_t>(height < 0 ? -height : height), 0);
    }

    BITMAPINFOHEADER& Header() { return *reinterpret_cast<BITMAPINFOHEADER*>(info.data()); }
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(info.data()); }
    // The row stored `memoryRow`-th in memory, whichever picture row that is.
    uint8_t* Row(int memoryRow) { return bits.data() + memoryRow * stride; }
    uint8_t* Table() { return info.data() + Header().biSize; }

    void SetPaletteEntry(int index, BYTE r, BYTE g, BYTE b)
    {
        uint8_t* entry = Table() + index * sizeof(RGBQUAD);
        entry[0] = b;
        entry[1] = g;
        entry[2] = r;
        entry[3] = 0;
    }
    void SetMasks(DWORD red, DWORD green, DWORD blue)
    {
        PutDword(Table(), red);
        PutDword(Table() + 4, green);
        PutDword(Table() + 8, blue);
    }
    void SetWords(int memoryRow, std::initializer_list<WORD> words)
    {
        uint8_t* p = Row(memoryRow);
        for (WORD w : words) {
            PutWord(p, w);
            p += 2;
        }
    }
    QImage Decode(UINT usage = DIB_RGB_COLORS) const { return DibToImage(Info(), bits.data(), usage); }
};

// A 3×2 24-bit picture whose six pixels all differ: red, green, blue on the row stored
// first, white, grey, yellow on the row stored second.
TestDib SixColours24(int height)
{
    TestDib dib(3, height, 24);
    const uint8_t first[] = {0, 0, 255, 0, 255, 0, 255, 0, 0};
    const uint8_t second[] = {255, 255, 255, 128, 128, 128, 0, 255, 255};
    std::memcpy(dib.Row(0), first, sizeof first);
    std::memcpy(dib.Row(1), second, sizeof second);
    return dib;
}

// ----------------------------------------------------------------------------------------
// Row order and padding

TEST(DibToImage, BottomUpRowsComeOutTopDown)
{
    const QImage image = SixColours24(2).Decode();
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(PixelAt(image, 0, 1), Rgb(255, 0, 0)); // first row in memory is the bottom one
    EXPECT_EQ(PixelAt(image, 2, 1), Rgb(0, 0, 255));
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(255, 255, 0));
}

TEST(DibToImage, NegativeHeightRowsStayTopDown)
{
    const QImage image = SixColours24(-2).Decode();
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(0, 255, 0));
    EXPECT_EQ(PixelAt(image, 1, 1), Rgb(128, 128, 128));
    EXPECT_EQ(PixelAt(image, 2, 1), Rgb(255, 255, 0));
}

TEST(DibToImage, RowsOfOddWidthSkipTheirPaddingBytes)
{
    // 3 pixels × 3 bytes = 9 bytes, stored in 12; the padding is filled with junk that
    // must neither appear nor shift the next row.
    TestDib dib(3, -3, 24);
    ASSERT_EQ(dib.stride, 12);
    for (int row = 0; row < 3; ++row) {
        std::memset(dib.Row(row) + 9, 0xEE, 3);
        dib.Row(row)[0] = static_cast<uint8_t>(10 * (row + 1)); // blue of the first pixel
        dib.Row(row)[8] = static_cast<uint8_t>(20 * (row + 1)); // red of the last pixel
    }
    const QImage image = dib.Decode();
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(PixelAt(image, 0, y), Rgb(0, 0, 10 * (y + 1))) << "row " << y;
        EXPECT_EQ(PixelAt(image, 2, y), Rgb(20 * (y + 1), 0, 0)) << "row " << y;
    }
}

// ----------------------------------------------------------------------------------------
// Palette depths

TEST(DibToImage, OneBitPixelsTakeTheMostSignificantBitFirst)
{
    // Ten pixels span two bytes of a four-byte row.
    TestDib dib(10, 1, 1, BI_RGB, 2 * sizeof(RGBQUAD));
    dib.SetPaletteEntry(0, 0, 0, 128);
    dib.SetPaletteEntry(1, 255, 200, 0);
    dib.Row(0)[0] = 0b10100000;
    dib.Row(0)[1] = 0b01000000;
    const QImage image = dib.Decode();
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(255, 200, 0));
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(0, 0, 128));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(255, 200, 0));
    EXPECT_EQ(PixelAt(image, 7, 0), Rgb(0, 0, 128));
    EXPECT_EQ(PixelAt(image, 8, 0), Rgb(0, 0, 128));
    EXPECT_EQ(PixelAt(image, 9, 0), Rgb(255, 200, 0));
}

TEST(DibToImage, FourBitPixelsTakeTheHighNibbleFirst)
{
    // biClrUsed 0 means all 16 entries are present.
    TestDib dib(3, 2, 4, BI_RGB, 16 * sizeof(RGBQUAD));
    dib.SetPaletteEntry(1, 10, 20, 30);
    dib.SetPaletteEntry(2, 40, 50, 60);
    dib.SetPaletteEntry(15, 70, 80, 90);
    dib.Row(0)[0] = 0x12;
    dib.Row(0)[1] = 0xF0;
    dib.Row(1)[1] = 0x0F;
    const QImage image = dib.Decode();
    EXPECT_EQ(PixelAt(image, 0, 1), Rgb(10, 20, 30));
    EXPECT_EQ(PixelAt(image, 1, 1), Rgb(40, 50, 60));
    EXPECT_EQ(PixelAt(image, 2, 1), Rgb(70, 80, 90));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(0, 0, 0)); // low nibble of byte 1 is the unused fourth pixel
}

TEST(DibToImage, EightBitPixelsLookUpTheirPaletteEntry)
{
    TestDib dib(3, 2, 8, BI_RGB, 256 * sizeof(RGBQUAD));
    for (int i = 0; i < 256; ++i)
        dib.SetPaletteEntry(i, static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 2));
    const uint8_t bottom[] = {0, 1, 255};
    const uint8_t top[] = {128, 7, 200};
    std::memcpy(dib.Row(0), bottom, 3);
    std::memcpy(dib.Row(1), top, 3);
    const QImage image = dib.Decode();
    EXPECT_EQ(PixelAt(image, 0, 1), Rgb(0, 255, 0));
    EXPECT_EQ(PixelAt(image, 1, 1), Rgb(1, 254, 0));
    EXPECT_EQ(PixelAt(image, 2, 1), Rgb(255, 0, 127));
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(128, 127, 64));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(200, 55, 100));
}

TEST(DibToImage, IndexPastAShortPaletteIsBlackAndReadsNothingBeyondIt)
{
    // biClrUsed says 2 entries; a third, bright one lies after them in memory and must
    // not be taken for the palette's continuation.
    TestDib dib(3, 1, 8, BI_RGB, 3 * sizeof(RGBQUAD));
    dib.Header().biClrUsed = 2;
    dib.SetPaletteEntry(0, 1, 2, 3);
    dib.SetPaletteEntry(1, 4, 5, 6);
    dib.SetPaletteEntry(2, 255, 255, 255);
    const uint8_t row[] = {1, 2, 250};
    std::memcpy(dib.Row(0), row, 3);
    const QImage image = dib.Decode();
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(4, 5, 6));
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(0, 0, 0));
}

TEST(DibToImage, PaletteStartsWhereBiSizeSaysTheHeaderEnds)
{
    // A 124-byte BITMAPV5HEADER: the colour table follows all of it, not the first 40 bytes.
    TestDib dib(1, 1, 1, BI_RGB, (124 - 40) + 2 * sizeof(RGBQUAD));
    dib.Header().biSize = 124;
    dib.SetPaletteEntry(0, 0, 0, 0);
    dib.SetPaletteEntry(1, 9, 99, 199);
    dib.Row(0)[0] = 0x80;
    EXPECT_EQ(PixelAt(dib.Decode(), 0, 0), Rgb(9, 99, 199));
}

// ----------------------------------------------------------------------------------------
// 16 bits per pixel

TEST(DibToImage, PlainSixteenBitIsFiveFiveFiveWithTheTopBitIgnored)
{
    TestDib dib(3, 2, 16);
    dib.SetWords(0, {0x7C00, 0x03E0, 0x001F});
    dib.SetWords(1, {0xFFFF, 0x8000, 0x4210}); // white with the x bit, x bit alone, 16/31 grey
    const QImage image = dib.Decode();
    EXPECT_EQ(PixelAt(image, 0, 1), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 1, 1), Rgb(0, 255, 0));
    EXPECT_EQ(PixelAt(image, 2, 1), Rgb(0, 0, 255));
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(132, 132, 132));
}

TEST(DibToImage, SixteenBitFieldsScaleFiveAndSixBitChannelsToFullRange)
{
    TestDib dib(3, 2, 16, BI_BITFIELDS, 3 * sizeof(DWORD));
    dib.SetMasks(0xF800, 0x07E0, 0x001F);
    dib.SetWords(0, {0xF800, 0x07E0, 0x001F});
    dib.SetWords(1, {0xFFFF, 0x8410, 0x0020}); // white, mid grey (16, 32, 16), green 1 of 63
    const QImage image = dib.Decode();
    EXPECT_EQ(PixelAt(image, 0, 1), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 1, 1), Rgb(0, 255, 0));
    EXPECT_EQ(PixelAt(image, 2, 1), Rgb(0, 0, 255));
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(132, 130, 132));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(0, 4, 0));
}

TEST(DibToImage, SixteenBitFieldsDescribingFiveFiveFiveMatchThePlainLayout)
{
    TestDib fields(2, 1, 16, BI_BITFIELDS, 3 * sizeof(DWORD));
    fields.SetMasks(0x7C00, 0x03E0, 0x001F);
    fields.SetWords(0, {0x7C00, 0x0421});
    const QImage image = fields.Decode();
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(8, 8, 8));
}

TEST(DibToImage, GreySixteenTakesTheHighByteWhereFiveFiveFiveWouldSeeColour)
{
    TestDib grey(3, 1, 16, BI_GRAY16);
    grey.SetWords(0, {0xFFFF, 0x7C00, 0x01FF});
    TestDib colour = grey;
    colour.Header().biCompression = BI_RGB;
    const QImage greyImage = grey.Decode();
    EXPECT_EQ(PixelAt(greyImage, 0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(PixelAt(greyImage, 1, 0), Rgb(124, 124, 124));
    EXPECT_EQ(PixelAt(greyImage, 2, 0), Rgb(1, 1, 1));
    EXPECT_EQ(PixelAt(colour.Decode(), 1, 0), Rgb(255, 0, 0));
}

// ----------------------------------------------------------------------------------------
// 32, 48 and 64 bits per pixel

TEST(DibToImage, ThirtyTwoBitIgnoresTheFourthByte)
{
    TestDib dib(2, 1, 32);
    const uint8_t row[] = {30, 20, 10, 0, 60, 50, 40, 0x7F};
    std::memcpy(dib.Row(0), row, sizeof row);
    const QImage image = dib.Decode();
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(10, 20, 30)); // opaque, though the fourth byte is 0
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(40, 50, 60));
}

TEST(DibToImage, ThirtyTwoBitFieldsFollowTheirMasks)
{
    // Red in the low byte (RGBX order), and a 10-10-10 layout whose top 8 bits are shown.
    TestDib dib(1, 1, 32, BI_BITFIELDS, 3 * sizeof(DWORD));
    dib.SetMasks(0x000000FF, 0x0000FF00, 0x00FF0000);
    PutDword(dib.Row(0), 0xAA332211);
    TestDib wide(1, 1, 32, BI_BITFIELDS, 3 * sizeof(DWORD));
    wide.SetMasks(0x3FF00000, 0x000FFC00, 0x000003FF);
    PutDword(wide.Row(0), (1023u << 20) | (512u << 10) | 3u);
    EXPECT_EQ(PixelAt(dib.Decode(), 0, 0), Rgb(0x11, 0x22, 0x33));
    EXPECT_EQ(PixelAt(wide.Decode(), 0, 0), Rgb(255, 128, 0));
}

TEST(DibToImage, MasksOfALongerHeaderAreReadFromInsideIt)
{
    // A BITMAPV4HEADER carries its masks at offset 40, before biSize's end; the DWORDs that
    // follow the header here are red and blue swapped, and must not be taken instead.
    TestDib dib(1, 1, 16, BI_BITFIELDS, (108 - 40) + 3 * sizeof(DWORD));
    dib.Header().biSize = 108;
    PutDword(dib.info.data() + 40, 0xF800);
    PutDword(dib.info.data() + 44, 0x07E0);
    PutDword(dib.info.data() + 48, 0x001F);
    dib.SetMasks(0x001F, 0x07E0, 0xF800);
    dib.SetWords(0, {0xF800});
    EXPECT_EQ(PixelAt(dib.Decode(), 0, 0), Rgb(255, 0, 0));
}

TEST(DibToImage, FortyEightAndSixtyFourBitTakeTheHighByteOfRedGreenBlueWords)
{
    TestDib rgb(2, -1, 48);
    rgb.SetWords(0, {0xFF00, 0x80FF, 0x0100, 0x0000, 0x1234, 0xFFFF});
    TestDib rgba(1, -1, 64);
    rgba.SetWords(0, {0x10FF, 0x2000, 0x30AA, 0x0000}); // a transparent alpha word is ignored
    const QImage image = rgb.Decode();
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(0xFF, 0x80, 0x01));
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(0x00, 0x12, 0xFF));
    EXPECT_EQ(PixelAt(rgba.Decode(), 0, 0), Rgb(0x10, 0x20, 0x30));
}

// ----------------------------------------------------------------------------------------
// Layouts that cannot be drawn

TEST(DibToImage, NullPointersGiveANullImage)
{
    TestDib dib = SixColours24(2);
    EXPECT_TRUE(DibToImage(nullptr, dib.bits.data(), DIB_RGB_COLORS).isNull());
    EXPECT_TRUE(DibToImage(dib.Info(), nullptr, DIB_RGB_COLORS).isNull());
}

TEST(DibToImage, PaletteIndexesIntoALogicalPaletteAreRefused)
{
    TestDib dib(1, 1, 8, BI_RGB, 256 * sizeof(RGBQUAD));
    EXPECT_TRUE(dib.Decode(DIB_PAL_COLORS).isNull());
    EXPECT_TRUE(dib.Decode(7).isNull());
    EXPECT_FALSE(dib.Decode(DIB_RGB_COLORS).isNull());
}

struct Refusal
{
    const char* what;
    std::function<void(BITMAPINFOHEADER&)> change;
};

TEST(DibToImage, HeadersThatCannotBeDrawnGiveANullImage)
{
    // Each case alters a valid 24-bit 3×2 header; the pixel block is never touched.
    const Refusal refusals[] = {
        {"RLE8",
         [](BITMAPINFOHEADER& h) {
             h.biBitCount = 8;
             h.biCompression = BI_RLE8;
         }},
        {"RLE4",
         [](BITMAPINFOHEADER& h) {
             h.biBitCount = 4;
             h.biCompression = BI_RLE4;
         }},
        {"JPEG", [](BITMAPINFOHEADER& h) { h.biCompression = 4; }},
        {"PNG", [](BITMAPINFOHEADER& h) { h.biCompression = 5; }},
        {"24-bit bit fields", [](BITMAPINFOHEADER& h) { h.biCompression = BI_BITFIELDS; }},
        {"8-bit bit fields",
         [](BITMAPINFOHEADER& h) {
             h.biBitCount = 8;
             h.biCompression = BI_BITFIELDS;
         }},
        {"48-bit bit fields",
         [](BITMAPINFOHEADER& h) {
             h.biBitCount = 48;
             h.biCompression = BI_BITFIELDS;
         }},
        {"8-bit grey",
         [](BITMAPINFOHEADER& h) {
             h.biBitCount = 8;
             h.biCompression = BI_GRAY16;
         }},
        {"no planes", [](BITMAPINFOHEADER& h) { h.biPlanes = 0; }},
        {"two planes", [](BITMAPINFOHEADER& h) { h.biPlanes = 2; }},
        {"0 bpp", [](BITMAPINFOHEADER& h) { h.biBitCount = 0; }},
        {"2 bpp", [](BITMAPINFOHEADER& h) { h.biBitCount = 2; }},
        {"12 bpp", [](BITMAPINFOHEADER& h) { h.biBitCount = 12; }},
        {"128 bpp", [](BITMAPINFOHEADER& h) { h.biBitCount = 128; }},
        {"short header", [](BITMAPINFOHEADER& h) { h.biSize = 12; }},
        {"zero width", [](BITMAPINFOHEADER& h) { h.biWidth = 0; }},
        {"negative width", [](BITMAPINFOHEADER& h) { h.biWidth = -3; }},
        {"zero height", [](BITMAPINFOHEADER& h) { h.biHeight = 0; }},
        {"width 65536", [](BITMAPINFOHEADER& h) { h.biWidth = 65536; }},
        {"height -65536", [](BITMAPINFOHEADER& h) { h.biHeight = -65536; }},
        {"height INT_MIN", [](BITMAPINFOHEADER& h) { h.biHeight = INT_MIN; }},
        {"width INT_MAX", [](BITMAPINFOHEADER& h) { h.biWidth = INT_MAX; }},
        {"2^28 pixels and more",
         [](BITMAPINFOHEADER& h) {
             h.biWidth = 20000;
             h.biHeight = 20000;
         }},
    };
    for (const Refusal& refusal : refusals) {
        TestDib dib = SixColours24(2);
        refusal.change(dib.Header());
        EXPECT_TRUE(dib.Decode().isNull()) << refusal.what;
    }
}

TEST(DibToImage, MasksThatAreNotOneRunWithinThePixelAreRefused)
{
    const DWORD badMasks[][3] = {
        {0, 0x07E0, 0x001F},             // one channel with no bits (all three 0 is FreeImage's 5-5-5)
        {0xF800, 0x07E0 | 0x0001, 0x1E}, // green in two pieces
        {0x1F0000, 0x07E0, 0x001F},      // red outside a 16-bit pixel
    };
    for (const auto& masks : badMasks) {
        TestDib dib(1, 1, 16, BI_BITFIELDS, 3 * sizeof(DWORD));
        dib.SetMasks(masks[0], masks[1], masks[2]);
        EXPECT_TRUE(dib.Decode().isNull()) << std::hex << masks[0] << " " << masks[1] << " " << masks[2];
    }
}

TEST(DibToImage, LargestAcceptedSidesStillConvert)
{
    // 65535 × 1 is at the side limit and far below the pixel limit.
    TestDib dib(65535, -1, 24);
    dib.Row(0)[3 * 65534 + 2] = 200;
    const QImage image = dib.Decode();
    ASSERT_EQ(image.size(), QSize(65535, 1));
    EXPECT_EQ(PixelAt(image, 65534, 0), Rgb(200, 0, 0));
}

// ----------------------------------------------------------------------------------------
// Pictures as FreeImage hands them out, after a round trip through a file

struct FreeImageDeleter
{
    void operator()(FIBITMAP* dib) const { FreeImage_Unload(dib); }
};
using FreeImagePtr = std::unique_ptr<FIBITMAP, FreeImageDeleter>;

class DibToImageFromFreeImage : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    // Writes the bitmap to a file and loads it back, as the program receives pictures.
    FreeImagePtr SaveAndLoad(FIBITMAP* dib, FREE_IMAGE_FORMAT fif, const char* name)
    {
        FreeImagePtr written(dib);
        const std::string path = m_dir.filePath(name).toStdString();
        EXPECT_TRUE(FreeImage_Save(fif, written.get(), path.c_str(), 0));
        return FreeImagePtr(FreeImage_Load(fif, path.c_str(), 0));
    }

    // What the render layer passes on: FreeImage's own header, palette or masks, and rows;
    // 16-bit grey is marked so it is not read as 5-5-5 colour.
    static QImage Decode(FIBITMAP* dib)
    {
        if (FreeImage_GetImageType(dib) != FIT_UINT16)
            return DibToImage(FreeImage_GetInfo(dib), FreeImage_GetBits(dib), DIB_RGB_COLORS);
        BITMAPINFO info{};
        info.bmiHeader = *FreeImage_GetInfoHeader(dib);
        info.bmiHeader.biCompression = BI_GRAY16;
        return DibToImage(&info, FreeImage_GetBits(dib), DIB_RGB_COLORS);
    }

    QTemporaryDir m_dir;
};

// FreeImage scan line 0 is the bottom row of the picture.
template <typename T> T* ScanLine(FIBITMAP* dib, int fromBottom)
{
    return reinterpret_cast<T*>(FreeImage_GetScanLine(dib, fromBottom));
}

TEST_F(DibToImageFromFreeImage, SixteenBitGreyPngShowsItsHighBytes)
{
    FIBITMAP* dib = FreeImage_AllocateT(FIT_UINT16, 3, 2);
    const WORD bottom[] = {0x0000, 0x80FF, 0xFFFF};
    const WORD top[] = {0x1234, 0x4000, 0xFE01};
    std::memcpy(ScanLine<WORD>(dib, 0), bottom, sizeof bottom);
    std::memcpy(ScanLine<WORD>(dib, 1), top, sizeof top);
    const FreeImagePtr loaded = SaveAndLoad(dib, FIF_PNG, "grey16.png");
    ASSERT_TRUE(loaded);
    ASSERT_EQ(FreeImage_GetImageType(loaded.get()), FIT_UINT16);
    const QImage image = Decode(loaded.get());
    EXPECT_EQ(PixelAt(image, 0, 1), Rgb(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 1, 1), Rgb(0x80, 0x80, 0x80));
    EXPECT_EQ(PixelAt(image, 2, 1), Rgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(0x12, 0x12, 0x12));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(0xFE, 0xFE, 0xFE));
}

TEST_F(DibToImageFromFreeImage, FortyEightBitPngKeepsRedGreenBlue)
{
    FIBITMAP* dib = FreeImage_AllocateT(FIT_RGB16, 3, 2);
    FIRGB16* bottom = ScanLine<FIRGB16>(dib, 0);
    bottom[0] = {0xFFFF, 0x0000, 0x0000};
    bottom[1] = {0x0000, 0xFFFF, 0x0000};
    bottom[2] = {0x0000, 0x0000, 0xFFFF};
    FIRGB16* top = ScanLine<FIRGB16>(dib, 1);
    top[0] = {0x1200, 0x3400, 0x5600};
    top[1] = {0x80FF, 0x80FF, 0x80FF};
    top[2] = {0xFF00, 0x00FF, 0x7F7F};
    const FreeImagePtr loaded = SaveAndLoad(dib, FIF_PNG, "rgb48.png");
    ASSERT_TRUE(loaded);
    ASSERT_EQ(FreeImage_GetImageType(loaded.get()), FIT_RGB16);
    const QImage image = Decode(loaded.get());
    EXPECT_EQ(PixelAt(image, 0, 1), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 1, 1), Rgb(0, 255, 0));
    EXPECT_EQ(PixelAt(image, 2, 1), Rgb(0, 0, 255));
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(0x80, 0x80, 0x80));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(0xFF, 0x00, 0x7F));
}

TEST_F(DibToImageFromFreeImage, SixtyFourBitTiffIgnoresAlpha)
{
    FIBITMAP* dib = FreeImage_AllocateT(FIT_RGBA16, 3, 1);
    FIRGBA16* row = ScanLine<FIRGBA16>(dib, 0);
    row[0] = {0xFFFF, 0x0000, 0x0000, 0x0000};
    row[1] = {0x1111, 0x2222, 0x3333, 0x8000};
    row[2] = {0x0000, 0x0000, 0xFFFF, 0xFFFF};
    const FreeImagePtr loaded = SaveAndLoad(dib, FIF_TIFF, "rgba64.tif");
    ASSERT_TRUE(loaded);
    ASSERT_EQ(FreeImage_GetImageType(loaded.get()), FIT_RGBA16);
    const QImage image = Decode(loaded.get());
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(0x11, 0x22, 0x33));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(0, 0, 255));
}

TEST_F(DibToImageFromFreeImage, EightBitPaletteBmpLooksUpItsColours)
{
    FIBITMAP* dib = FreeImage_Allocate(3, 2, 8);
    RGBQUAD* palette = FreeImage_GetPalette(dib);
    for (int i = 0; i < 256; ++i)
        palette[i] = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(i / 2), static_cast<BYTE>(255 - i), 0};
    const BYTE bottom[] = {0, 100, 255};
    const BYTE top[] = {1, 2, 3};
    std::memcpy(ScanLine<BYTE>(dib, 0), bottom, sizeof bottom);
    std::memcpy(ScanLine<BYTE>(dib, 1), top, sizeof top);
    const FreeImagePtr loaded = SaveAndLoad(dib, FIF_BMP, "palette8.bmp");
    ASSERT_TRUE(loaded);
    ASSERT_EQ(FreeImage_GetBPP(loaded.get()), 8u);
    const QImage image = Decode(loaded.get());
    // RGBQUAD is blue, green, red: entry i is red 255 - i, green i / 2, blue i.
    EXPECT_EQ(PixelAt(image, 0, 1), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 1, 1), Rgb(155, 50, 100));
    EXPECT_EQ(PixelAt(image, 2, 1), Rgb(0, 127, 255));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(252, 1, 3));
}

TEST_F(DibToImageFromFreeImage, FiveSixFiveBmpKeepsItsMasks)
{
    FIBITMAP* dib = FreeImage_Allocate(3, 1, 16, FI16_565_RED_MASK, FI16_565_GREEN_MASK, FI16_565_BLUE_MASK);
    const WORD row[] = {0xF800, 0x07E0, 0x8410};
    std::memcpy(ScanLine<WORD>(dib, 0), row, sizeof row);
    const FreeImagePtr loaded = SaveAndLoad(dib, FIF_BMP, "rgb565.bmp");
    ASSERT_TRUE(loaded);
    ASSERT_EQ(FreeImage_GetGreenMask(loaded.get()), unsigned(FI16_565_GREEN_MASK));
    const QImage image = Decode(loaded.get());
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(0, 255, 0));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(132, 130, 132));
}

TEST_F(DibToImageFromFreeImage, SixteenBitBitmapAllocatedWithoutMasksIsFiveFiveFive)
{
    // FreeImage marks such a bitmap BI_BITFIELDS with three zero masks.
    const FreeImagePtr dib(FreeImage_Allocate(3, 1, 16));
    ASSERT_EQ(FreeImage_GetInfoHeader(dib.get())->biCompression, BI_BITFIELDS);
    const WORD row[] = {0x7C00, 0x03E0, 0x4210};
    std::memcpy(ScanLine<WORD>(dib.get(), 0), row, sizeof row);
    const QImage image = Decode(dib.get());
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(0, 255, 0));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(132, 132, 132));
}

TEST_F(DibToImageFromFreeImage, TwentyFourAndThirtyTwoBitPngsKeepTheirColours)
{
    // FreeImage stores 24 and 32-bit pixels blue, green, red (alpha) on little-endian machines;
    // the transparent pixel still shows its colour, as GDI draws it.
    FIBITMAP* rgb = FreeImage_Allocate(3, 1, 24);
    const BYTE rgbRow[] = {0x30, 0x20, 0x10, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    std::memcpy(ScanLine<BYTE>(rgb, 0), rgbRow, sizeof rgbRow);
    FIBITMAP* rgba = FreeImage_Allocate(2, 1, 32);
    const BYTE rgbaRow[] = {0x60, 0x50, 0x40, 0x00, 0x00, 0xFF, 0x00, 0xFF};
    std::memcpy(ScanLine<BYTE>(rgba, 0), rgbaRow, sizeof rgbaRow);
    const FreeImagePtr loadedRgb = SaveAndLoad(rgb, FIF_PNG, "rgb24.png");
    const FreeImagePtr loadedRgba = SaveAndLoad(rgba, FIF_PNG, "rgba32.png");
    ASSERT_TRUE(loadedRgb && loadedRgba);
    const QImage image = Decode(loadedRgb.get());
    EXPECT_EQ(PixelAt(image, 0, 0), Rgb(0x10, 0x20, 0x30));
    EXPECT_EQ(PixelAt(image, 1, 0), Rgb(0xFF, 0, 0));
    EXPECT_EQ(PixelAt(image, 2, 0), Rgb(0xFF, 0xFF, 0xFF));
    const QImage imageRgba = Decode(loadedRgba.get());
    EXPECT_EQ(PixelAt(imageRgba, 0, 0), Rgb(0x40, 0x50, 0x60));
    EXPECT_EQ(PixelAt(imageRgba, 1, 0), Rgb(0, 0xFF, 0));
}

// ----------------------------------------------------------------------------------------
// Sampling part of a DIB straight to its drawn size

// Fills a block with bytes that look random but are the same on every run, so neighbouring
// pixels differ and a sample taken one column or row off shows.
void FillScrambled(uint8_t* p, size_t count, uint32_t seed)
{
    uint32_t state = seed * 2654435761u + 1;
    for (size_t i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        p[i] = static_cast<uint8_t>(state >> 24);
    }
}

struct SampledFormat
{
    const char* name;
    WORD bitCount;
    DWORD compression;
    int tableEntries; // palette entries, or 3 for masks
    DWORD masks[3];
};

// A 13 × 11 picture of scrambled pixels: an odd width, so 1 and 4-bit rows end inside a byte
// and every row carries padding.
TestDib ScrambledDib(const SampledFormat& format, bool bottomUp)
{
    const size_t entryBytes = format.compression == BI_BITFIELDS ? sizeof(DWORD) : sizeof(RGBQUAD);
    TestDib dib(13, bottomUp ? 11 : -11, format.bitCount, format.compression,
                static_cast<size_t>(format.tableEntries) * entryBytes);
    if (format.compression == BI_BITFIELDS)
        dib.SetMasks(format.masks[0], format.masks[1], format.masks[2]);
    else
        FillScrambled(dib.Table(), static_cast<size_t>(format.tableEntries) * entryBytes, format.bitCount);
    FillScrambled(dib.bits.data(), dib.bits.size(), format.bitCount + 1000u);
    return dib;
}

// What drawing used to do: convert the whole picture, cut out the source rectangle and stretch
// it the COLORONCOLOR way.
QImage ConvertCutAndStretch(const TestDib& dib, const QRect& source, int width, int height)
{
    return StretchPixels(dib.Decode().copy(source), width, height, COLORONCOLOR);
}

// The first pixel where two images differ, or the size mismatch, for a failure message.
std::string FirstDifference(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return "size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height());
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (!(PixelAt(actual, x, y) == PixelAt(expected, x, y)))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "none";
}

TEST(DibToImageSampled, MatchesConvertingCuttingAndStretchingForEveryLayout)
{
    const SampledFormat formats[] = {
        {"1 bpp", 1, BI_RGB, 2, {}},
        {"4 bpp", 4, BI_RGB, 16, {}},
        {"8 bpp", 8, BI_RGB, 256, {}},
        {"16 bpp 5-5-5", 16, BI_RGB, 0, {}},
        {"16 bpp 5-6-5", 16, BI_BITFIELDS, 3, {0xF800, 0x07E0, 0x001F}},
        {"16 bpp grey", 16, BI_GRAY16, 0, {}},
        {"24 bpp", 24, BI_RGB, 0, {}},
        {"32 bpp", 32, BI_RGB, 0, {}},
        {"32 bpp 10-10-10", 32, BI_BITFIELDS, 3, {0x3FF00000, 0x000FFC00, 0x000003FF}},
        {"48 bpp", 48, BI_RGB, 0, {}},
        {"64 bpp", 64, BI_RGB, 0, {}},
    };
    struct Sampling
    {
        QRect source;
        QSize dest;
    };
    const Sampling samplings[] = {
        {QRect(3, 2, 9, 7), QSize(5, 3)},   // shrunk, off the origin, starting mid-byte at 1 and 4 bpp
        {QRect(3, 2, 9, 7), QSize(23, 17)}, // enlarged: rows and columns repeat
        {QRect(4, 3, 9, 8), QSize(4, 20)},  // touching the right and bottom edges, squeezed and stretched
        {QRect(1, 5, 7, 1), QSize(7, 1)},   // one row at its own size
        {QRect(0, 0, 13, 11), QSize(31, 6)},
    };
    for (const SampledFormat& format : formats)
        for (bool bottomUp : {true, false})
            for (const Sampling& s : samplings) {
                const TestDib dib = ScrambledDib(format, bottomUp);
                const QImage sampled = DibToImageSampled(dib.Info(), dib.bits.data(), DIB_RGB_COLORS,
                                                         s.source, s.dest.width(), s.dest.height());
                const QImage expected = ConvertCutAndStretch(dib, s.source, s.dest.width(), s.dest.height());
                ASSERT_FALSE(expected.isNull()) << format.name;
                EXPECT_EQ(sampled.format(), QImage::Format_RGB32) << format.name;
                EXPECT_TRUE(sampled == expected)
                    << format.name << (bottomUp ? " bottom-up" : " top-down") << ", source (" << s.source.x()
                    << ", " << s.source.y() << ") to " << s.dest.width() << "x" << s.dest.height()
                    << ", first difference at " << FirstDifference(sampled, expected);
            }
}

TEST(DibToImageSampled, WidestPictureSamplesWithoutOverflow)
{
    // (2d + 1) · m passes 2^31 here, so 32-bit arithmetic would pick wrong columns.
    TestDib dib(65535, 1, 24);
    FillScrambled(dib.bits.data(), dib.bits.size(), 7);
    const QRect whole(0, 0, 65535, 1);
    const QImage sampled = DibToImageSampled(dib.Info(), dib.bits.data(), DIB_RGB_COLORS, whole, 40000, 1);
    const QImage expected = ConvertCutAndStretch(dib, whole, 40000, 1);
    EXPECT_TRUE(sampled == expected) << "first difference at " << FirstDifference(sampled, expected);
}

TEST(DibToImageSampled, RefusesSourcesOutsideThePictureAndEmptySizes)
{
    const TestDib dib = SixColours24(2);
    struct Case
    {
        const char* what;
        QRect source;
        int width;
        int height;
    };
    const Case cases[] = {
        {"left of the picture", QRect(-1, 0, 2, 2), 2, 2},
        {"past the right edge", QRect(1, 0, 3, 2), 2, 2},
        {"above the picture", QRect(0, -1, 3, 2), 2, 2},
        {"past the bottom edge", QRect(0, 1, 3, 2), 2, 2},
        {"wholly outside", QRect(5, 5, 1, 1), 2, 2},
        {"empty source", QRect(1, 1, 0, 1), 2, 2},
        {"zero width", QRect(0, 0, 3, 2), 0, 2},
        {"zero height", QRect(0, 0, 3, 2), 2, 0},
        {"negative width", QRect(0, 0, 3, 2), -2, 2},
        {"more than 2^28 pixels", QRect(0, 0, 3, 2), 16385, 16385},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(
            DibToImageSampled(dib.Info(), dib.bits.data(), DIB_RGB_COLORS, c.source, c.width, c.height)
                .isNull())
            << c.what;
    EXPECT_EQ(PixelAt(DibToImageSampled(dib.Info(), dib.bits.data(), DIB_RGB_COLORS, QRect(2, 1, 1, 1), 1, 1),
                      0, 0),
              Rgb(0, 0, 255)); // the last pixel alone is inside: the bottom right, blue
}

TEST(DibToImageSampled, RefusesWhatDibToImageRefuses)
{
    TestDib rle = SixColours24(2);
    rle.Header().biBitCount = 8;
    rle.Header().biCompression = BI_RLE8;
    TestDib palette(3, 2, 8, BI_RGB, 256 * sizeof(RGBQUAD));
    const QRect all(0, 0, 3, 2);
    EXPECT_TRUE(DibToImageSampled(rle.Info(), rle.bits.data(), DIB_RGB_COLORS, all, 3, 2).isNull());
    EXPECT_TRUE(DibToImageSampled(palette.Info(), palette.bits.data(), DIB_PAL_COLORS, all, 3, 2).isNull());
    EXPECT_TRUE(DibToImageSampled(nullptr, palette.bits.data(), DIB_RGB_COLORS, all, 3, 2).isNull());
    EXPECT_TRUE(DibToImageSampled(palette.Info(), nullptr, DIB_RGB_COLORS, all, 3, 2).isNull());
}

} // namespace

TEST(DibSampleInto, WritesTheSampledPictureIntoItsRectangleOnly)
{
    const SampledFormat format{"24 bpp", 24, BI_RGB, 0, {}};
    const TestDib dib = ScrambledDib(format, /*bottomUp=*/true);
    const QRect source(2, 1, 9, 8);
    QImage target(40, 30, QImage::Format_RGB32);
    target.fill(Qt::white);
    const QRect dest(5, 7, 20, 13);
    ASSERT_TRUE(DibSampleInto(dib.Info(), dib.bits.data(), DIB_RGB_COLORS, source, target, dest));
    EXPECT_EQ(FirstDifference(target.copy(dest),
                              DibToImageSampled(dib.Info(), dib.bits.data(), DIB_RGB_COLORS, source, 20, 13)),
              "none");
    EXPECT_EQ(target.pixel(4, 7), 0xFFFFFFFFu);
    EXPECT_EQ(target.pixel(25, 7), 0xFFFFFFFFu);
    EXPECT_EQ(target.pixel(5, 20), 0xFFFFFFFFu);
    // A rectangle reaching outside the target is refused and nothing is written.
    const QImage before = target.copy();
    EXPECT_FALSE(
        DibSampleInto(dib.Info(), dib.bits.data(), DIB_RGB_COLORS, source, target, QRect(30, 20, 20, 13)));
    EXPECT_EQ(target, before);
}
