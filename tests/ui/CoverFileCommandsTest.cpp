// Saving and loading covers from the main window, with the file dialogs and questions
// answered by a script and real files in a temporary folder.
#include "ConfigFolder.h"
#include "CoverFile.h"
#include "CoverMainDlg.h"
#include "CoverSettings.h"
#include "CoverState.h"
#include "EditGrid.h"
#include "FlatButton.h"
#include "GridCellEdit.h"
#include "HoverButton.h"
#include "Resources.h"
#include "ScriptedModalHost.h"
#include "Shell.h"
#include "TrackListDlg.h"
#include "TrackListing.h"
#include "resource.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const std::string& path, const QByteArray& bytes)
{
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class CoverFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        InitProgramResources();
        Open(StandardCD);
        TheCover().lastFilePath = folder.path().toStdString();
    }

    void Open(CoverType type)
    {
        CCoverSettings settings;
        settings.m_dwOption = static_cast<DWORD>(type);
        settings.SaveValues();
        RunWindow();
    }
    // One run of the window, as the start-up loop makes it.
    void RunWindow()
    {
        host.AnswerDialog([](CDialog&) { return IDCANCEL; });
        window.DoModal();
        window.show();
        QApplication::processEvents();
    }
    std::string InFolder(const char* name) const
    {
        return folder.filePath(QString::fromLatin1(name)).toStdString();
    }

    CTemporaryConfigFolder config;
    QTemporaryDir folder;
    CScriptedModalHost host;
    CCoverMainDlg window;
};

} // namespace

TEST_F(CoverFiles, SaveAddsTheExtensionOnlyWhenTheNameLacksIt)
{
    const std::pair<const char*, const char*> names[] = {
        {"mycover", "mycover.slv"}, {"mycover.SLV", "mycover.SLV.slv"}, {"a.slv.old", "a.slv.old"}};
    for (const auto& [typed, written] : names) {
        host.AnswerFileDialog(InFolder(typed));
        TheCover().coverChanged = true;
        window.SaveCoverFile();
        EXPECT_TRUE(QFile::exists(QString::fromStdString(InFolder(written)))) << typed;
        EXPECT_FALSE(TheCover().coverChanged);
        EXPECT_FALSE(TheCover().saveCancelled);
    }
    ASSERT_EQ(host.FileDialogsRun().size(), 3u);
    EXPECT_FALSE(host.FileDialogsRun()[0].bOpen);
    EXPECT_EQ(host.FileDialogsRun()[0].filters.size(), 1u);
    EXPECT_TRUE(ReadAll(InFolder("mycover.slv")).startsWith("[BEGIN][covertype]=1[ENDcovertype]"));
}

TEST_F(CoverFiles, CancellingTheSaveDialogSavesNothingAndSaysSo)
{
    TheCover().lastFilePath.clear();
    TheCover().coverChanged = true;
    host.AnswerFileDialog("");
    window.SaveCoverFile();
    EXPECT_TRUE(TheCover().saveCancelled);
    EXPECT_TRUE(TheCover().coverChanged);
    EXPECT_EQ(host.FileDialogsRun()[0].initialDir, GetDesktopFolder());
    EXPECT_EQ(TheCover().lastFilePath, GetDesktopFolder());
}

TEST_F(CoverFiles, NoToOverwriteKeepsTheOldFileAndTheChangedMark)
{
    WriteAll(InFolder("old.slv"), "the old cover");
    TheCover().coverChanged = true;
    host.AnswerFileDialog(InFolder("old.slv"));
    host.AnswerMessageBox(IDNO);
    window.SaveCoverFile();
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].text,
              "A cover with this name already exists. Would you like to overwrite this cover?");
    EXPECT_EQ(host.Questions()[0].caption, "Overwrite?");
    EXPECT_EQ(host.Questions()[0].nType, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(ReadAll(InFolder("old.slv")), QByteArray("the old cover"));
    EXPECT_TRUE(TheCover().coverChanged);

    // The save prompt that called the save then reports that nothing was saved.
    host.AnswerMessageBox(IDYES);
    host.AnswerFileDialog(InFolder("old.slv"));
    host.AnswerMessageBox(IDNO);
    EXPECT_FALSE(window.ConfirmSaveChanges());
}

