// Importing a large folder of music: 20,000 tagged FLAC files (copies of one second of
// silence, each with its own title and number) read into the rows of a listing, as Import...
// does before the grid shows them.
#include "TrackImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int kFiles = 20000;
QTemporaryDir* g_folder = nullptr;

bool MakeFolder()
{
    const QString first = g_folder->filePath(QStringLiteral("00001 - Track.flac"));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
                  QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("anullsrc=r=44100:cl=stereo"),
                  QStringLiteral("-t"), QStringLiteral("1"), QStringLiteral("-metadata"),
                  QStringLiteral("title=A Song"), first});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        return false;
    for (int i = 2; i <= kFiles; ++i)
        if (!QFile::copy(
                first, g_folder->filePath(QStringLiteral("%1 - Track.flac").arg(i, 5, 10, QLatin1Char('0')))))
            return false;
    return true;
}

void BM_ImportTwentyThousandFiles(benchmark::State& state)
{
    for (auto _ : state) {
        const TrackImport import = ImportAudioFolder(QFile::encodeName(g_folder->path()).toStdString());
        if (import.rows.size() != kFiles)
            state.SkipWithError("not every file was imported");
    }
}
BENCHMARK(BM_ImportTwentyThousandFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    g_folder = &folder;
    if (!MakeFolder()) {
        std::fprintf(stderr, "The music could not be made (ffmpeg).\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
