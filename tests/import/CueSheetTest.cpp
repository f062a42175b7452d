// CUE sheets as rippers and editors write them: keywords in any case, quotes inside titles,
// every encoding and line end, audio found beside the file a sheet names, broken sheets told
// by their line, and samplers credited track by track.
#include "MusicFiles.h"
#include "TrackImport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Rows = std::vector<TrackRow>;

// A sheet of two tracks in one file, 4 seconds apart.
std::string TwoTracks(const std::string& strPerformer, const std::string& strTitle,
                      const std::string& strFirst, const std::string& strSecond)
{
    return "PERFORMER \"" + strPerformer + "\"\nTITLE \"" + strTitle + "\"\nFILE \"disc.wav\" WAVE\n" +
           "  TRACK 01 AUDIO\n    TITLE \"" + strFirst + "\"\n    INDEX 01 00:00:00\n" +
           "  TRACK 02 AUDIO\n    TITLE \"" + strSecond + "\"\n    INDEX 01 00:04:00\n";
}

std::string Utf16(const std::string& strUtf8, bool bBigEndian)
{
    std::string bytes = bBigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : QString::fromStdString(strUtf8).toStdU16String()) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bBigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

Rows Imported(const std::string& strBytes)
{
    return ImportCueSheetText(strBytes, "/nonexistent").rows;
}

} // namespace

TEST(CueSheetText, KeywordsInAnyCaseQuotesInsideTitlesAndCarriageReturnsAlone)
{
    const TrackImport import = ImportCueSheetText("performer Ann Vale\rtitle \"Night Drive\"\r"
                                                  "file \"disc.wav\" wave\r  track 01 audio\r"
                                                  "    title \"Rock \"n\" Roll\"\r    index 01 00:00:00\r"
                                                  "  Track 02 Audio\r    Title Say \"Hi\"\r  rem note\r"
                                                  "    Index 00 01:00:00\r    Index 01 01:02:37\r"
                                                  "  TRACK 3 AUDIO\r    INDEX 01 120:00:00\r",
                                                  "/nonexistent");
    EXPECT_EQ(import.rows, (Rows{{"1.", "Rock \"n\" Roll", "1:02"},
                                 {"2.", "Say \"Hi\"", "1:58:58"}, // minutes past 99 for a long recording
                                 {"3.", "", ""}}));               // its file is not there
    EXPECT_EQ(import.strSpine, "Ann Vale - Night Drive");
    EXPECT_TRUE(import.unreadable.empty());
}

// The same sheet in each encoding a ripper writes; Shift-JIS with 0x5C as a second byte.
TEST(CueSheetText, EveryEncodingReadsAsItsText)
{
    const std::string japanese =
        TwoTracks("\xE4\xB9\x85\xE7\x9F\xB3\xE8\xAD\xB2",
                  "\xE5\x8D\x83\xE3\x81\xA8\xE5\x8D\x83\xE5\xB0\x8B\xE3\x81\xAE\xE7\xA5"
                  "\x9E\xE9\x9A\xA0\xE3\x81\x97",
                  "\xE3\x81\x82\xE3\x81\xAE\xE5\xA4\x8F\xE3\x81\xB8",
                  "\xE3\x82\xBD\xE3\x83\x8A\xE3\x83\x81\xE3\x83\x8D");
    const std::string shiftJis = TwoTracks(
        "\x8B\x76\x90\xCE\x8F\xF7", "\x90\xE7\x82\xC6\x90\xE7\x90\x71\x82\xCC\x90\x5F\x89\x42\x82\xB5",
        "\x82\xA0\x82\xCC\x89\xC4\x82\xD6", "\x83\x5C\x83\x69\x83\x60\x83\x6C");
    const std::string western = TwoTracks("Sigur R\xC3\xB3s", "\xC3\x81g\xC3\xA6tis byrjun",
                                          "Se\xC3\xB1or \xE2\x80\x93 D\xC3\xA9j\xC3\xA0 vu", "Na\xC3\xAFve");
    const std::string windows1252 =
        TwoTracks("Sigur R\xF3s", "\xC1g\xE6tis byrjun", "Se\xF1or \x96 D\xE9j\xE0 vu", "Na\xEFve");
    for (const std::string& utf8 : {japanese, western}) {
        EXPECT_EQ(Imported("\xEF\xBB\xBF" + utf8), Imported(utf8));
        EXPECT_EQ(Imported(Utf16(utf8, false)), Imported(utf8));
        EXPECT_EQ(Imported(Utf16(utf8, true)), Imported(utf8));
    }
    EXPECT_EQ(Imported(shiftJis), Imported(japanese));
    EXPECT_EQ(Imported(windows1252), Imported(western));
    // Too few letters for uchardet, which takes these for IBM852.
    EXPECT_EQ(Imported(TwoTracks("Ann Vale", "Night Drive", "Se\xF1or",
                                 "Fa\xE7"
                                 "ade")),
              Imported(TwoTracks("Ann Vale", "Night Drive", "Se\xC3\xB1or",
                                 "Fa\xC3\xA7"
                                 "ade")));
    EXPECT_EQ(Imported(western), (Rows{{"1.", "Se\xC3\xB1or \xE2\x80\x93 D\xC3\xA9j\xC3\xA0 vu", "0:04"},
                                       {"2.", "Na\xC3\xAFve", ""}}));
    EXPECT_EQ(ImportCueSheetText(shiftJis, "/nonexistent").strSpine,
              "\xE4\xB9\x85\xE7\x9F\xB3\xE8\xAD\xB2 - "
              "\xE5\x8D\x83\xE3\x81\xA8\xE5\x8D\x83\xE5\xB0\x8B\xE3\x81\xAE\xE7"
              "\xA5\x9E\xE9\x9A\xA0\xE3\x81\x97");
}

