#include "TrackListing.h"

#include <gtest/gtest.h>

using Cells = std::vector<std::string>;

TEST(TrackListing, RowsAreThreeDelimitedCellsEndedByLineFeedThenCarriageReturn)
{
    EXPECT_EQ(EncodeTrackListing({{"1.", "Harbour Lights", "3:41"}}),
              "[DELIM]1.[/DELIM][DELIM]Harbour Lights[/DELIM][DELIM]3:41[/DELIM]\n\r");
    EXPECT_EQ(EncodeTrackListing({{"", "", ""}}), "[DELIM][/DELIM][DELIM][/DELIM][DELIM][/DELIM]\n\r");
    EXPECT_EQ(EncodeTrackListing({}), "");
}

TEST(TrackListing, DecodingGivesTheCellsBackInOrder)
{
    const std::vector<TrackRow> rows = {{"1.", "A", "1:00"}, {"2.", "", ""}, {"10.", "Rock & Roll", "12:01"}};
    EXPECT_EQ(DecodeTrackListingCells(EncodeTrackListing(rows)),
              (Cells{"1.", "A", "1:00", "2.", "", "", "10.", "Rock & Roll", "12:01"}));
}

TEST(TrackListing, ALastCellWithoutItsCloseRunsToTheEnd)
{
    EXPECT_EQ(DecodeTrackListingCells("[DELIM]1.[/DELIM][DELIM]Unfinished title"),
              (Cells{"1.", "Unfinished title"}));
}

TEST(TrackListing, TextWithoutDelimitersHasNoCells)
{
    EXPECT_TRUE(DecodeTrackListingCells("Plain text\r\nover two lines").empty());
    EXPECT_TRUE(DecodeTrackListingCells("").empty());
}

TEST(TrackListing, WhatStandsBetweenCellsIsIgnored)
{
    EXPECT_EQ(DecodeTrackListingCells("noise[DELIM]a[/DELIM] more noise [DELIM]b[/DELIM]\r\n"),
              (Cells{"a", "b"}));
}

TEST(TrackListing, ACellHoldingAnOpeningMarkerSplitsOnTheNextReading)
{
    // Cells are not escaped: the next search starts inside the cell just taken.
    EXPECT_EQ(DecodeTrackListingCells("[DELIM]x[DELIM]y[/DELIM]"), (Cells{"x[DELIM]y", "y"}));
}

TEST(TrackListing, ACellIsKeptOnOneLine)
{
    EXPECT_EQ(OneLineCell("Side A\r\nIntro\nPart\rTwo\tlive"), "Side A Intro Part Two live");
}
