#include "ResourceImages.h"

#include <QImageReader>
#include <map>

namespace {

std::map<int, Qt::CursorShape>& StandardCursors()
{
    static std::map<int, Qt::CursorShape> cursors;
    return cursors;
}

QString ResourcePath(const char* folder, int nId)
{
    return QStringLiteral(":/%1/%2.png").arg(QLatin1String(folder)).arg(nId);
}

} // namespace

QPixmap LoadIconResource(int nId)
{
    return QPixmap(ResourcePath("icons", nId));
}

QImage LoadBitmapResource(int nId)
{
    return QImage(ResourcePath("bitmaps", nId));
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
