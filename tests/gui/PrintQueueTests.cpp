// Printing from the running program through real CUPS queues: a private scheduler with PDF
// printers that print up to the paper's edge, or keep 10 or 14.4 points from it. Whatever
// the printer's margins, every piece must land where the exported PDF puts it.
#include "CoverFile.h"
#include "CoverPrint.h"
#include "DiscLabelSheets.h"
#include "PrintScheduler.h"
#include "ProgramScreens.h"
#include "SleevoraUser.h"
#include "resource.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTransform>

namespace {

constexpr int kDpi = 300;
// Within 0.2 mm at the measuring resolution.
constexpr double kToleranceMm = 0.2;

// The first page of a PDF as a grey picture at the measuring resolution.
QImage Rasterised(const QString& pdf)
{
    const QString base = pdf + QStringLiteral("-page");
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-gray"),
                  QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, base});
    raster.waitForFinished(kWaitMs);
    return QImage(base + QStringLiteral(".png"));
}

bool Dark(const QImage& page, int x, int y)
{
    return page.rect().contains(x, y) && qGray(page.pixel(x, y)) < 128;
}

// The first dark pixel from a point along a step, at most nSteps away; -1 when none.
int FirstDark(const QImage& page, QPoint from, QPoint step, int nSteps)
{
    for (int i = 0; i < nSteps; ++i) {
        const QPoint at = from + step * i;
        if (Dark(page, at.x(), at.y()))
            return step.x() != 0 ? at.x() : at.y();
    }
    return -1;
}

// A piece's four edges on the page, found from outside where it is expected: left, top,
// right and bottom, through its middle.
QList<int> PieceEdges(const QImage& page, const QRect& expected)
{
    constexpr int kSearch = 60; // 5 mm: beyond a margin's error, short of the next piece
    const QPoint centre = expected.center();
    return {FirstDark(page, {expected.left() - kSearch, centre.y()}, {1, 0}, 2 * kSearch),
            FirstDark(page, {centre.x(), expected.top() - kSearch}, {0, 1}, 2 * kSearch),
            FirstDark(page, {expected.right() + kSearch, centre.y()}, {-1, 0}, 2 * kSearch),
            FirstDark(page, {centre.x(), expected.bottom() + kSearch}, {0, -1}, 2 * kSearch)};
}

// Where each piece should be on the sheet at the measuring resolution: a PDF page's margin
// and its fixed place.
std::vector<QRect> ExpectedPieces(CoverType type)
{
    std::vector<QRect> pieces;
    const int margin = qRound(10.0 / 72 * kDpi);
    for (const CoverPiece piece : PiecesOf(type)) {
        const CRect r = PieceRect(kDpi, type, piece);
        pieces.push_back(QRect(r.left + margin, r.top + margin, r.Width(), r.Height()));
    }
    return pieces;
}

// A cover whose pieces are dark all over, so that their edges show on paper.
QString DarkCoverFile(const QTemporaryDir& folder, CoverType type)
{
    CoverState cover = NewCover(type);
    cover.bBGColor = cover.fBGColor = RGB(30, 40, 60);
    const QString path = folder.filePath(QStringLiteral("cover-%1.slv").arg(type));
    return WriteCoverFile(path.toStdString(), cover).bWritten ? path : QString();
}

QString Exported(const QString& coverFile)
{
    const QString pdf = coverFile + QStringLiteral(".pdf");
    QProcess exporter;
    exporter.start(QStringLiteral(SLEEVORA_EXPORT), {coverFile, pdf});
    exporter.waitForFinished(kWaitMs);
    return exporter.exitCode() == 0 ? pdf : QString();
}

// Prints the cover from the program to the default queue with the print dialog's first
// answer, and waits for the printer's PDF.
testing::AssertionResult PrintThroughDialog(CPrintScheduler& scheduler, const QString& queue,
                                            const QString& coverFile, CoverType type)
{
    QFile::remove(scheduler.OutputOf(queue));
    CSleevoraUser user({coverFile});
    user.SetKind(type);
    if (testing::AssertionResult shown = user.WaitForMainWindow(); !shown)
        return shown;
    user.Click(IDC_PRINT);
    if (testing::AssertionResult answered = user.Answer(QStringLiteral("Print"), {QStringLiteral("Return")});
        !answered)
        return answered;
    if (!WaitForWindowToClose(QStringLiteral("Print")) || !scheduler.WaitForIdle() ||
        !WaitUntil([&] { return QFileInfo(scheduler.OutputOf(queue)).size() > 0; }))
        return testing::AssertionFailure() << "nothing was printed on " << queue.toStdString();
    return testing::AssertionSuccess();
}

