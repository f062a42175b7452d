#include "CoverFileFormat.h"

#include "QtConvert.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

using namespace std::string_literals;

namespace {

CoverState NewCover()
{
    CoverState cover;
    cover.ResetToDefaults(96, StandardCD);
    cover.covertype = StandardCD;
    return cover;
}

std::string Entry(const std::string& key, const std::string& value)
{
    return "[" + key + "]=" + value + "[END" + key + "]";
}

std::string FaceOf(const LOGFONT& lf)
{
    return std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
}

} // namespace

// ---- Writing the header ----------------------------------------------------------------

TEST(CoverHeader, NewCoverIsWrittenByteForByte)
{
    // clang-format off
    const std::string expected =
        "[BEGIN]"
        "[covertype]=1[ENDcovertype]"
        "[fBGColor]=16777215[ENDfBGColor]"
        "[bBGColor]=16777215[ENDbBGColor]"
        "[fShowBorder]=\x01[ENDfShowBorder]"
        "[bShowBorder]=\x01[ENDbShowBorder]"
        "[fImagePath]=[ENDfImagePath]"
        "[bImagePath]=[ENDbImagePath]"
        "[fCoverText]=[ENDfCoverText]"
        "[bCoverText]=[ENDbCoverText]"
        "[fCoverTitle]=[ENDfCoverTitle]"
        "[bCoverTitle]=[ENDbCoverTitle]"
        "[fCoverTextFontName]=[ENDfCoverTextFontName]"
        "[bCoverTextFontName]=[ENDbCoverTextFontName]"
        "[fCoverTextColor]=0[ENDfCoverTextColor]"
        "[bCoverTextColor]=0[ENDbCoverTextColor]"
        "[fCoverTextFontFace]=Arial[ENDfCoverTextFontFace]"
        "[bCoverTextFontFace]=Arial[ENDbCoverTextFontFace]"
        "[fCoverTextFontHeight]=-24[ENDfCoverTextFontHeight]"
        "[bCoverTextFontHeight]=-24[ENDbCoverTextFontHeight]"
        "[fCoverTextFontWeight]=0[ENDfCoverTextFontWeight]"
        "[bCoverTextFontWeight]=0[ENDbCoverTextFontWeight]"
        "[fCoverTextFontItalic]=FALSE[ENDfCoverTextFontItalic]"
        "[bCoverTextFontItalic]=FALSE[ENDbCoverTextFontItalic]"
        "[fCoverTextFontStrikeout]=FALSE[ENDfCoverTextFontStrikeout]"
        "[bCoverTextFontStrikeout]=FALSE[ENDbCoverTextFontStrikeout]"
        "[fCoverTextFontUnderline]=FALSE[ENDfCoverTextFontUnderline]"
        "[bCoverTextFontUnderline]=FALSE[ENDbCoverTextFontUnderline]"
        "[bFrontPrintOverSpines]=1[ENDbFrontPrintOverSpines]"
        "[bBackPrintOverSpines]=1[ENDbBackPrintOverSpines]"
        "[frontCoverSpinesOn]=FALSE[ENDfrontCoverSpinesOn]"
        "[backCoverSpinesOn]=TRUE[ENDbackCoverSpinesOn]"
        "[frontCoverSpineText]=[ENDfrontCoverSpineText]"
        "[backCoverSpineText]=[ENDbackCoverSpineText]"
        "[END]";
    // clang-format on
    EXPECT_EQ(BuildCoverHeader(NewCover()), expected);
}

TEST(CoverHeader, ColoursAndNumbersAreSigned32BitDecimals)
{
    CoverState cover = NewCover();
    cover.fBGColor = RGB(255, 0, 0);
    cover.bBGColor = 0xFFFFFFFF; // never a real colour, but its bits must come back
    cover.fCoverTextFont.lfWeight = 700;
    const std::string header = BuildCoverHeader(cover);
    EXPECT_NE(header.find(Entry("fBGColor", "255")), std::string::npos);
    EXPECT_NE(header.find(Entry("bBGColor", "-1")), std::string::npos);
    EXPECT_NE(header.find(Entry("fCoverTextFontWeight", "700")), std::string::npos);
    EXPECT_EQ(header.find("0x"), std::string::npos);
    EXPECT_EQ(header.find("FF"), std::string::npos);
    EXPECT_EQ(header.find("ff"), std::string::npos);
}

