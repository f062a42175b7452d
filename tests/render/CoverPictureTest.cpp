// Background pictures: which files are read in which format, and that every picture depth
// the formats decode to shows on the cover.
#include "CoverPicture.h"
#include "CdCoverRenderer.h"
#include "RenderTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

const COLORREF kBackground = RGB(20, 160, 60);
const Pixel kPictureColour = Rgb(200, 40, 90);

class CoverPictures : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    std::string PathOf(const QString& name) const { return m_dir.filePath(name).toStdString(); }

    // Writes a one-colour 24-bit picture in a format under a name and returns its path.
    std::string WriteSolid(FREE_IMAGE_FORMAT format, const QString& name)
    {
        const std::string path = PathOf(name);
        const FreeImagePtr dib = SolidPicture(24, 200, 40, 90);
        EXPECT_TRUE(SavePicture(dib.get(), format, path)) << path;
        return path;
    }

    // A small cover with nothing but its background colour and the picture over all of it.
    static QImage CoverWith(const std::string& picturePath)
    {
        CCdCoverRenderer cd;
        cd.m_nWidth = 64;
        cd.m_nHeight = 48;
        cd.m_crBackground = kBackground;
        cd.m_bShowBorder = false;
        cd.m_bShowSpineGuides = false;
        cd.m_bExtendImage = true;
        cd.m_strImagePath = picturePath;
        return RenderForPrint(cd, 96);
    }

    static Pixel Middle(const QImage& cover) { return PixelAt(cover, 32, 24); }

    QTemporaryDir m_dir;
};

// A palette picture of one colour: every pixel takes palette entry `index`.
FreeImagePtr PalettePicture(int bpp, int index)
{
    FreeImagePtr dib(FreeImage_Allocate(8, 6, bpp));
    RGBQUAD* palette = FreeImage_GetPalette(dib.get());
    palette[index] = RGBQUAD{90, 40, 200, 0}; // blue, green, red
    const int perByte = 8 / bpp;
    BYTE fill = 0;
    for (int i = 0; i < perByte; ++i)
        fill = static_cast<BYTE>((fill << bpp) | index);
    for (unsigned y = 0; y < FreeImage_GetHeight(dib.get()); ++y)
        std::memset(FreeImage_GetScanLine(dib.get(), static_cast<int>(y)), fill,
                    FreeImage_GetPitch(dib.get()));
    return dib;
}

// Red and green in the upper half, blue and white in the lower, as a viewer shows it.
FreeImagePtr QuadrantPicture()
{
    const BYTE colours[2][2][3] = {{{255, 0, 0}, {0, 255, 0}}, {{0, 0, 255}, {255, 255, 255}}};
    FreeImagePtr dib(FreeImage_Allocate(8, 6, 24));
    for (int y = 0; y < 6; ++y) {
        const int half = y >= 3 ? 0 : 1; // FreeImage's scan line 0 is the bottom row
        BYTE* pixel = FreeImage_GetScanLine(dib.get(), y);
        for (int x = 0; x < 8; ++x, pixel += 3) {
            const BYTE* rgb = colours[half][x >= 4 ? 1 : 0];
            pixel[FI_RGBA_RED] = rgb[0];
            pixel[FI_RGBA_GREEN] = rgb[1];
            pixel[FI_RGBA_BLUE] = rgb[2];
        }
    }
    return dib;
}

template <typename T> FreeImagePtr SixteenBitPicture(FREE_IMAGE_TYPE type, T value)
{
    FreeImagePtr dib(FreeImage_AllocateT(type, 8, 6));
    for (unsigned y = 0; y < FreeImage_GetHeight(dib.get()); ++y) {
        T* row = reinterpret_cast<T*>(FreeImage_GetScanLine(dib.get(), static_cast<int>(y)));
        for (unsigned x = 0; x < FreeImage_GetWidth(dib.get()); ++x)
            row[x] = value;
    }
    return dib;
}

} // namespace

