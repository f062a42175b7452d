#include "TextLayout.h"

#include <gtest/gtest.h>

namespace {

// Every character is 10 pixels wide.
int TenEach(const QString& text)
{
    return static_cast<int>(text.size()) * 10;
}

std::vector<QString> Lines(const char* text, UINT format, int width = 1000)
{
    std::vector<QString> out;
    for (const DrawTextLine& line : LayOutDrawTextLines(QString::fromUtf8(text), format, width, TenEach))
        out.push_back(line.text);
    return out;
}

} // namespace

TEST(DrawTextLines, BreakAtCarriageReturnLineFeedOrEitherPair)
{
    EXPECT_EQ(Lines("a\r\nb\nc\rd", 0), (std::vector<QString>{"a", "b", "c", "d"}));
    EXPECT_EQ(Lines("a\n\rb", 0), (std::vector<QString>{"a", "b"}));
    EXPECT_EQ(Lines("a\r\rb", 0), (std::vector<QString>{"a", "", "b"}));
    EXPECT_EQ(Lines("a\n\nb", 0), (std::vector<QString>{"a", "", "b"}));
}

TEST(DrawTextLines, ABreakAtTheEndStartsNoNewLine)
{
    EXPECT_EQ(Lines("one\rtwo\r", 0), (std::vector<QString>{"one", "two"}));
    EXPECT_EQ(Lines("one\r\n", 0), (std::vector<QString>{"one"}));
}

TEST(DrawTextLines, LongLinesStayWholeWithoutWordBreak)
{
    EXPECT_EQ(Lines("a long line of text", 0, 50), (std::vector<QString>{"a long line of text"}));
}

TEST(DrawTextLines, WordBreakWrapsAtSpacesAndDropsThem)
{
    EXPECT_EQ(Lines("aaa bbb ccc", DT_WORDBREAK, 75), (std::vector<QString>{"aaa bbb", "ccc"}));
    EXPECT_EQ(Lines("aaa  bbb", DT_WORDBREAK, 40), (std::vector<QString>{"aaa", "bbb"}));
}

TEST(DrawTextLines, WordBreakNeverSplitsAWord)
{
    EXPECT_EQ(Lines("abcdefgh ij", DT_WORDBREAK, 30), (std::vector<QString>{"abcdefgh", "ij"}));
}

TEST(DrawTextLines, SingleLineIgnoresBreaks)
{
    EXPECT_EQ(Lines("a\r\nb", DT_SINGLELINE), (std::vector<QString>{"ab"}));
}

TEST(DrawTextLines, PrefixUnderlinesTheNextCharacterAndDoubledPrefixIsLiteral)
{
    int underlined = -2;
    EXPECT_EQ(StripPrefixes(QStringLiteral("E&xit"), &underlined), QStringLiteral("Exit"));
    EXPECT_EQ(underlined, 1);
    EXPECT_EQ(StripPrefixes(QStringLiteral("Salt && Pepper"), &underlined), QStringLiteral("Salt & Pepper"));
    EXPECT_EQ(underlined, -1);

    const auto lines = LayOutDrawTextLines(QStringLiteral("&Print\r&Save"), 0, 1000, TenEach);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].text, QStringLiteral("Save"));
    EXPECT_EQ(lines[1].nPrefixIndex, 0); // the last prefix is the one shown
    EXPECT_EQ(lines[0].nPrefixIndex, -1);
    EXPECT_EQ(Lines("E&xit", DT_NOPREFIX), (std::vector<QString>{"E&xit"}));
}
