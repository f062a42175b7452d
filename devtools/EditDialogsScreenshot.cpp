// Draws docs/screenshots/track-listing.png and docs/screenshots/cover-text.png: the track
// listing dialog with an album's listing (one title being edited in place) and the Cover
// Text dialog with a DVD's texts, as real dialogs grabbed on the headless platform.
// Usage: edit_dialogs_screenshot OUTPUT_FOLDER
#include "CoverTextDlg.h"
#include "EditGrid.h"
#include "OffscreenTool.h"
#include "TrackListDlg.h"
#include "TrackListing.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdlib>

namespace {

const std::vector<TrackRow> kAlbum = {
    {"1.", "Harbour Lights", "3:41"},     {"2.", "Paper Boats", "4:02"},
    {"3.", "The Long Way Round", "7:15"}, {"4.", "Salt & Pepper", "2:58"},
    {"5.", "Lantern Street", "3:33"},     {"6.", "Tidewater", "5:12"},
    {"7.", "Eleven Bridges", "4:47"},     {"8.", "Quiet Engine", "3:05"},
    {"9.", "Northern Lines", "6:20"},     {"10.", "Coda (Live at the Pier)", "1:09"},
};

// Shows a dialog prepared by its OnInitDialog and returns its picture.
QImage Grab(CDialog& dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    if (!QTest::qWaitForWindowExposed(&dialog))
        return {};
    QApplication::processEvents();
    return dialog.grab().toImage();
}

QImage TrackListing()
{
    CTrackListDlg dialog;
    dialog.m_strListing = EncodeTrackListing(kAlbum);
    dialog.m_strSpine = "The Estuary Collective \xE2\x80\x93 Northern Lines";
    dialog.m_bShowSpine = true;
    dialog.OnInitDialog();
    dialog.show();
    // The user has clicked the fourth title and is about to retype it.
    CEditGrid* grid = dialog.Grid();
    grid->setFocus();
    grid->SetRow(4);
    grid->SetCol(2);
    grid->StartEdit();
    return Grab(dialog);
}

QImage CoverText()
{
    CCoverTextDlg dialog;
    dialog.m_strSpine = "NORTHERN LINES \xC2\xB7 A FILM BY MAREN ORRIN";
    dialog.m_strFrontTitle = "Northern Lines";
    dialog.m_strFrontText =
        "A film in three parts\r\nDirected by Maren Orrin\r\nMusic by The Estuary Collective";
    dialog.m_strBackTitle = "About the film";
    dialog.m_strBackText = "One winter on the estuary: a ferry crew, a pier band\r\n"
                           "and the last night train north.\r\n\r\n"
                           "Running time 94 minutes. Colour. Stereo.\r\n"
                           "Extras: the making of, the full pier concert.";
    dialog.OnInitDialog();
    return Grab(dialog);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2; // the output is named
    COffscreenTool tool(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool saved = TrackListing().save(folder.filePath(QStringLiteral("track-listing.png"))) &&
                       CoverText().save(folder.filePath(QStringLiteral("cover-text.png")));
    return saved ? 0 : 1;
}
