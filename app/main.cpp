#include "CoverApp.h"
#include "Resources.h"

#include <QApplication>
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

} // namespace

int main(int argc, char** argv)
{
    if (!HasDisplay()) {
        std::fputs("sleevora: no graphical display (DISPLAY is not set); start it from a desktop session.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sleevora"));
    InitProgramResources();
    CCoverApp app;
    app.InitInstance();
    return 0;
}
