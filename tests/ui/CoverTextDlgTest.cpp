// The Cover Text dialog of DVD covers, run as the program runs it and typed into.
#include "CoverTextDlg.h"
#include "Help.h"
#include "ScriptedModalHost.h"
#include "resource.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Stands in for the desktop and remembers the files it was asked to open.
class CFileOpener : public QObject
{
    Q_OBJECT

public:
    CFileOpener() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~CFileOpener() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

class CoverTextDialog : public testing::Test
{
protected:
    // Opens the dialog with five different texts through the modal host and shows it.
    void Open()
    {
        dialog.m_strSpine = "Northern Lines";
        dialog.m_strFrontTitle = "Northern Lines";
        dialog.m_strFrontText = "A film in three parts\r\nDirected by M. Orrin";
        dialog.m_strBackTitle = "About the film";
        dialog.m_strBackText = "Filmed on the coast\r\n\r\nRunning time 94 minutes";
        host.AnswerDialog(IDCANCEL);
        dialog.DoModal();
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QApplication::processEvents();
    }
    QLineEdit* Line(int id) const { return dialog.LineBox(id); }
    QPlainTextEdit* Text(int id) const { return dialog.TextBox(id); }
    QPushButton* Button(int id) const { return qobject_cast<QPushButton*>(dialog.GetDlgItem(id)); }

    CScriptedModalHost host;
    CCoverTextDlg dialog;
};

} // namespace

TEST_F(CoverTextDialog, IsBuiltFromItsTemplateWithoutADefaultButton)
{
    Open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Cover Text"));
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(Button(IDC_COVER_TEXT_OK)->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.GetDlgItem(IDOK), nullptr);
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
        EXPECT_FALSE(button->autoDefault()) << button->text().toStdString();
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) // every label shows its whole text on one line
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
            << label->text().toStdString();
}

TEST_F(CoverTextDialog, FillsEachBoxFromItsStringWithOneLinePerLine)
{
    Open();
    EXPECT_EQ(Line(IDC_SPINE_TEXT)->text(), QStringLiteral("Northern Lines"));
    EXPECT_EQ(Line(IDC_FRONT_TITLE)->text(), QStringLiteral("Northern Lines"));
    EXPECT_EQ(Line(IDC_BACK_TITLE)->text(), QStringLiteral("About the film"));
    EXPECT_EQ(Text(IDC_FRONT_TEXT)->blockCount(), 2);
    EXPECT_EQ(Text(IDC_FRONT_TEXT)->toPlainText(),
              QStringLiteral("A film in three parts\nDirected by M. Orrin"));
    EXPECT_EQ(Text(IDC_BACK_TEXT)->blockCount(), 3);
}

TEST_F(CoverTextDialog, OkUnchangedHandsBackTheFiveStringsAsTheyCame)
{
    Open();
    QTest::mouseClick(Button(IDC_COVER_TEXT_OK), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), IDOK);
    EXPECT_EQ(dialog.m_strSpine, "Northern Lines");
    EXPECT_EQ(dialog.m_strFrontTitle, "Northern Lines");
    EXPECT_EQ(dialog.m_strFrontText, "A film in three parts\r\nDirected by M. Orrin");
    EXPECT_EQ(dialog.m_strBackTitle, "About the film");
    EXPECT_EQ(dialog.m_strBackText, "Filmed on the coast\r\n\r\nRunning time 94 minutes");
}

// Texts the user did not touch come back byte for byte, whatever their line breaks or spaces.
TEST_F(CoverTextDialog, UntouchedTextsComeBackByteForByteAndEditedOnesKeepTheirSpaces)
{
    const std::string odd[] = {"a\n\rb", "one\rtwo",
                               "no\xC2\xA0"
                               "break",
                               "x\r\n\ry\n"};
    for (const std::string& text : odd) {
        dialog.m_strSpine = dialog.m_strFrontTitle = dialog.m_strBackTitle = "no\xC2\xA0"
                                                                             "break";
        dialog.m_strFrontText = dialog.m_strBackText = text;
        host.AnswerDialog([](CDialog& shown) {
            static_cast<CCoverTextDlg&>(shown).OnOkButton();
            return IDOK;
        });
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.m_strFrontText, text);
        EXPECT_EQ(dialog.m_strBackText, text);
        EXPECT_EQ(dialog.m_strSpine, "no\xC2\xA0"
                                     "break");
        EXPECT_EQ(dialog.m_strBackTitle, "no\xC2\xA0"
                                         "break");
    }
    Open();
    Text(IDC_FRONT_TEXT)
        ->setPlainText(QString::fromUtf8("Vol.\xC2\xA0"
                                         "2\nDisc 1"));
    QTest::mouseClick(Button(IDC_COVER_TEXT_OK), Qt::LeftButton);
    EXPECT_EQ(dialog.m_strFrontText, "Vol.\xC2\xA0"
                                     "2\r\nDisc 1"); // the non-breaking space stays one
}

TEST_F(CoverTextDialog, LinesTypedInTheTextBoxesComeBackWithCrLf)
{
    Open();
    for (const int id : {IDC_FRONT_TEXT, IDC_BACK_TEXT}) {
        Text(id)->clear();
        Text(id)->setFocus();
        QTest::keyClicks(Text(id), "First line");
        QTest::keyClick(Text(id), Qt::Key_Return);
        QTest::keyClicks(Text(id), "Second line");
        QTest::keyClick(Text(id), Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClicks(Text(id), "Third");
    }
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(Button(IDC_COVER_TEXT_OK), Qt::LeftButton);
    EXPECT_EQ(dialog.m_strFrontText, "First line\r\nSecond line\r\nThird");
    EXPECT_EQ(dialog.m_strBackText, "First line\r\nSecond line\r\nThird");
}

TEST_F(CoverTextDialog, EnterInTheSpineOrATitleBoxOrOnAButtonLeavesTheDialogOpen)
{
    Open();
    for (const int id : {IDC_SPINE_TEXT, IDC_FRONT_TITLE, IDC_BACK_TITLE}) {
        Line(id)->setFocus();
        QTest::keyClick(Line(id), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << id;
    }
    for (const int id : {IDC_COVER_TEXT_OK, IDCANCEL}) {
        Button(id)->setFocus();
        QTest::keyClick(Button(id), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << id;
    }
    QTest::keyClick(&dialog, Qt::Key_Return); // with no control to take it
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Line(IDC_SPINE_TEXT)->text(), QStringLiteral("Northern Lines"));
    EXPECT_EQ(dialog.m_strSpine, "Northern Lines");
}

TEST_F(CoverTextDialog, EscapeCancelsAndKeepsTheStrings)
{
    Open();
    Line(IDC_BACK_TITLE)->setText(QStringLiteral("Changed"));
    Line(IDC_BACK_TITLE)->setFocus();
    QTest::keyClick(Line(IDC_BACK_TITLE), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), IDCANCEL);
    EXPECT_EQ(dialog.m_strBackTitle, "About the film");
}

TEST_F(CoverTextDialog, F1OpensTheHelpFile)
{
    CFileOpener desktop;
    Open();
    Text(IDC_FRONT_TEXT)->setFocus();
    QTest::keyClick(Text(IDC_FRONT_TEXT), Qt::Key_F1);
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(QString::fromStdString(HelpFilePath())));
    EXPECT_TRUE(dialog.isVisible());
}

#include "CoverTextDlgTest.moc"
