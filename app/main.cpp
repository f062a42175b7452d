#include "CoverApp.h"
#include "EndSignals.h"
#include "PictureFolder.h"
#include "Resources.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt would abort with a long message when there is no display to open a window on.
bool HasDisplay()
{
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

constexpr const char* kUsage =
    "Usage: sleevora [COVER.slv]\n"
    "\n"
    "Designs and prints the inserts of CD and DVD cases. With a cover file, opens that\n"
    "cover straight away; without one, asks for the kind of case first.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the version and exit.\n";

// The command line: at most one cover file to open, --help and --version. An unknown
// option or a second file is one line on standard error and exit status 2.
struct CommandLine
{
    bool bExit = false;
    int nStatus = 0;
    std::string strCoverPath;
};

CommandLine ReadCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Design and print the inserts of CD and DVD cases."));
    parser.addPositionalArgument(QStringLiteral("COVER.slv"), QStringLiteral("A cover file to open."),
                                 QStringLiteral("[COVER.slv]"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    CommandLine line;
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        QString why = parser.errorText().isEmpty() ? QStringLiteral("only one cover file can be opened")
                                                   : parser.errorText();
        if (why.endsWith(QLatin1Char('.')))
            why.chop(1);
        std::fprintf(stderr, "sleevora: %s (see --help)\n", qPrintable(why));
        return {true, 2, {}};
    }
    if (parser.isSet(help)) {
        std::fputs(kUsage, stdout);
        return {true, 0, {}};
    }
    if (parser.isSet(version)) {
        std::printf("Sleevora %s\n", SLEEVORA_VERSION);
        return {true, 0, {}};
    }
    if (!parser.positionalArguments().isEmpty())
        line.strCoverPath = QFile::encodeName(parser.positionalArguments().constFirst()).toStdString();
    return line;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Sleevora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SLEEVORA_VERSION));
    // The options are answered before any window system is asked for.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = ReadCommandLine(arguments);
    if (line.bExit)
        return line.nStatus;
    if (!HasDisplay()) {
        std::fputs("sleevora: no graphical display (DISPLAY is not set); start it from a desktop session.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    RemovePicturesOnEndSignals();
    RemoveFoldersOfEndedRuns();
    InitProgramResources();
    CCoverApp app;
    app.m_strOpenPath = line.strCoverPath;
    app.InitInstance();
    return 0;
}
