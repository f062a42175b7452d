#include "Stretch.h"

#include "WinTypes.h"

#include <cstdlib>
#include <vector>

namespace {

// Source index under the centre of destination index d, for n destination and m source pixels.
inline int CentreSample(int d, int n, int m)
{
    return static_cast<int>((2 * static_cast<int64_t>(d) + 1) * m / (2 * static_cast<int64_t>(n)));
}

QImage NearestNeighbour(const QImage& source, int width, int height)
{
    const QImage src =
        source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    QImage dest(width, height, QImage::Format_RGB32);
    if (dest.isNull())
        return dest;
    dest.setDotsPerMeterX(source.dotsPerMeterX());
    dest.setDotsPerMeterY(source.dotsPerMeterY());
    std::vector<int> columns(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[static_cast<size_t>(x)] = CentreSample(x, width, src.width());
    for (int y = 0; y < height; ++y) {
        const auto* in =
            reinterpret_cast<const QRgb*>(src.constScanLine(CentreSample(y, height, src.height())));
        auto* out = reinterpret_cast<QRgb*>(dest.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = in[columns[static_cast<size_t>(x)]];
    }
    return dest;
}

} // namespace

QImage StretchPixels(const QImage& source, int nDestWidth, int nDestHeight, int nStretchMode)
{
    const int width = std::abs(nDestWidth);
    const int height = std::abs(nDestHeight);
    if (source.isNull() || width == 0 || height == 0)
        return QImage();
    QImage result;
    if (width == source.width() && height == source.height())
        result = source;
    else if (nStretchMode == HALFTONE)
        result = source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    else
        result = NearestNeighbour(source, width, height);
    if (nDestWidth < 0 || nDestHeight < 0)
        result = result.mirrored(nDestWidth < 0, nDestHeight < 0);
    return result;
}
