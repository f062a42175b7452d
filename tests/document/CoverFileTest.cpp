#include "CoverFile.h"

#include "QtConvert.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>

using namespace std::string_literals;

namespace {

std::string Entry(const std::string& key, const std::string& value)
{
    return "[" + key + "]=" + value + "[END" + key + "]";
}

std::string FaceOf(const LOGFONT& lf)
{
    return std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
}

// Bytes that look like a picture to nobody but hold every byte value, NULs included.
std::string PictureBytes(size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + seed * 7 + (i >> 8)) & 0xFF);
    return bytes;
}

// Holds the process's file size limit low while it lives, so that writing past it fails
// the way a full disk does, even for root.
class CFileSizeLimit
{
public:
    explicit CFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~CFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

class CoverFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkdir("extract"));
    }

    std::string Path(const std::string& name) const { return m_dir.path().toStdString() + "/" + name; }
    std::string Folder() const { return Path("extract"); }

    static void WriteBytes(const std::string& path, const std::string& bytes)
    {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    static std::string ReadBytes(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll().toStdString();
    }
    QStringList Extracted() const
    {
        return QDir(QString::fromStdString(Folder())).entryList(QDir::Files, QDir::Name);
    }

    // A cover as the main window holds it before anything is loaded into it.
    static CoverState ResetCover(CoverType type = StandardCD)
    {
        CoverState cover;
        cover.ResetToDefaults(96, type);
        cover.covertype = type;
        return cover;
    }

    // Loads a file into a freshly reset cover, as the main window's initialisation does.
    CoverState Load(const std::string& path, CoverLoadResult* pResult = nullptr) const
    {
        CoverState cover = ResetCover();
        cover.coverChanged = true;
        const CoverLoadResult result = ReadCoverFile(path, cover, Folder());
        EXPECT_EQ(result.status, CoverLoadStatus::Loaded);
        if (pResult)
            *pResult = result;
        return cover;
    }

    QTemporaryDir m_dir;
};

} // namespace

// ---- Saving and loading back -----------------------------------------------------------

TEST_F(CoverFile, CoverWithoutPicturesEndsWithTheFourMarkersAndLoadsTwoEmptyTmpFiles)
{
    const CoverSaveResult saved = WriteCoverFile(Path("plain.slv"), ResetCover());
    ASSERT_TRUE(saved.bWritten) << saved.strError;
    EXPECT_EQ(saved.strError, "");
    const std::string bytes = ReadBytes(Path("plain.slv"));
    const std::string tail = "[END][IMAGE1][ENDIMAGE1][IMAGE2][ENDIMAGE2]";
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);

    const CoverState cover = Load(Path("plain.slv"));
    EXPECT_EQ(cover.fImagePath, "");
    EXPECT_EQ(cover.bImagePath, "");
    EXPECT_EQ(Extracted(), QStringList({"tmpback.tmp", "tmpfront.tmp"}));
    EXPECT_EQ(ReadBytes(Folder() + "/tmpfront.tmp"), "");
    EXPECT_EQ(ReadBytes(Folder() + "/tmpback.tmp"), "");
}

TEST_F(CoverFile, FrontPictureComesBackByteForByteUnderItsExtension)
{
    const std::string photo = PictureBytes(100000, 1);
    WriteBytes(Path("photo.jpeg"), photo);
    CoverState cover = ResetCover();
    cover.fImagePath = Path("photo.jpeg");
    ASSERT_TRUE(WriteCoverFile(Path("photo.slv"), cover).bWritten);

    CoverLoadResult result;
    const CoverState loaded = Load(Path("photo.slv"), &result);
    EXPECT_EQ(loaded.fImagePath, Folder() + "/tmpfront.jpeg");
    EXPECT_EQ(result.strFrontFile, Folder() + "/tmpfront.jpeg");
    EXPECT_EQ(ReadBytes(Folder() + "/tmpfront.jpeg"), photo);
    EXPECT_EQ(loaded.bImagePath, "");
    EXPECT_EQ(ReadBytes(Folder() + "/tmpback.tmp"), "");
    EXPECT_TRUE(result.unwritableFiles.empty());
}

