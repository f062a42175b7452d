// What saving and loading a cover costs next to copying its bytes: a cover with two 20 MB
// pictures is saved (read both pictures, check, write through a save file) and loaded (read
// the file, find the sections, extract both pictures), and the same 40 MB are copied with cp.
// Times are wall-clock: cp runs in a child process.
#include "CoverFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

constexpr size_t kPictureBytes = 20 * 1024 * 1024;

// The pictures, the cover that names them and the folders, made once for all benchmarks.
class CBenchFiles
{
public:
    CBenchFiles()
    {
        QDir(m_dir.path()).mkdir("extract");
        QDir(m_dir.path()).mkdir("copy");
        WriteRandom(Path("front.jpg"), 1);
        WriteRandom(Path("back.png"), 2);
        m_cover.ResetToDefaults(96, StandardCD);
        m_cover.covertype = StandardCD;
        m_cover.fImagePath = Path("front.jpg");
        m_cover.bImagePath = Path("back.png");
        m_cover.bCoverText = "[DELIM]1.[/DELIM][DELIM]Opening[/DELIM][DELIM]3:41[/DELIM]\n\r";
    }

    std::string Path(const std::string& name) const { return m_dir.path().toStdString() + "/" + name; }
    const CoverState& Cover() const { return m_cover; }

private:
    static void WriteRandom(const std::string& path, unsigned seed)
    {
        std::mt19937_64 random(seed);
        std::string bytes(kPictureBytes, '\0');
        for (size_t i = 0; i + 8 <= bytes.size(); i += 8) {
            const uint64_t word = random();
            std::memcpy(&bytes[i], &word, 8);
        }
        QFile file(QString::fromStdString(path));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    QTemporaryDir m_dir;
    CoverState m_cover;
};

CBenchFiles& Files()
{
    static CBenchFiles files;
    return files;
}

void BM_SaveCoverWithTwo20MBPictures(benchmark::State& state)
{
    const std::string path = Files().Path("cover.slv");
    for (auto _ : state) {
        const CoverSaveResult result = WriteCoverFile(path, Files().Cover());
        if (!result.bWritten)
            state.SkipWithError(result.strError.c_str());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * 2 * kPictureBytes));
}
BENCHMARK(BM_SaveCoverWithTwo20MBPictures)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadCoverWithTwo20MBPictures(benchmark::State& state)
{
    const std::string path = Files().Path("loaded.slv");
    if (!WriteCoverFile(path, Files().Cover()).bWritten)
        state.SkipWithError("the cover to load could not be saved");
    const std::string folder = Files().Path("extract");
    for (auto _ : state) {
        CoverState cover;
        cover.ResetToDefaults(96, StandardCD);
        const CoverLoadResult result = ReadCoverFile(path, cover, folder);
        if (result.status != CoverLoadStatus::Loaded || cover.bImagePath.empty())
            state.SkipWithError("the cover did not load");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * 2 * kPictureBytes));
}
BENCHMARK(BM_LoadCoverWithTwo20MBPictures)->Unit(benchmark::kMillisecond)->UseRealTime();

// The yardstick: the same two picture files copied by cp into a folder.
std::string CopyCommand()
{
    return "cp '" + Files().Path("front.jpg") + "' '" + Files().Path("back.png") + "' '" +
           Files().Path("copy") + "/'";
}

void RunEachIteration(benchmark::State& state, const std::string& command)
{
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("the copy failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * 2 * kPictureBytes));
}

void BM_CopyTheSame40MBWithCp(benchmark::State& state)
{
    RunEachIteration(state, CopyCommand());
}
BENCHMARK(BM_CopyTheSame40MBWithCp)->Unit(benchmark::kMillisecond)->UseRealTime();

// The save waits until its new file is on the disk before it replaces the old one (the save
// file syncs it); cp does not wait. This is cp on the same terms, for comparison.
void BM_CopyTheSame40MBWithCpThenSync(benchmark::State& state)
{
    RunEachIteration(state, CopyCommand() + " && sync '" + Files().Path("copy") + "/front.jpg' '" +
                                Files().Path("copy") + "/back.png'");
}
BENCHMARK(BM_CopyTheSame40MBWithCpThenSync)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
