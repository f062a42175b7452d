// sleevora-export COVER.slv OUTPUT.pdf|OUTPUT.png [options]: prints a cover file's page
// without a display. The arguments are read strictly: a number that is not one, or is out of
// range, is refused rather than taken for something else.
#include "CoverExport.h"
#include "Resources.h"

#include <FreeImage.h>
#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kUsage =
    "Usage: sleevora-export COVER.slv OUTPUT.pdf|OUTPUT.png [options]\n"
    "\n"
    "Prints the page of a Sleevora cover file without opening a window:\n"
    "  OUTPUT.pdf  one page at real size, as Sleevora prints to PDF: its text as\n"
    "              text, a JPEG picture as the file itself\n"
    "  OUTPUT.png  a picture of the whole sheet at N dpi (default 300)\n"
    "\n"
    "Options:\n"
    "  --dpi N             the resolution of a PNG, 1 to 1200\n"
    "  --paper a4|letter|legal\n"
    "                      the paper of the sheet (default a4); on A4 the pieces keep\n"
    "                      their fixed places, on another paper the cover is centred\n"
    "  --calibrated        apply the printer alignment stored by Sleevora\n"
    "  --bleed MM          a print-shop PDF instead: one page per piece, its trim size\n"
    "                      plus a bleed of MM millimetres (0 to 5, 3 is usual), crop and\n"
    "                      fold marks, and the trim and bleed boxes set\n"
    "  --disc-label SHEET  the disc's own label instead, made from the cover's front, on\n"
    "                      a label sheet (listed below) or printable-disc: one page\n"
    "                      the size of the disc (120 mm) for disc-tray printers\n"
    "  --positions 1|2|1,2 the labels of the sheet to print (default both)\n"
    "  --outer MM          a printable disc's printed diameter (default 118)\n"
    "  --hub MM            a printable disc's unprinted centre (default 22)\n"
    "  --cut-guide         a thin circle to cut plain paper along\n"
    "\n"
    "The output is written only when it is complete. Exit status: 0 when written,\n"
    "2 for a bad request, a cover that does not fit the paper, or a file that cannot be\n"
    "read or written.\n"
    "\n";

// Qt's own notes (a missing runtime folder and the like) say nothing about the export;
// only its errors reach the user, so that a failed export ends in one line of its own.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qt_message_output(type, context, message);
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "sleevora-export: %s\n", message.c_str());
    return 2;
}

const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")}, QString());
const QCommandLineOption kDpi(QStringLiteral("dpi"), QString(), QStringLiteral("N"));
const QCommandLineOption kPaper(QStringLiteral("paper"), QString(), QStringLiteral("NAME"));
const QCommandLineOption kCalibrated(QStringLiteral("calibrated"), QString());
const QCommandLineOption kBleed(QStringLiteral("bleed"), QString(), QStringLiteral("MM"));
const QCommandLineOption kDiscLabel(QStringLiteral("disc-label"), QString(), QStringLiteral("SHEET"));
const QCommandLineOption kPositions(QStringLiteral("positions"), QString(), QStringLiteral("LIST"));
const QCommandLineOption kOuter(QStringLiteral("outer"), QString(), QStringLiteral("MM"));
const QCommandLineOption kHub(QStringLiteral("hub"), QString(), QStringLiteral("MM"));
const QCommandLineOption kCutGuide(QStringLiteral("cut-guide"), QString());

constexpr double kDefaultDiscOuterMm = 118.0;
constexpr double kDefaultDiscHubMm = 22.0;

// The label sheets by the names --disc-label takes, after the usage.
void PrintSheets()
{
    std::fputs("Disc label sheets (--disc-label):\n", stdout);
    for (const DiscLabelSheet& sheet : DiscLabelSheets())
        std::printf("  %-16s %s, %s, %g/%g mm\n", sheet.strId.c_str(), sheet.strName.c_str(),
                    sheet.paper == QPageSize::A4 ? "A4" : "Letter", sheet.dOuterMm, sheet.dHubMm);
    std::printf("  %-16s a disc-tray printer's page, --outer and --hub as given\n", "printable-disc");
}

// A diameter: a decimal number of millimetres (its range is the sheet's to judge).
std::string ReadMillimetres(const QString& value, const char* option, double* pMm)
{
    bool ok = false;
    const double mm = value.toDouble(&ok);
    if (!ok || !std::isfinite(mm) || mm <= 0)
        return std::string(option) + " must be a number of millimetres";
    *pMm = mm;
    return std::string();
}

// The positions: "1", "2" or both, comma-separated.
std::string ReadPositions(const QString& value, unsigned* pPositions)
{
    *pPositions = 0;
    for (const QString& item : value.split(QLatin1Char(','))) {
        if (item.trimmed() != QLatin1String("1") && item.trimmed() != QLatin1String("2"))
            return "--positions must be 1, 2 or 1,2";
        *pPositions |= item.trimmed() == QLatin1String("1") ? 1u : 2u;
    }
    return std::string();
}