TEST(CoverPictureFormat, EachExtensionNamesItsFormatInAnyCase)
{
    EXPECT_EQ(CoverPictureFormat("/home/ann/cover.jpg"), FIF_JPEG);
    EXPECT_EQ(CoverPictureFormat("/home/ann/cover.JPEG"), FIF_JPEG); // no ".JPG" in it
    EXPECT_EQ(CoverPictureFormat("/home/ann/Photo.Png"), FIF_PNG);
    EXPECT_EQ(CoverPictureFormat("/home/ann/scan.bmp"), FIF_BMP);
    EXPECT_EQ(CoverPictureFormat("/home/ann/scan.tiff"), FIF_TIFF);
    EXPECT_EQ(CoverPictureFormat("/home/ann/anim.gif"), FIF_GIF);
    EXPECT_EQ(CoverPictureFormat("/home/ann/disc.ico"), FIF_ICO);
    EXPECT_EQ(CoverPictureFormat("/home/ann/paint.pcx"), FIF_UNKNOWN);
    EXPECT_EQ(CoverPictureFormat("/home/ann/jpg"), FIF_UNKNOWN);
}

TEST(CoverPictureFormat, TheLastMatchingTestDecidesWhereverItMatches)
{
    EXPECT_EQ(CoverPictureFormat("/home/ann/scan.png.jpg"), FIF_PNG);
    EXPECT_EQ(CoverPictureFormat("/home/ann/ALBUM.GIF.OLD/FRONT.JPG"), FIF_GIF);
    EXPECT_EQ(CoverPictureFormat("/home/ann/shots.bmp/cover.tif"), FIF_TIFF);
}

TEST_F(CoverPictures, EveryPictureDepthShowsItsColour)
{
    struct Case
    {
        const char* name;
        FREE_IMAGE_FORMAT format;
        std::function<FreeImagePtr()> make;
        Pixel expected;
        int tolerance;
    };
    const Case cases[] = {
        {"mono.bmp", FIF_BMP, [] { return PalettePicture(1, 1); }, kPictureColour, 0},
        {"sixteen.gif", FIF_GIF, [] { return PalettePicture(4, 5); }, kPictureColour, 0},
        {"palette.gif", FIF_GIF, [] { return PalettePicture(8, 7); }, kPictureColour, 0},
        {"photo.jpg", FIF_JPEG, [] { return SolidPicture(24, 200, 40, 90); }, kPictureColour, 8},
        // A half-clear picture is laid over the side's colour (20, 160, 60): halfway between.
        {"alpha.png", FIF_PNG, [] { return SolidPicture(32, 200, 40, 90, 128); }, Rgb(110, 100, 75), 1},
        {"grey16.png", FIF_PNG, [] { return SixteenBitPicture<WORD>(FIT_UINT16, 0x80FF); }, kGrey, 0},
        {"rgb48.png", FIF_PNG,
         [] {
             return SixteenBitPicture(FIT_RGB16, FIRGB16{0xC8FF, 0x2800, 0x5A00});
         },
         kPictureColour, 0},
        {"scan.tiff", FIF_TIFF, [] { return SolidPicture(24, 200, 40, 90); }, kPictureColour, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = PathOf(QString::fromLatin1(c.name));
        ASSERT_TRUE(SavePicture(c.make().get(), c.format, path));
        const Pixel shown = Middle(CoverWith(path));
        EXPECT_TRUE(IsNear(shown, c.expected, c.tolerance)) << testing::PrintToString(shown);
    }
}

TEST_F(CoverPictures, PictureFillsTheCoverUprightAndUnmirrored)
{
    const FreeImagePtr dib = QuadrantPicture();
    const std::string path = PathOf("quadrants.png");
    ASSERT_TRUE(SavePicture(dib.get(), FIF_PNG, path));

    const QImage cover = CoverWith(path);

    EXPECT_EQ(PixelAt(cover, 5, 5), Rgb(255, 0, 0));
    EXPECT_EQ(PixelAt(cover, 58, 5), Rgb(0, 255, 0));
    EXPECT_EQ(PixelAt(cover, 5, 42), Rgb(0, 0, 255));
    EXPECT_EQ(PixelAt(cover, 58, 42), Rgb(255, 255, 255));
}

TEST_F(CoverPictures, NamesAreReadAsTheyAreWrittenWhateverTheCaseOfTheExtension)
{
    EXPECT_EQ(Middle(CoverWith(WriteSolid(FIF_PNG, "Photo.Png"))), kPictureColour);
    EXPECT_TRUE(IsNear(Middle(CoverWith(WriteSolid(FIF_JPEG, "holiday.jpeg"))), kPictureColour, 8));
}

TEST_F(CoverPictures, APathNamingBothJpgAndPngIsReadAsPng)
{
    // Ends in .jpg but holds a PNG: only reading it as PNG shows it.
    EXPECT_EQ(Middle(CoverWith(WriteSolid(FIF_PNG, "scan.png.jpg"))), kPictureColour);
}

// The file's content decides its format; the name counts only when the content says nothing.
TEST_F(CoverPictures, PicturesAreRecognisedByTheirContentWhateverTheirNames)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("album.png.d"));
    for (const std::string& path :
         {WriteSolid(FIF_JPEG, "album.png.d/front.jpg"), WriteSolid(FIF_JPEG, "download.png"),
          WriteSolid(FIF_PNG, "paint.pcx"), WriteSolid(FIF_BMP, "no-extension")}) {
        EXPECT_TRUE(CanReadCoverPicture(path)) << path;
        EXPECT_TRUE(IsNear(Middle(CoverWith(path)), kPictureColour, 8))
            << path; // JPEG shifts colours a little
    }
}