TEST_F(CoverFile, FullCoverRoundTripsFieldByField)
{
    const std::string front = PictureBytes(70000, 2), back = PictureBytes(50001, 3);
    WriteBytes(Path("front.png"), front);
    WriteBytes(Path("back.JPG"), back);
    CoverState cover = ResetCover(SlimlineDVD);
    cover.fBGColor = RGB(255, 0, 0);
    cover.bBGColor = RGB(1, 2, 3);
    cover.fImagePath = Path("front.png");
    cover.bImagePath = Path("back.JPG");
    cover.fCoverText = "[DELIM]1.[/DELIM][DELIM]Fa\xC3\xA7"
                       "ade[/DELIM][DELIM]3:41[/DELIM]\n\r";
    cover.bCoverText = "Line one\r\nLine two [x] = y";
    cover.fCoverTitle = "Front Title";
    cover.bCoverTitle = "Back\tTitle";
    cover.fCoverTextFontName = "Carried Front";
    cover.bCoverTextFontName = "Carried Back";
    cover.fCoverTextColor = RGB(0, 128, 0);
    cover.bCoverTextColor = RGB(10, 20, 30);
    cover.fCoverTextFont = {-19, 0, 0, 0, 700, 1, 0, 1, 0, 0, 0, 0, 0, {}};
    cover.bCoverTextFont = {-32, 0, 0, 0, 300, 0, 1, 0, 0, 0, 0, 0, 0, {}};
    SetFaceName(cover.fCoverTextFont, "DejaVu Sans");
    SetFaceName(cover.bCoverTextFont, "Liberation Serif");
    cover.bFrontPrintOverSpines = false;
    cover.bBackPrintOverSpines = true;
    cover.frontCoverSpineText = "Front spine";
    cover.backCoverSpineText = "Back spine \xE2\x80\x94 2024";
    const CoverSaveResult saved = WriteCoverFile(Path("full.slv"), cover);
    ASSERT_TRUE(saved.bWritten) << saved.strError;
    EXPECT_TRUE(saved.unreadablePictures.empty());
    EXPECT_EQ(saved.strWarning, "");

    const CoverState loaded = Load(Path("full.slv"));
    EXPECT_EQ(loaded.covertype, SlimlineDVD);
    EXPECT_EQ(loaded.fBGColor, cover.fBGColor);
    EXPECT_EQ(loaded.bBGColor, cover.bBGColor);
    EXPECT_EQ(loaded.fImagePath, Folder() + "/tmpfront.png");
    EXPECT_EQ(loaded.bImagePath, Folder() + "/tmpback.JPG");
    EXPECT_EQ(ReadBytes(loaded.fImagePath), front);
    EXPECT_EQ(ReadBytes(loaded.bImagePath), back);
    EXPECT_EQ(loaded.fCoverText, cover.fCoverText);
    EXPECT_EQ(loaded.bCoverText, cover.bCoverText);
    EXPECT_EQ(loaded.fCoverTitle, cover.fCoverTitle);
    EXPECT_EQ(loaded.bCoverTitle, cover.bCoverTitle);
    EXPECT_EQ(loaded.fCoverTextFontName, cover.fCoverTextFontName);
    EXPECT_EQ(loaded.bCoverTextFontName, cover.bCoverTextFontName);
    EXPECT_EQ(loaded.fCoverTextColor, cover.fCoverTextColor);
    EXPECT_EQ(loaded.bCoverTextColor, cover.bCoverTextColor);
    for (const auto& [got, want] : {std::pair{&loaded.fCoverTextFont, &cover.fCoverTextFont},
                                    std::pair{&loaded.bCoverTextFont, &cover.bCoverTextFont}}) {
        EXPECT_EQ(FaceOf(*got), FaceOf(*want));
        EXPECT_EQ(got->lfHeight, want->lfHeight);
        EXPECT_EQ(got->lfWeight, want->lfWeight);
        EXPECT_EQ(got->lfItalic, want->lfItalic);
        EXPECT_EQ(got->lfUnderline, want->lfUnderline);
        EXPECT_EQ(got->lfStrikeOut, want->lfStrikeOut);
    }
    EXPECT_EQ(loaded.bFrontPrintOverSpines, cover.bFrontPrintOverSpines);
    EXPECT_EQ(loaded.bBackPrintOverSpines, cover.bBackPrintOverSpines);
    EXPECT_EQ(loaded.frontCoverSpineText, cover.frontCoverSpineText);
    EXPECT_EQ(loaded.backCoverSpineText, cover.backCoverSpineText);
    EXPECT_FALSE(loaded.coverChanged);
}

