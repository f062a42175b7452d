#include "CoverExport.h"

#include "CoverFile.h"
#include "CoverOutputs.h"
#include "CoverPrint.h"
#include "DiscLabelOutputs.h"
#include "OutputMessages.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

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

// What the request asks for that no cover could give; empty when it can be tried.
std::string RequestFault(const ExportRequest& request, OutputKind kind)
{
    if (kind == OutputKind::Unknown)
        return "the output name must end in .pdf or .png: " + request.strOutputPath;
    if (request.nDpi < 1 || request.nDpi > kMaxExportDpi)
        return "the resolution must be between 1 and " + std::to_string(kMaxExportDpi) + " dpi";
    if (request.dBleedMm > kMaxBleedMm)
        return "the bleed must be between 0 and 5 millimetres";
    if (request.bDiscLabel && request.dBleedMm >= 0)
        return "a disc label sheet has no bleed: leave out --bleed";
    if (request.bDiscLabel)
        return DiscSheetFault(request.discSheet);
    if (request.dBleedMm >= 0 && kind != OutputKind::Pdf)
        return "a print-shop export (--bleed) is a PDF: " + request.strOutputPath;
    return std::string();
}

// The sheet of the cover on the paper asked for; a reason when the cover has no printed
// layout or does not fit the paper.
std::string PlanSheet(const ExportRequest& request, SheetJob* pJob)
{
    const CoverType type = pJob->cover.covertype;
    if (!HasPrintedLayout(type))
        return request.strCoverPath + " is a cover of a custom size, which has no printed layout";
    pJob->layout = CoverSheetLayout(type, request.paper);
    if (request.bCalibrated && request.dBleedMm < 0) // a print shop's pages are not aligned
        pJob->calibration = StoredPrintCalibration();
    pJob->placement = PlaceCoverOnSheet(type, pJob->layout, pJob->calibration);
    if (!pJob->placement.bFitsWithoutAlignment)
        return "the cover does not fit on " + DescribeSheet(pJob->layout) + " (see --help for --paper)";
    if (!pJob->placement.bFits)
        return "with the printer alignment applied, part of the cover would fall outside " +
               DescribeSheet(pJob->layout) + " (see Printer Alignment... in Sleevora)";
    return std::string();
}

// The labels of the sheet, refused when the alignment would push one off it.
std::string WriteDiscLabels(const ExportRequest& request, OutputKind kind, const CoverState& cover)
{
    DiscLabelJob job{cover, request.discSheet, request.nDiscPositions, request.bCutGuide, {}, kScreenDpi};
    if (request.bCalibrated)
        job.calibration = StoredPrintCalibration();
    if (!DiscLabelsFit(job))
        return "with the printer alignment applied, part of a label would fall off the sheet (see Printer "
               "Alignment... in Sleevora)";
    const std::string reason = kind == OutputKind::Pdf
                                   ? WriteDiscLabelPdf(request.strOutputPath, job)
                                   : WriteDiscLabelPng(request.strOutputPath, job, request.nDpi);
    return reason.empty() ? reason : OutputWriteMessage(request.strOutputPath, reason).strLine;
}

std::string WriteOutput(const ExportRequest& request, OutputKind kind, const SheetJob& job)
{
    const std::string& path = request.strOutputPath;
    if (request.dBleedMm >= 0)
        return WritePrintShopPdf(path, job.cover, request.dBleedMm, job.nFontDpi);
    return kind == OutputKind::Pdf ? WriteCoverPdf(path, job) : WriteCoverPng(path, job, request.nDpi);
}

} // namespace

std::string ExportCover(const ExportRequest& request)
{
    const OutputKind kind = KindOf(request.strOutputPath);
    if (std::string fault = RequestFault(request, kind); !fault.empty())
        return fault;
    const QTemporaryDir pictures;
    if (!pictures.isValid())
        return "cannot make a temporary folder for the cover's pictures";
    CoverState cover;
    cover.ResetToDefaults(kScreenDpi, StandardCD);
    const CoverLoadResult read = ReadCoverFile(request.strCoverPath, cover, pictures.path().toStdString());
    if (read.status != CoverLoadStatus::Loaded)
        return CoverLoadMessage(read, request.strCoverPath).strLine;
    if (request.bDiscLabel)
        return WriteDiscLabels(request, kind, cover);
    SheetJob job{cover, {}, {}, {}};
    if (std::string fault = PlanSheet(request, &job); !fault.empty())
        return fault;
    const std::string reason = WriteOutput(request, kind, job);
    return reason.empty() ? reason : OutputWriteMessage(request.strOutputPath, reason).strLine;
}
