// The main window laid out for each kind of case, its views and its painting, run as the
// program runs it with scripted answers.
#include "CoverMainDlg.h"
#include "ConfigFolder.h"
#include "CoverSettings.h"
#include "CoverState.h"
#include "DialogUnits.h"
#include "FlatButton.h"
#include "HoverButton.h"
#include "InsertButtons.h"
#include "Resources.h"
#include "ScriptedModalHost.h"
#include "resource.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindow : public testing::Test
{
protected:
    void SetUp() override { InitProgramResources(); }

    // Opens the window for a kind of case as the start-up loop does, and shows it.
    void Open(CoverType type)
    {
        CCoverSettings settings;
        settings.m_dwOption = static_cast<DWORD>(type);
        settings.SaveValues();
        host.AnswerDialog([](CDialog&) { return IDCANCEL; });
        window.DoModal();
        window.show();
        QApplication::processEvents();
    }
    bool Visible(int id) const { return window.GetDlgItem(id)->isVisible(); }
    int Left(int id) const { return window.GetDlgItem(id)->x(); }
    QString Caption(int id) const { return window.Button(id)->text(); }

    CTemporaryConfigFolder config;
    CScriptedModalHost host;
    CCoverMainDlg window;
};

} // namespace

TEST_F(MainWindow, NewStandardCdOpensOnTheBackView)
{
    Open(StandardCD);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Sleevora"));
    EXPECT_EQ(TheCover().covertype, StandardCD);
    EXPECT_TRUE(window.Button(IDC_VIEW_BACK)->GetCheckState());
    EXPECT_FALSE(window.Button(IDC_VIEW_FRONT)->GetCheckState());
    EXPECT_EQ(window.CurrentSide(), CoverSide::Back);
    EXPECT_TRUE(Visible(IDC_EXTEND_IMAGE));
    EXPECT_TRUE(window.Button(IDC_EXTEND_IMAGE)->GetCheckState());
    EXPECT_TRUE(Visible(IDC_CHOOSE_IMAGE));
    EXPECT_FALSE(Visible(IDC_CLEAR_IMAGE));
    EXPECT_TRUE(Visible(IDC_CD_BACK_PREVIEW));
    EXPECT_FALSE(Visible(IDC_CD_FRONT_PREVIEW));
    EXPECT_FALSE(Visible(IDC_DVD_PREVIEW));
    EXPECT_FALSE(Visible(IDC_SLIMLINE_PREVIEW));
    // The grey backdrop sits 2 pixels around the cover in the back preview, which is drawn
    // at the tray card's true proportions (5.925 x 4.625 inches), centred.
    CMyFlatButton* back = window.CdBackPreview();
    const QRect cover = back->CoverRect();
    EXPECT_NEAR(static_cast<double>(cover.width()) / cover.height(), 5.925 / 4.625, 0.01);
    EXPECT_TRUE(cover.width() == back->width() || cover.height() == back->height());
    EXPECT_EQ(window.GetDlgItem(IDC_PREVIEW_BACKGROUND)->geometry(),
              cover.translated(back->pos()).adjusted(-2, -2, 2, 2));
}

TEST_F(MainWindow, ViewButtonsPressAgainWhenTheirViewIsShown)
{
    Open(StandardCD);
    QTest::mouseClick(window.Button(IDC_VIEW_BACK), Qt::LeftButton);
    EXPECT_TRUE(window.Button(IDC_VIEW_BACK)->GetCheckState());
    EXPECT_TRUE(Visible(IDC_CD_BACK_PREVIEW));
    EXPECT_EQ(window.CurrentSide(), CoverSide::Back);

    QTest::mouseClick(window.Button(IDC_VIEW_FRONT), Qt::LeftButton);
    QTest::mouseClick(window.Button(IDC_VIEW_FRONT), Qt::LeftButton);
    EXPECT_TRUE(window.Button(IDC_VIEW_FRONT)->GetCheckState());
    EXPECT_EQ(window.CurrentSide(), CoverSide::Front);
}

TEST_F(MainWindow, FrontViewShowsClearImageOnlyForAFrontPicture)
{
    Open(StandardCD);
    TheCover().bImagePath = "/pictures/back.jpg";
    QTest::mouseClick(window.Button(IDC_VIEW_FRONT), Qt::LeftButton);
    EXPECT_EQ(window.CurrentSide(), CoverSide::Front);
    EXPECT_TRUE(Visible(IDC_CHOOSE_IMAGE));
    EXPECT_FALSE(Visible(IDC_CLEAR_IMAGE));
    EXPECT_FALSE(Visible(IDC_EXTEND_IMAGE));
    EXPECT_TRUE(Visible(IDC_CD_FRONT_PREVIEW));
    EXPECT_FALSE(Visible(IDC_CD_BACK_PREVIEW));
    EXPECT_FALSE(window.Button(IDC_VIEW_BACK)->GetCheckState());

    QTest::mouseClick(window.Button(IDC_VIEW_BACK), Qt::LeftButton);
    EXPECT_TRUE(Visible(IDC_CLEAR_IMAGE));
    EXPECT_FALSE(Visible(IDC_CHOOSE_IMAGE));
    EXPECT_TRUE(Visible(IDC_EXTEND_IMAGE));

    TheCover().fImagePath = "/pictures/front.jpg";
    QTest::mouseClick(window.Button(IDC_VIEW_FRONT), Qt::LeftButton);
    EXPECT_TRUE(Visible(IDC_CLEAR_IMAGE));
}

