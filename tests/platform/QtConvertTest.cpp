#include "QtConvert.h"

#include <QFontMetrics>
#include <cstring>
#include <gtest/gtest.h>

TEST(QtConvert, ColorsKeepTheirChannels)
{
    EXPECT_EQ(ToQColor(RGB(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_EQ(FromQColor(QColor(200, 100, 50)), RGB(200, 100, 50));
}

TEST(QtConvert, RectanglesCoverTheSamePixels)
{
    const QRect rect = ToQRect(RECT{2, 3, 12, 8});
    EXPECT_EQ(rect, QRect(2, 3, 10, 5));
    EXPECT_EQ(rect.right(), 11); // Qt's right is inclusive
    const RECT back = FromQRect(rect);
    EXPECT_EQ(back.right, 12);
    EXPECT_EQ(back.bottom, 8);
}

namespace {
LOGFONT ArialFont(LONG height)
{
    LOGFONT lf{};
    lf.lfHeight = height;
    SetFaceName(lf, "Arial");
    return lf;
}
} // namespace

TEST(QtConvert, NegativeHeightIsTheCharacterHeightInPixels)
{
    LOGFONT lf = ArialFont(-24);
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    lf.lfStrikeOut = 1;
    const QFont font = ToQFont(lf);
    EXPECT_EQ(font.pixelSize(), 24);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());
    EXPECT_EQ(font.weight(), QFont::Normal); // weight 0 lets the mapper choose: normal
}

TEST(QtConvert, PositiveHeightIsTheCellHeight)
{
    const QFont font = ToQFont(ArialFont(30));
    const QFontMetrics metrics(font);
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), 30, 1);
    EXPECT_LT(font.pixelSize(), 30); // the character is smaller than its cell
}

TEST(QtConvert, WeightsAreTheWindowsScale)
{
    LOGFONT lf = ArialFont(-12);
    lf.lfWeight = FW_BOLD;
    EXPECT_EQ(ToQFont(lf).weight(), QFont::Bold);
}

TEST(QtConvert, FontBackToLogfontUsesTheCharacterHeightForTheScreen)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(18);
    font.setBold(true);
    const LOGFONT lf = FromQFont(font, 96);
    EXPECT_EQ(lf.lfHeight, -24);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
}

TEST(QtConvert, FaceNamesKeepThirtyOneCharacters)
{
    LOGFONT lf{};
    SetFaceName(lf, std::string(40, 'x'));
    EXPECT_EQ(std::strlen(lf.lfFaceName), 31u);
    SetFaceName(lf, std::string(31, 'y'));
    EXPECT_EQ(std::string(lf.lfFaceName), std::string(31, 'y'));
    // 30 letters and an accented one of two bytes: never half a character.
    SetFaceName(lf, std::string(30, 'z') + "\xC3\xA9tendu");
    EXPECT_EQ(std::string(lf.lfFaceName), std::string(30, 'z'));
}

TEST(QtConvert, BytesAreUtf8OrElseWindows1252)
{
    EXPECT_EQ(ToQString("caf\xc3\xa9"), QString::fromUtf8("café"));
    // Curly quotes and the euro sign as a cover made on Windows stores them.
    EXPECT_EQ(ToQString("\x93Hi\x94 \x80 caf\xe9"), QString::fromUtf8("“Hi” € café"));
    EXPECT_EQ(FromQString(QString::fromUtf8("café")), "caf\xc3\xa9");
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_FALSE(IsValidUtf8("\xe9t\xe9"));
}

TEST(QtConvert, FullFaceNamesAskForTheirStyle)
{
    LOGFONT lf = ArialFont(-10);
    SetFaceName(lf, "Verdana Bold");
    const QFont bold = ToQFont(lf);
    EXPECT_EQ(bold.weight(), QFont::Bold);
    EXPECT_EQ(bold.family(), QStringLiteral("Verdana"));
    SetFaceName(lf, "Arial Bold Italic");
    const QFont both = ToQFont(lf);
    EXPECT_TRUE(both.italic());
    EXPECT_EQ(both.weight(), QFont::Bold);
}