TEST_F(CoverFiles, ASaveThatCannotBeWrittenSaysWhyAndKeepsTheCoverChanged)
{
    WriteAll(InFolder("plain-file"), "not a folder");
    TheCover().coverChanged = true;
    host.AnswerFileDialog(InFolder("plain-file") + "/cover.slv");
    host.AnswerMessageBox(IDOK);
    window.SaveCoverFile();
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].caption, "Error");
    EXPECT_NE(host.Questions()[0].text.find("cover.slv"), std::string::npos);
    EXPECT_TRUE(TheCover().coverChanged);
    EXPECT_FALSE(TheCover().saveCancelled);
}

TEST_F(CoverFiles, LoadingRunsTheWindowAgainWithTheSavedCover)
{
    Open(StandardDVD);
    TheCover().lastFilePath = folder.path().toStdString();
    TheCover().bCoverTitle = "The Quiet Coast";
    TheCover().bBGColor = RGB(1, 2, 3);
    TheCover().bBackPrintOverSpines = false;
    host.AnswerFileDialog(InFolder("dvd"));
    window.SaveCoverFile();

    Open(StandardCD); // a different kind in between
    host.AnswerFileDialog(InFolder("dvd.slv"));
    window.ChooseCoverFile();
    EXPECT_EQ(window.PendingLoadPath(), InFolder("dvd.slv"));
    EXPECT_EQ(window.result(), IDOK);
    RunWindow();
    EXPECT_TRUE(window.PendingLoadPath().empty());
    EXPECT_EQ(TheCover().covertype, StandardDVD);
    EXPECT_EQ(TheCover().bCoverTitle, "The Quiet Coast");
    EXPECT_EQ(TheCover().bBGColor, RGB(1, 2, 3));
    EXPECT_FALSE(TheCover().coverChanged);
    EXPECT_EQ(CCoverSettings().m_dwOption, static_cast<DWORD>(StandardDVD));
    EXPECT_EQ(window.Button(IDC_TRACK_LISTING)->text(), QStringLiteral("Cover &Text")); // laid out as a DVD
    EXPECT_FALSE(window.Button(IDC_EXTEND_IMAGE)->GetCheckState());
    EXPECT_FALSE(TheCover().backCoverSpinesOn); // "Print Spine?" off: no spine outline either
}

// The window run again to load a cover gives the keyboard to its first tab stop, as a new
// window does, not to Load, where Space would load again.
TEST_F(CoverFiles, AfterALoadTheKeyboardIsWhereANewWindowPutsIt)
{
    QWidget* first = window.focusWidget();
    ASSERT_NE(first, nullptr);
    host.AnswerFileDialog(InFolder("kept"));
    window.SaveCoverFile();
    window.Button(IDC_LOAD)->setFocus();
    host.AnswerFileDialog(InFolder("kept.slv"));
    window.ChooseCoverFile();
    RunWindow();
    EXPECT_EQ(window.focusWidget(), first);
    EXPECT_NE(window.focusWidget(), window.Button(IDC_LOAD));
}

TEST_F(CoverFiles, ALoadedBackPictureShowsClearImage)
{
    const std::string picture = InFolder("photo.png");
    WriteAll(picture, "not really a png, but bytes to carry");
    TheCover().bImagePath = picture;
    host.AnswerFileDialog(InFolder("with-picture.slv"));
    window.SaveCoverFile();
    window.SetPendingLoadPath(InFolder("with-picture.slv"));
    RunWindow();
    EXPECT_FALSE(TheCover().bImagePath.empty());
    EXPECT_EQ(ReadAll(TheCover().bImagePath), ReadAll(picture));
    EXPECT_TRUE(window.Button(IDC_CLEAR_IMAGE)->isVisible());
    EXPECT_FALSE(window.Button(IDC_CHOOSE_IMAGE)->isVisible());
}

TEST_F(CoverFiles, AFileThatIsNoCoverIsReportedAndTheResetCoverStays)
{
    WriteAll(InFolder("notes.slv"), "just some text");
    window.SetPendingLoadPath(InFolder("notes.slv"));
    host.AnswerMessageBox(IDOK);
    RunWindow();
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].caption, "Invalid File");
    EXPECT_EQ(host.Questions()[0].text,
              "Unable to load a cover from the file you specified.\n\nPlease ensure the "
              "file are attempting to load was created using Sleevora.");
    EXPECT_EQ(host.Questions()[0].nType, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(TheCover().covertype, StandardCD);
    EXPECT_FALSE(TheCover().coverChanged);
    EXPECT_TRUE(window.PendingLoadPath().empty());
}

