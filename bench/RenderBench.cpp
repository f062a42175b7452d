// What a cover drawing costs next to decoding its background picture: the preview paint
// of each renderer at 96 ppi into a 500 × 400 preview, first with an empty preview cache and
// then again with nothing changed, and the DVD cover drawn for paper at 600 ppi, all with a
// 6000 × 4000 JPEG background. Beside them, the least any decoder can do for a first paint:
// libjpeg-turbo at 1/8 scale, which still has to read every coefficient of the file.
#include "CoverGeometry.h"
#include "CoverRenderer.h"
#include "CoverRenderers.h"
#include "PictureCut.h"
#include "PreviewPictures.h"
#include "QtConvert.h"
#include "TrackListing.h"

#include "PeakMemory.h"
#include <FreeImage.h>
#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <fstream>
#include <iterator>
#include <jpeglib.h>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string g_picture;

// A photo-like picture: gradients with noise, so that JPEG has real work to do.
void WritePhoto(const std::string& path)
{
    QImage image(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = static_cast<int>(random.bounded(24));
            row[x] = qRgb((x / 16 + noise) & 0xFF, (y / 12 + noise) & 0xFF, ((x + y) / 28 + noise) & 0xFF);
        }
    }
    image.save(QString::fromStdString(path), "JPG", 90);
}

LOGFONT TextFont()
{
    LOGFONT lf{};
    lf.lfHeight = -24;
    SetFaceName(lf, "Arial");
    return lf;
}

const std::string kListing = EncodeTrackListing(
    {{"1.", "Harbour Lights", "3:41"}, {"2.", "Paper Boats", "4:02"}, {"3.", "Coda", "1:09"}});

// Paints a renderer as the preview does: full size at 96 ppi, shrunk into 500 × 400.
void PaintPreview(CCoverRenderer& renderer, QImage& target)
{
    CDC dc;
    dc.Attach(&target);
    renderer.Draw(&dc, CRect(0, 0, 500, 400), 0, &dc);
}

QImage PreviewTarget()
{
    QImage target(500, 400, QImage::Format_RGB32);
    target.fill(Qt::white);
    target.setDotsPerMeterX(3780);
    target.setDotsPerMeterY(3780);
    return target;
}

// The renderer of a cover of the kind with the photo, a listing or texts and spine text, at
// a resolution, as the preview and printing fill it.
std::unique_ptr<CCoverRenderer> Renderer(CoverType type, int ppi)
{
    CoverState cover;
    cover.ResetToDefaults(96, type);
    cover.covertype = type;
    cover.bImagePath = g_picture;
    cover.bCoverTextFont = TextFont();
    cover.bCoverText = type == StandardDVD ? "A film about the sea." : kListing;
    cover.bCoverTitle = "The Quiet Coast";
    cover.backCoverSpineText = "HARBOUR LIGHTS";
    CoverGeometry geometry;
    geometry.SetForCoverType(type, 0, 0, 0, 0);
    const CoverPiece piece = type == StandardCD ? CoverPiece::CdBack : CoverPiece::Insert;
    return MakePieceRenderer(cover, geometry, piece, ppi);
}

// A preview's renderer: shrunk into 500 × 400, its picture from the preview's cache.
std::unique_ptr<CCoverRenderer> PreviewRenderer(CoverType type, CPreviewPictures& pictures)
{
    std::unique_ptr<CCoverRenderer> renderer = Renderer(type, 96);
    renderer->m_dScaleX = 500.0 / renderer->m_nWidth;
    renderer->m_dScaleY = 400.0 / renderer->m_nHeight;
    renderer->SetPictureSource(&pictures);
    return renderer;
}

void BM_DecodePictureOnly(benchmark::State& state)
{
    for (auto _ : state) {
        FIBITMAP* bitmap = FreeImage_Load(FIF_JPEG, g_picture.c_str(), 0);
        benchmark::DoNotOptimize(bitmap);
        FreeImage_Unload(bitmap);
    }
}