// Pictures wider than 65,535 pixels are drawn, from a copy scaled down to fit the limit.
TEST_F(CoverPictures, APictureBeyondTheSizeLimitIsDrawnScaledDown)
{
    FreeImagePtr wide(FreeImage_Allocate(70000, 16, 24));
    const RGBQUAD colour{90, 40, 200, 0}; // blue, green, red
    FreeImage_FillBackground(wide.get(), &colour);
    const std::string path = PathOf(QStringLiteral("wide.png"));
    ASSERT_TRUE(SavePicture(wide.get(), FIF_PNG, path));
    FIBITMAP* loaded = LoadCoverPicture(path);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(FreeImage_GetWidth(loaded), 65535u);
    EXPECT_EQ(FreeImage_GetHeight(loaded), 14u); // the proportions kept
    FreeImage_Unload(loaded);
    EXPECT_EQ(Middle(CoverWith(path)), kPictureColour);
}

TEST_F(CoverPictures, FilesHoldingNoPictureAreToldApartWhenChosen)
{
    QFile text(m_dir.filePath("notes.jpg"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just some words, no picture");
    text.close();
    EXPECT_FALSE(CanReadCoverPicture(PathOf("notes.jpg")));
    EXPECT_FALSE(CanReadCoverPicture(PathOf("gone.png")));
    EXPECT_FALSE(CanReadCoverPicture(""));
}

TEST_F(CoverPictures, MissingEmptyOrCorruptPicturesLeaveTheBackground)
{
    QFile corrupt(m_dir.filePath("broken.png"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("\x89PNG\r\n\x1a\n but nothing more");
    corrupt.close();

    EXPECT_EQ(Middle(CoverWith(PathOf("gone.png"))), Colour(kBackground));
    EXPECT_EQ(Middle(CoverWith(PathOf("broken.png"))), Colour(kBackground));
    EXPECT_EQ(Middle(CoverWith("")), Colour(kBackground));
    EXPECT_EQ(LoadCoverPicture(PathOf("broken.png")), nullptr);
}
