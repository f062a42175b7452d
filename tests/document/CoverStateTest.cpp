#include "CoverState.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

// A cover holding something in every field, as a finished design would.
CoverState UsedCover()
{
    CoverState cover;
    cover.covertype = SlimlineCD;
    cover.fBGColor = cover.bBGColor = RGB(1, 2, 3);
    cover.fShowBorder = cover.bShowBorder = false;
    cover.fImagePath = cover.bImagePath = "/pictures/a.jpg";
    cover.fCoverText = cover.bCoverText = "text";
    cover.fCoverTitle = cover.bCoverTitle = "title";
    cover.fCoverTextFontName = "Front Name";
    cover.bCoverTextFontName = "Back Name";
    cover.fCoverTextColor = cover.bCoverTextColor = RGB(9, 9, 9);
    cover.fCoverTextFont.lfItalic = 1;
    cover.bCoverTextFont.lfWeight = 700;
    cover.bFrontPrintOverSpines = cover.bBackPrintOverSpines = false;
    cover.frontCoverSpinesOn = true;
    cover.backCoverSpinesOn = false;
    cover.frontCoverSpineText = cover.backCoverSpineText = "spine";
    cover.fCoverTextPointSize = 120;
    cover.bCoverTextPointSize = 140;
    cover.coverChanged = cover.saveCancelled = true;
    cover.lastFilePath = "/pictures/a.jpg";
    return cover;
}

} // namespace

TEST(CoverState, ResetGivesANewCoverWhateverTheOldOneHeld)
{
    CoverState cover = UsedCover();
    cover.ResetToDefaults(96, StandardCD);
    EXPECT_EQ(cover.fBGColor, RGB(255, 255, 255));
    EXPECT_EQ(cover.bBGColor, RGB(255, 255, 255));
    EXPECT_EQ(cover.fCoverTextColor, 0u);
    EXPECT_EQ(cover.bCoverTextColor, 0u);
    EXPECT_TRUE(cover.fShowBorder && cover.bShowBorder);
    EXPECT_TRUE(cover.fImagePath.empty() && cover.bImagePath.empty());
    EXPECT_TRUE(cover.fCoverText.empty() && cover.bCoverText.empty());
    EXPECT_TRUE(cover.fCoverTitle.empty() && cover.bCoverTitle.empty());
    EXPECT_TRUE(cover.frontCoverSpineText.empty() && cover.backCoverSpineText.empty());
    EXPECT_TRUE(cover.bFrontPrintOverSpines && cover.bBackPrintOverSpines);
    EXPECT_TRUE(cover.backCoverSpinesOn);
    EXPECT_FALSE(cover.frontCoverSpinesOn);
    EXPECT_FALSE(cover.coverChanged);
    EXPECT_FALSE(cover.saveCancelled);
}

TEST(CoverState, ResetFontsAreArialOfTheDefaultSizeAndNothingElse)
{
    CoverState cover = UsedCover();
    cover.ResetToDefaults(96, StandardCD);
    for (const LOGFONT* font : {&cover.fCoverTextFont, &cover.bCoverTextFont}) {
        EXPECT_EQ(font->lfHeight, -24);
        EXPECT_STREQ(font->lfFaceName, "Arial");
        EXPECT_EQ(font->lfWeight, 0);
        EXPECT_EQ(font->lfItalic, 0);
        EXPECT_EQ(font->lfUnderline, 0);
        EXPECT_EQ(font->lfStrikeOut, 0);
        EXPECT_EQ(font->lfEscapement, 0);
        EXPECT_EQ(font->lfCharSet, 0);
    }
}

TEST(CoverState, StandardDvdTextIsFourteenPointsEveryOtherKindEighteen)
{
    CoverState cover;
    cover.ResetToDefaults(96, StandardDVD);
    EXPECT_EQ(cover.fCoverTextFont.lfHeight, -19);
    EXPECT_EQ(cover.bCoverTextFont.lfHeight, -19);
    for (CoverType type : {CoverNone, StandardCD, CustomSize, SlimlineCD, SlimlineDVD}) {
        cover.ResetToDefaults(96, type);
        EXPECT_EQ(cover.bCoverTextFont.lfHeight, -24) << type;
    }
    cover.ResetToDefaults(120, StandardCD);
    EXPECT_EQ(cover.bCoverTextFont.lfHeight, -30); // the height follows the screen's resolution
}

TEST(CoverState, ResetLeavesPointSizesFontNamesLastPathAndTypeAlone)
{
    CoverState cover = UsedCover();
    cover.ResetToDefaults(96, StandardDVD);
    EXPECT_EQ(cover.covertype, SlimlineCD);
    EXPECT_EQ(cover.fCoverTextPointSize, 120);
    EXPECT_EQ(cover.bCoverTextPointSize, 140);
    EXPECT_EQ(cover.fCoverTextFontName, "Front Name");
    EXPECT_EQ(cover.bCoverTextFontName, "Back Name");
    EXPECT_EQ(cover.lastFilePath, "/pictures/a.jpg");
}

TEST(CoverState, FirstPartOfTheResetTouchesOnlyTheFlags)
{
    CoverState cover = UsedCover();
    cover.ResetFlags();
    EXPECT_TRUE(cover.bFrontPrintOverSpines && cover.bBackPrintOverSpines);
    EXPECT_FALSE(cover.coverChanged || cover.saveCancelled);
    EXPECT_EQ(cover.bCoverText, "text");
    EXPECT_EQ(cover.fBGColor, RGB(1, 2, 3));
}

TEST(CoverState, ProcessStartsWithAnEmptyRecordOfNoKind)
{
    const CoverState fresh;
    EXPECT_EQ(fresh.covertype, CoverNone);
    EXPECT_EQ(fresh.fCoverTextPointSize, 0);
    EXPECT_TRUE(fresh.lastFilePath.empty());
    EXPECT_EQ(&TheCover(), &TheCover());
}