// libjpeg-turbo's fastest way to a picture an eighth of the size, from the file in memory:
// only the DC coefficients are used, but every AC coefficient must still be Huffman-decoded
// to find the next block's.
void BM_DecodeEighthScaleFloor(benchmark::State& state)
{
    std::ifstream file(g_picture, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), {});
    for (auto _ : state) {
        jpeg_decompress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, bytes.data(), bytes.size());
        jpeg_read_header(&info, TRUE);
        info.scale_denom = 8;
        info.dct_method = JDCT_IFAST;
        info.do_fancy_upsampling = FALSE;
        info.out_color_space = JCS_EXT_BGRX;
        jpeg_start_decompress(&info);
        std::vector<unsigned char> row(info.output_width * 4);
        JSAMPROW rows[] = {row.data()};
        while (info.output_scanline < info.output_height)
            jpeg_read_scanlines(&info, rows, 1);
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
    }
}

// The first paint of a preview: the picture is not in the preview cache yet.
void BM_PreviewFirstPaint(benchmark::State& state)
{
    CPreviewPictures pictures;
    const std::unique_ptr<CCoverRenderer> renderer =
        PreviewRenderer(static_cast<CoverType>(state.range(0)), pictures);
    QImage target = PreviewTarget();
    for (auto _ : state) {
        pictures.Clear();
        PaintPreview(*renderer, target);
    }
}

// A repaint with nothing changed; the cache holds the picture at the preview's size.
void BM_PreviewRepaint(benchmark::State& state)
{
    CPreviewPictures pictures;
    const std::unique_ptr<CCoverRenderer> renderer =
        PreviewRenderer(static_cast<CoverType>(state.range(0)), pictures);
    QImage target = PreviewTarget();
    PaintPreview(*renderer, target);
    for (auto _ : state)
        PaintPreview(*renderer, target);
    state.counters["cache_over_preview_pixels"] = static_cast<double>(pictures.Pixels()) / (500.0 * 400.0);
}

// The first paint of a CD's back with the same photo freshly cropped to the back's
// proportions (a JPEG cut on its own blocks), beside the first paint with the whole photo.
void BM_PreviewFirstPaintCropped(benchmark::State& state)
{
    const std::string target = g_picture + "-cut";
    const PictureCut cut = CutPicture(g_picture, QRect(438, 0, 5124, 4000), target);
    CPreviewPictures pictures;
    const std::unique_ptr<CCoverRenderer> renderer = PreviewRenderer(StandardCD, pictures);
    renderer->m_strImagePath = cut.strPath;
    QImage target500 = PreviewTarget();
    for (auto _ : state) {
        pictures.Clear();
        PaintPreview(*renderer, target500);
    }
}

// The DVD insert for paper at 600 ppi, drawn into a page-sized image as the printer would
// receive it; the peak memory of the drawing is reported against one full-size image.
void BM_DvdForPrintAt600(benchmark::State& state)
{
    const std::unique_ptr<CCoverRenderer> renderer = Renderer(StandardDVD, 600);
    CCoverRenderer& dvd = *renderer;
    QImage page(dvd.m_nWidth, dvd.m_nHeight, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(600 / 0.0254));
    page.setDotsPerMeterY(qRound(600 / 0.0254));
    page.fill(Qt::white);
    double peakRatio = 0;
    const double fullSize = 4.0 * dvd.m_nWidth * dvd.m_nHeight / 1024.0;
    for (auto _ : state) {
        const long before = StartPeakCount();
        CDC dc;
        dc.Attach(&page);
        dvd.DrawForPrint(&dc, CRect(0, 0, dvd.m_nWidth, dvd.m_nHeight), 96);
        peakRatio = std::max(peakRatio, PeakAbove(before) / fullSize);
    }
    state.counters["peak_over_full_size"] = peakRatio;
}

BENCHMARK(BM_DecodePictureOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeEighthScaleFloor)->Unit(benchmark::kMillisecond);
// Each kind of case: 1 standard CD, 2 standard DVD, 4 slimline CD.
BENCHMARK(BM_PreviewFirstPaintCropped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewFirstPaint)
    ->Arg(StandardCD)
    ->Arg(StandardDVD)
    ->Arg(SlimlineCD)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewRepaint)
    ->Arg(StandardCD)
    ->Arg(StandardDVD)
    ->Arg(SlimlineCD)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DvdForPrintAt600)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    FreeImage_Initialise(FALSE);
    QTemporaryDir folder;
    g_picture = folder.filePath(QStringLiteral("photo.jpg")).toStdString();
    WritePhoto(g_picture);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    FreeImage_DeInitialise();
    return 0;
}
