#include "RenderTestSupport.h"

#include "QtConvert.h"

#include <cstdlib>
#include <ios>

const Pixel kWhite = Rgb(255, 255, 255);
const Pixel kBlack = Rgb(0, 0, 0);
const Pixel kGrey = Rgb(128, 128, 128);

void PrintTo(const Pixel& pixel, std::ostream* os)
{
    *os << "0x" << std::hex << pixel.value << std::dec;
}

Pixel Rgb(int r, int g, int b)
{
    return Pixel{qRgb(r, g, b)};
}

Pixel Colour(COLORREF cr)
{
    return Rgb(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

Pixel PixelAt(const QImage& image, int x, int y)
{
    if (!image.valid(x, y))
        return Pixel{0};
    return Pixel{image.pixel(x, y) | 0xFF000000u};
}

bool IsNear(Pixel actual, Pixel expected, int tolerance)
{
    return std::abs(qRed(actual.value) - qRed(expected.value)) <= tolerance &&
           std::abs(qGreen(actual.value) - qGreen(expected.value)) <= tolerance &&
           std::abs(qBlue(actual.value) - qBlue(expected.value)) <= tolerance;
}

bool IsTextInk(QRgb pixel)
{
    return qRed(pixel) >= 128 && qGreen(pixel) < 128 && qBlue(pixel) < 128;
}

QRect InkBounds(const QImage& image, const QRect& area)
{
    QRect bounds;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (IsTextInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int DensestInkColumn(const QImage& image, const QRect& area)
{
    const QRect inside = area & image.rect();
    int densest = inside.left();
    int most = -1;
    for (int x = inside.left(); x <= inside.right(); ++x) {
        int count = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            count += IsTextInk(image.pixel(x, y)) ? 1 : 0;
        if (count > most) {
            most = count;
            densest = x;
        }
    }
    return densest;
}

LOGFONT Arial(LONG lfHeight)
{
    LOGFONT lf{};
    lf.lfHeight = lfHeight;
    lf.lfWeight = FW_NORMAL;
    SetFaceName(lf, "Arial");
    return lf;
}

CSize TextExtent(const LOGFONT& lf, const std::string& text, int ppi)
{
    QImage page = BlankPage(8, 8, ppi);
    CDC dc;
    dc.Attach(&page);
    CFont font;
    font.CreateFontIndirect(&lf);
    dc.SelectObject(&font);
    const CSize extent = dc.GetTextExtent(text);
    dc.DeleteDC();
    return extent;
}

QImage BlankPage(int width, int height, int ppi)
{
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(QColor(1, 2, 3));
    page.setDotsPerMeterX(qRound(ppi / 0.0254));
    page.setDotsPerMeterY(qRound(ppi / 0.0254));
    return page;
}

FreeImagePtr SolidPicture(int bpp, int r, int g, int b, int alpha)
{
    FreeImagePtr dib(FreeImage_Allocate(8, 6, bpp, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
    const int bytes = bpp / 8;
    for (unsigned y = 0; y < FreeImage_GetHeight(dib.get()); ++y) {
        BYTE* pixel = FreeImage_GetScanLine(dib.get(), static_cast<int>(y));
        for (unsigned x = 0; x < FreeImage_GetWidth(dib.get()); ++x, pixel += bytes) {
            pixel[FI_RGBA_RED] = static_cast<BYTE>(r);
            pixel[FI_RGBA_GREEN] = static_cast<BYTE>(g);
            pixel[FI_RGBA_BLUE] = static_cast<BYTE>(b);
            if (bytes == 4)
                pixel[FI_RGBA_ALPHA] = static_cast<BYTE>(alpha);
        }
    }
    return dib;
}

bool SavePicture(FIBITMAP* dib, FREE_IMAGE_FORMAT format, const std::string& path, int flags)
{
    return FreeImage_Save(format, dib, path.c_str(), flags) != 0;
}
