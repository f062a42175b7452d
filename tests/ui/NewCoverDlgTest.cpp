// The New Cover dialog, run as the program runs it with scripted answers to its questions.
#include "NewCoverDlg.h"
#include "ConfigFolder.h"
#include "CoverSettings.h"
#include "CoverState.h"
#include "HoverButton.h"
#include "Resources.h"
#include "ScriptedModalHost.h"
#include "resource.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void StoreSettings(DWORD option, DWORD chf = 119, DWORD cwf = 121, DWORD chb = 118, DWORD cwb = 151)
{
    CCoverSettings settings;
    settings.m_dwOption = option;
    settings.m_dwCHF = chf;
    settings.m_dwCWF = cwf;
    settings.m_dwCHB = chb;
    settings.m_dwCWB = cwb;
    settings.SaveValues();
}

class NewCoverDialog : public testing::Test
{
protected:
    void SetUp() override { InitProgramResources(); }

    // Opens the dialog as the program does (through the modal host) and leaves it open.
    void Open()
    {
        host.AnswerDialog([](CDialog&) { return IDCANCEL; });
        dialog.DoModal();
        dialog.show();
    }
    bool Checked(int id) const { return dialog.ChoiceButton(id)->isChecked(); }
    bool Bold(int id) const { return dialog.ChoiceButton(id)->font().bold(); }

    CTemporaryConfigFolder config;
    CScriptedModalHost host;
    CNewCoverDlg dialog;
};

} // namespace

TEST(SizeText, ConvertsCentimetresToTenthsDroppingFurtherDecimals)
{
    DWORD tenths = 0;
    const std::pair<const char*, DWORD> good[] = {
        {"12", 120}, {"12.", 120}, {"12.5", 125}, {"12.55", 125},
        {".5", 5},   {"", 0},      {"0.1", 1},    {"4294967.2", 42949672}};
    for (const auto& [text, expected] : good) {
        ASSERT_TRUE(ParseSizeTenths(text, &tenths)) << text;
        EXPECT_EQ(tenths, expected) << text;
    }
    for (const char* bad :
         {"1.2.3", "12,5", "-5", " 12", "12 ", "12cm", "99999999999999999999", "429496729.6"})
        EXPECT_FALSE(ParseSizeTenths(bad, &tenths)) << bad;
}

TEST_F(NewCoverDialog, WithoutStoredSettingsStandardCdIsCheckedInBold)
{
    Open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Create A New Cover"));
    EXPECT_TRUE(Checked(IDC_STANDARD_CD));
    EXPECT_TRUE(Bold(IDC_STANDARD_CD));
    EXPECT_FALSE(Bold(IDC_SLIMLINE_CD));
    EXPECT_EQ(dialog.SizeEdit(IDC_FRONT_HEIGHT)->text(), QStringLiteral("11.9"));
    EXPECT_EQ(dialog.SizeEdit(IDC_FRONT_WIDTH)->text(), QStringLiteral("12.1"));
    EXPECT_EQ(dialog.SizeEdit(IDC_BACK_HEIGHT)->text(), QStringLiteral("11.8"));
    EXPECT_EQ(dialog.SizeEdit(IDC_BACK_WIDTH)->text(), QStringLiteral("15.1"));
    EXPECT_FALSE(dialog.ChoiceButton(IDC_OTHER_SIZE)->isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.ContinueButton());
}

TEST_F(NewCoverDialog, AStoredKindThatIsNoChoiceChecksNothingAndContinueStoresStandardCd)
{
    StoreSettings(6);
    Open();
    for (const int id :
         {IDC_STANDARD_CD, IDC_STANDARD_DVD, IDC_OTHER_SIZE, IDC_SLIMLINE_CD, IDC_SLIMLINE_DVD}) {
        EXPECT_FALSE(Checked(id)) << id;
        EXPECT_FALSE(Bold(id)) << id;
    }
    dialog.OnOK();
    EXPECT_EQ(CCoverSettings().m_dwOption, static_cast<DWORD>(StandardCD));
    EXPECT_EQ(dialog.result(), IDOK);
}

TEST_F(NewCoverDialog, ClickingAChoiceMakesItTheOnlyBoldCheckedOne)
{
    StoreSettings(StandardDVD);
    Open();
    EXPECT_TRUE(Checked(IDC_STANDARD_DVD));
    QTest::mouseClick(dialog.ChoiceButton(IDC_SLIMLINE_DVD), Qt::LeftButton);
    EXPECT_TRUE(Checked(IDC_SLIMLINE_DVD));
    EXPECT_TRUE(Bold(IDC_SLIMLINE_DVD));
    EXPECT_FALSE(Checked(IDC_STANDARD_DVD));
    EXPECT_FALSE(Bold(IDC_STANDARD_DVD));
    // Clicking the checked choice again keeps it checked.
    QTest::mouseClick(dialog.ChoiceButton(IDC_SLIMLINE_DVD), Qt::LeftButton);
    EXPECT_TRUE(Checked(IDC_SLIMLINE_DVD));
    QTest::mouseClick(dialog.ContinueButton(), Qt::LeftButton);
    EXPECT_EQ(CCoverSettings().m_dwOption, static_cast<DWORD>(SlimlineDVD));
}