TEST_F(CoverFile, PictureThatReportsNoSizeIsSavedWhole)
{
    CoverState cover = ResetCover();
    cover.bImagePath = "/proc/self/status"; // size 0 on disk, text when read
    ASSERT_TRUE(WriteCoverFile(Path("proc.slv"), cover).bWritten);
    EXPECT_EQ(ReadBytes(Load(Path("proc.slv")).bImagePath).rfind("Name:", 0), 0u);
}

TEST_F(CoverFile, ThirtyOneCharacterFaceNameSurvivesSaveAndLoad)
{
    const std::string face = "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcd";
    ASSERT_EQ(face.size(), 31u);
    CoverState cover = ResetCover();
    SetFaceName(cover.bCoverTextFont, face);
    ASSERT_TRUE(WriteCoverFile(Path("face.slv"), cover).bWritten);
    EXPECT_EQ(FaceOf(Load(Path("face.slv")).bCoverTextFont), face);
}

TEST_F(CoverFile, SavingReplacesAnExistingFileWhole)
{
    WriteBytes(Path("old.slv"), std::string(5000, '~'));
    CoverState cover = ResetCover();
    cover.fCoverTitle = "New";
    ASSERT_TRUE(WriteCoverFile(Path("old.slv"), cover).bWritten);
    const std::string bytes = ReadBytes(Path("old.slv"));
    EXPECT_EQ(bytes.rfind("[BEGIN]", 0), 0u);
    EXPECT_EQ(bytes.find('~'), std::string::npos);
}

// ---- Files made by hand ----------------------------------------------------------------