// The outer edges of the disc labels of an A4 sheet along the rows and columns through
// their centres, found from outside: left, top, right and bottom of each.
QList<int> LabelEdges(const QImage& page, const DiscLabelSheet& sheet)
{
    QList<int> edges;
    const double dots = kDpi / 25.4;
    const int reach = qRound((sheet.dOuterMm / 2 + 4) * dots);
    for (const QPointF& centreMm : sheet.centresMm) {
        const QPoint c = (centreMm * dots).toPoint();
        edges << FirstDark(page, c - QPoint(reach, 0), {1, 0}, reach)
              << FirstDark(page, c - QPoint(0, reach), {0, 1}, reach)
              << FirstDark(page, c + QPoint(reach, 0), {-1, 0}, reach)
              << FirstDark(page, c + QPoint(0, reach), {0, -1}, reach);
    }
    return edges;
}

} // namespace

// A sheet of disc labels printed from the program's dialog lands where the export puts it,
// on a printer that prints to the edge and on one that keeps 14.4 points from it.
TEST(RealPrintQueues, DiscLabelsLandWhereTheExportPutsThemWhateverThePrintersMargins)
{
    CPrintScheduler scheduler;
    if (!scheduler.Fault().isEmpty())
        GTEST_SKIP() << "Printing through CUPS is not tested here: " << scheduler.Fault().toStdString();
    for (const char* queue : {"borderless", "margin14"})
        ASSERT_TRUE(scheduler.AddQueue(QLatin1String(queue), queue[0] == 'b' ? 0.0 : 14.4)) << queue;
    UsePrintServer(scheduler.Socket());
    QTemporaryDir folder;
    const QString coverFile = DarkCoverFile(folder, StandardCD);
    const QString exportedPdf = coverFile + QStringLiteral("-labels.pdf");
    QProcess exporter;
    exporter.start(QStringLiteral(SLEEVORA_EXPORT),
                   {coverFile, exportedPdf, QStringLiteral("--disc-label"), QStringLiteral("avery-l6015")});
    ASSERT_TRUE(exporter.waitForFinished(kWaitMs) && exporter.exitCode() == 0);
    const DiscLabelSheet& sheet = *FindDiscLabelSheet("avery-l6015");
    const QList<int> want = LabelEdges(Rasterised(exportedPdf), sheet);
    for (const char* queue : {"borderless", "margin14"}) {
        ASSERT_TRUE(scheduler.MakeDefault(QLatin1String(queue)));
        QFile::remove(scheduler.OutputOf(QLatin1String(queue)));
        CSleevoraUser user({coverFile});
        ASSERT_TRUE(user.WaitForMainWindow());
        ClickAt(user.MainWindow().topLeft() + QPoint(200, 420), 3); // the window's own menu
        PressKeys({QStringLiteral("i")});
        ASSERT_TRUE(user.Answer(QStringLiteral("Print Disc Label"), {QStringLiteral("Return")}));
        ASSERT_TRUE(user.Answer(QStringLiteral("Print"), {QStringLiteral("Return")}));
        ASSERT_TRUE(scheduler.WaitForIdle() &&
                    WaitUntil([&] { return QFileInfo(scheduler.OutputOf(QLatin1String(queue))).size() > 0; }))
            << queue;
        const QList<int> got = LabelEdges(Rasterised(scheduler.OutputOf(QLatin1String(queue))), sheet);
        for (int edge = 0; edge < want.size(); ++edge) {
            ASSERT_GE(want[edge], 0) << "the export has no edge " << edge;
            EXPECT_NEAR(got[edge], want[edge], kToleranceMm / 25.4 * kDpi) << queue << ", edge " << edge;
        }
    }
    UsePrintServer(QString());
}

