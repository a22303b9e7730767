#include "CellMeaning.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

Cell shown(const char* text, Colour background, SegmentKind picture = SegmentKind::None)
{
    return Cell{text, background, Alignment::Centre, picture};
}

TEST(CellMeaning, BorderResultsAreNamedByTheirColours)
{
    EXPECT_EQ(cellMeaning(shown("H", Colour::Red)), "hit");
    EXPECT_EQ(cellMeaning(shown("R", Colour::Yellow)), "reflection");
    EXPECT_EQ(cellMeaning(shown("a", Colour::Lime)), "deflection");
    EXPECT_EQ(cellMeaning(shown("", Colour::Aqua)), "border");
    EXPECT_EQ(cellMeaning(shown("12", Colour::Aqua)), "border");
    EXPECT_EQ(cellMeaning(shown("", Colour::Silver)), "corner");
}

TEST(CellMeaning, FieldCellsTellMarksPathsAndRevealedAtoms)
{
    EXPECT_EQ(cellMeaning(shown("", Colour::ToolTip)), "field");
    EXPECT_EQ(cellMeaning(shown("O", Colour::ToolTip)), "marked");
    EXPECT_EQ(cellMeaning(shown("", Colour::ToolTip, SegmentKind::NEBar)), "laser path");
    EXPECT_EQ(cellMeaning(shown("O", Colour::ToolTip, SegmentKind::CrossBar)), "marked, laser path");
    EXPECT_EQ(cellMeaning(shown("", Colour::Blue)), "atom");
    EXPECT_EQ(cellMeaning(shown("O", Colour::Blue)), "atom, marked");
}

TEST(CellMeaning, LegendCaptionsNeedNothingBeyondTheirText)
{
    EXPECT_EQ(cellMeaning(Cell{"Deflection entry and exit", Colour::ToolTip, Alignment::Left, SegmentKind::None}), "");
}

} // namespace
} // namespace orbalux