// A cover as the Windows program writes it: backslash paths, CR LF and LF CR line breaks,
// Windows-1252 bytes, the border bytes 1, pictures with NUL bytes.
TEST_F(CoverFile, WindowsMadeCoverReadsEveryField)
{
    const std::string jpeg = "\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0\0\x01\xFF\xD9"s;
    const std::string png = "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x01"s;
    // clang-format off
    const std::string file =
        "[BEGIN]"
        "[covertype]=2[ENDcovertype]"
        "[fBGColor]=255[ENDfBGColor]"
        "[bBGColor]=32768[ENDbBGColor]"
        "[fShowBorder]=\x01[ENDfShowBorder]"
        "[bShowBorder]=\x01[ENDbShowBorder]"
        "[fImagePath]=C:\\pics\\cover.jpg[ENDfImagePath]"
        "[bImagePath]=C:\\Documents and Settings\\Me\\My Pictures\\back.PNG[ENDbImagePath]"
        "[fCoverText]=Caf\xE9 del Mar\r\nVol. 2[ENDfCoverText]"
        "[bCoverText]=[DELIM]1.[/DELIM][DELIM]Se\xF1or[/DELIM][DELIM]3:41[/DELIM]\n\r[ENDbCoverText]"
        "[fCoverTitle]=\x93Quoted\x94[ENDfCoverTitle]"
        "[bCoverTitle]=Back \x96 Title[ENDbCoverTitle]"
        "[fCoverTextFontName]=[ENDfCoverTextFontName]"
        "[bCoverTextFontName]=Old Name[ENDbCoverTextFontName]"
        "[fCoverTextColor]=16711680[ENDfCoverTextColor]"
        "[bCoverTextColor]=8421504[ENDbCoverTextColor]"
        "[fCoverTextFontFace]=Times New Roman[ENDfCoverTextFontFace]"
        "[bCoverTextFontFace]=Comic Sans MS[ENDbCoverTextFontFace]"
        "[fCoverTextFontHeight]=-32[ENDfCoverTextFontHeight]"
        "[bCoverTextFontHeight]=-19[ENDbCoverTextFontHeight]"
        "[fCoverTextFontWeight]=700[ENDfCoverTextFontWeight]"
        "[bCoverTextFontWeight]=400[ENDbCoverTextFontWeight]"
        "[fCoverTextFontItalic]=TRUE[ENDfCoverTextFontItalic]"
        "[bCoverTextFontItalic]=FALSE[ENDbCoverTextFontItalic]"
        "[fCoverTextFontStrikeout]=FALSE[ENDfCoverTextFontStrikeout]"
        "[bCoverTextFontStrikeout]=TRUE[ENDbCoverTextFontStrikeout]"
        "[fCoverTextFontUnderline]=TRUE[ENDfCoverTextFontUnderline]"
        "[bCoverTextFontUnderline]=FALSE[ENDbCoverTextFontUnderline]"
        "[bFrontPrintOverSpines]=0[ENDbFrontPrintOverSpines]"
        "[bBackPrintOverSpines]=1[ENDbBackPrintOverSpines]"
        "[frontCoverSpinesOn]=TRUE[ENDfrontCoverSpinesOn]"
        "[backCoverSpinesOn]=FALSE[ENDbackCoverSpinesOn]"
        "[frontCoverSpineText]=Front \xB7 Spine[ENDfrontCoverSpineText]"
        "[backCoverSpineText]=Back spine\r\nline 2[ENDbackCoverSpineText]"
        "[END]"
        "[IMAGE1]" + jpeg + "[ENDIMAGE1]"
        "[IMAGE2]" + png + "[ENDIMAGE2]";
    // clang-format on
    WriteBytes(Path("windows.slv"), file);

    const CoverState cover = Load(Path("windows.slv"));
    EXPECT_EQ(cover.covertype, StandardDVD);
    EXPECT_EQ(cover.fBGColor, RGB(255, 0, 0));
    EXPECT_EQ(cover.bBGColor, RGB(0, 128, 0));
    EXPECT_EQ(cover.fImagePath, Folder() + "/tmpfront.jpg");
    EXPECT_EQ(cover.bImagePath, Folder() + "/tmpback.PNG");
    EXPECT_EQ(ReadBytes(cover.fImagePath), jpeg);
    EXPECT_EQ(ReadBytes(cover.bImagePath), png);
    // Texts are UTF-8 in memory, whatever the file held.
    EXPECT_EQ(cover.fCoverText, "Caf\xC3\xA9 del Mar\r\nVol. 2");
    EXPECT_EQ(cover.bCoverText, "[DELIM]1.[/DELIM][DELIM]Se\xC3\xB1or[/DELIM][DELIM]3:41[/DELIM]\n\r");
    EXPECT_EQ(cover.fCoverTitle, "\xE2\x80\x9CQuoted\xE2\x80\x9D");
    EXPECT_EQ(cover.bCoverTitle, "Back \xE2\x80\x93 Title");
    EXPECT_EQ(cover.fCoverTextFontName, "");
    EXPECT_EQ(cover.bCoverTextFontName, "Old Name");
    EXPECT_EQ(cover.fCoverTextColor, RGB(0, 0, 255));
    EXPECT_EQ(cover.bCoverTextColor, RGB(128, 128, 128));
    EXPECT_EQ(FaceOf(cover.fCoverTextFont), "Times New Roman");
    EXPECT_EQ(FaceOf(cover.bCoverTextFont), "Comic Sans MS");
    EXPECT_EQ(cover.fCoverTextFont.lfHeight, -32);
    EXPECT_EQ(cover.bCoverTextFont.lfHeight, -19);
    EXPECT_EQ(cover.fCoverTextFont.lfWeight, 700);
    EXPECT_EQ(cover.bCoverTextFont.lfWeight, 400);
    EXPECT_EQ(cover.fCoverTextFont.lfItalic, 1);
    EXPECT_EQ(cover.bCoverTextFont.lfItalic, 0);
    EXPECT_EQ(cover.fCoverTextFont.lfStrikeOut, 0);
    EXPECT_EQ(cover.bCoverTextFont.lfStrikeOut, 1);
    EXPECT_EQ(cover.fCoverTextFont.lfUnderline, 1);
    EXPECT_EQ(cover.bCoverTextFont.lfUnderline, 0);
    EXPECT_FALSE(cover.bFrontPrintOverSpines);
    EXPECT_TRUE(cover.bBackPrintOverSpines);
    EXPECT_EQ(cover.frontCoverSpineText, "Front \xC2\xB7 Spine");
    EXPECT_EQ(cover.backCoverSpineText, "Back spine\r\nline 2");
    // Not read from the file: the reset's values stay.
    EXPECT_TRUE(cover.fShowBorder);
    EXPECT_TRUE(cover.bShowBorder);
    EXPECT_FALSE(cover.frontCoverSpinesOn);
    EXPECT_TRUE(cover.backCoverSpinesOn);

    // Saved again unchanged, every text entry is the Windows program's own bytes once more.
    ASSERT_TRUE(WriteCoverFile(Path("again.slv"), cover).bWritten);
    const std::string again = ReadBytes(Path("again.slv"));
    const std::string header = file.substr(0, file.find("[END]"));
    for (const char* key : {"fCoverText", "bCoverText", "fCoverTitle", "bCoverTitle", "bCoverTextFontName",
                            "fCoverTextFontFace", "frontCoverSpineText", "backCoverSpineText"}) {
        const std::string open = "[" + std::string(key) + "]=";
        const size_t at = header.find(open);
        const std::string entry = header.substr(at, header.find("[END" + std::string(key) + "]", at) - at);
        EXPECT_NE(again.find(entry), std::string::npos) << key;
    }
}

