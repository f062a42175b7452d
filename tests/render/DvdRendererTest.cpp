// The DVD insert renderer: back panel, spine and front panel in one piece.
#include "CoverGeometry.h"
#include "DvdCoverRenderer.h"
#include "RenderTestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const COLORREF kBackground = RGB(30, 60, 200);
const COLORREF kLightBackground = RGB(250, 240, 220);
const Pixel kPictureColour = Rgb(200, 40, 90);

class DvdRenderer : public testing::Test
{
protected:
    // A standard DVD insert at 96 pixels per inch, with red 18-point text and no guides.
    void SetUp() override { SetType(StandardDVD); }

    void SetType(CoverType type)
    {
        TheGeometry().SetForCoverType(type, 0, 0, 0, 0);
        const CoverGeometry& g = TheGeometry();
        W = insert.m_nWidth = Pixels(96, g.dBackWidth);
        H = insert.m_nHeight = Pixels(96, g.dBackHeight);
        S = insert.m_nSpineWidth = Pixels(96, g.dBackSpine);
        X0 = W / 2 - S / 2;
        insert.m_bSlimSpineText = type == SlimlineDVD;
        insert.m_dFrontTextLeft = type == SlimlineDVD ? 5.64 : 5.85;
        insert.m_crBackground = kLightBackground;
        insert.m_bShowBorder = false;
        insert.m_bShowSpineGuides = false;
        insert.m_crText = kTextColour;
        insert.m_lfText = Arial(-24);
    }

    static int LineHeight() { return TextExtent(Arial(-24), "A", 96).cy; }

    int W = 0;
    int H = 0;
    int S = 0;
    int X0 = 0; // the spine's left edge
    CDvdCoverRenderer insert;
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(DvdRenderer, WithoutAPictureTheColourFillsTheWholeInsert)
{
    insert.m_crBackground = kBackground;

    const QImage page = RenderForPrint(insert, 96);

    EXPECT_EQ(PixelAt(page, 0, 0), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, X0 + S / 2, H / 2), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, W - 1, H - 1), Colour(kBackground));
}

TEST_F(DvdRenderer, APictureHidesTheColourEverywhereEvenOnTheSpine)
{
    const std::string path = m_dir.filePath("picture.png").toStdString();
    ASSERT_TRUE(SavePicture(SolidPicture(24, 200, 40, 90).get(), FIF_PNG, path));
    insert.m_strImagePath = path;
    insert.m_crBackground = kBackground;

    const QImage page = RenderForPrint(insert, 96);

    EXPECT_EQ(PixelAt(page, 0, 0), kPictureColour);
    EXPECT_EQ(PixelAt(page, X0, H / 2), kPictureColour);
    EXPECT_EQ(PixelAt(page, X0 + S - 1, H / 2), kPictureColour);
    EXPECT_EQ(PixelAt(page, W - 1, H - 1), kPictureColour);
}

TEST_F(DvdRenderer, BackTextIsClippedFivePixelsBeforeTheSpine)
{
    insert.m_strBackText = std::string(60, 'W');

    const QImage page = RenderForPrint(insert, 96);

    const QRect ink = InkBounds(page, page.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), Pixels(96, 0.25));
    EXPECT_LT(ink.right(), X0 - 5);
    // Cut with an ellipsis at the last whole letter, and said to be cut.
    EXPECT_GE(ink.right(), X0 - 9 - TextExtent(Arial(-24), "W", 96).cx);
    EXPECT_EQ(insert.Fit().nTextsCut, 1);
}

TEST_F(DvdRenderer, FrontTextRunsToTheRightEdgeOfTheInsert)
{
    insert.m_strFrontText = std::string(60, 'W');

    const QImage page = RenderForPrint(insert, 96);

    const QRect ink = InkBounds(page, page.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), Pixels(96, 5.85));
    EXPECT_GE(ink.right(), W - 4 - TextExtent(Arial(-24), "W", 96).cx);
    EXPECT_LT(ink.right(), W);
    EXPECT_EQ(insert.Fit().nTextsCut, 1);
}

