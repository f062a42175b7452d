#include "CoverFields.h"

#include <cstring>
#include <gtest/gtest.h>

// Two covers compare as a load would tell them apart: the picture paths (a load names the
// extracted files instead), the borders and the spine switches are not looked at, style
// flags count as on or off and face names as the 31 bytes a load keeps.
TEST(CoverFields, CoversDifferOnlyInWhatALoadStores)
{
    CoverState a;
    a.ResetToDefaults(96, StandardCD);
    std::memset(a.fCoverTextFont.lfFaceName, 'F', LF_FACESIZE); // no terminator
    a.fCoverTextFont.lfItalic = 1;
    CoverState b = a;
    b.fImagePath = "/pictures/front.jpg";
    b.bShowBorder = !a.bShowBorder;
    b.frontCoverSpinesOn = !a.frontCoverSpinesOn;
    b.fCoverTextFont.lfItalic = 2;
    b.fCoverTextFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    EXPECT_TRUE(SameStoredFields(a, b));

    CoverState heavier = b;
    heavier.bCoverTextFont.lfWeight = FW_BOLD;
    EXPECT_FALSE(SameStoredFields(a, heavier));
    CoverState underlined = b;
    underlined.fCoverTextFont.lfUnderline = 1;
    EXPECT_FALSE(SameStoredFields(a, underlined));
    CoverState otherSpine = b;
    otherSpine.backCoverSpineText = "Side B";
    EXPECT_FALSE(SameStoredFields(a, otherSpine));
}