// The sheet of disc labels and what goes with it; options that only a label takes are
// refused without one.
std::string ReadDiscLabel(const QCommandLineParser& parser, ExportRequest& request)
{
    const bool disc = parser.isSet(kDiscLabel);
    if (!disc)
        return parser.isSet(kPositions) || parser.isSet(kOuter) || parser.isSet(kHub) ||
                       parser.isSet(kCutGuide)
                   ? "--positions, --outer, --hub and --cut-guide go with --disc-label"
                   : std::string();
    const std::string name = parser.value(kDiscLabel).toLower().toStdString();
    request.bDiscLabel = true;
    request.bCutGuide = parser.isSet(kCutGuide);
    if (parser.isSet(kPaper))
        return "a disc label sheet has its own paper: leave out --paper";
    std::string error;
    if (name == "printable-disc") {
        double outer = kDefaultDiscOuterMm;
        double hub = kDefaultDiscHubMm;
        if (parser.isSet(kOuter))
            error = ReadMillimetres(parser.value(kOuter), "--outer", &outer);
        if (error.empty() && parser.isSet(kHub))
            error = ReadMillimetres(parser.value(kHub), "--hub", &hub);
        request.discSheet = PrintableDisc(outer, hub);
    } else if (const DiscLabelSheet* sheet = FindDiscLabelSheet(name)) {
        if (parser.isSet(kOuter) || parser.isSet(kHub))
            return "--outer and --hub go with --disc-label printable-disc";
        request.discSheet = *sheet;
    } else {
        return "there is no disc label sheet " + parser.value(kDiscLabel).toStdString() + " (see --help)";
    }
    if (error.empty() && parser.isSet(kPositions))
        error = ReadPositions(parser.value(kPositions), &request.nDiscPositions);
    if (error.empty() && request.discSheet.bPrintableDisc && request.nDiscPositions != 1 &&
        parser.isSet(kPositions))
        error = "a printable disc has one label: --positions 1";
    return error;
}

// The resolution: a whole decimal number in range.
std::string ReadDpi(const QString& value, ExportRequest& request)
{
    bool ok = false;
    const int dpi = value.toInt(&ok, 10);
    if (!ok || dpi < 1 || dpi > kMaxExportDpi)
        return "--dpi must be a whole number from 1 to " + std::to_string(kMaxExportDpi);
    request.nDpi = dpi;
    return std::string();
}

// The bleed: a decimal number of millimetres in range; not "nan", "inf" or hexadecimal.
std::string ReadBleed(const QString& value, ExportRequest& request)
{
    bool ok = false;
    const double bleed = value.toDouble(&ok);
    if (!ok || !std::isfinite(bleed) || bleed < 0 || bleed > kMaxBleedMm)
        return "--bleed must be a number of millimetres from 0 to 5";
    request.dBleedMm = bleed;
    return std::string();
}

// The paper, by its name in any case.
std::string ReadPaper(const QString& value, ExportRequest& request)
{
    const QString paper = value.toLower();
    if (paper == QLatin1String("a4"))
        request.paper = SheetPaper::A4;
    else if (paper == QLatin1String("letter"))
        request.paper = SheetPaper::Letter;
    else if (paper == QLatin1String("legal"))
        request.paper = SheetPaper::Legal;
    else
        return "--paper must be a4, letter or legal";
    return std::string();
}

// The request the arguments make, or the reason they make none.
std::string ReadRequest(const QCommandLineParser& parser, ExportRequest& request)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2)
        return files.size() > 2 ? "too many arguments (see --help)"
                                : "a cover file and an output file are needed (see --help)";
    request.strCoverPath = QFile::encodeName(files[0]).toStdString();
    request.strOutputPath = QFile::encodeName(files[1]).toStdString();
    request.bCalibrated = parser.isSet(kCalibrated);
    std::string error;
    if (parser.isSet(kDpi))
        error = ReadDpi(parser.value(kDpi), request);
    if (error.empty() && parser.isSet(kBleed))
        error = ReadBleed(parser.value(kBleed), request);
    if (error.empty())
        error = ReadDiscLabel(parser, request);
    if (error.empty() && parser.isSet(kPaper))
        error = ReadPaper(parser.value(kPaper), request);
    return error;
}

QStringList Arguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    QCommandLineParser parser;
    parser.addOptions(
        {kHelp, kDpi, kPaper, kCalibrated, kBleed, kDiscLabel, kPositions, kOuter, kHub, kCutGuide});
    if (!parser.parse(Arguments(argc, argv)))
        return Fail(parser.errorText().toStdString() + " (see --help)");
    if (parser.isSet(kHelp)) {
        std::fputs(kUsage, stdout);
        PrintSheets();
        return 0;
    }
    ExportRequest request;
    if (const std::string error = ReadRequest(parser, request); !error.empty())
        return Fail(error);

    // No display is ever needed: the page is drawn off screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietQtMessages);
    // A page needs fonts and painting, never a window: no widget is created.
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Sleevora"));
    InitProgramResources();
    FreeImage_Initialise(FALSE);
    const std::string error = ExportCover(request);
    FreeImage_DeInitialise();
    return error.empty() ? 0 : Fail(error);
}
