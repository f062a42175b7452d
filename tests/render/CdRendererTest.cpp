// The standard CD cover renderer: the tray card with its two spines and the front booklet.
#include "CdCoverRenderer.h"
#include "CoverGeometry.h"
#include "RenderTestSupport.h"
#include "TrackListing.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const COLORREF kBackground = RGB(250, 240, 220);
const Pixel kPictureColour = Rgb(200, 40, 90);

class CdRenderer : public testing::Test
{
protected:
    // The tray card at 96 pixels per inch, with red 18-point text and no guides.
    void SetUp() override
    {
        TheGeometry().SetForCoverType(StandardCD, 0, 0, 0, 0);
        const CoverGeometry& g = TheGeometry();
        W = Pixels(96, g.dBackWidth);
        H = Pixels(96, g.dBackHeight);
        S = Pixels(96, g.dBackSpine);
        cover.m_nWidth = W;
        cover.m_nHeight = H;
        cover.m_nSpineWidth = S;
        cover.m_crBackground = kBackground;
        cover.m_bShowBorder = false;
        cover.m_bShowSpineGuides = false;
        cover.m_crText = kTextColour;
        cover.m_lfText = Arial(-24);
    }

    // Turns the card into the front booklet: square, no spines.
    void MakeFront()
    {
        const CoverGeometry& g = TheGeometry();
        W = cover.m_nWidth = Pixels(96, g.dFrontWidth);
        H = cover.m_nHeight = Pixels(96, g.dFrontHeight);
        S = cover.m_nSpineWidth = 0;
    }

    std::string SolidPicturePath()
    {
        const std::string path = m_dir.filePath("picture.png").toStdString();
        EXPECT_TRUE(SavePicture(SolidPicture(24, 200, 40, 90).get(), FIF_PNG, path));
        return path;
    }

    // The text rectangle starts 0.1 in inside the left spine and 0.1 in from the top.
    int TextLeft() const { return S + 9; }
    int TextRight() const { return W - S - 5; }
    static int LineHeight() { return TextExtent(Arial(-24), "A", 96).cy; }
    // Listing row n, across the whole text rectangle.
    QRect Row(int n) const
    {
        return QRect(TextLeft(), 9 + n * LineHeight(), TextRight() - TextLeft(), LineHeight());
    }

    int W = 0;
    int H = 0;
    int S = 0;
    CCdCoverRenderer cover;
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CdRenderer, PictureStopsAtTheSpinesWhenNotExtended)
{
    cover.m_strImagePath = SolidPicturePath();
    cover.m_bExtendImage = false;

    const QImage page = RenderForPrint(cover, 96);

    EXPECT_EQ(PixelAt(page, 0, H / 2), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, S - 1, H / 2), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, S, H / 2), kPictureColour);
    EXPECT_EQ(PixelAt(page, W - S - 1, H / 2), kPictureColour);
    EXPECT_EQ(PixelAt(page, W - S, H / 2), Colour(kBackground));
    EXPECT_EQ(PixelAt(page, W - 1, H - 1), Colour(kBackground));
}

TEST_F(CdRenderer, PictureRunsOverBothSpinesWhenExtended)
{
    cover.m_strImagePath = SolidPicturePath();
    cover.m_bExtendImage = true;

    const QImage page = RenderForPrint(cover, 96);

    EXPECT_EQ(PixelAt(page, 0, 0), kPictureColour);
    EXPECT_EQ(PixelAt(page, S / 2, H / 2), kPictureColour);
    EXPECT_EQ(PixelAt(page, W - 1, H - 1), kPictureColour);
}

TEST_F(CdRenderer, SpineTextRunsUpTheLeftSpineAndDownTheRightOneCentred)
{
    cover.m_strSpineText = "TTTT";
    const int cy = TextExtent(Arial(-16), "TTTT", 96).cy; // 12 points

    const QImage page = RenderForPrint(cover, 96);

    const QRect left = InkBounds(page, QRect(0, 0, W / 2, H));
    const QRect right = InkBounds(page, QRect(W / 2, 0, W - W / 2, H));
    ASSERT_FALSE(left.isEmpty());
    ASSERT_FALSE(right.isEmpty());
    EXPECT_LT(left.right(), S);
    EXPECT_GE(right.left(), W - S);
    EXPECT_TRUE(InkBounds(page, QRect(S, 0, W - 2 * S, H)).isEmpty());
    EXPECT_NEAR(left.center().y(), H / 2, 2);
    EXPECT_NEAR(right.center().y(), H / 2, 2);
    // The bars of the T's are their tops: toward the outer edge on both spines, and as far
    // inside the text cell, which starts at S/5 on the left and 2 pixels past the fold on the right.
    const int leftBars = DensestInkColumn(page, left);
    const int rightBars = DensestInkColumn(page, right);
    EXPECT_LT(leftBars, left.center().x());
    EXPECT_GT(rightBars, right.center().x());
    EXPECT_NEAR(W - S + 2 + cy - rightBars, leftBars - S / 5, 1);
}

