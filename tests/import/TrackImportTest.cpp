// Track listings read from real audio files of every container the importer reads, and from
// CUE sheets of the shapes found beside disc images.
#include "TrackImport.h"
#include "MusicFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cctype>
#include <gtest/gtest.h>

namespace {

using Rows = std::vector<TrackRow>;

class MusicFolder : public testing::Test
{
protected:
    QString Path(const QString& name) const { return folder.filePath(name); }
    std::string StdPath(const QString& name) const { return QFile::encodeName(Path(name)).toStdString(); }
    void WriteText(const QString& name, const QByteArray& text) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    void MakeTrack(const QString& name, int seconds, const MusicTags& tags)
    {
        ASSERT_TRUE(MakeSilence(Path(name), seconds)) << name.toStdString();
        ASSERT_TRUE(TagFile(Path(name), tags)) << name.toStdString();
    }

    QTemporaryDir folder;
};

} // namespace

TEST(TrackLengths, ReadAsMinutesAndSecondsOrHoursFromAnHourOn)
{
    EXPECT_EQ(FormatTrackLength(0), "0:00");
    EXPECT_EQ(FormatTrackLength(221), "3:41");
    EXPECT_EQ(FormatTrackLength(3599), "59:59");
    EXPECT_EQ(FormatTrackLength(3600), "1:00:00");
    EXPECT_EQ(FormatTrackLength(4385), "1:13:05");
    EXPECT_EQ(FormatTrackLength(-1), "");
}

// The extensions in the order the Import dialog's filter lists them, each format named there
// by the one it is best known by; every one is imported whatever its case.
TEST(AudioFileNames, EveryListedExtensionIsReadInAnyCase)
{
    std::string usual;
    std::string all;
    for (const AudioExtension& extension : AudioExtensions()) {
        const std::string lower = extension.pszExtension;
        if (extension.bUsual)
            usual += lower + " ";
        all += lower + " ";
        std::string upper = lower;
        for (char& ch : upper)
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        EXPECT_TRUE(IsAudioFileName("/music/track" + lower)) << lower;
        EXPECT_TRUE(IsAudioFileName("/music/TRACK" + upper)) << upper;
    }
    EXPECT_EQ(usual, ".flac .mp3 .ogg .opus .m4a .wav .aiff .wv .ape ");
    EXPECT_EQ(all, ".flac .mp3 .ogg .oga .opus .m4a .aac .mp4 .wav .aif .aiff .wv .ape ");
    EXPECT_FALSE(IsAudioFileName("/music/disc.cue"));
    EXPECT_FALSE(IsAudioFileName(".flac")); // an extension alone names no file
}

// One tagged file in every container, on two discs, and one file that is no audio.
TEST_F(MusicFolder, EveryContainerGivesItsRowInDiscAndTrackOrder)
{
    const std::pair<const char*, MusicTags> files[] = {
        {"b.flac", {"Harbour Lights", "Ann Vale", "The Quiet Coast", "Night Drive", 1, 1}},
        {"a.mp3", {"Paper Boats", "Ann Vale", "", "Night Drive", 2, 1}},
        {"c.ogg", {"Caf\xC3\xA9 Noir", "Ann Vale", "", "Night Drive", 3, 1}},
        {"d.opus", {"Lanterns", "", "", "", 4, 1}},
        {"e.m4a", {"Salt & Pepper", "", "", "", 5, 1}},
        {"f.wav", {"Coda", "", "", "", 6, 1}},
        {"g.aiff", {"Second Side", "", "", "", 1, 2}},
        {"h.wv", {"Tides", "", "", "", 2, 2}},
        {"i.ape", {"Last Light", "", "", "", 3, 2}},
    };
    int seconds = 2;
    std::vector<std::string> paths;
    for (const auto& [name, tags] : files) {
        MakeTrack(QString::fromLatin1(name), seconds++, tags);
        paths.push_back(StdPath(QString::fromLatin1(name)));
    }
    WriteText(QStringLiteral("broken.flac"), QByteArray("fLaC") + QByteArray(20, '\x01')); // cut short
    paths.push_back(StdPath(QStringLiteral("broken.flac")));

    const TrackImport import = ImportAudioFiles(paths);
    const Rows expected = {
        {"1.", "Harbour Lights", "0:02"}, {"2.", "Paper Boats", "0:03"},   {"3.", "Caf\xC3\xA9 Noir", "0:04"},
        {"4.", "Lanterns", "0:05"},       {"5.", "Salt & Pepper", "0:06"}, {"6.", "Coda", "0:07"},
        {"1.", "Second Side", "0:08"},    {"2.", "Tides", "0:09"},         {"3.", "Last Light", "0:10"}};
    EXPECT_EQ(import.rows, expected);
    EXPECT_EQ(import.nUnreadable, 1u);
    EXPECT_EQ(import.strSpine, "The Quiet Coast - Night Drive"); // the album artist before the artist
    EXPECT_EQ(ImportSummary(import), "9 tracks imported; 1 file could not be read.");
}

