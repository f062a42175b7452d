#include "QtConvert.h"

#include "MulDiv.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>

QColor ToQColor(COLORREF cr)
{
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

COLORREF FromQColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return RGB(static_cast<BYTE>(rgb.red()), static_cast<BYTE>(rgb.green()), static_cast<BYTE>(rgb.blue()));
}

QRect ToQRect(const RECT& rc)
{
    return QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

RECT FromQRect(const QRect& rect)
{
    return RECT{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

namespace {

// Windows gives a font of height 0 its default size; 16 pixels is 12 points at 96 dpi.
constexpr int kDefaultPixelHeight = 16;

// The em height whose ascent plus descent equals the wanted cell height.
int EmHeightForCellHeight(const QFont& font, int cellHeight)
{
    QFont probe(font);
    probe.setPixelSize(1000);
    const QFontMetricsF metrics(probe);
    const qreal cell = metrics.ascent() + metrics.descent();
    if (cell <= 0)
        return cellHeight;
    return std::max(1, qRound(cellHeight * 1000.0 / cell));
}

struct FaceStyle
{
    bool bold = false;
    bool italic = false;
};

// Windows also finds a font by its full name, "Verdana Bold" being Verdana's bold face.
// Where no family of that whole name exists here, the style words at the end are taken
// off the name and asked for as weight and slant.
FaceStyle SplitFullFaceName(QString& face)
{
    FaceStyle style;
    if (face.isEmpty() || QFontDatabase::hasFamily(face))
        return style;
    for (;;) {
        if (face.endsWith(QLatin1String(" Bold"), Qt::CaseInsensitive)) {
            style.bold = true;
            face.chop(5);
        } else if (face.endsWith(QLatin1String(" Italic"), Qt::CaseInsensitive)) {
            style.italic = true;
            face.chop(7);
        } else {
            return style;
        }
    }
}

} // namespace

QFont ToQFont(const LOGFONT& lf)
{
    QFont font;
    QString face = ToQString(std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE)));
    const FaceStyle style = SplitFullFaceName(face);
    if (!face.isEmpty())
        font.setFamilies({face});
    font.setItalic(lf.lfItalic != 0 || style.italic);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    LONG requested = lf.lfWeight;
    if (requested <= 0 && style.bold)
        requested = FW_BOLD;
    const int weight = requested <= 0 ? FW_NORMAL : std::min<LONG>(requested, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    if (lf.lfQuality == NONANTIALIASED_QUALITY)
        font.setStyleStrategy(QFont::NoAntialias);
    if (lf.lfHeight < 0)
        font.setPixelSize(std::max<LONG>(1, -lf.lfHeight));
    else if (lf.lfHeight > 0)
        font.setPixelSize(EmHeightForCellHeight(font, lf.lfHeight));
    else
        font.setPixelSize(kDefaultPixelHeight);
    return font;
}

void SetFaceName(LOGFONT& lf, const std::string& face)
{
    // A longer name is cut at 31 bytes, before the character that would be split: half a
    // character is no name, and no cover file could hold it.
    size_t length = std::min<size_t>(face.size(), LF_FACESIZE - 1);
    if (length < face.size())
        while (length > 0 && (static_cast<unsigned char>(face[length]) & 0xC0) == 0x80)
            --length;
    std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
    std::memcpy(lf.lfFaceName, face.data(), length);
}

LOGFONT FromQFont(const QFont& font, int nLogPixelsY)
{
    LOGFONT lf{};
    const int pixels =
        font.pixelSize() > 0 ? font.pixelSize() : MulDiv(qRound(font.pointSizeF() * 10), nLogPixelsY, 720);
    lf.lfHeight = -pixels;
    lf.lfWeight = font.weight();
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    lf.lfCharSet = DEFAULT_CHARSET;
    SetFaceName(lf, FromQString(font.family()));
    return lf;
}

bool IsValidUtf8(const std::string& bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

namespace {

// Windows-1252 differs from Latin-1 in 0x80 to 0x9F; the five unassigned codes map to
// the C1 controls of the same value, as Windows does.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromWindows1252(const std::string& bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte < 0xA0 ? QChar(kCp1252High[byte - 0x80]) : QChar(byte));
    }
    return text;
}

} // namespace

QString ToQString(const std::string& bytes)
{
    if (IsValidUtf8(bytes))
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return FromWindows1252(bytes);
}

std::string FromQString(const QString& text)
{
    return text.toStdString();
}
