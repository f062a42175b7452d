// Main of every test program: a QApplication on the headless platform, so widgets,
// fonts and printers work without a display, also while tests are discovered at build time.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The headless platform reports every dialog it cannot size like a window manager would;
// that says nothing about the program, so it is kept out of the test logs.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    // The user's data folder (the desktop's recently used files among it) is a folder of
    // this test program's own: tests running side by side never meet there, and never touch
    // the real one.
    const QTemporaryDir data;
    setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);
    qInstallMessageHandler(QuietMessages);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
