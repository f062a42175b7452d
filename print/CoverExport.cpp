#include "CoverExport.h"

#include "CoverFile.h"
#include "CoverPrint.h"
#include "CoverState.h"
#include "PagePictures.h"
#include "PdfEditing.h"
#include "PrintShopPdf.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

// The font heights of a cover are pixels of the screen it was designed on.
constexpr int kScreenDpi = 96;

enum class OutputKind
{
    Pdf,
    Png,
    Unknown
};

OutputKind KindOf(const std::string& strPath)
{
    const QString suffix = QFileInfo(QString::fromStdString(strPath)).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return OutputKind::Pdf;
    if (suffix == QLatin1String("png"))
        return OutputKind::Png;
    return OutputKind::Unknown;
}

// What one exported sheet is: the cover, the sheet's layout and where the cover goes on it.
struct SheetJob
{
    const CoverState& cover;
    QPageLayout layout;
    CoverPlacement placement;
    PrintCalibration calibration;
};

// The page as a PDF that keeps vectors: text as text (its fonts embedded), lines as lines,
// JPEG pictures as their files' own bytes and other pictures exactly.
std::string WritePdf(QSaveFile& file, const SheetJob& job)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CPagePictures pictures;
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(job.layout);
        writer.setResolution(CoverPrintResolution(kMaxPrintDpi));
        writer.setTitle(QStringLiteral("Cover"));
        writer.setCreator(QStringLiteral("Sleevora"));
        QPainter painter;
        if (!painter.begin(&writer))
            return "cannot start the PDF";
        DrawCoverPage(painter, job.cover, kScreenDpi, job.placement, job.calibration, &pictures);
        painter.end();
    }
    std::string error;
    const QByteArray pdf = WithOriginalJpegs(buffer.data(), pictures.Jpegs(), &error);
    if (pdf.isEmpty())
        return error;
    return file.write(pdf) == pdf.size() ? std::string() : "cannot write the PDF";
}

std::string WritePng(QSaveFile& file, const SheetJob& job, int nDpi)
{
    const QPageLayout& layout = job.layout;
    const QRect sheet = layout.fullRectPixels(nDpi);
    QImage image(sheet.size(), QImage::Format_RGB32);
    if (image.isNull())
        return "the picture is too large for this resolution";
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(nDpi / 0.0254));
    image.setDotsPerMeterY(qRound(nDpi / 0.0254));
    {
        QPainter painter(&image);
        painter.translate(layout.paintRectPixels(nDpi).topLeft());
        DrawCoverPage(painter, job.cover, kScreenDpi, job.placement, job.calibration);
    }
    return image.save(&file, "PNG") ? std::string() : "cannot write the picture";
}

std::string WritePrintShop(QSaveFile& file, const CoverState& cover, double dBleedMm)
{
    std::string error;
    const QByteArray pdf = PrintShopPdf(cover, dBleedMm, &error);
    if (pdf.isEmpty())
        return error;
    return file.write(pdf) == pdf.size() ? std::string() : "cannot write the PDF";
}

// Reads the cover into the one cover record, its pictures into a folder of the job's own.
std::string ReadCover(const std::string& strPath, const QTemporaryDir& pictures)
{
    if (!QFileInfo(QString::fromStdString(strPath)).isFile())
        return "cannot read " + strPath + ": no such file";
    CoverState& cover = TheCover();
    cover.ResetToDefaults(kScreenDpi, StandardCD);
    const CoverLoadResult result = ReadCoverFile(strPath, cover, pictures.path().toStdString());
    switch (result.status) {
    case CoverLoadStatus::Loaded:
        return std::string();
    case CoverLoadStatus::NotACover:
        return strPath + " is not a Sleevora cover file";
    case CoverLoadStatus::Missing:
        return "cannot read " + strPath + ": no such file";
    case CoverLoadStatus::Unreadable:
        break;
    }
    return result.strError.empty() ? "cannot read " + strPath : result.strError;
}

} // namespace

std::string ExportCover(const ExportRequest& request)
{
    const OutputKind kind = KindOf(request.strOutputPath);
    if (kind == OutputKind::Unknown)
        return "the output name must end in .pdf or .png: " + request.strOutputPath;
    if (request.nDpi < 1 || request.nDpi > 1200)
        return "the resolution must be between 1 and 1200 dpi";
    QTemporaryDir pictures;
    if (!pictures.isValid())
        return "cannot make a temporary folder for the cover's pictures";
    if (std::string error = ReadCover(request.strCoverPath, pictures); !error.empty())
        return error;
    const CoverState& cover = TheCover();
    if (!HasPrintedLayout(cover.covertype))
        return request.strCoverPath + " is a cover of a custom size, which has no printed layout";
    SheetJob job{cover, CoverSheetLayout(cover.covertype, request.paper), {}, {}};
    job.placement = PlaceCoverOnSheet(cover.covertype, job.layout);
    if (!job.placement.bFits)
        return "the cover does not fit on " + DescribeSheet(job.layout) + " (see --help for --paper)";
    if (request.bCalibrated)
        job.calibration = StoredPrintCalibration();
    if (request.dBleedMm >= 0 && kind != OutputKind::Pdf)
        return "a print-shop export (--bleed) is a PDF: " + request.strOutputPath;
    QSaveFile file(QString::fromStdString(request.strOutputPath));
    if (!file.open(QIODevice::WriteOnly))
        return "cannot write " + request.strOutputPath + ": " + file.errorString().toStdString();
    std::string error;
    if (request.dBleedMm >= 0)
        error = WritePrintShop(file, cover, request.dBleedMm);
    else
        error = kind == OutputKind::Pdf ? WritePdf(file, job) : WritePng(file, job, request.nDpi);
    if (!error.empty()) {
        file.cancelWriting();
        return error + ": " + request.strOutputPath;
    }
    if (!file.commit())
        return "cannot write " + request.strOutputPath + ": " + file.errorString().toStdString();
    return std::string();
}