// Each text is written in Windows-1252 when all of it has codes there, else in UTF-8.
TEST_F(CoverFile, TextsAreSavedInWindows1252WhereTheyFitAndInUtf8WhereTheyDoNot)
{
    CoverState cover = ResetCover(StandardDVD);
    cover.fCoverText = "Plain ASCII";
    cover.bCoverText = "Caf\xC3\xA9 \xE2\x80\x93 \xE2\x82\xAC"
                       "5";                     // é, en dash, euro: all in Windows-1252
    cover.fCoverTitle = "Caf\xC3\xA9 \xCE\xA9"; // a Greek omega: not in Windows-1252
    cover.bCoverTitle = "\xC3\x83\xC2\xA9";     // "Ã©": its 1252 bytes would read as "é"
    ASSERT_TRUE(WriteCoverFile(Path("texts.slv"), cover).bWritten);
    const std::string bytes = ReadBytes(Path("texts.slv"));
    EXPECT_NE(bytes.find("[fCoverText]=Plain ASCII[END"), std::string::npos);
    EXPECT_NE(bytes.find("[bCoverText]=Caf\xE9 \x96 \x80\x35[END"), std::string::npos);
    EXPECT_NE(bytes.find("[fCoverTitle]=Caf\xC3\xA9 \xCE\xA9[END"), std::string::npos);
    EXPECT_NE(bytes.find("[bCoverTitle]=\xC3\x83\xC2\xA9[END"), std::string::npos);
    const CoverState loaded = Load(Path("texts.slv"));
    EXPECT_EQ(loaded.fCoverText, cover.fCoverText);
    EXPECT_EQ(loaded.bCoverText, cover.bCoverText);
    EXPECT_EQ(loaded.fCoverTitle, cover.fCoverTitle);
    EXPECT_EQ(loaded.bCoverTitle, cover.bCoverTitle);
}

TEST_F(CoverFile, BordersAndSpineSwitchesKeepTheResetValuesWhateverTheFileSays)
{
    WriteBytes(Path("odd.slv"), Entry("covertype", "1") + Entry("fShowBorder", "0") +
                                    Entry("bShowBorder", "FALSE") + Entry("frontCoverSpinesOn", "TRUE") +
                                    Entry("backCoverSpinesOn", "FALSE") + "[END]");
    const CoverState cover = Load(Path("odd.slv"));
    EXPECT_TRUE(cover.fShowBorder);
    EXPECT_TRUE(cover.bShowBorder);
    EXPECT_FALSE(cover.frontCoverSpinesOn);
    EXPECT_TRUE(cover.backCoverSpinesOn);
}

TEST_F(CoverFile, MissingClosingMarkersReadAsEmptyValues)
{
    WriteBytes(Path("open.slv"), "[BEGIN]" + Entry("covertype", "1") +
                                     "[bCoverTextFontItalic]=FALSE[bBackPrintOverSpines]=0" +
                                     Entry("bFrontPrintOverSpines", "0") + "[bCoverText]=lost[END]");
    const CoverState cover = Load(Path("open.slv"));
    EXPECT_EQ(cover.bCoverTextFont.lfItalic, 1);
    EXPECT_TRUE(cover.bBackPrintOverSpines);
    EXPECT_FALSE(cover.bFrontPrintOverSpines);
    EXPECT_EQ(cover.bCoverText, "");
}