TEST_F(MusicFolder, AFolderGivesItsOwnAudioFilesNumberedByNameWhenUntagged)
{
    MakeTrack(QStringLiteral("02 Second.flac"), 2, {});
    MakeTrack(QStringLiteral("01 First.flac"), 3, {});
    WriteText(QStringLiteral("cover.jpg"), "not music");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Bonus")));
    ASSERT_TRUE(MakeSilence(Path(QStringLiteral("Bonus/03 Hidden.flac")), 2));
    const TrackImport import = ImportAudioFolder(QFile::encodeName(folder.path()).toStdString());
    EXPECT_EQ(import.rows, (Rows{{"1.", "01 First", "0:03"}, {"2.", "02 Second", "0:02"}}));
    EXPECT_EQ(import.nUnreadable, 0u);
    EXPECT_EQ(import.strSpine, "");
}

TEST_F(MusicFolder, AThousandsOfFilesImportReportsProgressAndStopsWhenAsked)
{
    std::vector<std::string> paths;
    for (int i = 0; i < 2000; ++i)
        paths.push_back(StdPath(QStringLiteral("missing-%1.mp3").arg(i)));
    size_t seen = 0;
    const TrackImport stopped = ImportAudioFiles(paths, [&seen](size_t done, size_t total) {
        EXPECT_EQ(total, 2000u);
        seen = done;
        return done < 100;
    });
    EXPECT_TRUE(stopped.bCancelled);
    EXPECT_EQ(seen, 100u);
    EXPECT_TRUE(stopped.rows.empty());
    const TrackImport all = ImportAudioFiles(paths, [](size_t, size_t) { return true; });
    EXPECT_EQ(all.nUnreadable, 2000u);
}

// One file for the disc, a pregap before track 2, a track without a title, titles in UTF-8
// and in Windows-1252: lengths from the INDEX 01 differences, the last from the file.
TEST_F(MusicFolder, ACueSheetOfOneFileGivesItsTracksWithTheirLengths)
{
    ASSERT_TRUE(MakeSilence(Path(QStringLiteral("disc.wav")), 10));
    WriteText(QStringLiteral("disc.cue"), "PERFORMER \"Ann Vale\"\r\n"
                                          "TITLE \"Night Drive\"\r\n"
                                          "FILE \"disc.wav\" WAVE\r\n"
                                          "  TRACK 01 AUDIO\r\n"
                                          "    TITLE \"Caf\xC3\xA9 Noir\"\r\n"
                                          "    INDEX 01 00:00:00\r\n"
                                          "  TRACK 02 AUDIO\r\n"
                                          "    INDEX 00 00:03:50\r\n"
                                          "    INDEX 01 00:04:00\r\n"
                                          "  TRACK 03 AUDIO\r\n"
                                          "    TITLE \"Na\xEFve\"\r\n"
                                          "    INDEX 01 00:07:30\r\n");
    const TrackImport import = ImportCueSheet(StdPath(QStringLiteral("disc.cue")));
    EXPECT_EQ(import.rows,
              (Rows{{"1.", "Caf\xC3\xA9 Noir", "0:04"}, {"2.", "", "0:03"}, {"3.", "Na\xC3\xAFve", "0:03"}}));
    EXPECT_EQ(import.strSpine, "Ann Vale - Night Drive");
    EXPECT_EQ(import.nUnreadable, 0u);
}

TEST_F(MusicFolder, ACueSheetOfOneFilePerTrackTakesEachFilesLengthAndNoneForAMissingFile)
{
    ASSERT_TRUE(MakeSilence(Path(QStringLiteral("01.flac")), 3));
    ASSERT_TRUE(MakeSilence(Path(QStringLiteral("02.flac")), 5));
    WriteText(QStringLiteral("tracks.cue"), "FILE \"01.flac\" WAVE\n  TRACK 01 AUDIO\n    TITLE \"One\"\n"
                                            "    INDEX 01 00:00:00\n"
                                            "FILE \"02.flac\" WAVE\n  TRACK 02 AUDIO\n    TITLE \"Two\"\n"
                                            "    INDEX 01 00:00:00\n"
                                            "FILE \"03.flac\" WAVE\n  TRACK 03 AUDIO\n    TITLE \"Three\"\n"
                                            "    INDEX 01 00:00:00\n");
    const TrackImport import = ImportCueSheet(StdPath(QStringLiteral("tracks.cue")));
    EXPECT_EQ(import.rows, (Rows{{"1.", "One", "0:03"}, {"2.", "Two", "0:05"}, {"3.", "Three", ""}}));
}

TEST_F(MusicFolder, GarbageInACueSheetOrTheListingsMarkersDoNoHarm)
{
    const QByteArray garbage[] = {
        "",
        "\xFF\xFE\x00garbage",
        "TRACK 99 AUDIO\nINDEX 01 99:99:99\n",
        "FILE\nTRACK\nINDEX\n",
        "FILE \"x.wav\" WAVE\n  TRACK 01 AUDIO\n    TITLE \"Live [/DELIM] mix\"\n    INDEX 01 00:00:00\n",
        "REM junk\n\n\n\"\"\"\nTITLE \"unterminated\nFILE \"a\" WAVE\n  TRACK 1 AUDIO\n  INDEX 01 "
        "-1:00:00\n"};
    for (const QByteArray& text : garbage) {
        WriteText(QStringLiteral("odd.cue"), text);
        const TrackImport import = ImportCueSheet(StdPath(QStringLiteral("odd.cue")));
        for (const TrackRow& row : import.rows)
            for (const std::string& cell : row)
                EXPECT_EQ(cell.find("DELIM]"), std::string::npos);
    }
    EXPECT_EQ(ImportCueSheet(StdPath(QStringLiteral("absent.cue"))).nUnreadable, 1u);
}
