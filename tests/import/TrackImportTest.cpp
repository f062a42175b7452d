// Track listings read from real audio files of every container the importer reads, and from
// CUE sheets of the shapes found beside disc images.
#include "TrackImport.h"
#include "MusicFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
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
        {"d.opus", {"Lanterns", "", "", "Night Drive", 4, 1}},
        {"e.m4a", {"Salt & Pepper", "", "", "Night Drive", 5, 1}},
        {"f.wav", {"Coda", "", "", "Night Drive", 6, 1}},
        {"g.aiff", {"Second Side", "", "", "Night Drive", 1, 2}},
        {"h.wv", {"Tides", "", "", "Night Drive", 2, 2}},
        {"i.ape", {"Last Light", "", "", "Night Drive", 3, 2}},
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
    const Rows expected = {{"1.", "Harbour Lights", "0:02"},
                           {"2.", "Paper Boats", "0:03"},
                           {"3.", "Caf\xC3\xA9 Noir", "0:04"},
                           {"4.", "Lanterns", "0:05"},
                           {"5.", "Salt & Pepper", "0:06"},
                           {"6.", "Coda", "0:07"},
                           {"", "Disc 2", ""},
                           {"1.", "Second Side", "0:08"},
                           {"2.", "Tides", "0:09"},
                           {"3.", "Last Light", "0:10"}};
    EXPECT_EQ(import.rows, expected);
    EXPECT_EQ(import.strSpine, "The Quiet Coast - Night Drive"); // the album artist before the artist
    EXPECT_EQ(ImportSummary(import), "9 tracks imported; 1 file could not be read: broken.flac.");
}

TEST_F(MusicFolder, AFolderGivesItsOwnAudioFilesNumberedByNameWhenUntagged)
{
    MakeTrack(QStringLiteral("02 Second.flac"), 2, {});
    MakeTrack(QStringLiteral("01 First.flac"), 3, {});
    WriteText(QStringLiteral("cover.jpg"), "not music");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Bonus")));
    ASSERT_TRUE(MakeSilence(Path(QStringLiteral("Bonus/03 Hidden.flac")), 2));
    const TrackImport import = ImportAudioFolder(QFile::encodeName(folder.path()).toStdString());
    EXPECT_EQ(import.rows, (Rows{{"1.", "First", "0:03"}, {"2.", "Second", "0:02"}}));
    EXPECT_TRUE(import.unreadable.empty());
    EXPECT_EQ(import.strSpine, "");
    EXPECT_TRUE(QString::fromStdString(import.art.strPath).endsWith(QLatin1String("/cover.jpg")));
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
    EXPECT_EQ(all.unreadable.size(), 2000u);
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
    EXPECT_TRUE(import.unreadable.empty());
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
    EXPECT_EQ(ImportCueSheet(StdPath(QStringLiteral("absent.cue"))).unreadable.size(), 1u);
}