TEST_F(DvdRenderer, ATitlePushesItsTextDownByExactlyOneLine)
{
    insert.m_strBackText = "HHH";
    insert.m_strFrontText = "HHH";
    const QImage untitled = RenderForPrint(insert, 96);
    const int L = LineHeight();
    // Three lines of title, the middle one empty: the text still moves by one line only.
    insert.m_strBackTitle = "H\r\n\r\nH";
    insert.m_strFrontTitle = "Title";

    const QImage titled = RenderForPrint(insert, 96);

    const QRect backBefore = InkBounds(untitled, QRect(0, 0, X0, H));
    const QRect frontBefore = InkBounds(untitled, QRect(X0 + S, 0, W - X0 - S, H));
    ASSERT_FALSE(backBefore.isEmpty());
    EXPECT_GE(backBefore.top(), Pixels(96, 0.25));
    EXPECT_LT(backBefore.top(), Pixels(96, 0.25) + L);
    const QRect backAfter = InkBounds(titled, QRect(0, backBefore.top() + L - 2, X0, L));
    const QRect frontAfter = InkBounds(titled, QRect(X0 + S, frontBefore.top() + L - 2, W - X0 - S, L));
    EXPECT_EQ(backAfter.top(), backBefore.top() + L);
    EXPECT_EQ(frontAfter.top(), frontBefore.top() + L);
    EXPECT_EQ(frontAfter.left(), frontBefore.left());
}

TEST_F(DvdRenderer, SpineTextIsOneCopyRunningDownAQuarterSpineFromItsLeftEdge)
{
    insert.m_strSpineText = "TTTT";
    const CSize cell = TextExtent(Arial(-19), "TTTT", 96); // 14 points

    const QImage page = RenderForPrint(insert, 96);

    const QRect ink = InkBounds(page, page.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), X0 + S / 4);
    EXPECT_LE(ink.right(), X0 + S / 4 + cell.cy);
    EXPECT_LE(ink.height(), cell.cx + 1);
    EXPECT_NEAR(ink.center().y(), H / 2, 2);
    EXPECT_GT(DensestInkColumn(page, ink), ink.center().x()); // letter tops toward the front
}

TEST_F(DvdRenderer, SlimlineDvdSpineTextSitsATenthOfTheSpineFromItsLeftEdge)
{
    insert.m_strSpineText = "TTTT";
    const QRect standard = InkBounds(RenderForPrint(insert, 96), QRect(0, 0, W, H));
    const int standardOffset = standard.left() - (X0 + S / 4);
    SetType(SlimlineDVD);
    ASSERT_NE(S / 4, S / 10);

    const QRect slim = InkBounds(RenderForPrint(insert, 96), QRect(0, 0, W, H));

    ASSERT_FALSE(slim.isEmpty());
    EXPECT_EQ(slim.left() - (X0 + S / 10), standardOffset);
}

TEST_F(DvdRenderer, PrintSpineOffRemovesOnlyTheSpineOutline)
{
    insert.m_bShowBorder = true;
    insert.m_bShowSpineGuides = true;
    insert.m_strSpineText = "TTTT";
    const QImage withSpine = RenderForPrint(insert, 96);
    insert.m_bShowSpineGuides = false;

    const QImage withoutSpine = RenderForPrint(insert, 96);

    EXPECT_EQ(PixelAt(withSpine, X0, 20), kBlack);
    EXPECT_EQ(PixelAt(withSpine, X0 + S - 1, 20), kBlack);
    EXPECT_EQ(PixelAt(withoutSpine, X0, 20), Colour(kLightBackground));
    EXPECT_EQ(PixelAt(withoutSpine, X0 + S - 1, 20), Colour(kLightBackground));
    EXPECT_EQ(PixelAt(withoutSpine, 0, 20), kBlack);
    EXPECT_EQ(PixelAt(withoutSpine, W - 1, 20), kBlack);
    EXPECT_EQ(InkBounds(withoutSpine, withoutSpine.rect()), InkBounds(withSpine, withSpine.rect()));
    EXPECT_FALSE(InkBounds(withoutSpine, QRect(X0, 0, S, H)).isEmpty());
}
