#include "PreviewDescription.h"

#include "DvdCoverRenderer.h"
#include "ListingCoverRenderer.h"
#include "QtConvert.h"
#include "TrackListing.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString KindName(CoverType type)
{
    switch (type) {
    case StandardCD:
        return QStringLiteral("Standard CD case");
    case StandardDVD:
        return QStringLiteral("Standard DVD case");
    case SlimlineCD:
        return QStringLiteral("Slimline CD case");
    case SlimlineDVD:
        return QStringLiteral("Slimline DVD case");
    default:
        return QStringLiteral("Cover");
    }
}

// The picture by its file name, or else the background colour as #rrggbb.
QString Backdrop(const CCoverRenderer& renderer)
{
    if (!renderer.m_strImagePath.empty())
        return QStringLiteral("picture ") +
               QFileInfo(QFile::decodeName(QByteArray::fromStdString(renderer.m_strImagePath))).fileName();
    const COLORREF colour = renderer.m_crBackground;
    return QStringLiteral("background colour #%1%2%3")
        .arg(GetRValue(colour), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(colour), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(colour), 2, 16, QLatin1Char('0'));
}

// The first line of a text with something on it besides spaces; empty when there is none.
QString FirstLine(const std::string& strText)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n\r|\r|\n"));
    for (const QString& line : ToQString(strText).split(lineBreak)) {
        if (!line.trimmed().isEmpty())
            return line.trimmed();
    }
    return {};
}

} // namespace

QString PreviewName(CoverSide side)
{
    return side == CoverSide::Front ? QStringLiteral("Front cover preview")
                                    : QStringLiteral("Back cover preview");
}

QString InsertPreviewName()
{
    return QStringLiteral("Insert preview");
}

// The listing's cells run number, title, length, row after row: the titles are every
// third cell from the second.
QString DescribePreview(CoverType type, const CListingCoverRenderer& renderer)
{
    QString firstTrack;
    const std::vector<std::string> cells = DecodeTrackListingCells(renderer.m_strText);
    for (size_t i = 1; i < cells.size() && firstTrack.isEmpty(); i += 3)
        firstTrack = ToQString(OneLineCell(cells[i])).trimmed();
    return KindName(type) + QStringLiteral(", ") + Backdrop(renderer) +
           (firstTrack.isEmpty() ? QStringLiteral(", no tracks")
                                 : QStringLiteral(", first track: ") + firstTrack);
}

QString DescribePreview(CoverType type, const CDvdCoverRenderer& renderer)
{
    QString firstLine;
    for (const std::string* text : {&renderer.m_strFrontTitle, &renderer.m_strFrontText,
                                    &renderer.m_strBackTitle, &renderer.m_strBackText}) {
        firstLine = FirstLine(*text);
        if (!firstLine.isEmpty())
            break;
    }
    return KindName(type) + QStringLiteral(", ") + Backdrop(renderer) +
           (firstLine.isEmpty() ? QStringLiteral(", no text") : QStringLiteral(", text: ") + firstLine);
}
