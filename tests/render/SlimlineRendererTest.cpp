// The slimline CD insert renderer: flap, spine and panel, with two corner notches.
#include "CoverGeometry.h"
#include "RenderTestSupport.h"
#include "SlimlineCoverRenderer.h"
#include "TrackListing.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const COLORREF kBackground = RGB(200, 230, 200);
const Pixel kPictureColour = Rgb(200, 40, 90);

class SlimlineRenderer : public testing::Test
{
protected:
    // The insert at 96 pixels per inch, red text, border and spine guides off.
    void SetUp() override
    {
        TheGeometry().SetForCoverType(SlimlineCD, 0, 0, 0, 0);
        const CoverGeometry& g = TheGeometry();
        W = insert.m_nWidth = Pixels(96, g.dBackWidth);
        H = insert.m_nHeight = Pixels(96, g.dBackHeight);
        S = insert.m_nSpineWidth = Pixels(96, g.dBackSpine);
        F = insert.m_nFlapWidth = Pixels(96, g.dFlapWidth);
        c = insert.m_nNotchWidth = Pixels(96, 1.417);
        d = insert.m_nNotchHeight = Pixels(96, 0.0787);
        insert.m_crBackground = kBackground;
        insert.m_bShowBorder = false;
        insert.m_bShowSpineGuides = false;
        insert.m_crText = kTextColour;
        insert.m_lfText = Arial(-24);
    }

    std::string SolidPicturePath()
    {
        const std::string path = m_dir.filePath("picture.png").toStdString();
        EXPECT_TRUE(SavePicture(SolidPicture(24, 200, 40, 90).get(), FIF_PNG, path));
        return path;
    }

    int W = 0;
    int H = 0;
    int S = 0;
    int F = 0;
    int c = 0; // notch width
    int d = 0; // notch height
    CSlimlineCoverRenderer insert;
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SlimlineRenderer, UnextendedPictureFillsThePanelRightOfTheSpineExactly)
{
    insert.m_strImagePath = SolidPicturePath();
    insert.m_bExtendImage = false;

    const QImage page = RenderForPrint(insert, 96);

    const int y = H / 2;
    EXPECT_EQ(PixelAt(page, 0, y), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, F, y), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, F + S - 1, y), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, F + S, y), kPictureColour);
    EXPECT_EQ(PixelAt(page, W - 1, H - 1), kPictureColour);
    EXPECT_EQ(PixelAt(page, F + S, 0), kPictureColour);
}

TEST_F(SlimlineRenderer, ExtendedPictureAlsoCoversFlapAndSpine)
{
    insert.m_strImagePath = SolidPicturePath();
    insert.m_bExtendImage = true;

    const QImage page = RenderForPrint(insert, 96);

    EXPECT_EQ(PixelAt(page, 0, H / 2), kPictureColour);
    EXPECT_EQ(PixelAt(page, F + S / 2, H / 2), kPictureColour);
}

TEST_F(SlimlineRenderer, NotchesAreWhiteOnPaperWithTheirInnerEdgesLeftAsCutLines)
{
    insert.m_bShowBorder = true;

    const QImage page = RenderForPrint(insert, 96);

    EXPECT_EQ(PixelAt(page, c / 2, 0), kWhite);
    EXPECT_EQ(PixelAt(page, c / 2, d - 2), kWhite);
    EXPECT_EQ(PixelAt(page, c / 2, d - 1), kBlack); // inner horizontal edge
    EXPECT_EQ(PixelAt(page, c, d / 2), kBlack);     // inner right edge
    EXPECT_EQ(PixelAt(page, c / 2, H - d), kBlack);
    EXPECT_EQ(PixelAt(page, c / 2, H - d + 1), kWhite);
    EXPECT_EQ(PixelAt(page, c / 2, H - 1), kWhite);
    EXPECT_EQ(PixelAt(page, c + 20, d / 2), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, 0, H / 2), kBlack); // the outline
    EXPECT_EQ(PixelAt(page, W - 1, H / 2), kBlack);
}

TEST_F(SlimlineRenderer, NotchesAreGreyInThePreviewAtTheirFullSizePixelSize)
{
    insert.m_bShowBorder = true;
    const int width = 294;
    const int height = 228;

    const QImage preview = RenderPreview(insert, 96, width, height);

    EXPECT_EQ(PixelAt(preview, c / 2, 0), kGrey);
    EXPECT_EQ(PixelAt(preview, c - 1, d - 2), kGrey);
    EXPECT_EQ(PixelAt(preview, c / 2, d - 1), kBlack);
    EXPECT_EQ(PixelAt(preview, c, d / 2), kBlack);
    EXPECT_EQ(PixelAt(preview, c / 2, height - 1), kGrey);
    EXPECT_EQ(PixelAt(preview, c / 2, height - d), kBlack);
}

TEST_F(SlimlineRenderer, WithoutTheBorderThereIsNoOutlineAndNoNotch)
{
    insert.m_bShowSpineGuides = true;

    const QImage page = RenderForPrint(insert, 96);

    const int x = F / 2; // inside the notches, clear of the spine
    EXPECT_EQ(PixelAt(page, x, 0), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, x, d - 1), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, c, d / 2), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, x, H - 1), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, 0, H / 2), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, W - 1, H / 2), Colour(kBackground));
    // The spine outline alone: its left side on the flap's fold, its right one past the spine.
    EXPECT_EQ(PixelAt(page, F, H / 2), kBlack);
    EXPECT_EQ(PixelAt(page, F + S, H / 2), kBlack);
    EXPECT_EQ(PixelAt(page, F + 1, H / 2), Colour(kBackground));
}

TEST_F(SlimlineRenderer, SpineTextRunsDownTheSpineAndIsClippedToIt)
{
    insert.m_strSpineText = "TTTT";
    insert.m_nSpineWidth = S = 4; // narrower than the 7-point text

    const QImage page = RenderForPrint(insert, 96);

    const QRect ink = InkBounds(page, page.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), F);
    EXPECT_LT(ink.right(), F + S);
    EXPECT_NEAR(ink.center().y(), H / 2, 2);
}

TEST_F(SlimlineRenderer, ListingStartsAtTheTextInsetWhichAlreadyClearsFlapAndSpine)
{
    insert.m_strText = EncodeTrackListing({{"HHH", "", ""}});

    const QImage page = RenderForPrint(insert, 96);

    const QRect ink = InkBounds(page, page.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), Pixels(96, 0.84));
    EXPECT_LE(ink.left(), Pixels(96, 0.84) + 3);
    EXPECT_GE(ink.top(), Pixels(96, 0.25));
    EXPECT_LT(ink.top(), Pixels(96, 0.25) + TextExtent(Arial(-24), "A", 96).cy);
}