TEST_F(CoverFile, TextHoldingEndEndsTheHeaderThere)
{
    WriteBytes(Path("cut.slv"), "[BEGIN]" + Entry("covertype", "4") + Entry("fCoverText", "kept") +
                                    Entry("bCoverText", "A[END]B") + Entry("bCoverTitle", "lost") +
                                    Entry("bBGColor", "255") + Entry("bCoverTextFontItalic", "FALSE") +
                                    Entry("bCoverTextFontFace", "Arial") + "[END]");
    const CoverState cover = Load(Path("cut.slv"));
    EXPECT_EQ(cover.covertype, SlimlineCD);
    EXPECT_EQ(cover.fCoverText, "kept");
    EXPECT_EQ(cover.bCoverText, "");
    EXPECT_EQ(cover.bCoverTitle, "");
    EXPECT_EQ(cover.bBGColor, 0u);
    EXPECT_EQ(cover.bCoverTextFont.lfItalic, 1);
    EXPECT_EQ(FaceOf(cover.bCoverTextFont), "");
}

TEST_F(CoverFile, MissingOrMisorderedPictureMarkersLoadWithoutPictures)
{
    WriteBytes(Path("nomarkers.slv"),
               "[BEGIN]" + Entry("covertype", "1") + Entry("fImagePath", "a.jpg") + "[END]picture bytes");
    CoverLoadResult result;
    CoverState cover = Load(Path("nomarkers.slv"), &result);
    EXPECT_EQ(cover.fImagePath, "");
    EXPECT_EQ(ReadBytes(result.strFrontFile), "");
    EXPECT_EQ(result.damagedPictures, std::vector<CoverSide>{CoverSide::Front}); // the back names none

    WriteBytes(Path("misordered.slv"), "[BEGIN]" + Entry("covertype", "1") + Entry("bImagePath", "b.png") +
                                           "[END][IMAGE1]f[ENDIMAGE1][ENDIMAGE2]x[IMAGE2]b");
    cover = Load(Path("misordered.slv"), &result);
    EXPECT_EQ(ReadBytes(cover.fImagePath), "f");
    EXPECT_EQ(cover.bImagePath, "");
    EXPECT_EQ(ReadBytes(Folder() + "/tmpback.png"), "");
    EXPECT_EQ(result.damagedPictures, std::vector<CoverSide>{CoverSide::Back});
    EXPECT_EQ(DamagedPicturesMessage(result),
              "The back picture of this cover could not be read: the cover file "
              "is damaged or incomplete.\n\nThe rest of the cover was loaded.");
}

TEST_F(CoverFile, CoverCutOffInsideItsFrontPictureLoadsTheRestAndNamesBothLostPictures)
{
    WriteBytes(Path("a.jpg"), PictureBytes(5000, 3));
    WriteBytes(Path("b.png"), PictureBytes(5000, 4));
    CoverState saved = ResetCover();
    saved.fCoverText = "kept text";
    saved.fImagePath = Path("a.jpg");
    saved.bImagePath = Path("b.png");
    ASSERT_TRUE(WriteCoverFile(Path("whole.slv"), saved).bWritten);
    const std::string whole = ReadBytes(Path("whole.slv"));
    WriteBytes(Path("cut.slv"), whole.substr(0, whole.find("[IMAGE1]") + 100));

    CoverLoadResult result;
    const CoverState cover = Load(Path("cut.slv"), &result);
    EXPECT_EQ(cover.fCoverText, "kept text");
    EXPECT_EQ(cover.fImagePath, "");
    EXPECT_EQ(cover.bImagePath, "");
    EXPECT_EQ(DamagedPicturesMessage(result).rfind(
                  "The front and back pictures of this cover could not be read", 0),
              0u);
    CoverLoadResult whole_result;
    Load(Path("whole.slv"), &whole_result);
    EXPECT_EQ(DamagedPicturesMessage(whole_result), "");
}

