// The main window's editing, closing and help commands, with every question answered by a
// script and the cover checked after each.
#include "ConfigFolder.h"
#include "CoverMainDlg.h"
#include "CoverSettings.h"
#include "CoverState.h"
#include "CoverTextDlg.h"
#include "FitFrameView.h"
#include "FitPictureDlg.h"
#include "FontDialog.h"
#include "Help.h"
#include "HoverButton.h"
#include "Resources.h"
#include "ScriptedModalHost.h"
#include "Shell.h"
#include "TrackListDlg.h"
#include "resource.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class CUrlCatcher : public QObject
{
    Q_OBJECT

public:
    CUrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~CUrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

class EditCommands : public testing::Test
{
protected:
    void Open(CoverType type)
    {
        InitProgramResources();
        CCoverSettings settings;
        settings.m_dwOption = static_cast<DWORD>(type);
        settings.SaveValues();
        host.AnswerDialog([](CDialog&) { return IDCANCEL; });
        window.DoModal();
        window.show();
        QApplication::processEvents();
    }
    void ViewFront() { QTest::mouseClick(window.Button(IDC_VIEW_FRONT), Qt::LeftButton); }
    bool Visible(int id) const { return window.GetDlgItem(id)->isVisible(); }

    CTemporaryConfigFolder config;
    QTemporaryDir folder;
    CScriptedModalHost host;
    CCoverMainDlg window;
};

} // namespace

TEST_F(EditCommands, ColourForTheFrontOnlyOrForBothSidesOfACd)
{
    Open(StandardCD);
    ViewFront();
    TheCover().fBGColor = RGB(1, 1, 1);
    host.AnswerColorDialog(RGB(200, 0, 0));
    host.AnswerMessageBox(IDNO);
    window.OnChooseColor();
    EXPECT_EQ(host.ColorDialogsRun().front(), RGB(1, 1, 1)); // it opens on the side's colour
    EXPECT_EQ(host.Questions()[0].text, "Use this color for both back and front cover?");
    EXPECT_EQ(host.Questions()[0].caption, "Color");
    EXPECT_EQ(TheCover().fBGColor, RGB(200, 0, 0));
    EXPECT_EQ(TheCover().bBGColor, RGB(255, 255, 255));
    EXPECT_TRUE(TheCover().coverChanged);

    host.AnswerColorDialog(RGB(0, 0, 200));
    host.AnswerMessageBox(IDYES);
    window.OnChooseColor();
    EXPECT_EQ(TheCover().fBGColor, RGB(0, 0, 200));
    EXPECT_EQ(TheCover().bBGColor, RGB(0, 0, 200));
}

TEST_F(EditCommands, DvdColourGoesToBothSidesWithoutAQuestion)
{
    Open(StandardDVD);
    host.AnswerColorDialog(RGB(9, 8, 7));
    window.OnChooseColor();
    EXPECT_TRUE(host.Questions().empty());
    EXPECT_EQ(TheCover().fBGColor, RGB(9, 8, 7));
    EXPECT_EQ(TheCover().bBGColor, RGB(9, 8, 7));

    host.AnswerColorDialog(-1);
    TheCover().coverChanged = false;
    window.OnChooseColor();
    EXPECT_FALSE(TheCover().coverChanged); // a cancelled dialog changes nothing
}

TEST_F(EditCommands, ChoosingAPictureStoresItOnlyWhenTheFileExists)
{
    Open(StandardCD);
    host.AnswerFileDialog("");
    window.OnChooseImage();
    EXPECT_FALSE(TheCover().coverChanged);
    EXPECT_EQ(TheCover().lastFilePath, GetDesktopFolder());

    host.AnswerFileDialog(folder.filePath(QStringLiteral("gone.jpg")).toStdString());
    window.OnChooseImage();
    EXPECT_TRUE(TheCover().coverChanged); // marked as soon as the dialog is accepted
    EXPECT_TRUE(TheCover().bImagePath.empty());

    // A file that is there but holds no picture is refused when chosen, and changes nothing.
    const QString notes = folder.filePath(QStringLiteral("notes.jpg"));
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    TheCover().coverChanged = false;
    host.AnswerFileDialog(notes.toStdString());
    host.AnswerMessageBox(IDOK);
    window.OnChooseImage();
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].text, "\"notes.jpg\" is not a picture Sleevora can read.\n\n"
                                        "Choose a JPEG, PNG, BMP, TIFF, GIF or ICO picture.");
    EXPECT_FALSE(TheCover().coverChanged);
    EXPECT_TRUE(TheCover().bImagePath.empty());

    const QString picture = folder.filePath(QStringLiteral("photo.jpg"));
    QImage(4, 4, QImage::Format_RGB32).save(picture, "PNG"); // named as a JPEG, read as what it is
    host.AnswerFileDialog(picture.toStdString());
    host.AnswerDialog(CFitPictureDlg::kStretch); // square on an oblong back: stretched as it is
    host.AnswerMessageBox(IDOK);                 // far too small to print sharp: the picture is kept
    window.OnChooseImage();
    EXPECT_EQ(TheCover().bImagePath, picture.toStdString());
    EXPECT_EQ(TheCover().lastFilePath, picture.toStdString());
    EXPECT_TRUE(Visible(IDC_CLEAR_IMAGE));
    EXPECT_FALSE(Visible(IDC_CHOOSE_IMAGE));
    ASSERT_EQ(host.FileDialogsRun().size(), 4u);
    EXPECT_EQ(host.FileDialogsRun()[0].filters.size(), 7u);
    EXPECT_EQ(host.FileDialogsRun()[3].initialDir, GetDesktopFolder());
    EXPECT_EQ(host.FileDialogsRun()[3].pParent, &window); // centred on the main window

    TheCover().coverChanged = false;
    window.OnClearImage();
    EXPECT_TRUE(TheCover().bImagePath.empty());
    EXPECT_TRUE(TheCover().coverChanged); // a clearing is a change that closing offers to save
    EXPECT_TRUE(Visible(IDC_CHOOSE_IMAGE));
}