// A mix copied from several albums, and untagged files numbered in their names: the natural
// order of the names, numbered 1 to N, the names' numbers left out of the titles, the
// artists in the titles when they differ.
TEST_F(MusicFolder, AMixOrUntaggedFilesGoInTheNaturalOrderOfTheirNames)
{
    MakeTrack(QStringLiteral("01 - a.mp3"), 2, {"Harbour Lights", "Ann Vale", "", "Night Drive", 3, 0});
    MakeTrack(QStringLiteral("02 - b.flac"), 2, {"Paper Boats", "Bo Lind", "", "Rivers", 1, 0});
    MakeTrack(QStringLiteral("10 - c.ogg"), 2, {"Coda", "Ann Vale", "", "Coast", 1, 0});
    MakeTrack(QStringLiteral("3 - d.opus"), 2, {"Lanterns", "Bo Lind", "", "Rivers", 7, 0});
    TrackImport mix = ImportAudioFolder(QFile::encodeName(folder.path()).toStdString());
    EXPECT_EQ(mix.rows, (Rows{{"1.", "Ann Vale \xE2\x80\x93 Harbour Lights", "0:02"},
                              {"2.", "Bo Lind \xE2\x80\x93 Paper Boats", "0:02"},
                              {"3.", "Bo Lind \xE2\x80\x93 Lanterns", "0:02"},
                              {"4.", "Ann Vale \xE2\x80\x93 Coda", "0:02"}}));
    EXPECT_EQ(mix.strSpine, "");

    QTemporaryDir untagged;
    std::vector<std::string> paths;
    for (const char* name :
         {"11 - Song.flac", "2 - Two.flac", "10 - Ten.flac", "1 - One.flac", "9. Nine.flac"}) {
        const QString path = untagged.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(MakeSilence(path, 1));
        paths.push_back(QFile::encodeName(path).toStdString());
    }
    EXPECT_EQ(ImportAudioFiles(paths).rows, (Rows{{"1.", "One", "0:01"},
                                                  {"2.", "Two", "0:01"},
                                                  {"3.", "Nine", "0:01"},
                                                  {"4.", "Ten", "0:01"},
                                                  {"5.", "Song", "0:01"}}));
}

// An album in disc folders with its picture beside them; a compilation's artists and spine;
// a front cover in an MP3's tags.
TEST_F(MusicFolder, DiscFoldersCompilationsAndCoverArt)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("CD1")));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Disc 2")));
    MakeTrack(QStringLiteral("CD1/01.flac"), 2, {"Harbour Lights", "Ann Vale", "", "Night Drive", 1, 0});
    MakeTrack(QStringLiteral("CD1/02.flac"), 3, {"Paper Boats", "Ann Vale", "", "Night Drive", 2, 0});
    MakeTrack(QStringLiteral("Disc 2/01.flac"), 4, {"Second Side", "Ann Vale", "", "Night Drive", 1, 0});
    WriteText(QStringLiteral("Folder.JPG"), "picture");
    const TrackImport album = ImportAudioFolder(QFile::encodeName(folder.path()).toStdString());
    EXPECT_EQ(album.rows, (Rows{{"1.", "Harbour Lights", "0:02"},
                                {"2.", "Paper Boats", "0:03"},
                                {"", "Disc 2", ""},
                                {"1.", "Second Side", "0:04"}}));
    EXPECT_EQ(album.strSpine, "Ann Vale - Night Drive");
    EXPECT_TRUE(QString::fromStdString(album.art.strPath).endsWith(QLatin1String("/Folder.JPG")));
    EXPECT_EQ(ImportSummary(album), "3 tracks imported.");

    QTemporaryDir hits;
    const QString one = hits.filePath(QStringLiteral("1.mp3"));
    const QString two = hits.filePath(QStringLiteral("2.flac"));
    ASSERT_TRUE(MakeSilence(one, 1) && MakeSilence(two, 1));
    ASSERT_TRUE(TagFile(one, {"Tides", "Ann Vale", "Various", "Summer Hits", 1, 0}));
    ASSERT_TRUE(TagFile(two, {"Rivers", "Bo Lind", "Various", "Summer Hits", 2, 0}));
    const QByteArray jpeg("\xFF\xD8\xFF\xE0 a front cover");
    ASSERT_TRUE(EmbedFrontCover(one, jpeg));
    const TrackImport compilation =
        ImportAudioFiles({QFile::encodeName(two).toStdString(), QFile::encodeName(one).toStdString()});
    EXPECT_EQ(compilation.rows, (Rows{{"1.", "Ann Vale \xE2\x80\x93 Tides", "0:01"},
                                      {"2.", "Bo Lind \xE2\x80\x93 Rivers", "0:01"}}));
    EXPECT_EQ(compilation.strSpine, "Various Artists \xE2\x80\x93 Summer Hits");
    EXPECT_EQ(compilation.art.bytes, jpeg.toStdString());
    EXPECT_EQ(compilation.art.strExtension, ".jpg");
}