// ---- Files that hold no cover ----------------------------------------------------------

TEST_F(CoverFile, FilesWithoutACoverAreToldApart)
{
    CoverState cover = ResetCover();
    EXPECT_EQ(ReadCoverFile(Path("nothing.slv"), cover, Folder()).status, CoverLoadStatus::Missing);
    WriteBytes(Path("empty.slv"), "");
    EXPECT_EQ(ReadCoverFile(Path("empty.slv"), cover, Folder()).status, CoverLoadStatus::NotACover);
    WriteBytes(Path("afternul.slv"), "[BEGIN]\0[END]"s);
    EXPECT_EQ(ReadCoverFile(Path("afternul.slv"), cover, Folder()).status, CoverLoadStatus::NotACover);
    // A header that names no kind of case this program has is no cover either.
    for (const char* kind : {"", "0", "6", "-1", "99999999999"}) {
        WriteBytes(Path("kind.slv"), "[BEGIN]" + Entry("covertype", kind) + "[END][IMAGE1][ENDIMAGE1]");
        EXPECT_EQ(ReadCoverFile(Path("kind.slv"), cover, Folder()).status, CoverLoadStatus::NotACover)
            << kind;
    }
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.slv"));
    const CoverLoadResult folder = ReadCoverFile(Path("folder.slv"), cover, Folder());
    EXPECT_EQ(folder.status, CoverLoadStatus::Unreadable);
    EXPECT_NE(folder.strError.find(Path("folder.slv")), std::string::npos);
    EXPECT_TRUE(Extracted().isEmpty());
    EXPECT_EQ(cover.fCoverTextFont.lfHeight, -24); // nothing applied
}

TEST_F(CoverFile, InvalidFileMessageIsTheProgramsOwn)
{
    EXPECT_STREQ(kInvalidCoverTitle, "Invalid File");
    EXPECT_STREQ(kInvalidCoverText,
                 "Unable to load a cover from the file you specified.\n\nPlease ensure the file "
                 "are attempting to load was created using Sleevora.");
}

// ---- What the program does better than before ------------------------------------------

TEST_F(CoverFile, CraftedPictureExtensionGivesTmpAndWritesOnlyInsideTheFolder)
{
    WriteBytes(Path("crafted.slv"), Entry("covertype", "2") + Entry("fImagePath", "x./../escaped") +
                                        Entry("bImagePath", "C:\\a.b\\..\\..\\escaped") +
                                        "[END][IMAGE1]front[ENDIMAGE1][IMAGE2]back[ENDIMAGE2]");
    const CoverState cover = Load(Path("crafted.slv"));
    EXPECT_EQ(cover.fImagePath, Folder() + "/tmpfront.tmp");
    EXPECT_EQ(cover.bImagePath, Folder() + "/tmpback.tmp");
    EXPECT_EQ(Extracted(), QStringList({"tmpback.tmp", "tmpfront.tmp"}));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList({"crafted.slv"}));
}

TEST_F(CoverFile, SaveBelowAPlainFileReportsTheFileAndWritesNothing)
{
    WriteBytes(Path("plain"), "not a folder");
    const CoverSaveResult result = WriteCoverFile(Path("plain/cover.slv"), ResetCover());
    EXPECT_FALSE(result.bWritten);
    EXPECT_NE(result.strError.find("\"" + Path("plain/cover.slv") + "\""), std::string::npos)
        << result.strError;
    EXPECT_EQ(ReadBytes(Path("plain")), "not a folder");
}

TEST_F(CoverFile, SaveThatFailsWhileWritingKeepsTheOldFileWhole)
{
    const std::string old = "[BEGIN]old cover[END]";
    WriteBytes(Path("keep.slv"), old);
    WriteBytes(Path("big.png"), PictureBytes(200000, 4));
    CoverState cover = ResetCover();
    cover.bImagePath = Path("big.png");
    CoverSaveResult result;
    {
        const CFileSizeLimit limit(4096);
        result = WriteCoverFile(Path("keep.slv"), cover);
    }
    EXPECT_FALSE(result.bWritten);
    EXPECT_NE(result.strError.find(Path("keep.slv")), std::string::npos);
    EXPECT_NE(result.strError.find("unchanged"), std::string::npos) << result.strError;
    EXPECT_EQ(result.strError.find("Unknown error"), std::string::npos) << result.strError;
    EXPECT_EQ(ReadBytes(Path("keep.slv")), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList({"big.png", "keep.slv"}));
}