TEST_F(NewCoverDialog, StoredCustomSizeChecksTheHiddenChoiceAndWritesTheSizesBack)
{
    StoreSettings(CustomSize, 100, 101, 102, 103);
    Open();
    EXPECT_TRUE(Checked(IDC_OTHER_SIZE));
    for (const int id : {IDC_STANDARD_CD, IDC_STANDARD_DVD, IDC_SLIMLINE_CD, IDC_SLIMLINE_DVD})
        EXPECT_FALSE(Checked(id)) << id;
    EXPECT_TRUE(dialog.SizeEdit(IDC_FRONT_HEIGHT)->isEnabled());
    EXPECT_FALSE(dialog.SizeEdit(IDC_FRONT_HEIGHT)->isVisible());
    dialog.OnOK();
    const CCoverSettings stored;
    EXPECT_EQ(stored.m_dwOption, static_cast<DWORD>(CustomSize));
    EXPECT_EQ(stored.m_dwCHF, 100u);
    EXPECT_EQ(stored.m_dwCWF, 101u);
    EXPECT_EQ(stored.m_dwCHB, 102u);
    EXPECT_EQ(stored.m_dwCWB, 103u);
}

TEST_F(NewCoverDialog, ClickingAVisibleChoiceUnchecksOtherAndDisablesTheSizes)
{
    StoreSettings(CustomSize);
    Open();
    QTest::mouseClick(dialog.ChoiceButton(IDC_SLIMLINE_CD), Qt::LeftButton);
    EXPECT_FALSE(Checked(IDC_OTHER_SIZE));
    EXPECT_FALSE(dialog.SizeEdit(IDC_BACK_WIDTH)->isEnabled());
}

TEST_F(NewCoverDialog, AnInvalidSizeIsNamedFocusedAndStopsContinue)
{
    StoreSettings(CustomSize, 50, 50, 50, 50);
    Open();
    dialog.SizeEdit(IDC_FRONT_WIDTH)->setText(QStringLiteral("12,5"));
    dialog.SizeEdit(IDC_BACK_HEIGHT)->setText(QStringLiteral("-5"));
    host.AnswerMessageBox(IDOK);
    dialog.OnOK();
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].text, "Please enter a valid number in the 'Front Width' box.");
    EXPECT_EQ(host.Questions()[0].caption, "Error");
    EXPECT_EQ(host.Questions()[0].nType, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_TRUE(dialog.isVisible());
    // The size fields never show, and a hidden field cannot hold the keyboard focus here.
    EXPECT_EQ(CCoverSettings().m_dwCWF, 50u); // nothing was written
    EXPECT_EQ(CCoverSettings().m_dwOption, static_cast<DWORD>(CustomSize));
}

TEST_F(NewCoverDialog, EscapeWritesNothingAndEnterContinues)
{
    StoreSettings(StandardDVD);
    Open();
    QTest::mouseClick(dialog.ChoiceButton(IDC_SLIMLINE_CD), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), IDCANCEL);
    EXPECT_EQ(CCoverSettings().m_dwOption, static_cast<DWORD>(StandardDVD));

    host.AnswerDialog([](CDialog&) { return IDCANCEL; });
    dialog.DoModal();
    dialog.show();
    QTest::mouseClick(dialog.ChoiceButton(IDC_SLIMLINE_CD), Qt::LeftButton);
    QTest::keyClick(dialog.ChoiceButton(IDC_SLIMLINE_CD), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), IDOK);
    EXPECT_EQ(CCoverSettings().m_dwOption, static_cast<DWORD>(SlimlineCD));
}

// Without a mouse: Tab reaches the checked kind, the arrows move the choice, Enter continues.
TEST_F(NewCoverDialog, TheKindOfCaseCanBeChosenWithTheKeyboard)
{
    StoreSettings(StandardCD);
    Open();
    QApplication::setActiveWindow(&dialog);
    EXPECT_TRUE(dialog.ContinueButton()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dialog.ChoiceButton(IDC_STANDARD_CD));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // the next kind on screen
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), dialog.ChoiceButton(IDC_STANDARD_DVD));
    EXPECT_TRUE(Checked(IDC_STANDARD_DVD));
    EXPECT_FALSE(Checked(IDC_STANDARD_CD));
    EXPECT_TRUE(Bold(IDC_STANDARD_DVD));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_TRUE(Checked(IDC_SLIMLINE_CD));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // on to Continue, past the other kinds
    EXPECT_EQ(QApplication::focusWidget(), dialog.ContinueButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(CCoverSettings().m_dwOption, static_cast<DWORD>(SlimlineCD));
}

// Screen readers hear the kinds of case as radio buttons, one of them checked; choosing one
// through them is choosing it with the mouse.
TEST_F(NewCoverDialog, ScreenReadersHearTheKindsAsRadioButtons)
{
    StoreSettings(SlimlineCD);
    Open();
    const auto accessible = [this](int id) {
        return QAccessible::queryAccessibleInterface(dialog.ChoiceButton(id));
    };
    for (const int id : {IDC_STANDARD_CD, IDC_SLIMLINE_CD, IDC_STANDARD_DVD, IDC_SLIMLINE_DVD}) {
        EXPECT_EQ(accessible(id)->role(), QAccessible::RadioButton) << id;
        EXPECT_EQ(accessible(id)->state().checked, id == IDC_SLIMLINE_CD) << id;
    }
    EXPECT_EQ(accessible(IDC_STANDARD_DVD)->text(QAccessible::Name), QStringLiteral("Standard DVD Case"));
    accessible(IDC_STANDARD_DVD)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(Checked(IDC_STANDARD_DVD));
    EXPECT_FALSE(Checked(IDC_SLIMLINE_CD));
    EXPECT_TRUE(Bold(IDC_STANDARD_DVD));
}
