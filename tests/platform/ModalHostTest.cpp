#include "Dialog.h"
#include "QtModalHost.h"
#include "ScriptedModalHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(WinMessageBox, ShowsTheTextTitleButtonsAndIconAsked)
{
    CWinMessageBox box(nullptr, "Are you sure you want to close Sleevora?", "Exit",
                       MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(box.text(), QStringLiteral("Are you sure you want to close Sleevora?"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Exit"));
    EXPECT_EQ(box.icon(), QMessageBox::Question);
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_NE(box.ButtonFor(IDYES), nullptr);
    EXPECT_NE(box.ButtonFor(IDNO), nullptr);
    EXPECT_EQ(box.ButtonFor(IDOK), nullptr);
    EXPECT_EQ(box.buttons().size(), 2);
}

TEST(WinMessageBox, AnswersWithTheWindowsCodeOfTheButtonPressed)
{
    CWinMessageBox box(nullptr, "Overwrite?", "Overwrite?", MB_YESNO | MB_ICONQUESTION);
    box.show();
    QTest::mouseClick(box.ButtonFor(IDNO), Qt::LeftButton);
    EXPECT_EQ(box.Result(), IDNO);
    EXPECT_FALSE(box.isVisible());
}

TEST(WinMessageBox, EscapeCannotDismissAYesNoQuestion)
{
    CWinMessageBox box(nullptr, "You have made changes", "Save", MB_YESNO | MB_ICONQUESTION);
    box.show();
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.Result(), 0);
    box.close();
    EXPECT_TRUE(box.isVisible());
    QTest::mouseClick(box.ButtonFor(IDYES), Qt::LeftButton);
    EXPECT_EQ(box.Result(), IDYES);
}

TEST(WinMessageBox, EscapeAnswersOkOrCancelWhereWindowsAllowsIt)
{
    CWinMessageBox notice(nullptr, "Invalid File", "Invalid File", MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(notice.icon(), QMessageBox::Warning);
    notice.show();
    QTest::keyClick(&notice, Qt::Key_Escape);
    EXPECT_EQ(notice.Result(), IDOK);

    CWinMessageBox question(nullptr, "Save?", "Save", MB_YESNOCANCEL);
    question.show();
    QTest::keyClick(&question, Qt::Key_Escape);
    EXPECT_EQ(question.Result(), IDCANCEL);
}

TEST(WinMessageBox, DefaultButtonFollowsTheStyle)
{
    CWinMessageBox box(nullptr, "Question", "Title", MB_YESNO | MB_DEFBUTTON2);
    EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.ButtonFor(IDNO));
}

namespace {

class CCountingDialog : public CDialog
{
    Q_OBJECT

public:
    BOOL OnInitDialog() override
    {
        ++m_nInitialised;
        return CDialog::OnInitDialog();
    }
    int m_nInitialised = 0;
};

} // namespace

TEST(ModalHost, DialogsRunThroughTheInstalledHost)
{
    CScriptedModalHost host;
    host.AnswerDialog([](CDialog&) { return IDYES; });
    host.AnswerMessageBox(IDNO);
    CCountingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDYES);
    EXPECT_EQ(dialog.m_nInitialised, 1);
    EXPECT_EQ(MessageBox(nullptr, "Question?", "Title", MB_YESNO | MB_ICONQUESTION), IDNO);
    ASSERT_EQ(host.DialogsRun().size(), 1u);
    EXPECT_EQ(host.DialogsRun()[0], "CCountingDialog");
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].caption, "Title");
    EXPECT_EQ(host.Questions()[0].nType, MB_YESNO | MB_ICONQUESTION);
}

TEST(ModalHost, EscapeInADialogReachesOnCancel)
{
    CCountingDialog dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), IDCANCEL);
}

#include "ModalHostTest.moc"
