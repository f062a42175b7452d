// Whole journeys through the running program, driven with real pointer and key events and
// checked on the screen: every kind of cover, every command's result in the preview, view
// switching, save / start over / load, a failed load, and closing with its questions.
#include "CoverFile.h"
#include "CoverFit.h"
#include "EditTemplates.h"
#include "MulDiv.h"
#include "MusicFiles.h"
#include "ProgramScreens.h"
#include "SleevoraUser.h"
#include "TrackListing.h"
#include "resource.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstring>

namespace {

const QString kTrackListingTitle = QStringLiteral("Edit Cover Text/Track Listing");

// A picture with something to see in every part: four coloured quarters, in the proportions
// of a CD's back and large enough to print sharp there (neither fitted nor noticed).
QString MakePicture(const QString& folder)
{
    QImage picture(1186, 926, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 593, 463, QColor(200, 40, 60));
    painter.fillRect(593, 0, 593, 463, QColor(250, 210, 40));
    painter.fillRect(0, 463, 593, 463, QColor(40, 150, 90));
    painter.fillRect(593, 463, 593, 463, QColor(30, 60, 170));
    painter.end();
    const QString path = folder + QStringLiteral("/quarters.png");
    picture.save(path);
    return path;
}

// The listing a new cover's eight numbered rows give with these titles typed: the rows
// left empty at the end are not kept.
std::string EightRowsWith(const std::vector<std::string>& titles)
{
    std::vector<TrackRow> rows;
    for (size_t i = 0; i < titles.size(); ++i)
        rows.push_back({std::to_string(i + 1) + ".", titles[i], ""});
    return EncodeTrackListing(rows);
}

// Choose Color, the colour typed into the colour dialog, and the standard CD's question.
void ChooseColour(CSleevoraUser& user, const QString& html, const char* bothSides)
{
    user.Click(IDC_CHOOSE_COLOR);
    ASSERT_TRUE(
        user.Answer(QStringLiteral("Select Color"), {QStringLiteral("alt+h"), QStringLiteral("ctrl+a")}));
    TypeText(html);
    PressKeys({QStringLiteral("Return")});
    ASSERT_TRUE(WaitForWindowToClose(QStringLiteral("Select Color")));
    if (user.Kind() != StandardCD)
        return;
    ASSERT_TRUE(user.Answer(QStringLiteral("Color"), {QString::fromLatin1(bothSides)}));
    ASSERT_TRUE(WaitForWindowToClose(QStringLiteral("Color")));
}

// Track Listing: the spine text (it has the keyboard first), then titles from the first row.
void TypeTrackListing(CSleevoraUser& user, const QString& spine, const QStringList& titles)
{
    user.Click(IDC_TRACK_LISTING);
    ASSERT_FALSE(WaitForKeyboard(kTrackListingTitle).isEmpty());
    TypeText(spine);
    PressKeys({QStringLiteral("Tab")});
    for (const QString& title : titles) {
        TypeText(title);
        PressKeys({QStringLiteral("Return"), QStringLiteral("Down")});
    }
    ASSERT_TRUE(user.ClickInDialog(kTrackListingTitle, TrackListTemplate(), IDOK));
    ASSERT_TRUE(WaitForWindowToClose(kTrackListingTitle));
}

class RealProgram : public testing::Test
{
protected:
    CSleevoraUser user;
};

} // namespace

TEST(RealProgramKinds, EachKindOfCaseOpensOnItsOwnPreviewAndExitsWhenAsked)
{
    for (const CoverType kind : {StandardCD, SlimlineCD, StandardDVD, SlimlineDVD}) {
        CSleevoraUser user;
        ASSERT_TRUE(user.ChooseNewCover(kind)) << kind;
        const bool dvd = kind == StandardDVD || kind == SlimlineDVD;
        EXPECT_EQ(user.MainWindow().size(), dvd ? QSize(743, 431) : QSize(666, 431)) << kind;
        EXPECT_TRUE(user.PreviewShows(NewCover(kind), CoverSide::Back, QStringLiteral("kind-%1").arg(kind)))
            << kind;
        EXPECT_TRUE(user.ExitAnswering({QStringLiteral("Exit"), QStringLiteral("y")})) << kind;
    }
}