TEST_F(CoverFile, UnreadablePictureIsReportedAndLeftOut)
{
    WriteBytes(Path("back.gif"), "GIF89a");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.jpg"));
    CoverState cover = ResetCover();
    cover.fImagePath = Path("gone.jpg");
    cover.bImagePath = Path("back.gif");
    CoverSaveResult result = WriteCoverFile(Path("partial.slv"), cover);
    ASSERT_TRUE(result.bWritten) << result.strError;
    EXPECT_EQ(result.unreadablePictures, std::vector<std::string>{Path("gone.jpg")});
    EXPECT_NE(result.strWarning.find("front picture \"" + Path("gone.jpg") + "\""), std::string::npos)
        << result.strWarning;
    const CoverState loaded = Load(Path("partial.slv"));
    EXPECT_EQ(loaded.fImagePath, "");
    EXPECT_EQ(ReadBytes(loaded.bImagePath), "GIF89a");

    cover.bImagePath = Path("folder.jpg");
    result = WriteCoverFile(Path("partial.slv"), cover);
    ASSERT_TRUE(result.bWritten);
    EXPECT_EQ(result.unreadablePictures, (std::vector<std::string>{Path("gone.jpg"), Path("folder.jpg")}));
}

TEST_F(CoverFile, UnstorableTextIsRefusedWithItsFieldNamed)
{
    const std::string old = "[BEGIN]old cover[END]";
    WriteBytes(Path("keep.slv"), old);
    CoverState cover = ResetCover();
    cover.bCoverText = "Side A[END]Side B";
    CoverSaveResult result = WriteCoverFile(Path("keep.slv"), cover);
    EXPECT_FALSE(result.bWritten);
    EXPECT_NE(result.strError.find(Path("keep.slv")), std::string::npos);
    EXPECT_NE(result.strError.find("back cover text contains \"[END]\""), std::string::npos)
        << result.strError;
    EXPECT_EQ(ReadBytes(Path("keep.slv")), old);

    cover.bCoverText.clear();
    cover.frontCoverSpineText = "Vol.\0002"s;
    result = WriteCoverFile(Path("new.slv"), cover);
    EXPECT_FALSE(result.bWritten);
    EXPECT_NE(result.strError.find("front spine text contains a NUL character"), std::string::npos);
    EXPECT_EQ(ReadBytes(Path("new.slv")), "<missing>");
}

TEST_F(CoverFile, PictureHoldingASectionMarkerIsRefusedWithThePictureNamed)
{
    WriteBytes(Path("odd.bmp"), "BM..[ENDIMAGE1]..");
    CoverState cover = ResetCover();
    cover.fImagePath = Path("odd.bmp");
    const CoverSaveResult result = WriteCoverFile(Path("odd.slv"), cover);
    EXPECT_FALSE(result.bWritten);
    EXPECT_NE(
        result.strError.find("front picture \"" + Path("odd.bmp") + "\" contains the bytes \"[ENDIMAGE1]\""),
        std::string::npos)
        << result.strError;
    EXPECT_EQ(ReadBytes(Path("odd.slv")), "<missing>");
}

TEST_F(CoverFile, UnwritableExtractionFolderIsReportedAndLeavesTheSidesWithoutPictures)
{
    WriteBytes(Path("pic.slv"), Entry("covertype", "1") + "[END][IMAGE1]f[ENDIMAGE1][IMAGE2][ENDIMAGE2]");
    CoverState cover = ResetCover();
    const CoverLoadResult result = ReadCoverFile(Path("pic.slv"), cover, Path("pic.slv"));
    EXPECT_EQ(result.status, CoverLoadStatus::Loaded);
    EXPECT_EQ(result.unwritableFiles, (std::vector<std::string>{Path("pic.slv") + "/tmpfront.tmp",
                                                                Path("pic.slv") + "/tmpback.tmp"}));
    EXPECT_EQ(cover.fImagePath, ""); // never a picture some earlier load left there
}