// The back of a CD, the picture over the spines: 5.925 × 4.625 inches.
TEST_F(EditCommands, APictureTooSmallForItsAreaIsNoticedAndKept)
{
    Open(StandardCD);
    const QString small = folder.filePath(QStringLiteral("small.png"));
    ASSERT_TRUE(QImage(593, 463, QImage::Format_RGB32).save(small)); // the area's proportions
    host.AnswerFileDialog(small.toStdString());
    host.AnswerMessageBox(IDOK);
    window.OnChooseImage();
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].caption, "Picture Resolution");
    EXPECT_EQ(host.Questions()[0].text,
              "\"small.png\" is 593 \u00D7 463 pixels: on this cover it will print at 100 pixels per inch, "
              "where 150 or more print sharp.\n\nThe picture is kept; a larger one would print sharper.");
    EXPECT_EQ(TheCover().bImagePath, small.toStdString());

    host.ClearQuestions();
    const QString large = folder.filePath(QStringLiteral("large.png"));
    ASSERT_TRUE(QImage(1186, 926, QImage::Format_RGB32).save(large));
    host.AnswerFileDialog(large.toStdString());
    window.OnChooseImage();
    EXPECT_TRUE(host.Questions().empty()); // 200 pixels an inch
}

// A 4:3 picture on the square front of a CD: the dialog opens on the largest centred square,
// the keys move it, Crop keeps that square as a file of its own; Cancel changes nothing,
// Stretch keeps the picture as it is, and Adjust Picture reopens on the part kept.
TEST_F(EditCommands, APictureOfOtherProportionsIsFittedByCropOrStretch)
{
    Open(StandardCD);
    ViewFront();
    const QString photo = folder.filePath(QStringLiteral("photo.png"));
    QImage picture(1600, 1200, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(1300, 0, 300, 1200, Qt::blue); // blue on the right
    ASSERT_TRUE(picture.save(photo));

    host.AnswerFileDialog(photo.toStdString());
    host.AnswerDialog(IDCANCEL);
    window.OnChooseImage();
    EXPECT_TRUE(TheCover().fImagePath.empty());
    EXPECT_FALSE(TheCover().coverChanged);

    QRect started;
    host.AnswerFileDialog(photo.toStdString());
    host.AnswerDialog([&](CDialog& dialog) {
        auto& fit = dynamic_cast<CFitPictureDlg&>(dialog);
        started = fit.Frame();
        for (int i = 0; i < 3; ++i) // Shift+Right: a tenth of the picture's width each
            QTest::keyClick(fit.FrameView(), Qt::Key_Right, Qt::ShiftModifier);
        return CFitPictureDlg::kCrop;
    });
    window.OnChooseImage();
    EXPECT_EQ(started, QRect(200, 0, 1200, 1200));
    const QString held = QString::fromStdString(TheCover().fImagePath);
    EXPECT_TRUE(held.startsWith(QString::fromStdString(ExtractedPictureFolder()))) << held.toStdString();
    const QImage cut(held);
    EXPECT_EQ(cut.size(), QSize(1200, 1200));
    EXPECT_EQ(cut.pixelColor(1199, 600), QColor(Qt::blue)); // the frame went to the right edge
    EXPECT_TRUE(TheCover().coverChanged);

    QRect reopened;
    host.AnswerDialog([&](CDialog& dialog) {
        reopened = dynamic_cast<CFitPictureDlg&>(dialog).Frame();
        return CFitPictureDlg::kStretch;
    });
    window.OnAdjustPicture();
    EXPECT_EQ(reopened, QRect(400, 0, 1200, 1200));
    EXPECT_EQ(TheCover().fImagePath, photo.toStdString());
    EXPECT_EQ(host.DialogsRun().back(), "CFitPictureDlg");
}

// Unticking "Extend image over spines?" narrows the back's picture area: a picture fitted to
// it in this run is offered a new fit.
TEST_F(EditCommands, ChangingTheExtendChoiceOffersToFitThePictureAgain)
{
    Open(StandardCD);
    const QString photo = folder.filePath(QStringLiteral("wide.png"));
    ASSERT_TRUE(QImage(2000, 1000, QImage::Format_RGB32).save(photo));
    host.AnswerFileDialog(photo.toStdString());
    host.AnswerDialog(CFitPictureDlg::kCrop);
    window.OnChooseImage();
    ASSERT_TRUE(host.Questions().empty());
    host.AnswerMessageBox(IDYES);
    host.AnswerDialog(CFitPictureDlg::kCrop);
    QTest::mouseClick(window.Button(IDC_EXTEND_IMAGE), Qt::LeftButton);
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].caption, "Fit Picture");
    const QImage refitted(QString::fromStdString(TheCover().bImagePath));
    EXPECT_NEAR(static_cast<double>(refitted.width()) / refitted.height(), (5.925 - 0.5) / 4.625, 0.01);
}