TEST_F(RealProgram, ColourPictureTrackListingAndFontEachShowInThePreview)
{
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    CoverState cover = NewCover(StandardCD);

    ChooseColour(user, QStringLiteral("#1e6496"), "y");
    cover.fBGColor = cover.bBGColor = RGB(0x1e, 0x64, 0x96);
    ASSERT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("colour")));

    const QString picture = MakePicture(user.Program().Home());
    user.Click(IDC_CHOOSE_IMAGE);
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), picture));
    cover.bImagePath = picture.toStdString();
    ASSERT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("picture")));

    TypeTrackListing(user, QStringLiteral("Greatest Hits"),
                     {QStringLiteral("Harbour Lights"), QStringLiteral("Paper Boats")});
    cover.backCoverSpineText = "Greatest Hits";
    cover.bCoverText = EightRowsWith({"Harbour Lights", "Paper Boats"});
    ASSERT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("track-listing")));

    user.Click(IDC_FONT);
    ASSERT_TRUE(user.Answer(QStringLiteral("Font"), {QStringLiteral("alt+s"), QStringLiteral("ctrl+a")}));
    TypeText(QStringLiteral("20"));
    PressKeys({QStringLiteral("alt+c")});
    TypeText(QStringLiteral("Yellow"));
    PressKeys({QStringLiteral("Return")});
    LOGFONT font{};
    font.lfHeight = -MulDiv(200, 96, 720);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = cover.bCoverTextFont.lfCharSet;
    std::memcpy(font.lfFaceName, cover.bCoverTextFont.lfFaceName, sizeof font.lfFaceName);
    cover.bCoverTextFont = font;
    cover.bCoverTextColor = RGB(255, 255, 0);
    EXPECT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("font")));
}

TEST_F(RealProgram, SwitchingViewsTenTimesShowsTheCoverEveryTime)
{
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    CoverState cover = NewCover(StandardCD);
    ChooseColour(user, QStringLiteral("#c83c28"), "n"); // the back only: the two sides differ
    cover.bBGColor = RGB(0xc8, 0x3c, 0x28);
    for (int i = 0; i < 10; ++i) {
        const bool front = i % 2 == 0;
        user.Click(front ? IDC_VIEW_FRONT : IDC_VIEW_BACK);
        ASSERT_TRUE(user.PreviewShows(cover, front ? CoverSide::Front : CoverSide::Back,
                                      QStringLiteral("switch-%1").arg(i)))
            << "after switch " << i + 1;
    }
}

TEST_F(RealProgram, DvdCoverTextShowsInThePreview)
{
    ASSERT_TRUE(user.ChooseNewCover(StandardDVD));
    CoverState cover = NewCover(StandardDVD);
    user.Click(IDC_TRACK_LISTING); // captioned "Cover Text" on a DVD cover
    ASSERT_TRUE(user.ClickInDialog(QStringLiteral("Cover Text"), CoverTextTemplate(), IDC_FRONT_TITLE));
    TypeText(QStringLiteral("The Quiet Coast"));
    ASSERT_TRUE(user.ClickInDialog(QStringLiteral("Cover Text"), CoverTextTemplate(), IDC_SPINE_TEXT));
    TypeText(QStringLiteral("QUIET COAST"));
    ASSERT_TRUE(user.ClickInDialog(QStringLiteral("Cover Text"), CoverTextTemplate(), IDC_COVER_TEXT_OK));
    cover.fCoverTitle = "The Quiet Coast";
    cover.backCoverSpineText = "QUIET COAST";
    EXPECT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("dvd-text")));
}

TEST_F(RealProgram, SaveStartOverAndLoadBringTheWholeCoverBack)
{
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    CoverState cover = NewCover(StandardCD);
    ChooseColour(user, QStringLiteral("#2a7a3b"), "y");
    cover.fBGColor = cover.bBGColor = RGB(0x2a, 0x7a, 0x3b);
    const QString picture = MakePicture(user.Program().Home());
    user.Click(IDC_CHOOSE_IMAGE);
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), picture));
    cover.bImagePath = picture.toStdString();
    TypeTrackListing(user, QStringLiteral("Night Drive"), {QStringLiteral("Tunnel Song")});
    cover.backCoverSpineText = "Night Drive";
    cover.bCoverText = EightRowsWith({"Tunnel Song"});
    ASSERT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("before-save")));

    const QString saved = user.Program().Home() + QStringLiteral("/night-drive.slv");
    user.Click(IDC_SAVE);
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Save As"), saved));
    ASSERT_TRUE(WaitUntil([&] { return QFile::exists(saved); }));

    user.Click(IDC_START_OVER);
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    ASSERT_TRUE(user.PreviewShows(NewCover(StandardCD), CoverSide::Back, QStringLiteral("started-over")));

    user.Click(IDC_LOAD);
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), saved));
    EXPECT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("loaded")));
    // Nothing changed since the load: closing asks only whether to close.
    EXPECT_TRUE(user.ExitAnswering({QStringLiteral("Exit"), QStringLiteral("y")}));
}

