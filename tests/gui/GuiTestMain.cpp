// Main of the real-program tests: a private X display for the program and for this test
// program, which reads the screen back and draws the covers the previews must show.
#include "ProgramDriver.h"
#include "Resources.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests)) // discovery at build time needs no display
        return RUN_ALL_TESTS();
    CPrivateDisplay display;
    if (!display.IsRunning()) {
        std::fputs("gui_tests: the private X display (Xvfb) could not be started\n", stderr);
        return 1;
    }
    setenv("DISPLAY", display.Name().toLocal8Bit().constData(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    InitProgramResources();
    return RUN_ALL_TESTS();
}
