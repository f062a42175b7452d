// sleevora-export COVER.slv OUTPUT.pdf|OUTPUT.png [options]: prints a cover file's page
// without a display.
#include "CoverExport.h"
#include "Resources.h"

#include <FreeImage.h>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    "\n"
    "The output is written only when it is complete. Exit status: 0 when written,\n"
    "2 for a bad request, a cover that does not fit the paper, or a file that cannot be\n"
    "read or written.\n";

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

// Reads one option with a value; false with the reason in *pError when it is not one.
bool ReadOption(const std::string& name, const char* value, ExportRequest& request, std::string* pError)
{
    if (!value) {
        *pError = name + " needs a value";
        return false;
    }
    char* end = nullptr;
    if (name == "--dpi") {
        request.nDpi = static_cast<int>(std::strtol(value, &end, 10));
    } else if (name == "--bleed") {
        request.dBleedMm = std::strtod(value, &end);
        if (end && !*end && (request.dBleedMm < 0 || request.dBleedMm > 5)) {
            *pError = "--bleed must be between 0 and 5 millimetres";
            return false;
        }
    } else {
        const std::string paper = value;
        const bool known = paper == "a4" || paper == "letter" || paper == "legal";
        request.paper = paper == "letter"  ? SheetPaper::Letter
                        : paper == "legal" ? SheetPaper::Legal
                                           : SheetPaper::A4;
        if (!known)
            *pError = "--paper must be a4, letter or legal";
        return known;
    }
    if (!end || *end) {
        *pError = name + " needs a number";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    ExportRequest request;
    std::string positional[2];
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (argument == "--calibrated") {
            request.bCalibrated = true;
            continue;
        }
        if (argument == "--dpi" || argument == "--paper" || argument == "--bleed") {
            std::string error;
            if (!ReadOption(argument, i + 1 < argc ? argv[++i] : nullptr, request, &error))
                return Fail(error);
            continue;
        }
        if (argument.rfind("--", 0) == 0)
            return Fail("unknown option " + argument + " (see --help)");
        if (count == 2)
            return Fail("too many arguments (see --help)");
        positional[count++] = argument;
    }
    if (count != 2)
        return Fail("a cover file and an output file are needed (see --help)");
    request.strCoverPath = positional[0];
    request.strOutputPath = positional[1];

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