TEST(CoverHeader, ItalicFrontAndUprightBackStandSideBySide)
{
    CoverState cover = NewCover();
    cover.fCoverTextFont.lfItalic = 1;
    cover.bCoverTextFont.lfItalic = 0;
    EXPECT_NE(BuildCoverHeader(cover).find(Entry("fCoverTextFontItalic", "TRUE") +
                                           Entry("bCoverTextFontItalic", "FALSE")),
              std::string::npos);
}

TEST(CoverHeader, FaceNameFilledToTheEndIsWrittenAsTheCharactersALoadKeeps)
{
    CoverState cover = NewCover();
    std::memset(cover.fCoverTextFont.lfFaceName, 'F', LF_FACESIZE); // no terminator
    const std::string header = BuildCoverHeader(cover);
    EXPECT_NE(header.find(Entry("fCoverTextFontFace", std::string(31, 'F'))), std::string::npos);
    EXPECT_EQ(CheckCoverHeader(cover, header).strField, "");
}

// ---- FindMarker ------------------------------------------------------------------------

TEST(FindMarker, FindsTheFirstOccurrenceByteForByte)
{
    const std::string bytes = "ab[END]cd[END]";
    EXPECT_EQ(FindMarker(bytes.data(), static_cast<long>(bytes.size()), "[END]"), 2);
    EXPECT_EQ(FindMarker(bytes.data(), static_cast<long>(bytes.size()), "[end]"), -1);
    const std::string binary = "\0\0\xFF[IMAGE1]"s;
    EXPECT_EQ(FindMarker(binary.data(), static_cast<long>(binary.size()), "[IMAGE1]"), 3);
}

TEST(FindMarker, OnlyMarkersWhollyInsideTheRangeAreFound)
{
    const std::string bytes = "xx[END]";
    EXPECT_EQ(FindMarker(bytes.data(), 7, "[END]"), 2);  // ends on the last byte
    EXPECT_EQ(FindMarker(bytes.data(), 6, "[END]"), -1); // straddles the end
}

TEST(FindMarker, NothingStartsOnTheLastByte)
{
    const std::string bytes = "abc";
    EXPECT_EQ(FindMarker(bytes.data(), 3, "b"), 1);
    EXPECT_EQ(FindMarker(bytes.data(), 3, "c"), -1);
    EXPECT_EQ(FindMarker(bytes.data(), 1, "a"), -1);
}

TEST(FindMarker, EmptyRangeFindsNothing)
{
    const std::string bytes = "[END]";
    EXPECT_EQ(FindMarker(bytes.data(), 0, "[END]"), -1);
    EXPECT_EQ(FindMarker(nullptr, 0, "[END]"), -1);
    EXPECT_EQ(FindMarker(bytes.data(), -5, "[END]"), -1);
}

// ---- Reading values --------------------------------------------------------------------

TEST(CoverValue, RunsFromAfterTheEqualsSignToTheFirstClosingMarker)
{
    const std::string header = "[BEGIN]" + Entry("fCoverText", "a=b") + "[ENDfCoverText]";
    EXPECT_EQ(ReadCoverValue(header, "fCoverText"), "a=b");
    EXPECT_EQ(ReadCoverValue("[k]xvalue[ENDk]", "k"), "value"); // any character stands for "="
}

TEST(CoverValue, IsEmptyWhenAMarkerIsMissingOrOutOfOrder)
{
    EXPECT_EQ(ReadCoverValue("[k]=value", "k"), "");
    EXPECT_EQ(ReadCoverValue("=value[ENDk]", "k"), "");
    EXPECT_EQ(ReadCoverValue("[ENDk][k]=value", "k"), "");
    EXPECT_EQ(ReadCoverValue("[k][ENDk]", "k"), "");
    EXPECT_EQ(ReadCoverValue("[k]", "k"), "");
}