TEST(CueSheetText, ABrokenSheetIsToldByItsLineAndGivesNoRows)
{
    const std::pair<std::string, std::string> broken[] = {
        {"REM GENRE Pop\nREM DATE 1999\nPERFORMER \"Ann Vale\"\nTITLE x\n\nCATALOG 1\nTRACK 01 AUDIO\n",
         "line 7: a TRACK before any FILE"},
        {"FILE \"a.wav\" WAVE\r\n  TRACK 01 AUDIO\r\n    INDEX 01 00:61:00\r\n",
         "line 3: an INDEX time that is not mm:ss:ff"},
        {"FILE \"a.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 -1:00:00\n",
         "line 3: an INDEX time that is not mm:ss:ff"},
        {"FILE \"a.wav\" WAVE\n  TRACK AUDIO\n", "line 2: a TRACK without its number"},
        {"FILE \"\" WAVE\n", "line 1: a FILE without its file name"},
        {"PERFORMER \"Ann Vale\"\nTITLE \"Night Drive\"\n", "line 2: the sheet ends without a TRACK"},
        {"", "line 1: the sheet ends without a TRACK"},
    };
    for (const auto& [sheet, reason] : broken) {
        const TrackImport import = ImportCueSheetText(sheet, "/nonexistent");
        EXPECT_TRUE(import.rows.empty()) << reason;
        ASSERT_EQ(import.unreadable.size(), 1u) << reason;
        EXPECT_EQ(import.unreadable[0].strReason, reason);
    }
}

// Tracks by others than the sheet's performer (a track without one is the sheet's), or by
// several when the sheet names none; one performer throughout is no sampler.
TEST(CueSheetText, ASamplerCreditsEachTrackAndProposesVariousArtists)
{
    const std::string tracks = "FILE \"disc.wav\" WAVE\n  TRACK 01 AUDIO\n    TITLE \"One\"\n"
                               "  TRACK 02 AUDIO\n    TITLE \"Two\"\n    PERFORMER \"Bo Lind\"\n";
    const TrackImport sampler =
        ImportCueSheetText("PERFORMER \"Ann Vale\"\nTITLE \"Summer\"\n" + tracks, "/x");
    EXPECT_EQ(sampler.rows,
              (Rows{{"1.", "Ann Vale \xE2\x80\x93 One", ""}, {"2.", "Bo Lind \xE2\x80\x93 Two", ""}}));
    EXPECT_EQ(sampler.strSpine, "Various Artists \xE2\x80\x93 Summer");

    const TrackImport unnamed = ImportCueSheetText("TITLE \"Summer\"\n" + tracks, "/x");
    EXPECT_EQ(unnamed.rows, (Rows{{"1.", "One", ""}, {"2.", "Two", ""}}));
    EXPECT_EQ(unnamed.strSpine, "Bo Lind - Summer"); // the one performer the tracks name

    const TrackImport several = ImportCueSheetText(
        "TITLE \"Summer\"\n" + tracks + "  TRACK 03 AUDIO\n    TITLE \"Three\"\n    PERFORMER \"Cy Moss\"\n",
        "/x");
    EXPECT_EQ(several.rows[2], (TrackRow{"3.", "Cy Moss \xE2\x80\x93 Three", ""}));
    EXPECT_EQ(several.strSpine, "Various Artists \xE2\x80\x93 Summer");
}

// A sheet made for album.wav beside the album.flac it was encoded to, and sheets naming the
// file in other case, by a Windows path, or by a name Qt would take for one of its resources:
// the last track runs to the end of the audio that is there.
TEST(CueSheetFiles, TheAudioBesideTheNamedFileGivesTheLastTrackItsLength)
{
    QTemporaryDir folder;
    const auto file = [&folder](const char* name) {
        return folder.path() + QLatin1Char('/') + QLatin1String(name);
    };
    const auto path = [&file](const char* name) { return QFile::encodeName(file(name)).toStdString(); };
    ASSERT_TRUE(MakeSilence(file("album.flac"), 10));
    ASSERT_TRUE(QFile::copy(file("album.flac"), file(":b.flac")));
    const Rows expected{{"1.", "One", "0:04"}, {"2.", "Two", "0:06"}};
    const std::pair<const char*, const char*> named[] = {{"album.wav", "album.flac"},
                                                         {"ALBUM.FLAC", "album.flac"},
                                                         {"C:\\Rips\\Album.wav", "album.flac"},
                                                         {":B.wav", ":b.flac"}};
    for (const auto& [name, found] : named) {
        QFile sheet(file("album.cue"));
        ASSERT_TRUE(sheet.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const std::string text = "FILE \"" + std::string(name) +
                                 "\" WAVE\n  TRACK 01 AUDIO\n    TITLE \"One\"\n    INDEX 01 00:00:00\n"
                                 "  TRACK 02 AUDIO\n    TITLE Two\n    INDEX 01 00:04:00\n";
        sheet.write(text.data(), static_cast<qint64>(text.size()));
        sheet.close();
        EXPECT_EQ(ImportCueSheet(path("album.cue")).rows, expected) << name;
        EXPECT_EQ(CueSheetAudioFiles(path("album.cue")), std::vector<std::string>{path(found)}) << name;
        EXPECT_EQ(ImportEmbeddedCueSheet(text, path(found)).rows, expected) << name;
    }
    const TrackImport broken = ImportEmbeddedCueSheet("TRACK 01 AUDIO\n", path("album.flac"));
    ASSERT_EQ(broken.unreadable.size(), 1u);
    EXPECT_EQ(broken.unreadable[0].strPath, path("album.flac"));
    EXPECT_EQ(broken.unreadable[0].strReason, "line 1: a TRACK before any FILE");
}