TEST_F(MainWindow, DvdCoverWidensTheWindowAndMovesTheRightColumn)
{
    Open(StandardDVD);
    EXPECT_EQ(window.size(), QSize(743, 431));
    for (const int id : {IDC_CHOOSE_IMAGE, IDC_CLEAR_IMAGE, IDC_TRACK_LISTING})
        EXPECT_EQ(Left(id), 603) << id;
    for (const int id : {IDC_CHOOSE_COLOR, IDC_FONT})
        EXPECT_EQ(Left(id), 668) << id;
    for (const int id : {IDC_HELP_BUTTON, IDC_EXIT, IDC_PRINT})
        EXPECT_EQ(Left(id), 631) << id;
    EXPECT_EQ(Left(IDC_EXTEND_IMAGE), 619);
    EXPECT_EQ(window.GetDlgItem(IDC_IMAGE_FRAME)->geometry().left(), 598);
    EXPECT_EQ(window.GetDlgItem(IDC_IMAGE_FRAME)->width(), 133);
    EXPECT_EQ(Caption(IDC_TRACK_LISTING), QStringLiteral("Cover &Text"));
    EXPECT_EQ(Caption(IDC_VIEW_BACK), QStringLiteral("DVD Cover"));
    EXPECT_EQ(Caption(IDC_EXTEND_IMAGE), QStringLiteral("Print Spine?"));
    EXPECT_FALSE(Visible(IDC_VIEW_FRONT));
    EXPECT_TRUE(Visible(IDC_DVD_PREVIEW));
    EXPECT_FALSE(Visible(IDC_CD_BACK_PREVIEW));
    const QRect cover = window.DvdPreview()->CoverRect();
    EXPECT_NEAR(static_cast<double>(cover.width()) / cover.height(), 10.72 / 7.2, 0.01);
    EXPECT_EQ(window.GetDlgItem(IDC_PREVIEW_BACKGROUND)->geometry(),
              cover.translated(window.DvdPreview()->pos()).adjusted(-2, -2, 2, 2));
    // The DVD cover button only presses itself again.
    QTest::mouseClick(window.Button(IDC_VIEW_BACK), Qt::LeftButton);
    EXPECT_TRUE(window.Button(IDC_VIEW_BACK)->GetCheckState());
}

TEST_F(MainWindow, SlimlineCoverHasItsOwnCaptions)
{
    Open(SlimlineCD);
    EXPECT_EQ(Caption(IDC_VIEW_BACK), QStringLiteral("Slimline Cover"));
    EXPECT_EQ(Caption(IDC_EXTEND_IMAGE), QStringLiteral("Extend image over spine?"));
    EXPECT_EQ(Caption(IDC_TRACK_LISTING), QStringLiteral("&Track Listing"));
    EXPECT_FALSE(Visible(IDC_VIEW_FRONT));
    EXPECT_TRUE(Visible(IDC_SLIMLINE_PREVIEW));
    EXPECT_FALSE(Visible(IDC_CD_BACK_PREVIEW));
}

TEST_F(MainWindow, ALoadedKindStartsAgainFromTheTemplate)
{
    Open(StandardDVD);
    window.hide();
    Open(StandardCD);
    EXPECT_EQ(Left(IDC_CHOOSE_IMAGE), DialogUnitsToPixelsX(356));
    EXPECT_EQ(window.width(), DialogUnitsToPixelsX(444));
    EXPECT_EQ(Caption(IDC_TRACK_LISTING), QStringLiteral("&Track Listing"));
    EXPECT_TRUE(Visible(IDC_VIEW_FRONT));
}

TEST_F(MainWindow, EnterAndEscapeDoNothing)
{
    Open(StandardCD);
    window.Button(IDC_EXIT)->setFocus();
    QTest::keyClick(window.Button(IDC_EXIT), Qt::Key_Return);
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(&window, Qt::Key_Enter);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(host.Questions().empty());
}

TEST_F(MainWindow, CustomSizeKeepsTheTemplateLayout)
{
    Open(CustomSize);
    EXPECT_TRUE(Visible(IDC_CD_FRONT_PREVIEW));
    EXPECT_TRUE(Visible(IDC_CD_BACK_PREVIEW));
    EXPECT_EQ(window.GetDlgItem(IDC_CD_FRONT_PREVIEW)->geometry().topLeft(),
              QPoint(DialogUnitsToPixelsX(78), DialogUnitsToPixelsY(24)));
    EXPECT_EQ(window.GetDlgItem(IDC_PREVIEW_BACKGROUND)->geometry().topLeft(),
              QPoint(DialogUnitsToPixelsX(56), DialogUnitsToPixelsY(22)));
}