TEST(CoverInteger, ReadsLeniently)
{
    EXPECT_EQ(ReadCoverInteger("16777215"), 16777215);
    EXPECT_EQ(ReadCoverInteger("  -42px"), -42);
    EXPECT_EQ(ReadCoverInteger("\t\r\n+7"), 7);
    EXPECT_EQ(ReadCoverInteger(""), 0);
    EXPECT_EQ(ReadCoverInteger("TRUE"), 0);
    EXPECT_EQ(ReadCoverInteger("- 5"), 0);
    EXPECT_EQ(ReadCoverInteger("0x1F"), 0);
    EXPECT_EQ(ReadCoverInteger("12 34"), 12);
}

TEST(CoverInteger, BeyondThirtyTwoBitsIsClamped)
{
    EXPECT_EQ(ReadCoverInteger("2147483647"), INT32_MAX);
    EXPECT_EQ(ReadCoverInteger("2147483648"), INT32_MAX);
    EXPECT_EQ(ReadCoverInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(ReadCoverInteger("-2147483649"), INT32_MIN);
    EXPECT_EQ(ReadCoverInteger("99999999999999999999999999999999"), INT32_MAX);
    EXPECT_EQ(ReadCoverInteger("-00000000000000000000000000000001"), -1);
}

TEST(CoverHeaderRead, FlagsAreFalseOnlyForTheExactWord)
{
    CoverState cover = NewCover();
    ApplyCoverHeader(Entry("fCoverTextFontItalic", "FALSE") + Entry("bCoverTextFontItalic", "false") +
                         Entry("fCoverTextFontUnderline", "FALSE ") +
                         Entry("bCoverTextFontUnderline", "FALSE") + Entry("bFrontPrintOverSpines", "0") +
                         Entry("bBackPrintOverSpines", "00"),
                     cover);
    EXPECT_EQ(cover.fCoverTextFont.lfItalic, 0);
    EXPECT_EQ(cover.bCoverTextFont.lfItalic, 1);
    EXPECT_EQ(cover.fCoverTextFont.lfUnderline, 1);
    EXPECT_EQ(cover.bCoverTextFont.lfUnderline, 0);
    EXPECT_FALSE(cover.bFrontPrintOverSpines);
    EXPECT_TRUE(cover.bBackPrintOverSpines);
}

TEST(CoverHeaderRead, LongFaceNameIsCutAt31BytesWithoutSplittingACharacter)
{
    CoverState cover = NewCover();
    const std::string utf8 = std::string(30, 'a') + "\xC3\xA9"
                                                    "bc";    // é would straddle byte 31
    const std::string windows1252 = std::string(40, '\xE9'); // read as 40 é, two bytes each
    ApplyCoverHeader(Entry("fCoverTextFontFace", utf8) + Entry("bCoverTextFontFace", windows1252), cover);
    EXPECT_EQ(FaceOf(cover.fCoverTextFont), std::string(30, 'a'));
    std::string fifteen;
    for (int i = 0; i < 15; ++i)
        fifteen += "\xC3\xA9";
    EXPECT_EQ(FaceOf(cover.bCoverTextFont), fifteen);

    ApplyCoverHeader(Entry("fCoverTextFontFace", std::string(29, 'a') + "\xC3\xA9"
                                                                        "bc"),
                     cover);
    EXPECT_EQ(FaceOf(cover.fCoverTextFont), std::string(29, 'a') + "\xC3\xA9"); // whole character fits
}

// ---- Picture extensions ----------------------------------------------------------------

TEST(PictureExtension, IsTheSavedPathsSuffixWhenPlain)
{
    const auto extension = [](const std::string& path) {
        return PictureExtension(Entry("fImagePath", path), "fImagePath");
    };
    EXPECT_EQ(extension("C:\\pics\\cover.jpg"), ".jpg");
    EXPECT_EQ(extension("/home/me/photo.jpeg"), ".jpeg");
    EXPECT_EQ(extension("/home/me/archive.tar.GZ"), ".GZ");
    EXPECT_EQ(extension("/home/me/x.abcdefghijklmn5"), ".abcdefghijklmn5"); // 15 characters
}

TEST(PictureExtension, IsTmpForAnythingElse)
{
    const auto extension = [](const std::string& path) {
        return PictureExtension(Entry("bImagePath", path), "bImagePath");
    };
    EXPECT_EQ(extension(""), ".tmp");
    EXPECT_EQ(extension("C:\\pics\\cover"), ".tmp");
    EXPECT_EQ(extension("C:\\pics.d\\cover"), ".tmp");
    EXPECT_EQ(extension("x./../../../etc/cron.d/evil"), ".tmp"); // "." + "d/evil"
    EXPECT_EQ(extension("x/.."), ".tmp");
    EXPECT_EQ(extension("cover."), ".tmp");
    EXPECT_EQ(extension("cover.jp g"), ".tmp");
    EXPECT_EQ(extension("cover.j\xC3\xA9g"), ".tmp");
    EXPECT_EQ(extension("cover.abcdefghijklmnop"), ".tmp");                  // 16 characters
    EXPECT_EQ(PictureExtension("[bImagePath]=a.jpg", "bImagePath"), ".tmp"); // no closing marker
}

// ---- Splitting a file ------------------------------------------------------------------

TEST(CoverSplit, WithoutEndBeforeTheFirstNulThereIsNoCover)
{
    EXPECT_FALSE(SplitCoverFile("").bHasHeader);
    EXPECT_FALSE(SplitCoverFile("[BEGIN][covertype]=1[ENDcovertype]").bHasHeader);
    EXPECT_FALSE(SplitCoverFile("[BEGIN]\0[END]"s).bHasHeader);
    const std::string file = "[BEGIN]x[END]\0[IMAGE1]"s;
    const CoverFileParts parts = SplitCoverFile(file);
    EXPECT_TRUE(parts.bHasHeader);
    EXPECT_EQ(parts.header, "[BEGIN]x");
}

TEST(CoverSplit, PicturesLieBetweenTheFirstOccurrencesOfTheirMarkers)
{
    const std::string file = "[BEGIN][END][IMAGE1]\0fr[ENDIMAGE1][IMAGE2]bk\0[ENDIMAGE2]"s;
    const CoverFileParts parts = SplitCoverFile(file);
    EXPECT_EQ(parts.frontPicture, "\0fr"s);
    EXPECT_EQ(parts.backPicture, "bk\0"s);
}

TEST(CoverSplit, MissingOrMisorderedPictureMarkersGiveNoPicture)
{
    EXPECT_TRUE(SplitCoverFile("[END]").frontPicture.empty());
    EXPECT_TRUE(SplitCoverFile("[END][IMAGE1]abc").frontPicture.empty());
    EXPECT_TRUE(SplitCoverFile("[END][IMAGE1]abc[ENDIMAGE1").frontPicture.empty());
    EXPECT_TRUE(SplitCoverFile("[END]abc[ENDIMAGE1]").frontPicture.empty());
    EXPECT_TRUE(SplitCoverFile("[END][ENDIMAGE1]abc[IMAGE1]").frontPicture.empty());
    const CoverFileParts shifted = SplitCoverFile("[END][IMAGE1]x[IMAGE2]y[ENDIMAGE2]z[ENDIMAGE1]w");
    EXPECT_EQ(shifted.frontPicture, "x[IMAGE2]y[ENDIMAGE2]z");
    EXPECT_EQ(shifted.backPicture, "y");
    const CoverFileParts misordered = SplitCoverFile("[END][IMAGE1]x[ENDIMAGE2][IMAGE2]y[ENDIMAGE1]");
    EXPECT_EQ(misordered.frontPicture, "x[ENDIMAGE2][IMAGE2]y");
    EXPECT_TRUE(misordered.backPicture.empty());
}

// ---- What a cover file cannot store ----------------------------------------------------

TEST(CoverStorage, TextsHoldingMarkersAreNamedWithTheirCharacters)
{
    const auto fault = [](void (*change)(CoverState&)) {
        CoverState cover = NewCover();
        change(cover);
        return CheckCoverHeader(cover, BuildCoverHeader(cover));
    };
    CoverStorageFault f = fault([](CoverState& c) { c.bCoverText = "Side A [END] Side B"; });
    EXPECT_EQ(f.strField, "back cover text");
    EXPECT_EQ(f.strCharacters, "\"[END]\"");
    f = fault([](CoverState& c) { c.frontCoverSpineText = "see [IMAGE1] here"; });
    EXPECT_EQ(f.strField, "front spine text");
    EXPECT_EQ(f.strCharacters, "\"[IMAGE1]\"");
    f = fault([](CoverState& c) { c.fCoverTitle = "x[ENDfCoverTitle]y"; });
    EXPECT_EQ(f.strField, "front title");
    EXPECT_EQ(f.strCharacters, "\"[ENDfCoverTitle]\"");
    f = fault([](CoverState& c) { c.fCoverText = "reads into [bCoverText] the next"; });
    EXPECT_EQ(f.strField, "front cover text");
    EXPECT_EQ(f.strCharacters, "\"[bCoverText]\"");
    f = fault([](CoverState& c) { c.bCoverTextFontName = "a\0b"s; });
    EXPECT_EQ(f.strField, "back font name");
    EXPECT_EQ(f.strCharacters, "a NUL character (code 0)");
    f = fault([](CoverState& c) { SetFaceName(c.fCoverTextFont, "My[END]Font"); });
    EXPECT_EQ(f.strField, "front text font");
    f = fault([](CoverState& c) { c.bImagePath = "/pics/[ENDbImagePath].jpg"; });
    EXPECT_EQ(f.strField, "back picture path");
}

TEST(CoverStorage, BracketsThatReadBackUnchangedAreStored)
{
    CoverState cover = NewCover();
    cover.fCoverText = "[DELIM]1.[/DELIM][DELIM]Intro[/DELIM][DELIM]1:00[/DELIM]\n\r";
    cover.bCoverText = "[covertype] [ENDfCoverText] [fShowBorder] [END [ENDx] [IMAGE]";
    cover.backCoverSpineText = "[backCoverSpineText]=";
    EXPECT_EQ(CheckCoverHeader(cover, BuildCoverHeader(cover)).strField, "");
}

TEST(CoverStorage, PictureBytesThatWouldCutASectionAreFound)
{
    EXPECT_EQ(FindPictureFault("\xFF\xD8 ok [IMAGE1] [END] [ENDIMAGE1 \0"s, CoverSide::Front), "");
    EXPECT_EQ(FindPictureFault("a[IMAGE2]b[ENDIMAGE1]", CoverSide::Front), "[IMAGE2]");
    EXPECT_EQ(FindPictureFault("a[ENDIMAGE2]", CoverSide::Front), "[ENDIMAGE2]");
    EXPECT_EQ(FindPictureFault("a[IMAGE2][ENDIMAGE1][IMAGE1]", CoverSide::Back), "");
    EXPECT_EQ(FindPictureFault("a[ENDIMAGE2]", CoverSide::Back), "[ENDIMAGE2]");
}

// Heights and weights beyond any font are brought within it: the drawing multiplies them.
TEST(CoverHeaderRead, FontHeightsAndWeightsFromAFileStayWithinWhatAFontCanBe)
{
    CoverState cover = NewCover();
    ApplyCoverHeader(Entry("fCoverTextFontHeight", "-2147483648") +
                         Entry("bCoverTextFontHeight", "2147483647") + Entry("fCoverTextFontWeight", "-7") +
                         Entry("bCoverTextFontWeight", "99999"),
                     cover);
    EXPECT_EQ(cover.fCoverTextFont.lfHeight, -16384);
    EXPECT_EQ(cover.bCoverTextFont.lfHeight, 16384);
    EXPECT_EQ(cover.fCoverTextFont.lfWeight, 0);
    EXPECT_EQ(cover.bCoverTextFont.lfWeight, 900);
    ApplyCoverHeader(Entry("fCoverTextFontHeight", "-24"), cover);
    EXPECT_EQ(cover.fCoverTextFont.lfHeight, -24); // ordinary sizes are as they were
}
