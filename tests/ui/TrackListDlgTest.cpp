// The track listing dialog run as the program runs it, driven with the mouse and keyboard.
#include "TrackListDlg.h"
#include "DialogUnits.h"
#include "EditGrid.h"
#include "GridCellEdit.h"
#include "Help.h"
#include "MusicFiles.h"
#include "ScriptedModalHost.h"
#include "TrackListing.h"
#include "resource.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
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

std::string Numbered(int count)
{
    std::vector<TrackRow> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back({std::to_string(i) + ".", "Track " + std::to_string(i), std::to_string(i) + ":00"});
    return EncodeTrackListing(rows);
}

class TrackListDialog : public testing::Test
{
protected:
    // Opens the dialog through the modal host, as the command does, and leaves it on screen.
    void Open(const std::string& listing, bool showSpine = true, const std::string& spine = "")
    {
        dialog.m_strListing = listing;
        dialog.m_strSpine = spine;
        dialog.m_bShowSpine = showSpine;
        host.AnswerDialog(IDCANCEL);
        dialog.DoModal();
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QApplication::processEvents();
    }
    CEditGrid& Grid() const { return *dialog.Grid(); }
    CGridCellEdit& EditBox() const { return *Grid().EditBox(); }
    std::string Cell(LONG row, LONG col) const { return Grid().GetTextMatrix(row, col); }
    std::vector<std::string> Column(LONG col) const
    {
        std::vector<std::string> cells;
        for (LONG row = 1; row < Grid().GetRows(); ++row)
            cells.push_back(Cell(row, col));
        return cells;
    }
    void ClickCell(LONG row, LONG col)
    {
        const QRect cell = Grid().visualRect(Grid().model()->index(row - 1, col - 1));
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, cell.center());
    }
    void Click(int id) { QTest::mouseClick(dialog.GetDlgItem(id), Qt::LeftButton); }
    void SetCurrent(LONG row, LONG col)
    {
        Grid().SetRow(row);
        Grid().SetCol(col);
    }

    CScriptedModalHost host;
    CTrackListDlg dialog;
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(TrackListDialog, IsBuiltFromItsTemplate)
{
    Open("");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Cover Text/Track Listing"));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(qobject_cast<QPushButton*>(dialog.GetDlgItem(IDOK))->isDefault());
    const CRect place = DialogUnitRect(7, 45, 247, 162);
    EXPECT_EQ(Grid().geometry(), QRect(place.left, place.top, place.Width(), place.Height()));
    EXPECT_EQ(Grid().model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("No."));
    EXPECT_EQ(Grid().model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Title."));
    EXPECT_EQ(Grid().model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Length"));
    for (const QLabel* label : dialog.findChildren<QLabel*>()) // every label shows its whole text on one line
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
            << label->text().toStdString();
}

// Rows with neither title nor length at the end are not kept: their numbers alone would be
// printed. A spacer between filled rows stays.
TEST_F(TrackListDialog, AnEmptyTextGivesEightNumberedRowsOfWhichOkKeepsTheFilledOnes)
{
    Open("");
    EXPECT_EQ(Grid().GetRows(), 9);
    EXPECT_EQ(Column(1), (Strings{"1.", "2.", "3.", "4.", "5.", "6.", "7.", "8."}));
    Click(IDOK);
    EXPECT_EQ(dialog.result(), IDOK);
    EXPECT_EQ(dialog.m_strListing, "");
    EXPECT_EQ(dialog.m_strListingBefore, "");

    Open("");
    Grid().SetTextMatrix(1, 2, "SUMMER MIXTAPE");
    Grid().SetTextMatrix(3, 2, "for Anna");
    dialog.OnOK();
    EXPECT_EQ(dialog.m_strListing,
              EncodeTrackListing({{"1.", "SUMMER MIXTAPE", ""}, {"2.", "", ""}, {"3.", "for Anna", ""}}));
}

TEST_F(TrackListDialog, AListingOpensWithExactlyItsRowsAndOkWritesItBackUnchanged)
{
    for (const int count : {12, 2, 1}) {
        Open(Numbered(count));
        EXPECT_EQ(Grid().GetRows(), count + 1) << count;
        EXPECT_EQ(Cell(count, 1), std::to_string(count) + ".");
        EXPECT_EQ(Cell(count, 2), "Track " + std::to_string(count));
        EXPECT_EQ(Cell(count, 3), std::to_string(count) + ":00");
        dialog.OnOK();
        EXPECT_EQ(dialog.m_strListing, Numbered(count)) << count;
    }
}

TEST_F(TrackListDialog, ALastCellWithoutItsCloseRunsToTheEndOfTheText)
{
    Open("[DELIM]1.[/DELIM][DELIM]Harbour Lights[/DELIM][DELIM]3:41[/DELIM]\n\r[DELIM]2.[/DELIM][DELIM]Paper "
         "Bo");
    EXPECT_EQ(Grid().GetRows(), 3);
    EXPECT_EQ(Cell(2, 2), "Paper Bo");
    EXPECT_EQ(Cell(2, 3), "");
}

TEST_F(TrackListDialog, ATextWithoutCellsOpensWithOneEmptyRowThatInsertTrackGrows)
{
    Open("Liner notes typed\r\nas plain text");
    EXPECT_EQ(Grid().GetRows(), 2);
    EXPECT_EQ(Column(1), Strings{""});
    EXPECT_EQ(Column(2), Strings{""});
    EXPECT_EQ(Grid().GetRow(), 1); // the current cell is a data cell, not a heading
    Click(IDC_INSERT_TRACK);
    EXPECT_EQ(Grid().GetRows(), 3);
    EXPECT_EQ(Column(1), (Strings{"1.", "2."}));
    Grid().SetTextMatrix(2, 2, "Coda");
    dialog.OnOK();
    EXPECT_EQ(dialog.m_strListing, "[DELIM]1.[/DELIM][DELIM][/DELIM][DELIM][/DELIM]\n\r"
                                   "[DELIM]2.[/DELIM][DELIM]Coda[/DELIM][DELIM][/DELIM]\n\r");
}

// The listing's markers typed into a cell would cut it or shift every later cell: they are
// left out, and the rest of the text stays.
TEST_F(TrackListDialog, ListingMarkersTypedIntoACellAreLeftOutAndTheRestKept)
{
    Open(Numbered(1));
    const char* typed[] = {"[DELIM]Intro", "Live [/DELIM] mix", "a[DELIM]b", "Outro[/DELIM]",
                           "x[DE[DELIM]LIM]y"};
    const char* kept[] = {"Intro", "Live  mix", "ab", "Outro", "xy"};
    for (size_t i = 0; i < std::size(typed); ++i) {
        ClickCell(1, 2);
        EditBox().setText(QString::fromLatin1(typed[i]));
        QTest::keyClick(&EditBox(), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(Cell(1, 2), kept[i]);
    }
    Grid().SetTextMatrix(1, 3, "3:00[/DELIM]"); // however a cell came by it
    dialog.OnOK();
    EXPECT_EQ(dialog.m_strListing, EncodeTrackListing({{"1.", "xy", "3:00"}}));
    EXPECT_EQ(DecodeTrackListingCells(dialog.m_strListing), (Strings{"1.", "xy", "3:00"}));
}

TEST_F(TrackListDialog, LongTextsAreKeptWhole)
{
    const std::string spine(40000, 's');
    Open(Numbered(1), true, spine);
    const QString title(40000, QLatin1Char('t'));
    ClickCell(1, 2);
    EditBox().setText(title);
    QTest::keyClick(&EditBox(), Qt::Key_Return);
    QApplication::processEvents();
    dialog.OnOK();
    EXPECT_EQ(dialog.m_strSpine, spine);
    EXPECT_EQ(DecodeTrackListingCells(dialog.m_strListing)[1].size(), 40000u);
}

TEST_F(TrackListDialog, InsertTrackAddsARowAboveTheCurrentOneAndRenumbers)
{
    Open(Numbered(5));
    SetCurrent(3, 1);
    Click(IDC_INSERT_TRACK);
    EXPECT_EQ(Column(1), (Strings{"1.", "2.", "3.", "4.", "5.", "6."}));
    EXPECT_EQ(Column(2), (Strings{"Track 1", "Track 2", "", "Track 3", "Track 4", "Track 5"}));
    EXPECT_EQ(Grid().GetRow(), 3);
}

TEST_F(TrackListDialog, InsertTrackOnTheLastRowAddsTheRowBelowIt)
{
    Open(Numbered(5));
    SetCurrent(5, 2);
    Click(IDC_INSERT_TRACK);
    EXPECT_EQ(Column(1), (Strings{"1.", "2.", "3.", "4.", "5.", "6."}));
    EXPECT_EQ(Column(2), (Strings{"Track 1", "Track 2", "Track 3", "Track 4", "Track 5", ""}));
    EXPECT_EQ(Grid().GetRow(), 6);
}

// Right after opening, the current cell is only where the keyboard starts: Insert adds the row
// at the end.
TEST_F(TrackListDialog, InsertTrackRightAfterOpeningAppends)
{
    Open(Numbered(5));
    Click(IDC_INSERT_TRACK);
    EXPECT_EQ(Column(2), (Strings{"Track 1", "Track 2", "Track 3", "Track 4", "Track 5", ""}));
    EXPECT_EQ(Column(1), (Strings{"1.", "2.", "3.", "4.", "5.", "6."}));
}

TEST_F(TrackListDialog, NumbersThatAreNotDigitsAndDotsStopTheRenumbering)
{
    for (const char* odd : {"A1", "Bonus"}) {
        Open(EncodeTrackListing({{"1.", "Intro", ""}, {odd, "Hidden", ""}, {"3.", "Outro", ""}}));
        ClickCell(1, 2); // the user picks the first title
        Click(IDC_INSERT_TRACK);
        EXPECT_EQ(Column(1), (Strings{"", "1.", odd, "3."})) << odd;
        SetCurrent(2, 2);
        Click(IDC_REMOVE_TRACK);
        EXPECT_EQ(Column(1), (Strings{"", odd, "3."})) << odd;
    }
}

TEST_F(TrackListDialog, TheLastRowsNumberIsNotChecked)
{
    Open(EncodeTrackListing({{"1.", "a", ""}, {"2.", "b", ""}, {"x", "c", ""}}));
    SetCurrent(1, 1);
    Click(IDC_INSERT_TRACK);
    EXPECT_EQ(Column(1), (Strings{"1.", "2.", "3.", "4."}));
    EXPECT_EQ(Column(2), (Strings{"", "a", "b", "c"}));
    EXPECT_EQ(Grid().GetRow(), 1);
}

TEST_F(TrackListDialog, RemoveTrackDeletesTheCurrentRowAndRenumbers)
{
    Open(Numbered(3));
    SetCurrent(2, 3);
    Click(IDC_REMOVE_TRACK);
    EXPECT_EQ(Column(1), (Strings{"1.", "2."}));
    EXPECT_EQ(Column(2), (Strings{"Track 1", "Track 3"}));
    EXPECT_EQ(Grid().GetRow(), 2);
    // Removing the last row leaves the new last row current.
    Click(IDC_REMOVE_TRACK);
    EXPECT_EQ(Column(2), (Strings{"Track 1"}));
    EXPECT_EQ(Grid().GetRow(), 1);
}

TEST_F(TrackListDialog, RemoveTrackOnTheOnlyRowEmptiesIt)
{
    Open(EncodeTrackListing({{"Bonus", "Hidden Track", "9:59"}}));
    Click(IDC_REMOVE_TRACK);
    EXPECT_EQ(Grid().GetRows(), 2);
    EXPECT_EQ(Column(2), Strings{""});
    EXPECT_EQ(Column(3), Strings{""});
    EXPECT_EQ(Column(1), Strings{"1."}); // numbered again, as a new listing is
}

TEST_F(TrackListDialog, RenumberingWritesTheNumbersWhateverColumnIsCurrent)
{
    Open(EncodeTrackListing({{"7.", "a", "1:00"}, {"9.", "b", "2:00"}, {"11.", "c", "3:00"}}));
    ClickCell(2, 2);
    QTest::keyClick(&EditBox(), Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(Grid().GetCol(), 2);
    Click(IDC_INSERT_TRACK);
    EXPECT_EQ(Column(1), (Strings{"1.", "2.", "3.", "4."}));
    EXPECT_EQ(Column(2), (Strings{"a", "", "b", "c"}));
    EXPECT_EQ(Column(3), (Strings{"1:00", "", "2:00", "3:00"}));
}

TEST_F(TrackListDialog, EnterStartsAnEditAndEnterAgainStoresIt)
{
    Open(Numbered(3));
    SetCurrent(2, 2);
    Grid().setFocus();
    QTest::keyClick(&Grid(), Qt::Key_Return);
    ASSERT_TRUE(Grid().IsEditing());
    EXPECT_EQ(EditBox().selectedText(), QStringLiteral("Track 2"));
    QTest::keyClicks(&EditBox(), "Paper Boats");
    QTest::keyClick(&EditBox(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(Grid().IsEditing());
    EXPECT_EQ(Cell(2, 2), "Paper Boats");
    EXPECT_TRUE(dialog.isVisible()); // Enter went to the grid, not to the OK button
    EXPECT_TRUE(Grid().hasFocus());
}

// The keyboard starts where the user types first, and typing on a cell edits it.
TEST_F(TrackListDialog, OpensReadyForTypingTheSpineOrTheFirstTitle)
{
    Open(Numbered(3), /*showSpine=*/true);
    EXPECT_TRUE(dialog.SpineEdit()->hasFocus());
    QTest::keyClicks(dialog.SpineEdit(), "Greatest Hits ");
    QTest::keyClick(dialog.SpineEdit(), Qt::Key_Tab); // into the grid: the first title, not the last row
    ASSERT_TRUE(Grid().hasFocus());
    EXPECT_EQ(Grid().GetRow(), 1);
    EXPECT_EQ(Grid().GetCol(), 2);
    QTest::keyClick(&Grid(), 'H');
    ASSERT_TRUE(Grid().IsEditing());
    QTest::keyClicks(QApplication::focusWidget(), "arbour"); // the keys that follow reach the editor
    EXPECT_EQ(EditBox().text(), QStringLiteral("Harbour"));  // the first key started the edit, none was lost
    QTest::keyClick(&EditBox(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Cell(1, 2), "Harbour");
    EXPECT_TRUE(dialog.isVisible()); // Space and Enter never pressed OK

    dialog.done(IDCANCEL);
    Open("", /*showSpine=*/false);
    EXPECT_TRUE(Grid().hasFocus());
    EXPECT_EQ(Grid().GetRow(), 1);
    EXPECT_EQ(Grid().GetCol(), 2);
}

TEST_F(TrackListDialog, AClickOpensTheEditorOverTheCellWithItsWholeTextSelected)
{
    Open(Numbered(3));
    ClickCell(3, 3);
    ASSERT_TRUE(Grid().IsEditing());
    EXPECT_EQ(Grid().GetRow(), 3);
    EXPECT_EQ(Grid().GetCol(), 3);
    EXPECT_EQ(EditBox().selectedText(), QStringLiteral("3:00"));
    const QRect cell = Grid().visualRect(Grid().model()->index(2, 2)).translated(Grid().viewport()->pos());
    EXPECT_TRUE(EditBox().geometry().contains(cell.center()));
    EXPECT_TRUE(EditBox().hasFocus());
}

TEST_F(TrackListDialog, ClickingAnotherCellStoresTheEditAndEditsThatCell)
{
    Open(Numbered(3));
    ClickCell(1, 2);
    QTest::keyClicks(&EditBox(), "Harbour Lights");
    ClickCell(2, 3);
    EXPECT_EQ(Cell(1, 2), "Harbour Lights");
    ASSERT_TRUE(Grid().IsEditing());
    EXPECT_EQ(EditBox().selectedText(), QStringLiteral("2:00"));
}

TEST_F(TrackListDialog, ClickingTheGridOutsideTheCellsKeepsTheEditOpen)
{
    Open(Numbered(2));
    ClickCell(1, 2);
    QTest::keyClicks(&EditBox(), "Half typed");
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, QPoint(20, Grid().viewport()->height() - 5));
    QApplication::processEvents();
    EXPECT_TRUE(Grid().IsEditing());
    EXPECT_EQ(Cell(1, 2), "Track 1");
    // The grid holds the focus, so no Enter was posted; OK still stores the edit first.
    Click(IDOK);
    EXPECT_EQ(Column(2), (Strings{"Half typed", "Track 2"}));
    EXPECT_EQ(dialog.m_strListing,
              EncodeTrackListing({{"1.", "Half typed", "1:00"}, {"2.", "Track 2", "2:00"}}));
}

TEST_F(TrackListDialog, InsertAndRemoveStoreAnOpenEditFirstWhateverHasTheFocus)
{
    Open(Numbered(2));
    ClickCell(1, 2);
    QTest::keyClicks(&EditBox(), "Harbour Lights");
    Grid().setFocus(); // the editor stays open while the grid has the keyboard
    Click(IDC_INSERT_TRACK);
    EXPECT_FALSE(Grid().IsEditing());
    EXPECT_EQ(Column(2), (Strings{"", "Harbour Lights", "Track 2"})); // stored, then a row above it
    ClickCell(2, 2);
    QTest::keyClicks(&EditBox(), "Paper Boats");
    Grid().setFocus();
    Click(IDC_REMOVE_TRACK); // the edited row goes, and its edit does not land on another row
    EXPECT_FALSE(Grid().IsEditing());
    dialog.OnOK();
    EXPECT_EQ(Column(2), (Strings{"", "Track 2"}));
}

TEST_F(TrackListDialog, ClickingOkWhileEditingStoresTheEditFirst)
{
    Open(Numbered(2), true, "Spine");
    ClickCell(2, 2);
    QTest::keyClicks(&EditBox(), "Coda");
    Click(IDOK);
    EXPECT_EQ(dialog.result(), IDOK);
    EXPECT_EQ(dialog.m_strListing, EncodeTrackListing({{"1.", "Track 1", "1:00"}, {"2.", "Coda", "2:00"}}));
    EXPECT_EQ(dialog.m_strSpine, "Spine");
}

TEST_F(TrackListDialog, TheBackShowsItsSpineTextForEditing)
{
    Open(Numbered(1), true, "Northern Lines");
    EXPECT_TRUE(dialog.SpineEdit()->isVisible());
    EXPECT_EQ(dialog.SpineEdit()->text(), QStringLiteral("Northern Lines"));
    dialog.SpineEdit()->setText(QString::fromUtf8("Northern Lines \xE2\x80\x93 Live"));
    dialog.OnOK();
    EXPECT_EQ(dialog.m_strSpine, "Northern Lines \xE2\x80\x93 Live");
    EXPECT_EQ(dialog.m_strSpineBefore, "Northern Lines");
}

TEST_F(TrackListDialog, OkOnTheFrontKeepsTheSpineTextAsItCame)
{
    Open(Numbered(1), false, "Back spine");
    EXPECT_FALSE(dialog.SpineEdit()->isVisible());
    EXPECT_FALSE(dialog.GetDlgItem(IDC_SPINE_TEXT_LABEL)->isVisible());
    Click(IDOK);
    EXPECT_EQ(dialog.m_strSpine, "Back spine");
}

TEST_F(TrackListDialog, CancelStoresNothing)
{
    Open(Numbered(2), true, "Spine");
    SetCurrent(1, 1);
    Click(IDC_REMOVE_TRACK);
    dialog.SpineEdit()->setText(QStringLiteral("Changed"));
    Click(IDCANCEL);
    EXPECT_EQ(dialog.result(), IDCANCEL);
    EXPECT_EQ(dialog.m_strListing, Numbered(2));
    EXPECT_EQ(dialog.m_strSpine, "Spine");
}

TEST_F(TrackListDialog, ScriptedEditsRunThroughTheModalHost)
{
    dialog.m_strListing = Numbered(2);
    host.AnswerDialog([](CDialog& opened) {
        auto& tracks = static_cast<CTrackListDlg&>(opened);
        tracks.Grid()->SetTextMatrix(2, 2, "Salt & Pepper");
        tracks.OnOK();
        return tracks.result();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(host.DialogsRun(), Strings{"CTrackListDlg"});
    EXPECT_EQ(dialog.m_strListing,
              EncodeTrackListing({{"1.", "Track 1", "1:00"}, {"2.", "Salt & Pepper", "2:00"}}));
}

TEST_F(TrackListDialog, F1OpensTheHelpFileFromTheGridAndItsEditor)
{
    CFileOpener desktop;
    Open(Numbered(2));
    Grid().setFocus();
    QTest::keyClick(&Grid(), Qt::Key_F1);
    ClickCell(1, 2);
    QTest::keyClick(&EditBox(), Qt::Key_F1);
    ASSERT_EQ(desktop.opened.size(), 2);
    EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(QString::fromStdString(HelpFilePath())));
    EXPECT_TRUE(dialog.isVisible());
}

#include "TrackListDlgTest.moc"

// Import... with a folder of tagged music: the rows and the spine text come from the tags,
// and the cells are ordinary cells after that.
TEST_F(TrackListDialog, ImportingAFolderFillsTheListingWhichEditsAndEncodesAsTyped)
{
    QTemporaryDir music;
    ASSERT_TRUE(MakeSilence(music.filePath(QStringLiteral("1.flac")), 2));
    ASSERT_TRUE(TagFile(music.filePath(QStringLiteral("1.flac")),
                        {"Harbour Lights", "Ann Vale", "", "Night Drive", 1, 0}));
    ASSERT_TRUE(MakeSilence(music.filePath(QStringLiteral("2.flac")), 3));
    ASSERT_TRUE(TagFile(music.filePath(QStringLiteral("2.flac")),
                        {"Live [/DELIM] Mix", "Ann Vale", "", "Night Drive", 2, 0}));
    Open("", /*showSpine=*/true, "");
    host.AnswerFileDialog(music.path().toStdString());
    Click(IDC_IMPORT_TRACKS);
    EXPECT_TRUE(host.Questions().empty()); // the listing had no titles to lose
    EXPECT_EQ(Grid().GetRows(), 3);
    EXPECT_EQ(dialog.SpineEdit()->text(), QStringLiteral("Ann Vale - Night Drive"));
    EXPECT_EQ(host.FileDialogsRun().back().dwFlags, OFN_ALLOWMULTISELECT | OFN_EX_FOLDERTOO);

    ClickCell(2, 3);
    EditBox().setText(QStringLiteral("0:04"));
    QTest::keyClick(&EditBox(), Qt::Key_Return);
    QApplication::processEvents();
    Click(IDOK);
    EXPECT_EQ(dialog.m_strListing,
              EncodeTrackListing({{"1.", "Harbour Lights", "0:02"}, {"2.", "Live  Mix", "0:04"}}));
    EXPECT_EQ(dialog.m_strSpine, "Ann Vale - Night Drive");
}

TEST_F(TrackListDialog, ImportingOverTypedTitlesAsksFirstAndKeepsThemOnNo)
{
    QTemporaryDir music;
    ASSERT_TRUE(MakeSilence(music.filePath(QStringLiteral("a.wav")), 2));
    Open(Numbered(2), /*showSpine=*/true, "Typed Spine");
    host.AnswerFileDialog(std::vector<std::string>{music.filePath(QStringLiteral("a.wav")).toStdString()});
    host.AnswerMessageBox(IDNO);
    Click(IDC_IMPORT_TRACKS);
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].caption, "Import Tracks");
    EXPECT_EQ(Column(2), (Strings{"Track 1", "Track 2"}));

    host.AnswerFileDialog(std::vector<std::string>{music.filePath(QStringLiteral("a.wav")).toStdString()});
    host.AnswerMessageBox(IDYES);
    Click(IDC_IMPORT_TRACKS);
    EXPECT_EQ(Column(2), (Strings{"a"}));
    EXPECT_EQ(dialog.SpineEdit()->text(), QStringLiteral("Typed Spine")); // a typed spine text stays
}

// A second import over the first: the question covers the spine text the first proposed,
// and Yes replaces both.
TEST_F(TrackListDialog, ASecondImportOffersToReplaceTheSpineTheFirstProposed)
{
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(MakeSilence(first.filePath(QStringLiteral("1.flac")), 2));
    ASSERT_TRUE(
        TagFile(first.filePath(QStringLiteral("1.flac")), {"Harbour", "Ann Vale", "", "Night Drive", 1, 0}));
    ASSERT_TRUE(MakeSilence(second.filePath(QStringLiteral("1.flac")), 2));
    ASSERT_TRUE(TagFile(second.filePath(QStringLiteral("1.flac")), {"Rivers", "Bo Lind", "", "Delta", 1, 0}));
    Open("", /*showSpine=*/true, "");
    host.AnswerFileDialog(first.path().toStdString());
    Click(IDC_IMPORT_TRACKS);
    host.AnswerFileDialog(second.path().toStdString());
    host.AnswerMessageBox(IDYES);
    Click(IDC_IMPORT_TRACKS);
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].text,
              "The track listing already has titles. Replace its tracks and the spine "
              "text with the imported ones?");
    EXPECT_EQ(Column(2), (Strings{"Rivers"}));
    EXPECT_EQ(dialog.SpineEdit()->text(), QStringLiteral("Bo Lind - Delta"));
}

TEST_F(TrackListDialog, AFolderOfTwoThousandUnreadableFilesIsReportedAndChangesNothing)
{
    QTemporaryDir music;
    for (int i = 0; i < 2000; ++i) {
        QFile junk(music.filePath(QStringLiteral("%1.mp3").arg(i, 4, 10, QLatin1Char('0'))));
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("ID3 not really");
    }
    Open(Numbered(2));
    host.AnswerFileDialog(music.path().toStdString());
    host.AnswerMessageBox(IDOK);
    Click(IDC_IMPORT_TRACKS);
    ASSERT_EQ(host.Questions().size(), 1u);
    EXPECT_EQ(host.Questions()[0].text,
              "No tracks were found there.\n\n0 tracks imported; 2000 files could not be read: 0000.mp3, "
              "0001.mp3, 0002.mp3, 0003.mp3, 0004.mp3 and 1995 more.");
    EXPECT_EQ(Column(2), (Strings{"Track 1", "Track 2"}));
}

namespace {

// Keys as a person types them: each to whatever has the keyboard at that moment.
void Type(const QString& text)
{
    for (const QChar c : text) {
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
        QApplication::processEvents();
    }
}

void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
}

} // namespace

// Tab keeps the edit and moves on (from a length to the next row's title), Shift+Tab goes
// back, Escape gives the cell back as it was, Delete empties a cell.
TEST_F(TrackListDialog, TabEscapeAndDeleteWorkAsInASpreadsheet)
{
    Open(Numbered(2), /*showSpine=*/false);
    ClickCell(1, 2);
    Type(QStringLiteral("Sunrise Intro"));
    Press(Qt::Key_Tab);
    Type(QStringLiteral("3:41"));
    Press(Qt::Key_Tab);
    Type(QStringLiteral("Noon"));
    Press(Qt::Key_Tab, Qt::ShiftModifier); // kept, and back to the row's number
    Type(QStringLiteral("9"));
    Press(Qt::Key_Escape);
    EXPECT_EQ(Column(1), (Strings{"1.", "2."}));
    EXPECT_EQ(Column(2), (Strings{"Sunrise Intro", "Noon"}));
    EXPECT_EQ(Column(3), (Strings{"3:41", "2:00"}));
    EXPECT_EQ(Grid().GetRow(), 2);
    EXPECT_EQ(Grid().GetCol(), 1);
    Press(Qt::Key_Right);
    Press(Qt::Key_Delete);
    EXPECT_EQ(Column(2), (Strings{"Sunrise Intro", ""}));
}

// Down on the last row adds a numbered row; Ctrl+V spreads lines over rows (adding them) and
// tab-separated cells over the columns, whether a cell is selected or being edited.
TEST_F(TrackListDialog, DownAddsARowAndPastedLinesFillRows)
{
    Open(Numbered(2), /*showSpine=*/false);
    SetCurrent(2, 2);
    Grid().setFocus();
    Press(Qt::Key_Down);
    EXPECT_EQ(Column(1), (Strings{"1.", "2.", "3."}));
    EXPECT_EQ(Grid().GetRow(), 3);

    QGuiApplication::clipboard()->setText(QStringLiteral("Falling Up\t4:20\nLong Road\r\nCoda\t1:09\n"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Column(2), (Strings{"Track 1", "Track 2", "Falling Up", "Long Road", "Coda"}));
    EXPECT_EQ(Column(3), (Strings{"1:00", "2:00", "4:20", "", "1:09"}));
    EXPECT_EQ(Column(1), (Strings{"1.", "2.", "3.", "4.", "5."}));

    ClickCell(1, 2); // an edit open: a paste of several lines goes to the rows all the same
    QGuiApplication::clipboard()->setText(QStringLiteral("Intro\nReprise"));
    Press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(Grid().IsEditing());
    EXPECT_EQ(Column(2), (Strings{"Intro", "Reprise", "Falling Up", "Long Road", "Coda"}));
}