TEST_F(CoverFiles, ConfirmingANameThatDoesNotExistLoadsNothingAndKeepsTheChangedMark)
{
    TheCover().coverChanged = true;
    host.AnswerMessageBox(IDNO); // do not save the changes first
    host.AnswerFileDialog(InFolder("missing"));
    window.ChooseCoverFile();
    EXPECT_TRUE(window.PendingLoadPath().empty());
    EXPECT_TRUE(TheCover().coverChanged); // the changes were not saved and are still there
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(host.Questions().size(), 1u);
}

// A file that is no cover (a picture renamed, an empty or cut-off file, an unknown kind of
// case) is found out before the window lets go of the cover on screen.
TEST_F(CoverFiles, AFailedLoadKeepsTheCoverItsViewAndItsChangedMark)
{
    const QByteArray png = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452");
    WriteAll(InFolder("photo.slv"), png);
    WriteAll(InFolder("empty.slv"), "");
    WriteAll(InFolder("unknown.slv"), "[BEGIN][covertype]=7[ENDcovertype][END]");
    window.Button(IDC_VIEW_FRONT)->click();
    TheCover().fCoverText = "work in progress";
    for (const char* name : {"photo.slv", "empty.slv", "unknown.slv"}) {
        TheCover().coverChanged = true;
        host.AnswerMessageBox(IDNO); // do not save first
        host.AnswerFileDialog(InFolder(name));
        host.AnswerMessageBox(IDOK);
        window.ChooseCoverFile();
        ASSERT_EQ(host.Questions().size(), 2u) << name;
        EXPECT_EQ(host.Questions()[1].caption, "Invalid File");
        host.ClearQuestions();
        EXPECT_TRUE(window.isVisible()) << name;
        EXPECT_TRUE(window.PendingLoadPath().empty());
        EXPECT_EQ(TheCover().fCoverText, "work in progress");
        EXPECT_TRUE(TheCover().coverChanged);
        EXPECT_EQ(window.CurrentSide(), CoverSide::Front);
    }
}

TEST_F(CoverFiles, ACoverCutOffInsideItsPictureLoadsTheRestAndSaysWhichPictureIsLost)
{
    const std::string picture = InFolder("photo.png");
    WriteAll(picture, QByteArray(4000, 'p'));
    TheCover().bImagePath = picture;
    TheCover().bCoverText = "still here";
    host.AnswerFileDialog(InFolder("whole.slv"));
    window.SaveCoverFile();
    const QByteArray whole = ReadAll(InFolder("whole.slv"));
    WriteAll(InFolder("cut.slv"), whole.left(whole.indexOf("[IMAGE2]") + 50));
    host.AnswerFileDialog(InFolder("cut.slv"));
    window.ChooseCoverFile();
    host.AnswerMessageBox(IDOK);
    RunWindow();
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].caption, "Error");
    EXPECT_EQ(host.Questions()[0].text.rfind("The back picture of this cover could not be read", 0), 0u);
    EXPECT_EQ(TheCover().bCoverText, "still here");
    EXPECT_TRUE(TheCover().bImagePath.empty());
    EXPECT_TRUE(window.Button(IDC_CHOOSE_IMAGE)->isVisible());
}

TEST_F(CoverFiles, PicturesOfALoadedCoverGoToAFolderOfThisRunningProgramOnly)
{
    const QString extracted = QString::fromStdString(ExtractedPictureFolder());
    ASSERT_FALSE(extracted.isEmpty());
    EXPECT_EQ(QString::fromStdString(ExtractedPictureFolder()), extracted); // one folder for the whole run
    EXPECT_TRUE(QFileInfo(extracted).isDir());
    EXPECT_TRUE(extracted.contains(QStringLiteral("sleevora-pictures-")));
    EXPECT_EQ(QFileInfo(extracted).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
              QFileDevice::Permissions()); // nobody else reads a user's covers

    const std::string picture = InFolder("photo.png");
    WriteAll(picture, "picture bytes");
    TheCover().bImagePath = picture;
    host.AnswerFileDialog(InFolder("with-picture.slv"));
    window.SaveCoverFile();
    window.SetPendingLoadPath(InFolder("with-picture.slv"));
    RunWindow();
    EXPECT_EQ(QString::fromStdString(TheCover().bImagePath), extracted + QStringLiteral("/tmpback.png"));
}