TEST(RealPrintQueues, EveryPieceLandsWhereTheExportPutsItWhateverThePrintersMargins)
{
    CPrintScheduler scheduler;
    if (!scheduler.Fault().isEmpty())
        GTEST_SKIP() << "Printing through CUPS is not tested here: " << scheduler.Fault().toStdString();
    const std::pair<const char*, double> queues[] = {
        {"borderless", 0.0}, {"margin10", 10.0}, {"margin14", 14.4}};
    for (const auto& [queue, margin] : queues)
        ASSERT_TRUE(scheduler.AddQueue(QLatin1String(queue), margin)) << queue;
    UsePrintServer(scheduler.Socket());
    QTemporaryDir folder;
    const double tolerance = kToleranceMm / 25.4 * kDpi;
    for (const CoverType type : {StandardCD, StandardDVD}) {
        const QString coverFile = DarkCoverFile(folder, type);
        const QImage exported = Rasterised(Exported(coverFile));
        ASSERT_FALSE(exported.isNull());
        for (const auto& [queue, margin] : queues) {
            ASSERT_TRUE(scheduler.MakeDefault(QLatin1String(queue)));
            ASSERT_TRUE(PrintThroughDialog(scheduler, QLatin1String(queue), coverFile, type));
            QImage printed = Rasterised(scheduler.OutputOf(QLatin1String(queue)));
            // The printer's paper is upright: an across page comes out a quarter turn
            // anticlockwise on it (its description says Plus90), and is turned back here.
            if (printed.width() < printed.height() && exported.width() > exported.height())
                printed = printed.transformed(QTransform().rotate(90));
            if (printed.size() != exported.size())
                KeepForInspection(printed,
                                  QStringLiteral("printed-%1-%2").arg(QLatin1String(queue)).arg(type));
            // The same sheet, turned the same way (the printer's A4 is rounded to hundredths of a point).
            ASSERT_NEAR(printed.width(), exported.width(), 1) << queue;
            ASSERT_NEAR(printed.height(), exported.height(), 1) << queue;
            for (const QRect& piece : ExpectedPieces(type)) {
                const QList<int> want = PieceEdges(exported, piece);
                const QList<int> got = PieceEdges(printed, piece);
                for (int edge = 0; edge < 4; ++edge) {
                    ASSERT_GE(want[edge], 0) << "the export has no edge " << edge;
                    EXPECT_NEAR(got[edge], want[edge], tolerance)
                        << queue << " (" << margin << " pt), kind " << type << ", edge " << edge;
                }
            }
        }
    }
    UsePrintServer(QString());
}

// An alignment that would push the DVD insert off the sheet (10 mm to the left) is set in
// Printer Alignment; Print then says so and prints nothing.
TEST(RealPrintQueues, AnAlignmentThatPushesTheCoverOffTheSheetIsRefused)
{
    QTemporaryDir folder;
    const QString coverFile = DarkCoverFile(folder, StandardDVD);
    CSleevoraUser user({coverFile});
    user.SetKind(StandardDVD);
    ASSERT_TRUE(user.WaitForMainWindow());
    ClickAt(user.MainWindow().topLeft() + QPoint(200, 420), 3); // the window's own menu
    PressKeys({QStringLiteral("p")});
    ASSERT_TRUE(user.Answer(QStringLiteral("Printer Alignment"),
                            {QStringLiteral("alt+a"), QStringLiteral("ctrl+a")}));
    TypeText(QStringLiteral("-10"));
    PressKeys({QStringLiteral("Return")});
    ASSERT_TRUE(WaitForWindowToClose(QStringLiteral("Printer Alignment")));

    user.Click(IDC_PRINT);
    // No printer here: the dialog prints to the PDF file it proposes in the home folder.
    ASSERT_TRUE(user.Answer(QStringLiteral("Print"), {QStringLiteral("Return")}));
    ASSERT_TRUE(user.Answer(QStringLiteral("Error"), {QStringLiteral("Return")}));
    EXPECT_TRUE(WaitForWindowToClose(QStringLiteral("Error")));
    EXPECT_FALSE(QFile::exists(user.Program().Home() + QStringLiteral("/Cover.pdf")));
}
