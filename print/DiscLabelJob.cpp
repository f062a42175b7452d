#include "DiscLabelJob.h"

#include "CoverPrint.h"
#include "CoverRenderer.h"
#include "QtConvert.h"
#include "TrackListing.h"

#include <QPainter>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace {

// The part of the picture a cover's front shows, as fractions of the picture: the picture
// is stretched over the piece's picture area, and the front panel starts after the last
// fold (a CD booklet is all front).
QRectF PictureFrontOf(const CoverState& cover, CoverPiece piece)
{
    constexpr int kMeasure = 1000; // thousandths of an inch
    const CoverType type = cover.covertype;
    const CRect area =
        MakePieceRenderer(cover, CoverGeometry::ForCoverType(type), piece, kMeasure)->PictureArea();
    if (piece != CoverPiece::Insert || area.Width() <= 0)
        return QRectF(0, 0, 1, 1);
    const std::vector<int> folds = PieceFolds(kMeasure, type, piece);
    const int left = std::max(area.left, folds.empty() ? 0 : folds.back());
    return QRectF(static_cast<double>(left - area.left) / area.Width(), 0,
                  static_cast<double>(area.right - left) / area.Width(), 1);
}

// A track listing's rows as lines: the number and the title (a row with a title only, as
// "Disc 2", as it is); rows with neither are left out.
std::vector<std::string> ListingLines(const std::string& strListing)
{
    std::vector<std::string> lines;
    const std::vector<std::string> cells = DecodeTrackListingCells(strListing);
    for (size_t i = 0; i + 1 < cells.size(); i += 3) {
        const std::string number = OneLineCell(cells[i]);
        const std::string title = OneLineCell(cells[i + 1]);
        if (!title.empty())
            lines.push_back(number.empty() ? title : number + " " + title);
    }
    return lines;
}

// A DVD's title and the lines of its text, a last empty line left out.
std::vector<std::string> TitledLines(const std::string& strTitle, const std::string& strText)
{
    std::vector<std::string> lines;
    if (!strTitle.empty())
        lines.push_back(strTitle);
    QStringList texts = ToQString(strText).split(QRegularExpression(QStringLiteral("\r\n|\n\r|\r|\n")));
    while (!texts.isEmpty() && texts.last().trimmed().isEmpty())
        texts.removeLast();
    for (const QString& text : texts)
        lines.push_back(FromQString(text));
    return lines;
}

} // namespace

DiscLabelDesign DiscLabelDesignOf(const CoverState& cover, int nFontDpi)
{
    DiscLabelDesign design;
    design.nFontDpi = nFontDpi;
    const bool cd =
        cover.covertype != SlimlineCD && cover.covertype != StandardDVD && cover.covertype != SlimlineDVD;
    if (cd) { // the front booklet; its spine text is the tray card's, the one on the case
        design.crBackground = cover.fBGColor;
        design.strImagePath = cover.fImagePath;
        design.strArcText =
            !cover.backCoverSpineText.empty() ? cover.backCoverSpineText : cover.frontCoverSpineText;
        design.lines = ListingLines(cover.fCoverText);
        design.lfText = cover.fCoverTextFont;
        design.crText = cover.fCoverTextColor;
        return design;
    }
    design.crBackground = cover.bBGColor;
    design.strImagePath = cover.bImagePath;
    if (HasPrintedLayout(cover.covertype))
        design.pictureFront = PictureFrontOf(cover, CoverPiece::Insert);
    design.strArcText = cover.backCoverSpineText;
    design.lines = cover.covertype == SlimlineCD ? ListingLines(cover.bCoverText)
                                                 : TitledLines(cover.fCoverTitle, cover.fCoverText);
    design.lfText = cover.bCoverTextFont;
    design.crText = cover.bCoverTextColor;
    return design;
}

bool PrintsPosition(const DiscLabelJob& job, size_t nPosition)
{
    return nPosition >= 1 && nPosition <= job.sheet.centresMm.size() && nPosition <= 8 &&
           (job.nPositions >> (nPosition - 1) & 1u) != 0;
}

bool DiscLabelsFit(const DiscLabelJob& job, const QMarginsF& marginsMm)
{
    const PrintCalibration& c = job.calibration;
    const QRectF printable = QRectF(QPointF(), DiscSheetSizeMm(job.sheet)).marginsRemoved(marginsMm);
    const double radius = job.sheet.dOuterMm / 2;
    for (size_t i = 0; i < job.sheet.centresMm.size(); ++i) {
        const QPointF& centre = job.sheet.centresMm[i];
        const QRectF label(QPointF(c.dOffsetXMm + (centre.x() - radius) * c.dScaleX,
                                   c.dOffsetYMm + (centre.y() - radius) * c.dScaleY),
                           QSizeF(2 * radius * c.dScaleX, 2 * radius * c.dScaleY));
        if (PrintsPosition(job, i + 1) && !printable.contains(label))
            return false;
    }
    return true;
}

std::string DiscLabelsOffSheetMessage()
{
    return "Part of a label would fall outside the area the printer can print on.\n\nCheck the label's "
           "centres, and the offsets and sizes in Printer Alignment... (on the window's right-click menu), "
           "and print again.";
}

void DrawDiscLabelSheet(QPainter& painter, const DiscLabelJob& job, CPictureSource& pictures, TextFit* pFit)
{
    const int dpi = painter.device()->logicalDpiX();
    const double pixelsPerMm = dpi / 25.4;
    const DiscLabelDesign design = DiscLabelDesignOf(job.cover, job.nFontDpi);
    painter.save();
    ApplyCalibration(painter, job.calibration, dpi);
    for (size_t i = 0; i < job.sheet.centresMm.size(); ++i) {
        if (!PrintsPosition(job, i + 1))
            continue;
        const DiscLabelPlace place{job.sheet.centresMm[i] * pixelsPerMm, job.sheet.dOuterMm * pixelsPerMm,
                                   job.sheet.dHubMm * pixelsPerMm, job.bCutGuide};
        DrawDiscLabel(painter, design, place, pictures, pFit);
    }
    painter.restore();
}