// The same window object runs again to load; the image button follows the side in view.
TEST_F(CoverFiles, LoadingFromTheFrontViewOpensOnTheBackWithItsImageButton)
{
    const std::string picture = InFolder("photo.png");
    WriteAll(picture, "picture bytes");
    TheCover().bImagePath = picture;
    host.AnswerFileDialog(InFolder("back-picture.slv"));
    window.SaveCoverFile();
    window.Button(IDC_VIEW_FRONT)->click();
    EXPECT_TRUE(window.Button(IDC_CHOOSE_IMAGE)->isVisible()); // the front has no picture
    host.AnswerFileDialog(InFolder("back-picture.slv"));
    window.ChooseCoverFile();
    RunWindow();
    EXPECT_EQ(window.CurrentSide(), CoverSide::Back);
    EXPECT_TRUE(window.Button(IDC_CLEAR_IMAGE)->isVisible());
    EXPECT_FALSE(window.Button(IDC_CHOOSE_IMAGE)->isVisible());
}

// A Windows-made listing in Windows-1252, one cell opened and closed unchanged: the cover's
// text stays one encoding and prints as it did.
TEST_F(CoverFiles, ACellOfAWindowsMadeListingEditedUnchangedLeavesTheTextAsItWas)
{
    const std::string listing = "[DELIM]1.[/DELIM][DELIM]Caf\xE9 Noir[/DELIM][DELIM]3:10[/DELIM]\n\r"
                                "[DELIM]2.[/DELIM][DELIM]Na\xEFve[/DELIM][DELIM]4:02[/DELIM]\n\r";
    WriteAll(InFolder("windows.slv"),
             QByteArray::fromStdString("[BEGIN][covertype]=1[ENDcovertype][bCoverText]=" + listing +
                                       "[ENDbCoverText][END]"));
    window.SetPendingLoadPath(InFolder("windows.slv"));
    RunWindow();
    const std::string loaded = TheCover().bCoverText;
    EXPECT_EQ(DecodeTrackListingCells(loaded)[4], "Na\xC3\xAFve");
    host.AnswerDialog([](CDialog& shown) {
        auto& dialog = static_cast<CTrackListDlg&>(shown);
        dialog.Grid()->SetRow(2);
        dialog.Grid()->SetCol(2);
        dialog.Grid()->setFocus();
        QTest::keyClick(dialog.Grid(), Qt::Key_Return);            // open the "Naïve" cell ...
        QTest::keyClick(dialog.Grid()->EditBox(), Qt::Key_Return); // ... and close it unchanged
        QApplication::processEvents();
        dialog.OnOK();
        return IDOK;
    });
    window.OnEditTexts();
    EXPECT_EQ(TheCover().bCoverText, loaded);
}

// Files dragged onto the window, with the MIME data a file manager gives a drag.
class DroppedFiles : public CoverFiles
{
protected:
    bool Drop(const QString& path, const QPoint& at)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
        return drop.isAccepted();
    }
    QPoint OnThePreview() const { return window.CdBackPreview()->geometry().center(); }
};

TEST_F(DroppedFiles, APictureOnThePreviewBecomesTheBackgroundOfTheSideInView)
{
    const QString picture = folder.filePath(QStringLiteral("photo.jpg"));
    QImage(1185, 925, QImage::Format_RGB32).save(picture, "PNG"); // the back's proportions, sharp
    EXPECT_FALSE(Drop(picture, QPoint(5, 5)));                    // beside the preview: not taken
    EXPECT_TRUE(TheCover().bImagePath.empty());
    EXPECT_TRUE(Drop(picture, OnThePreview()));
    EXPECT_EQ(QString::fromStdString(TheCover().bImagePath), picture);
    EXPECT_TRUE(TheCover().coverChanged);
    EXPECT_TRUE(window.Button(IDC_CLEAR_IMAGE)->isVisible());

    WriteAll(InFolder("notes.txt"), "just some words");
    EXPECT_FALSE(
        Drop(folder.filePath(QStringLiteral("notes.txt")), OnThePreview())); // neither picture nor cover
}

TEST_F(DroppedFiles, ACoverDroppedAnywhereLoadsAfterTheSavePromptAndIsRecentFromThenOn)
{
    TheCover().bCoverText = "the cover to keep";
    host.AnswerFileDialog(InFolder("kept.slv"));
    window.SaveCoverFile(); // saved covers are recent covers
    TheCover().coverChanged = true;
    host.AnswerMessageBox(IDNO); // do not save the changes first
    EXPECT_TRUE(Drop(folder.filePath(QStringLiteral("kept.slv")), QPoint(5, 5)));
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].caption, "Save");
    EXPECT_EQ(window.PendingLoadPath(), InFolder("kept.slv"));
    RunWindow();
    EXPECT_EQ(TheCover().bCoverText, "the cover to keep");
    EXPECT_EQ(window.RecentCovers(), std::vector<std::string>{InFolder("kept.slv")});
}