// A FLAC disc image beside its sheet (which names a WAV), chosen as a folder or as the two
// files; the same sheet kept in the FLAC's tags.
TEST_F(MusicFolder, AFlacImageGivesTheTracksOfItsSheet)
{
    ASSERT_TRUE(MakeSilence(Path(QStringLiteral("Album.flac")), 10));
    const QByteArray sheet = "PERFORMER \"Ann Vale\"\nTITLE \"Night Drive\"\nFILE \"album.wav\" WAVE\n"
                             "  TRACK 01 AUDIO\n    TITLE \"One\"\n    INDEX 01 00:00:00\n"
                             "  TRACK 02 AUDIO\n    TITLE \"Two\"\n    INDEX 01 00:04:00\n";
    WriteText(QStringLiteral("album.cue"), sheet);
    const Rows expected = {{"1.", "One", "0:04"}, {"2.", "Two", "0:06"}};
    const TrackImport fromFolder = ImportAudioFolder(QFile::encodeName(folder.path()).toStdString());
    EXPECT_EQ(fromFolder.rows, expected);
    EXPECT_EQ(fromFolder.strSpine, "Ann Vale - Night Drive");
    const TrackImport chosen =
        ImportAudioFiles({StdPath(QStringLiteral("album.cue")), StdPath(QStringLiteral("Album.flac"))});
    EXPECT_EQ(chosen.rows, expected);
    EXPECT_TRUE(chosen.unreadable.empty());

    QTemporaryDir other;
    const QString image = other.filePath(QStringLiteral("image.flac"));
    ASSERT_TRUE(MakeSilence(image, 10));
    ASSERT_TRUE(SetTag(image, "CUESHEET", sheet.toStdString()));
    EXPECT_EQ(ImportAudioFiles({QFile::encodeName(image).toStdString()}).rows, expected);

    // The sheet in the image's own CUESHEET block, as Debian's flac encoder stores it.
    const QString wav = other.filePath(QStringLiteral("album.wav"));
    const QString encoded = other.filePath(QStringLiteral("encoded.flac"));
    ASSERT_TRUE(MakeSilence(wav, 10));
    QProcess flac;
    flac.start(QStringLiteral("flac"),
               {QStringLiteral("-s"), QStringLiteral("--cuesheet=") + Path(QStringLiteral("album.cue")),
                QStringLiteral("-o"), encoded, wav});
    ASSERT_TRUE(flac.waitForFinished(60000) && flac.exitCode() == 0);
    EXPECT_EQ(ImportAudioFiles({QFile::encodeName(encoded).toStdString()}).rows,
              (Rows{{"1.", "", "0:04"}, {"2.", "", "0:06"}}));
}

TEST(ImportSummaries, NameFiveUnreadableFilesAndSayWhatACdHolds)
{
    TrackImport import;
    for (int i = 1; i <= 120; ++i)
        import.rows.push_back({std::to_string(i) + ".", "Track", ""});
    import.rows.push_back({"", "Disc 2", ""});
    for (const char* name : {"a.mp3", "b.flac", "c.ogg", "d.m4a", "e.wav", "f.ape", "g.wv"})
        import.unreadable.push_back({std::string("/music/") + name, {}});
    import.unreadable[1].strReason = "line 3: a TRACK before any FILE";
    EXPECT_EQ(ImportSummary(import),
              "120 tracks imported; a CD holds at most 99; 7 files could not be read: a.mp3, "
              "b.flac (line 3: a TRACK before any FILE), c.ogg, d.m4a, e.wav and 2 more.");
    import.rows.resize(2);
    import.unreadable.resize(2);
    EXPECT_EQ(
        ImportSummary(import),
        "2 tracks imported; 2 files could not be read: a.mp3 and b.flac (line 3: a TRACK before any FILE).");
}