TEST_F(RealProgram, AFailedLoadKeepsTheCoverOnScreenAndItsChanges)
{
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    CoverState cover = NewCover(StandardCD);
    ChooseColour(user, QStringLiteral("#6a2a8a"), "y");
    cover.fBGColor = cover.bBGColor = RGB(0x6a, 0x2a, 0x8a);
    const QString notACover = user.Program().Home() + QStringLiteral("/photo.slv");
    QImage(8, 8, QImage::Format_RGB32).save(notACover, "PNG");

    user.Click(IDC_LOAD);
    ASSERT_TRUE(user.Answer(QStringLiteral("Save"), {QStringLiteral("n")})); // the colour is not saved first
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), notACover));
    ASSERT_FALSE(WaitForKeyboard(QStringLiteral("Invalid File")).isEmpty());
    EXPECT_FALSE(user.MainWindow().isEmpty()); // the window and its cover stay behind the message
    PressKeys({QStringLiteral("Return")});
    ASSERT_TRUE(WaitForWindowToClose(QStringLiteral("Invalid File")));
    EXPECT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("after-failed-load")));
    // The colour is still an unsaved change: closing offers to save it.
    EXPECT_TRUE(user.ExitAnswering(
        {QStringLiteral("Exit"), QStringLiteral("y"), QStringLiteral("Save"), QStringLiteral("n")}));
}

// Two running programs load covers whose pictures have the same names inside: each keeps
// its own, and neither leaves its pictures behind when it ends.
TEST(RealProgramTwoWindows, NeverSwapPicturesAndLeaveNoneBehind)
{
    QTemporaryDir session; // one user's runtime folder, shared by both programs
    CoverState red = NewCover(StandardCD);
    CoverState blue = NewCover(StandardCD);
    red.bImagePath = (session.path() + QStringLiteral("/red.png")).toStdString();
    blue.bImagePath = (session.path() + QStringLiteral("/blue.png")).toStdString();
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(220, 30, 30));
    picture.save(QString::fromStdString(red.bImagePath));
    picture.fill(QColor(30, 30, 220));
    picture.save(QString::fromStdString(blue.bImagePath));
    const QString redCover = session.path() + QStringLiteral("/red.slv");
    const QString blueCover = session.path() + QStringLiteral("/blue.slv");
    ASSERT_TRUE(WriteCoverFile(redCover.toStdString(), red).bWritten);
    ASSERT_TRUE(WriteCoverFile(blueCover.toStdString(), blue).bWritten);
    {
        CSleevoraUser first({}, session.path());
        ASSERT_TRUE(first.ChooseNewCover(StandardCD));
        first.Click(IDC_LOAD);
        ASSERT_TRUE(first.ChooseFile(QStringLiteral("Open"), redCover));
        ASSERT_TRUE(first.PreviewShows(red, CoverSide::Back, QStringLiteral("first-red")));
        CSleevoraUser second({}, session.path());
        ASSERT_TRUE(second.ChooseNewCover(StandardCD));
        second.Click(IDC_LOAD);
        ASSERT_TRUE(second.ChooseFile(QStringLiteral("Open"), blueCover));
        ASSERT_TRUE(second.PreviewShows(blue, CoverSide::Back, QStringLiteral("second-blue")));
        ASSERT_TRUE(second.ExitAnswering({QStringLiteral("Exit"), QStringLiteral("y")}));
        first.Click(IDC_VIEW_BACK); // the first window is in front again and repaints its picture
        EXPECT_TRUE(first.PreviewShows(red, CoverSide::Back, QStringLiteral("first-still-red")));
        EXPECT_TRUE(first.ExitAnswering({QStringLiteral("Exit"), QStringLiteral("y")}));
    }
    EXPECT_TRUE(
        QDir(session.path()).entryList({QStringLiteral("sleevora-pictures-*")}, QDir::Dirs).isEmpty());
}

