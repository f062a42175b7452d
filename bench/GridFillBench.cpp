// Filling the track grid with the rows of a large import while a screen reader follows the
// window: every accessibility event the grid sends is taken up by a handler that asks for
// the object's name, as an assistive client does. Row by row (each row announced) against
// one replacement of all rows. Run it on a display with the accessibility bus:
//   dbus-run-session -- xvfb-run -a bench/with-accessibility-bus.sh build/bench/grid_fill_bench
#include "FlexGridProperties.h"
#include "MSFlexGrid.h"

#include <QAccessible>
#include <QApplication>
#include <QThread>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 20000;

size_t g_events = 0;

void FollowLikeAScreenReader(QAccessibleEvent* event)
{
    ++g_events;
    if (QAccessibleInterface* object = event->accessibleInterface())
        benchmark::DoNotOptimize(object->text(QAccessible::Name));
}

std::vector<std::vector<std::string>> ImportedRows()
{
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= kRows; ++i)
        rows.push_back(
            {"New Row", std::to_string(i) + ".", "A title of some length " + std::to_string(i), "3:41"});
    return rows;
}

void ShowGrid(CMSFlexGrid& grid)
{
    FlexGridProperties properties{};
    properties.nRows = 2;
    properties.nCols = 4;
    properties.nFixedRows = 1;
    properties.nFixedCols = 1;
    properties.font = {"Arial", 80000, 400, 0, false, false, false};
    grid.LoadProperties(properties);
    grid.resize(400, 300);
    grid.show();
}

void BM_FillRowByRow(benchmark::State& state)
{
    const auto rows = ImportedRows();
    for (auto _ : state) {
        CMSFlexGrid grid;
        ShowGrid(grid);
        for (size_t i = 0; i < rows.size(); ++i) {
            const LONG row = static_cast<LONG>(i) + 1;
            if (row > 1)
                grid.AddItem(rows[i][0], row);
            for (LONG col = 1; col <= 3; ++col)
                grid.SetTextMatrix(row, col, rows[i][static_cast<size_t>(col)]);
        }
        QApplication::processEvents();
    }
    state.counters["events"] = static_cast<double>(g_events) / static_cast<double>(state.iterations());
    g_events = 0;
}
BENCHMARK(BM_FillRowByRow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_FillInOneStep(benchmark::State& state)
{
    const auto rows = ImportedRows();
    for (auto _ : state) {
        CMSFlexGrid grid;
        ShowGrid(grid);
        grid.SetDataRows(rows, flexAlignLeftCenter);
        QApplication::processEvents();
    }
    state.counters["events"] = static_cast<double>(g_events) / static_cast<double>(state.iterations());
    g_events = 0;
}
BENCHMARK(BM_FillInOneStep)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QAccessible::installUpdateHandler(FollowLikeAScreenReader);
    QAccessible::setActive(true);
    // On a desktop with the accessibility bus the bridge comes up once its connection is made.
    QWidget window;
    window.show();
    for (int i = 0; i < 300 && !QAccessible::isActive(); ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    if (!QAccessible::isActive())
        std::fprintf(stderr, "No accessibility bus: run through bench/with-accessibility-bus.sh\n");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
