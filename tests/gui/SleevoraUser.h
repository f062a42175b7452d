// A person using the running program: opens covers in the New Cover window, clicks the
// main window's buttons, answers questions and file dialogs with the keyboard, and looks at
// the preview. Each step waits for what it needs on screen and says what it did not find.
#pragma once

#include "CoverState.h"
#include "DialogTemplate.h"
#include "ProgramDriver.h"

#include <gtest/gtest.h>

class CSleevoraUser
{
public:
    // dScale: the program runs as on a screen scaled that much; places and pictures on the
    // screen are then in its device pixels.
    explicit CSleevoraUser(const QStringList& arguments = {}, const QString& strRuntimeFolder = {},
                           double dScale = 1.0);

    CProgram& Program() { return m_program; }
    CoverType Kind() const { return m_kind; }
    // The kind of cover the main window shows, when it came by another way than New Cover.
    void SetKind(CoverType kind) { m_kind = kind; }
    // The main window on screen, found again whenever it may have moved or reopened.
    QRect MainWindow();

    // Picks the kind of case in the waiting New Cover window with the keyboard (Tab to the
    // checked kind, arrows to the wanted one, Enter) and waits for the main window.
    testing::AssertionResult ChooseNewCover(CoverType kind);
    testing::AssertionResult WaitForMainWindow();
    void Click(int nId);
    // Clicks a control of a dialog built from a template, once the dialog is on screen.
    testing::AssertionResult ClickInDialog(const QString& strTitle, const DialogTemplate& dialogTemplate,
                                           int nId);
    // Waits for a window, then presses the keys in it.
    testing::AssertionResult Answer(const QString& strTitle, const QStringList& keys);
    // Types a path into the waiting file dialog and confirms it.
    testing::AssertionResult ChooseFile(const QString& strTitle, const QString& strPath);
    // The preview shows the renderers' own drawing of the cover, within a few pixels (on a
    // scaled screen, but for the edges of its letters).
    testing::AssertionResult PreviewShows(const CoverState& cover, CoverSide side, const QString& strName);
    // The preview's place on the screen.
    QRect PreviewOnScreen(CoverSide side);
    testing::AssertionResult ExitAnswering(const QStringList& questionsAndKeys);

    // The kind the New Cover window will have checked next time (the last one used).
    CoverType m_storedKind = StandardCD;

private:
    CProgram m_program;
    CoverType m_kind = StandardCD;
    double m_dScale = 1.0;
};