// As a file manager starts it: the cover given opens straight in its window; a file that is
// no cover, or is not there, is reported and the program starts as usual.
TEST(RealProgramStart, OpensTheCoverItIsGivenOrSaysWhyNot)
{
    QTemporaryDir files;
    CoverState dvd = NewCover(StandardDVD);
    dvd.bBGColor = RGB(20, 90, 160);
    dvd.fCoverTitle = "Opened From The File Manager";
    const QString cover = files.filePath(QStringLiteral("double-clicked.slv"));
    ASSERT_TRUE(WriteCoverFile(cover.toStdString(), dvd).bWritten);
    {
        CSleevoraUser user({cover});
        ASSERT_TRUE(user.WaitForMainWindow());
        EXPECT_TRUE(FindWindow(QStringLiteral("Create A New Cover")).isEmpty());
        user.m_storedKind = StandardDVD;
        user.SetKind(StandardDVD);
        EXPECT_TRUE(user.PreviewShows(dvd, CoverSide::Back, QStringLiteral("opened-at-start")));
        EXPECT_TRUE(user.ExitAnswering({QStringLiteral("Exit"), QStringLiteral("y")}));
    }
    const QString notACover = files.filePath(QStringLiteral("photo.slv"));
    QImage(4, 4, QImage::Format_RGB32).save(notACover, "PNG");
    const std::pair<QString, QString> refused[] = {
        {notACover, QStringLiteral("Invalid File")},
        {files.filePath(QStringLiteral("gone.slv")), QStringLiteral("Error")}};
    for (const auto& [file, message] : refused) {
        CSleevoraUser user({file});
        ASSERT_TRUE(user.Answer(message, {QStringLiteral("Return")})) << file.toStdString();
        ASSERT_TRUE(user.ChooseNewCover(StandardCD)) << file.toStdString(); // then the usual start
        EXPECT_TRUE(
            user.PreviewShows(NewCover(StandardCD), CoverSide::Back, QStringLiteral("started-usually")));
    }
}

// The main window's right-click menu, used with the keyboard: a saved cover comes back from
// Recent Covers, and Printer Alignment stores its numbers beside the other settings.
TEST_F(RealProgram, RecentCoversAndPrinterAlignmentFromTheWindowsMenu)
{
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    CoverState cover = NewCover(StandardCD);
    ChooseColour(user, QStringLiteral("#a04020"), "y");
    cover.fBGColor = cover.bBGColor = RGB(0xa0, 0x40, 0x20);
    const QString saved = user.Program().Home() + QStringLiteral("/recent.slv");
    user.Click(IDC_SAVE);
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Save As"), saved));
    ASSERT_TRUE(WaitUntil([&] { return QFile::exists(saved); }));
    user.Click(IDC_START_OVER);
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    ASSERT_TRUE(user.PreviewShows(NewCover(StandardCD), CoverSide::Back, QStringLiteral("before-recent")));

    const QPoint beside = user.MainWindow().topLeft() + QPoint(200, 420); // the white below the preview
    ClickAt(beside, 3);
    PressKeys({QStringLiteral("r"), QStringLiteral("1")}); // Recent Covers, the newest
    EXPECT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("from-recent")));

    ClickAt(user.MainWindow().topLeft() + QPoint(200, 420), 3);
    PressKeys({QStringLiteral("p")});
    ASSERT_TRUE(user.Answer(QStringLiteral("Printer Alignment"),
                            {QStringLiteral("alt+a"), QStringLiteral("ctrl+a")}));
    TypeText(QStringLiteral("2.5"));
    PressKeys({QStringLiteral("Return")});
    ASSERT_TRUE(WaitForWindowToClose(QStringLiteral("Printer Alignment")));
    QFile settings(user.Program().SettingsFile());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("dwPrintOffsetX=25"));
}

// Track Listing, Import..., a folder of tagged music typed into the file dialog: the listing
// and the spine text come from the tags and show in the preview.
TEST_F(RealProgram, ImportingAFolderOfMusicFillsTheTrackListing)
{
    const QString music = user.Program().Home() + QStringLiteral("/Night Drive");
    ASSERT_TRUE(QDir().mkpath(music));
    ASSERT_TRUE(MakeSilence(music + QStringLiteral("/01.flac"), 2));
    ASSERT_TRUE(
        TagFile(music + QStringLiteral("/01.flac"), {"Harbour Lights", "Ann Vale", "", "Night Drive", 1, 0}));
    ASSERT_TRUE(MakeSilence(music + QStringLiteral("/02.ogg"), 3));
    ASSERT_TRUE(
        TagFile(music + QStringLiteral("/02.ogg"), {"Paper Boats", "Ann Vale", "", "Night Drive", 2, 0}));
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    user.Click(IDC_TRACK_LISTING);
    ASSERT_TRUE(user.ClickInDialog(kTrackListingTitle, TrackListTemplate(), IDC_IMPORT_TRACKS));
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), music));
    ASSERT_TRUE(user.ClickInDialog(kTrackListingTitle, TrackListTemplate(), IDOK));
    ASSERT_TRUE(WaitForWindowToClose(kTrackListingTitle));
    CoverState cover = NewCover(StandardCD);
    cover.bCoverText = EncodeTrackListing({{"1.", "Harbour Lights", "0:02"}, {"2.", "Paper Boats", "0:03"}});
    cover.backCoverSpineText = "Ann Vale - Night Drive";
    EXPECT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("imported")));
}