TEST_F(EditCommands, TrackListingOkWithoutChangesStillMarksTheCover)
{
    Open(StandardCD);
    TheCover().bCoverText = "[DELIM]1.[/DELIM][DELIM]Song[/DELIM][DELIM]3:00[/DELIM]\n\r";
    bool spineShown = false;
    host.AnswerDialog([&spineShown](CDialog& dialog) {
        auto& listing = dynamic_cast<CTrackListDlg&>(dialog);
        spineShown = listing.m_bShowSpine;
        return IDOK;
    });
    window.OnEditTexts();
    EXPECT_TRUE(spineShown); // the back carries the spine text
    EXPECT_TRUE(TheCover().coverChanged);
    EXPECT_EQ(TheCover().bCoverText, "[DELIM]1.[/DELIM][DELIM]Song[/DELIM][DELIM]3:00[/DELIM]\n\r");

    ViewFront();
    host.AnswerDialog([](CDialog& dialog) {
        auto& listing = dynamic_cast<CTrackListDlg&>(dialog);
        EXPECT_FALSE(listing.m_bShowSpine);
        listing.m_strListing = "[DELIM]1.[/DELIM][DELIM]Front[/DELIM][DELIM][/DELIM]\n\r";
        return IDOK;
    });
    window.OnEditTexts();
    EXPECT_EQ(TheCover().fCoverText, "[DELIM]1.[/DELIM][DELIM]Front[/DELIM][DELIM][/DELIM]\n\r");
}

TEST_F(EditCommands, DvdCoverTextDialogStoresAllFiveTexts)
{
    Open(StandardDVD);
    TheCover().frontCoverSpineText = "front spine stays";
    host.AnswerDialog([](CDialog& dialog) {
        auto& texts = dynamic_cast<CCoverTextDlg&>(dialog);
        texts.m_strSpine = "SPINE";
        texts.m_strBackText = "back\r\ntext";
        texts.m_strFrontText = "front";
        texts.m_strBackTitle = "Back Title";
        texts.m_strFrontTitle = "Front Title";
        return IDOK;
    });
    window.OnEditTexts();
    const CoverState& cover = TheCover();
    EXPECT_TRUE(cover.coverChanged);
    EXPECT_EQ(cover.backCoverSpineText, "SPINE");
    EXPECT_EQ(cover.bCoverText, "back\r\ntext");
    EXPECT_EQ(cover.fCoverText, "front");
    EXPECT_EQ(cover.bCoverTitle, "Back Title");
    EXPECT_EQ(cover.fCoverTitle, "Front Title");
    EXPECT_EQ(cover.frontCoverSpineText, "front spine stays");
}

TEST_F(EditCommands, UncheckingPrintSpineOnADvdTurnsOffSpineAndPicture)
{
    Open(StandardDVD);
    QTest::mouseClick(window.Button(IDC_EXTEND_IMAGE), Qt::LeftButton);
    EXPECT_FALSE(window.Button(IDC_EXTEND_IMAGE)->GetCheckState());
    EXPECT_FALSE(TheCover().backCoverSpinesOn);
    EXPECT_FALSE(TheCover().bBackPrintOverSpines);
    EXPECT_TRUE(TheCover().coverChanged);
}

