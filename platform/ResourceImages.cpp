#include "ResourceImages.h"

#include <QImageReader>
#include <map>

namespace {

std::map<int, Qt::CursorShape>& StandardCursors()
{
    static std::map<int, Qt::CursorShape> cursors;
    return cursors;
}

QString ResourcePath(const char* folder, int nId, const char* suffix = "")
{
    return QStringLiteral(":/%1/%2%3.png").arg(QLatin1String(folder)).arg(nId).arg(QLatin1String(suffix));
}

QImage LoadImageResource(const char* folder, int nId, qreal dRatio)
{
    if (dRatio > 1.0) {
        QImage sharp(ResourcePath(folder, nId, "@2x"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QImage(ResourcePath(folder, nId));
}

} // namespace

QPixmap LoadIconResource(int nId, qreal dRatio)
{
    return QPixmap::fromImage(LoadImageResource("icons", nId, dRatio));
}

QImage LoadBitmapResource(int nId, qreal dRatio)
{
    return LoadImageResource("bitmaps", nId, dRatio);
}

QIcon ApplicationIconResource(int nId)
{
    QIcon icon;
    icon.addFile(ResourcePath("icons", nId));
    icon.addFile(ResourcePath("icons", nId, "@2x"));
    return icon;
}

void RegisterStandardCursor(int nId, Qt::CursorShape shape)
{
    StandardCursors()[nId] = shape;
}

bool LoadCursorResource(int nId, QCursor* pCursor)
{
    const auto standard = StandardCursors().find(nId);
    if (standard != StandardCursors().end()) {
        if (pCursor)
            *pCursor = QCursor(standard->second);
        return true;
    }
    QImageReader reader(ResourcePath("cursors", nId));
    if (!reader.canRead())
        return false;
    const QImage image = reader.read();
    if (image.isNull() || !pCursor)
        return false;
    int hotX = 0;
    int hotY = 0;
    const QStringList hotspot = reader.text(QStringLiteral("hotspot")).split(QLatin1Char(','));
    if (hotspot.size() == 2) {
        hotX = hotspot[0].toInt();
        hotY = hotspot[1].toInt();
    }
    *pCursor = QCursor(QPixmap::fromImage(image), hotX, hotY);
    return true;
}