TEST_F(CdRenderer, FrontSpineTextLiesAgainstTheLeftEdgeAndTheRightOneFallsOutside)
{
    cover.m_strSpineText = "TTTT";
    const QRect onBack = InkBounds(RenderForPrint(cover, 96), QRect(0, 0, S, H));
    const int backSpine = S;
    MakeFront();

    const QImage page = RenderForPrint(cover, 96);

    const QRect ink = InkBounds(page, page.rect());
    ASSERT_FALSE(ink.isEmpty());
    // The same text, moved from S/5 to x 0; nothing anywhere else.
    EXPECT_EQ(ink.left(), onBack.left() - backSpine / 5);
    EXPECT_NEAR(ink.center().y(), H / 2, 2);
    EXPECT_LT(ink.right(), W / 2);
}

TEST_F(CdRenderer, FourCellListingFillsRowOneAndOnlyTheFirstColumnOfRowTwo)
{
    cover.m_strText = "[DELIM]1.[/DELIM][DELIM]Harbour[/DELIM][DELIM]3:40[/DELIM]\n\r[DELIM]2.[/DELIM]\n\r";
    const int numberWidth = TextExtent(Arial(-24), "1.", 96).cx;
    const int space = TextExtent(Arial(-24), " ", 96).cx;

    const QImage page = RenderForPrint(cover, 96);

    const QRect number = InkBounds(page, Row(0).adjusted(0, 0, numberWidth - Row(0).width(), 0));
    const QRect rest = InkBounds(page, Row(0).adjusted(numberWidth, 0, 0, 0));
    EXPECT_FALSE(number.isEmpty());
    EXPECT_GE(number.left(), TextLeft());
    // "Harbour" a space after the number column, never touching it.
    EXPECT_GE(rest.left(), TextLeft() + numberWidth + space - 1);
    EXPECT_LE(rest.left(), TextLeft() + numberWidth + space + 3);
    // The length is right-aligned against the text rectangle, W - S - 5.
    EXPECT_LT(rest.right(), TextRight());
    EXPECT_GE(rest.right(), TextRight() - 3);
    const QRect second = InkBounds(page, Row(1));
    ASSERT_FALSE(second.isEmpty());
    EXPECT_LE(second.right(), TextLeft() + numberWidth);
    EXPECT_TRUE(InkBounds(page, Row(2)).isEmpty());
    EXPECT_TRUE(cover.Fit().Fits());
}

TEST_F(CdRenderer, TitlesStartASpaceAfterTheWidestNumber)
{
    // "iii" has the most characters; "WWW" is the widest.
    cover.m_strText = EncodeTrackListing({{"iii", "", ""}, {"", "HHH", ""}, {"WW", "", ""}, {"WWW", "", ""}});
    const int widest = TextExtent(Arial(-24), "WWW", 96).cx + TextExtent(Arial(-24), " ", 96).cx;

    const QImage page = RenderForPrint(cover, 96);

    const QRect column2 = InkBounds(page, Row(1));
    ASSERT_FALSE(column2.isEmpty());
    EXPECT_GE(column2.left(), TextLeft() + widest);
    EXPECT_LE(column2.left(), TextLeft() + widest + 3);
}

TEST_F(CdRenderer, ALongTitleEndsWithAnEllipsisASpaceBeforeTheWidestLength)
{
    const int w = TextExtent(Arial(-24), "W", 96).cx;
    const int lengthColumn = TextExtent(Arial(-24), "10:00", 96).cx + TextExtent(Arial(-24), " ", 96).cx;
    cover.m_strText = EncodeTrackListing({{"1.", std::string(60, 'W'), "3:41"}, {"2.", "", "10:00"}});

    const QImage page = RenderForPrint(cover, 96);

    // Between the title's end and the lengths' column: nothing but the space.
    const QRect title = InkBounds(page, Row(0).adjusted(0, 0, -lengthColumn, 0));
    EXPECT_LT(title.right(), TextRight() - lengthColumn);
    EXPECT_GE(title.right(), TextRight() - lengthColumn - w - 3);
    // Nothing wraps into row two's title, and the drawing says one title was cut.
    const int titles = TextExtent(Arial(-24), "2. ", 96).cx;
    EXPECT_TRUE(InkBounds(page, Row(1).adjusted(titles, 0, -lengthColumn, 0)).isEmpty());
    EXPECT_EQ(cover.Fit().nTitlesCut, 1);
    EXPECT_FALSE(cover.Fit().Fits());
}