TEST_F(MainWindow, PaintingHandsThePreviewItsSizesAtTheScreenResolution)
{
    Open(StandardCD);
    ASSERT_EQ(window.logicalDpiX(), 96);
    window.repaint();
    CMyFlatButton* back = window.CdBackPreview();
    EXPECT_EQ(back->m_nWidth, 568);
    EXPECT_EQ(back->m_nHeight, 444);
    EXPECT_EQ(back->m_nSpineWidth, 24);
    const QRect cover = back->CoverRect(); // the card at its true proportions in the preview
    back->FillFromCover();
    EXPECT_DOUBLE_EQ(back->m_dScaleX, static_cast<double>(cover.width()) / 568);
    EXPECT_DOUBLE_EQ(back->m_dScaleY, static_cast<double>(cover.height()) / 444);

    TheCover().fBGColor = RGB(10, 20, 30);
    QTest::mouseClick(window.Button(IDC_VIEW_FRONT), Qt::LeftButton);
    window.repaint();
    CMyFlatButton* front = window.CdFrontPreview();
    EXPECT_EQ(front->m_nWidth, 454);
    EXPECT_EQ(front->m_nHeight, 454);
    EXPECT_EQ(front->m_nSpineWidth, 0);
    EXPECT_EQ(front->m_crBackground, RGB(10, 20, 30)); // the cover of the moment
}

TEST_F(MainWindow, PaintingAfterAChangeDrawsTheNewCover)
{
    Open(StandardDVD);
    TheCover().bBGColor = RGB(200, 0, 0);
    window.DvdPreview()->update();
    const QImage shot = window.grab().toImage();
    const QRect dvd = window.GetDlgItem(IDC_DVD_PREVIEW)->geometry();
    EXPECT_EQ(shot.pixelColor(dvd.left() + 30, dvd.center().y()), QColor(200, 0, 0));
}

TEST_F(MainWindow, TheWindowMenuOpensTheAboutBox)
{
    Open(StandardCD);
    host.AnswerDialog([](CDialog& about) {
        EXPECT_EQ(about.windowTitle(), QStringLiteral("About Sleevora"));
        return IDOK;
    });
    window.OnSysCommand(IDM_ABOUTBOX);
    EXPECT_EQ(host.DialogsRun().back(), "CAboutDlg");
}

// Screen readers hear the view buttons and the extend switch as checkable buttons with their
// state, and every command by its caption; each command has a letter of its own that clicks
// it with Alt.
TEST_F(MainWindow, CommandsReachScreenReadersAndTheKeyboard)
{
    Open(StandardCD);
    const auto accessible = [this](int id) {
        return QAccessible::queryAccessibleInterface(window.GetDlgItem(id));
    };
    for (const int id : {IDC_VIEW_BACK, IDC_VIEW_FRONT, IDC_EXTEND_IMAGE}) {
        EXPECT_EQ(accessible(id)->role(), QAccessible::Button) << id;
        EXPECT_TRUE(accessible(id)->state().checkable) << id;
    }
    EXPECT_TRUE(accessible(IDC_VIEW_BACK)->state().checked);
    EXPECT_FALSE(accessible(IDC_VIEW_FRONT)->state().checked);
    EXPECT_TRUE(accessible(IDC_EXTEND_IMAGE)->state().checked);
    accessible(IDC_VIEW_FRONT)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(window.CurrentSide(), CoverSide::Front);
    EXPECT_FALSE(accessible(IDC_VIEW_BACK)->state().checked);
    EXPECT_TRUE(accessible(IDC_VIEW_FRONT)->state().checked);

    QSet<QKeySequence> letters;
    for (const int id :
         {IDC_START_OVER, IDC_LOAD, IDC_SAVE, IDC_HELP_BUTTON, IDC_CHOOSE_IMAGE, IDC_CLEAR_IMAGE,
          IDC_CHOOSE_COLOR, IDC_TRACK_LISTING, IDC_FONT, IDC_PRINT, IDC_EXIT}) {
        EXPECT_FALSE(accessible(id)->state().checkable) << id;
        EXPECT_EQ(accessible(id)->text(QAccessible::Name), Caption(id).remove(QLatin1Char('&')));
        const QKeySequence letter = QKeySequence::mnemonic(Caption(id));
        EXPECT_FALSE(letter.isEmpty()) << Caption(id).toStdString();
        EXPECT_FALSE(letters.contains(letter)) << Caption(id).toStdString();
        letters.insert(letter);
    }
    QApplication::setActiveWindow(&window);
    host.AnswerDialog(IDCANCEL);
    QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier); // the button shows itself pressed a moment first
    EXPECT_TRUE(QTest::qWaitFor([this] { return host.DialogsRun().back() == "CFontDialog"; }));
}
