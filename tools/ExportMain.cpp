// sleevora-export COVER.slv OUTPUT.pdf|OUTPUT.png [--dpi N]: prints a cover file's page
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
    "Usage: sleevora-export COVER.slv OUTPUT.pdf|OUTPUT.png [--dpi N]\n"
    "\n"
    "Prints the page of a Sleevora cover file without opening a window:\n"
    "  OUTPUT.pdf  one A4 page, at real size, as Sleevora prints it (600 dpi)\n"
    "  OUTPUT.png  a picture of the whole A4 sheet at N dpi (default 300)\n"
    "The output is written only when it is complete. Exit status: 0 when written,\n"
    "2 for a bad request or a file that cannot be read or written.\n";

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

} // namespace

int main(int argc, char** argv)
{
    ExportRequest request;
    std::string positional[2];
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--dpi") == 0) {
            char* end = nullptr;
            request.nDpi = i + 1 < argc ? static_cast<int>(std::strtol(argv[++i], &end, 10)) : 0;
            if (!end || *end)
                return Fail("--dpi needs a number");
            continue;
        }
        if (count == 2)
            return Fail("too many arguments (see --help)");
        positional[count++] = argv[i];
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