TEST_F(CdRenderer, RowsBelowTheCardAreNotDrawnAndAreCounted)
{
    std::vector<TrackRow> rows;
    for (int i = 1; i <= 99; ++i)
        rows.push_back({std::to_string(i) + ".", "Track", "3:00"});
    rows.push_back({"", "", ""}); // an empty row is not a track
    cover.m_strText = EncodeTrackListing(rows);
    cover.m_strSpineText = std::string(80, 'W');

    const QImage page = RenderForPrint(cover, 96);

    const int shown = (H - 9) / LineHeight(); // the text runs to the card's lower edge
    EXPECT_EQ(cover.Fit().nRowsHidden, 99 - shown);
    EXPECT_EQ(cover.Fit().nSpinesCut, 1);
    EXPECT_FALSE(InkBounds(page, Row(shown - 1)).isEmpty());
    EXPECT_TRUE(
        InkBounds(page, QRect(TextLeft(), 9 + shown * LineHeight(), TextRight() - TextLeft(), H)).isEmpty());
}

TEST_F(CdRenderer, EmptyListingAndPlainTextDrawNoText)
{
    cover.m_strText = "";
    EXPECT_TRUE(InkBounds(RenderForPrint(cover, 96), QRect(0, 0, W, H)).isEmpty());

    cover.m_strText = "Harbour Lights 3:41";
    const QImage page = RenderForPrint(cover, 96);
    EXPECT_TRUE(InkBounds(page, QRect(0, 0, W, H)).isEmpty());
    EXPECT_EQ(PixelAt(page, W / 2, H / 2), Colour(kBackground));
}

TEST_F(CdRenderer, TextSizeIsKeptInWholePointsAtAnyResolution)
{
    cover.m_strText = EncodeTrackListing({{"HHH", "", ""}});
    const QRect at96 = InkBounds(RenderForPrint(cover, 96), QRect(0, 0, W, H));
    cover.m_lfText = Arial(-25); // 18.75 points, drawn as 18

    const QRect truncated = InkBounds(RenderForPrint(cover, 96), QRect(0, 0, W, H));
    cover.m_nWidth = Pixels(300, TheGeometry().dBackWidth);
    cover.m_nHeight = Pixels(300, TheGeometry().dBackHeight);
    const QRect at300 = InkBounds(RenderForPrint(cover, 300), QRect(0, 0, cover.m_nWidth, cover.m_nHeight));

    EXPECT_EQ(truncated, at96);
    EXPECT_NEAR(at300.height(), at96.height() * 300.0 / 96, 3);
    EXPECT_NEAR(at300.width(), at96.width() * 300.0 / 96, 6);
}

TEST_F(CdRenderer, PreviewGuidesOutlineTheSpinesAtThePreviewScale)
{
    cover.m_crBackground = RGB(255, 255, 255);
    cover.m_bShowBorder = true;
    cover.m_bShowSpineGuides = true;
    const int a = 10; // a spine of 24 at 255/568 is 10.77 pixels, truncated

    const QImage preview = RenderPreview(cover, 96, 255, 200);

    const int y = 100;
    EXPECT_EQ(PixelAt(preview, 0, y), kBlack);
    EXPECT_EQ(PixelAt(preview, a - 1, y), kWhite);
    EXPECT_EQ(PixelAt(preview, a, y), kBlack);
    EXPECT_EQ(PixelAt(preview, a + 1, y), kWhite);
    EXPECT_EQ(PixelAt(preview, 254 - a - 1, y), kWhite);
    EXPECT_EQ(PixelAt(preview, 254 - a, y), kBlack);
    EXPECT_EQ(PixelAt(preview, 254 - a + 1, y), kWhite);
    EXPECT_EQ(PixelAt(preview, 254, y), kBlack);
    EXPECT_EQ(PixelAt(preview, 127, 0), kBlack);
    EXPECT_EQ(PixelAt(preview, 127, 199), kBlack);
}

TEST_F(CdRenderer, WithoutTheBorderTheFoldLinesStayButNotTheRightOuterEdge)
{
    cover.m_crBackground = RGB(255, 255, 255);
    cover.m_bShowSpineGuides = true;
    const int a = 10;

    const QImage preview = RenderPreview(cover, 96, 255, 200);

    EXPECT_EQ(PixelAt(preview, 0, 100), kBlack);
    EXPECT_EQ(PixelAt(preview, a, 100), kBlack);
    EXPECT_EQ(PixelAt(preview, 254 - a, 100), kBlack);
    EXPECT_EQ(PixelAt(preview, 254, 100), kWhite);
    EXPECT_EQ(PixelAt(preview, 250, 0), kWhite);
    EXPECT_EQ(PixelAt(preview, 250, 199), kWhite);

    cover.m_bShowSpineGuides = false;
    const QImage bare = RenderPreview(cover, 96, 255, 200);
    for (const int x : {0, a, 254 - a, 254})
        EXPECT_EQ(PixelAt(bare, x, 100), kWhite) << x;
}