TEST_F(EditCommands, FontDialogOpensOnTheSidesFontAndColour)
{
    Open(StandardCD);
    TheCover().bCoverTextColor = RGB(0, 0, 128);
    TheCover().bCoverTextFont.lfItalic = 1;
    host.AnswerDialog([](CDialog& dialog) {
        auto& font = dynamic_cast<CFontDialog&>(dialog);
        EXPECT_EQ(font.FaceList()->currentItem()->text(), QStringLiteral("Arial"));
        EXPECT_EQ(font.StyleList()->currentItem()->text(), QStringLiteral("Italic"));
        EXPECT_EQ(font.SizeEdit()->text(), QStringLiteral("18"));
        EXPECT_EQ(font.ColorBox()->currentText(), QStringLiteral("Navy"));
        font.SizeEdit()->setText(QStringLiteral("12"));
        font.StyleList()->setCurrentRow(2); // Bold
        font.UnderlineBox()->setChecked(true);
        font.ColorBox()->setCurrentIndex(font.ColorBox()->findText(QStringLiteral("Red")));
        font.OnOK();
        return font.result();
    });
    window.OnChooseFont();
    const CoverState& cover = TheCover();
    EXPECT_EQ(cover.bCoverTextPointSize, 120);
    EXPECT_EQ(cover.bCoverTextFont.lfHeight, -16);
    EXPECT_EQ(cover.bCoverTextFont.lfWeight, FW_BOLD);
    EXPECT_EQ(cover.bCoverTextFont.lfItalic, 0);
    EXPECT_EQ(cover.bCoverTextFont.lfUnderline, 1);
    EXPECT_STREQ(cover.bCoverTextFont.lfFaceName, "Arial");
    EXPECT_EQ(cover.bCoverTextColor, RGB(255, 0, 0));
    EXPECT_TRUE(cover.coverChanged);
}

TEST_F(EditCommands, ClosingAnUnchangedCoverAsksOnlyWhetherToClose)
{
    Open(StandardCD);
    host.AnswerMessageBox(IDYES);
    QTest::mouseClick(window.Button(IDC_EXIT), Qt::LeftButton);
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].text, "Are you sure you want to close Sleevora?");
    EXPECT_EQ(window.result(), IDYES);
}

TEST_F(EditCommands, ClosingAChangedCoverAndDecliningToSaveExits)
{
    Open(StandardCD);
    TheCover().coverChanged = true;
    host.AnswerMessageBox(IDYES);
    host.AnswerMessageBox(IDNO);
    window.close(); // the title bar's close box goes the same way as Exit
    ASSERT_EQ(host.Questions().size(), 2u);
    EXPECT_EQ(host.Questions()[1].text,
              "You have made changes to your cover, would you like to save the cover?");
    EXPECT_EQ(host.Questions()[1].caption, "Save");
    EXPECT_EQ(window.result(), IDYES);
    EXPECT_TRUE(host.FileDialogsRun().empty());
}

TEST_F(EditCommands, ACancelledSaveKeepsTheWindowOpenOnCloseAndOnStartOver)
{
    Open(StandardCD);
    TheCover().coverChanged = true;
    host.AnswerMessageBox(IDYES); // close?
    host.AnswerMessageBox(IDYES); // save?
    host.AnswerFileDialog("");    // cancelled
    QTest::mouseClick(window.Button(IDC_EXIT), Qt::LeftButton);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(TheCover().saveCancelled);

    host.AnswerMessageBox(IDYES);
    host.AnswerFileDialog("");
    QTest::mouseClick(window.Button(IDC_START_OVER), Qt::LeftButton);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(TheCover().coverChanged);
}

TEST_F(EditCommands, StartOverOnAnUnchangedCoverGoesStraightOn)
{
    Open(StandardCD);
    QTest::mouseClick(window.Button(IDC_START_OVER), Qt::LeftButton);
    EXPECT_TRUE(host.Questions().empty());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), IDOK);
}

TEST_F(EditCommands, F1AndTheHelpButtonOpenTheSameHelpFile)
{
    Open(StandardCD);
    CUrlCatcher desktop;
    QTest::keyClick(&window, Qt::Key_F1);
    QTest::mouseClick(window.Button(IDC_HELP_BUTTON), Qt::LeftButton);
    ASSERT_EQ(desktop.opened.size(), 2);
    EXPECT_EQ(desktop.opened[0], desktop.opened[1]);
    EXPECT_EQ(desktop.opened[0].toLocalFile().toStdString(), HelpFilePath());
    EXPECT_TRUE(desktop.opened[0].toLocalFile().endsWith(QStringLiteral("/help.chm")));
}

#include "CoverEditCommandsTest.moc"
