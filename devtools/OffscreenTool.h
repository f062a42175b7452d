// What the screenshot takers share: Qt without a display, with the program's own resources.
#pragma once

#include "Resources.h"

#include <QApplication>
#include <cstdlib>

class COffscreenTool : public QApplication
{
public:
    COffscreenTool(int& argc, char** argv) : QApplication(WithoutDisplay(argc), argv)
    {
        InitProgramResources();
    }

private:
    static int& WithoutDisplay(int& argc)
    {
        setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
        return argc;
    }
};
