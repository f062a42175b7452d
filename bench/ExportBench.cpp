// What printing a DVD cover with a big photograph to PDF costs: wall time, peak memory and
// the size of the PDF, for the PDF that keeps vectors and the photo's own JPEG data (what
// sleevora-export writes) beside the bitmap road printers take: the page drawn at 600 dpi
// and handed to Qt's PDF writer, which compresses the picture again.
#include "CoverExport.h"
#include "CoverFile.h"
#include "CoverFit.h"
#include "CoverPrint.h"
#include "CoverState.h"

#include "PeakMemory.h"
#include "TrackListing.h"
#include <FreeImage.h>
#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {

QTemporaryDir* g_folder = nullptr;
std::string g_cover;
double g_jpegBytes = 0;

// A photo-like 6000 × 4000 picture: smooth light with grain, as a camera gives.
void WritePhoto(const QString& path)
{
    QImage image(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator random(11);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = static_cast<int>(random.bounded(12));
            row[x] =
                qRgb((x / 30 + grain) & 0xFF, (y / 20 + grain) & 0xFF, (120 + (x + y) / 80 + grain) & 0xFF);
        }
    }
    image.save(path, "JPG", 90);
    g_jpegBytes = static_cast<double>(QFileInfo(path).size());
}

void WriteDvdCover()
{
    const QString photo = g_folder->filePath(QStringLiteral("photo.jpg"));
    WritePhoto(photo);
    CoverState cover;
    cover.ResetToDefaults(96, StandardDVD);
    cover.covertype = StandardDVD;
    cover.bImagePath = photo.toStdString();
    cover.bCoverTitle = "High Country";
    cover.backCoverSpineText = "HIGH COUNTRY";
    g_cover = g_folder->filePath(QStringLiteral("dvd.slv")).toStdString();
    WriteCoverFile(g_cover, cover);
}

// Runs the export once per iteration and reports its peak memory and the output's size.
void RunExport(benchmark::State& state, const ExportRequest& request)
{
    long peak = 0;
    for (auto _ : state) {
        const long before = StartPeakCount();
        ExportCover(request);
        peak = std::max(peak, PeakAbove(before));
    }
    state.counters["peak_MB_above_start"] = peak / 1024.0;
    state.counters["pdf_MB"] = QFileInfo(QString::fromStdString(request.strOutputPath)).size() / 1048576.0;
}

void BM_ExportDvdToPdf(benchmark::State& state)
{
    ExportRequest request;
    request.strCoverPath = g_cover;
    request.strOutputPath = g_folder->filePath(QStringLiteral("out.pdf")).toStdString();
    RunExport(state, request);
    state.counters["pdf_over_jpeg"] =
        QFileInfo(QString::fromStdString(request.strOutputPath)).size() / g_jpegBytes;
}

BENCHMARK(BM_ExportDvdToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same cover file read the same way, its page drawn as a printer gets it (a 600 dpi
// bitmap) onto Qt's PDF writer.
void BM_DvdPdfBitmapRoad(benchmark::State& state)
{
    const QString output = g_folder->filePath(QStringLiteral("bitmap.pdf"));
    long peak = 0;
    for (auto _ : state) {
        const long before = StartPeakCount();
        QTemporaryDir pictures;
        CoverState cover;
        cover.ResetToDefaults(96, StandardCD);
        ReadCoverFile(g_cover, cover, pictures.path().toStdString());
        QPdfWriter writer(output);
        writer.setPageLayout(CoverSheetLayout(cover.covertype));
        writer.setResolution(kMaxPrintDpi);
        QPainter painter(&writer);
        DrawCoverPage(painter, cover, 96, PlaceCoverOnSheet(cover.covertype, writer.pageLayout()));
        painter.end();
        peak = std::max(peak, PeakAbove(before));
    }
    state.counters["peak_MB_above_start"] = peak / 1024.0;
    state.counters["pdf_MB"] = QFileInfo(output).size() / 1048576.0;
    state.counters["pdf_over_jpeg"] = QFileInfo(output).size() / g_jpegBytes;
}

BENCHMARK(BM_DvdPdfBitmapRoad)->Unit(benchmark::kMillisecond)->UseRealTime();

// The print-shop PDF of the same cover, 3 mm bleed, beside the plain export.
void BM_ExportDvdToPrintShopPdf(benchmark::State& state)
{
    ExportRequest request;
    request.strCoverPath = g_cover;
    request.strOutputPath = g_folder->filePath(QStringLiteral("shop.pdf")).toStdString();
    request.dBleedMm = 3.0;
    RunExport(state, request);
}

BENCHMARK(BM_ExportDvdToPrintShopPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// The disc labels of the same cover on a two-label A4 sheet, beside the plain export: the
// photo goes in once as its own JPEG data, clipped to each ring.
void BM_ExportDvdDiscLabelsToPdf(benchmark::State& state)
{
    ExportRequest request;
    request.strCoverPath = g_cover;
    request.strOutputPath = g_folder->filePath(QStringLiteral("labels.pdf")).toStdString();
    request.bDiscLabel = true;
    request.discSheet = *FindDiscLabelSheet("avery-l6015");
    RunExport(state, request);
}

BENCHMARK(BM_ExportDvdDiscLabelsToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// The measure the main window takes after each change of a side's texts, and Shrink to
// Fit's search, on a 99-track listing of a standard CD's back.
CoverState NinetyNineTracks()
{
    CoverState cover;
    cover.ResetToDefaults(96, StandardCD);
    cover.covertype = StandardCD;
    std::vector<TrackRow> rows;
    for (int i = 1; i <= 99; ++i)
        rows.push_back(
            {std::to_string(i) + ".", "A title of some length, number " + std::to_string(i), "3:00"});
    cover.bCoverText = EncodeTrackListing(rows);
    return cover;
}

void BM_MeasureTextFit(benchmark::State& state)
{
    const CoverState cover = NinetyNineTracks();
    for (auto _ : state)
        benchmark::DoNotOptimize(MeasureSideFit(cover, CoverSide::Back, 96));
}
BENCHMARK(BM_MeasureTextFit)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ShrinkToFit(benchmark::State& state)
{
    for (auto _ : state) {
        CoverState cover = NinetyNineTracks();
        benchmark::DoNotOptimize(ShrinkSideToFit(cover, CoverSide::Back, 96));
    }
}
BENCHMARK(BM_ShrinkToFit)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    FreeImage_Initialise(FALSE);
    QTemporaryDir folder;
    g_folder = &folder;
    WriteDvdCover();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    FreeImage_DeInitialise();
    return 0;
}