// The track grid's keys as a person types: Tab from a title to its length and on to the next
// row's title, Escape dropping a half-typed cell, Down past the last row adding one. The
// preview shows every length beside its own title.
TEST_F(RealProgram, TheTrackGridTakesTabEscapeAndDownAsASpreadsheetDoes)
{
    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    user.Click(IDC_TRACK_LISTING);
    ASSERT_FALSE(WaitForKeyboard(kTrackListingTitle).isEmpty());
    TypeText(QStringLiteral("Mix"));
    PressKeys({QStringLiteral("Tab")});
    TypeText(QStringLiteral("Sunrise Intro"));
    PressKeys({QStringLiteral("Tab")});
    TypeText(QStringLiteral("3:41"));
    PressKeys({QStringLiteral("Tab")});
    TypeText(QStringLiteral("Noon"));
    PressKeys({QStringLiteral("Tab")});
    TypeText(QStringLiteral("9:99"));
    PressKeys({QStringLiteral("Escape")}); // the length typed by mistake is dropped
    PressKeys({QStringLiteral("Left")});   // back to the title's column
    for (int i = 0; i < 7; ++i)            // down to the last of the eight rows, and one more
        PressKeys({QStringLiteral("Down")});
    TypeText(QStringLiteral("Bonus"));
    PressKeys({QStringLiteral("Return")});
    ASSERT_TRUE(user.ClickInDialog(kTrackListingTitle, TrackListTemplate(), IDOK));
    ASSERT_TRUE(WaitForWindowToClose(kTrackListingTitle));
    CoverState cover = NewCover(StandardCD);
    cover.backCoverSpineText = "Mix";
    std::vector<TrackRow> rows = {{"1.", "Sunrise Intro", "3:41"}, {"2.", "Noon", ""}};
    for (int i = 3; i <= 8; ++i)
        rows.push_back({std::to_string(i) + ".", "", ""});
    rows.push_back({"9.", "Bonus", ""});
    cover.bCoverText = EncodeTrackListing(rows);
    EXPECT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("grid-keys")));
    EXPECT_TRUE(user.ExitAnswering(
        {QStringLiteral("Exit"), QStringLiteral("y"), QStringLiteral("Save"), QStringLiteral("n")}));
}

// A cover of 30 tracks opened from a file: the line under the preview says what does not
// fit, the "Shrink to Fit" link is clicked, and the preview shows every track while the
// line goes away.
TEST(RealProgramFit, TheLineUnderThePreviewSaysWhatDoesNotFitAndShrinkToFitMendsIt)
{
    QTemporaryDir files;
    CoverState cover = NewCover(StandardCD);
    std::vector<TrackRow> rows;
    for (int i = 1; i <= 30; ++i)
        rows.push_back({std::to_string(i) + ".", "Track " + std::to_string(i), "3:00"});
    cover.bCoverText = EncodeTrackListing(rows);
    const QString path = files.filePath(QStringLiteral("thirty.slv"));
    ASSERT_TRUE(WriteCoverFile(path.toStdString(), cover).bWritten);
    CSleevoraUser user({path});
    ASSERT_TRUE(user.WaitForMainWindow());
    user.SetKind(StandardCD);

    // The band under the preview: the warning's brown letters and the link's blue ones.
    const QRect preview = user.PreviewOnScreen(CoverSide::Back);
    const QRect band(user.MainWindow().left(), preview.bottom() + 2,
                     preview.right() - user.MainWindow().left(), 18);
    const auto inkOf = [](const QImage& strip, QRgb colour) {
        QRect found;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x) {
                const QRgb pixel = strip.pixel(x, y);
                if (std::abs(qRed(pixel) - qRed(colour)) + std::abs(qGreen(pixel) - qGreen(colour)) +
                        std::abs(qBlue(pixel) - qBlue(colour)) <
                    60)
                    found |= QRect(x, y, 1, 1);
            }
        return found;
    };
    QRect link;
    ASSERT_TRUE(WaitUntil([&] {
        link = inkOf(Screenshot(band), qRgb(0x00, 0x32, 0xfe));
        return !link.isEmpty() && !inkOf(Screenshot(band), qRgb(0x8a, 0x3b, 0x00)).isEmpty();
    })) << KeepForInspection(Screenshot(band), QStringLiteral("fit-line")).toStdString();
    ClickAt(band.topLeft() + link.center());

    ASSERT_TRUE(ShrinkSideToFit(cover, CoverSide::Back, 96));
    EXPECT_TRUE(user.PreviewShows(cover, CoverSide::Back, QStringLiteral("shrunk-to-fit")));
    EXPECT_TRUE(WaitUntil([&] { return inkOf(Screenshot(band), qRgb(0x8a, 0x3b, 0x00)).isEmpty(); }))
        << KeepForInspection(Screenshot(band), QStringLiteral("fit-line-after")).toStdString();
    EXPECT_TRUE(user.ExitAnswering(
        {QStringLiteral("Exit"), QStringLiteral("y"), QStringLiteral("Save"), QStringLiteral("n")}));
}

// An album in disc folders with its picture beside them, imported into a new cover: the
// cover art is offered and taken for the front, and the saved file holds the picture, the
// "Disc 2" row and numbering started again.
TEST_F(RealProgram, ImportingADiscFolderAlbumWithCoverArtIntoANewCover)
{
    const QString album = user.Program().Home() + QStringLiteral("/Night Drive");
    ASSERT_TRUE(QDir().mkpath(album + QStringLiteral("/CD1")) &&
                QDir().mkpath(album + QStringLiteral("/CD2")));
    const std::pair<const char*, MusicTags> tracks[] = {
        {"/CD1/01.flac", {"Harbour Lights", "Ann Vale", "", "Night Drive", 1, 0}},
        {"/CD1/02.flac", {"Paper Boats", "Ann Vale", "", "Night Drive", 2, 0}},
        {"/CD2/01.flac", {"Second Side", "Ann Vale", "", "Night Drive", 1, 0}}};
    for (const auto& [name, tags] : tracks) {
        ASSERT_TRUE(MakeSilence(album + QString::fromLatin1(name), 2));
        ASSERT_TRUE(TagFile(album + QString::fromLatin1(name), tags));
    }
    QImage art(800, 800, QImage::Format_RGB32); // square as the front, sharp enough to print
    art.fill(QColor(200, 90, 40));
    ASSERT_TRUE(art.save(album + QStringLiteral("/cover.png")));

    ASSERT_TRUE(user.ChooseNewCover(StandardCD));
    user.Click(IDC_TRACK_LISTING);
    ASSERT_TRUE(user.ClickInDialog(kTrackListingTitle, TrackListTemplate(), IDC_IMPORT_TRACKS));
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Open"), album));
    ASSERT_TRUE(user.ClickInDialog(kTrackListingTitle, TrackListTemplate(), IDOK));
    ASSERT_TRUE(user.Answer(QStringLiteral("Cover Art"), {QStringLiteral("y")}));
    CoverState expected = NewCover(StandardCD);
    expected.fImagePath = (album + QStringLiteral("/cover.png")).toStdString();
    EXPECT_TRUE(user.PreviewShows(expected, CoverSide::Front, QStringLiteral("album-art")));

    const QString saved = user.Program().Home() + QStringLiteral("/night-drive.slv");
    user.Click(IDC_SAVE);
    ASSERT_TRUE(user.ChooseFile(QStringLiteral("Save As"), saved));
    ASSERT_TRUE(WaitUntil([&] { return QFile::exists(saved); }));
    CoverState cover;
    QTemporaryDir pictures;
    ASSERT_EQ(ReadCoverFile(saved.toStdString(), cover, pictures.path().toStdString()).status,
              CoverLoadStatus::Loaded);
    EXPECT_EQ(cover.bCoverText, EncodeTrackListing({{"1.", "Harbour Lights", "0:02"},
                                                    {"2.", "Paper Boats", "0:02"},
                                                    {"", "Disc 2", ""},
                                                    {"1.", "Second Side", "0:02"}}));
    EXPECT_EQ(cover.backCoverSpineText, "Ann Vale - Night Drive");
    EXPECT_EQ(QImage(QString::fromStdString(cover.fImagePath)).pixel(400, 400), art.pixel(400, 400));
    EXPECT_TRUE(user.ExitAnswering({QStringLiteral("Exit"), QStringLiteral("y")}));
}
