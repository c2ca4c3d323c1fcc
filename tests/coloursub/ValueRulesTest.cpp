// The texts beside the sliders and the colour temperature steps.
#include "colour/ColorValueText.h"
#include "colour/TemperatureSteps.h"

#include <gtest/gtest.h>

namespace {

using Rule = ColorValueText::Rule;

short Shown(Rule rule, WORD value, WORD maximum)
{
    short number = 12345;
    EXPECT_TRUE(ColorValueText::Number(rule, value, maximum, &number)) << value << "/" << maximum;
    return number;
}

TEST(ColorValueText, NumbersTruncateTowardZero)
{
    EXPECT_EQ(Shown(Rule::Percentage, 50, 100), 50);
    EXPECT_EQ(Shown(Rule::Percentage, 7, 31), 22);
    EXPECT_EQ(Shown(Rule::Percentage, 0, 255), 0);
    EXPECT_EQ(Shown(Rule::Percentage, 255, 255), 100);
    EXPECT_EQ(Shown(Rule::SignedPercentage, 30, 100), -20);
    EXPECT_EQ(Shown(Rule::SignedPercentage, 1, 3), -17);   // 33 - 50
    EXPECT_EQ(Shown(Rule::Centred, 30, 63), -2);
    EXPECT_EQ(Shown(Rule::Centred, 63, 63), 31);
    EXPECT_EQ(Shown(Rule::Centred, 5, 0), 5);
}

// Whatever the arithmetic gives is shown as a signed 16-bit number.
TEST(ColorValueText, ResultIsASigned16BitNumber)
{
    EXPECT_EQ(Shown(Rule::Percentage, 65535, 1), static_cast<short>(6553500 & 0xFFFF));
    EXPECT_EQ(Shown(Rule::Centred, 65535, 0), -1);
}

TEST(ColorValueText, NoMaximumShowsNoPercentage)
{
    short number = 7;
    EXPECT_FALSE(ColorValueText::Number(Rule::Percentage, 10, 0, &number));
    EXPECT_FALSE(ColorValueText::Number(Rule::SignedPercentage, 0, 0, &number));
    EXPECT_FALSE(ColorValueText::Number(Rule::Temperature, 3, 15, &number));
    EXPECT_EQ(number, 7);
}

TEST(ColorValueText, TemperatureNames)
{
    UINT id = 0;
    ASSERT_TRUE(ColorValueText::TemperatureNameId(12, 15, &id));
    EXPECT_EQ(id, 222u);   // "9300K"
    ASSERT_TRUE(ColorValueText::TemperatureNameId(0, 15, &id));
    EXPECT_EQ(id, 210u);   // "OFF"
    ASSERT_TRUE(ColorValueText::TemperatureNameId(15, 15, &id));
    EXPECT_EQ(id, 210u);   // the maximum is "OFF" too
    ASSERT_TRUE(ColorValueText::TemperatureNameId(40, 40, &id));
    EXPECT_EQ(id, 210u);
    ASSERT_TRUE(ColorValueText::TemperatureNameId(14, 20, &id));
    EXPECT_EQ(id, 224u);   // "10000K"

    id = 99;
    EXPECT_FALSE(ColorValueText::TemperatureNameId(15, 20, &id));
    EXPECT_FALSE(ColorValueText::TemperatureNameId(0xFFFF, 20, &id));
    EXPECT_EQ(id, 99u);
}

TEST(TemperatureSteps, PositionsAreTheOfferedIndexes)
{
    const TemperatureSteps steps(0x29);   // bits 0, 3 and 5
    EXPECT_EQ(steps.Count(), 3);
    EXPECT_EQ(steps.PositionOf(0), 0);
    EXPECT_EQ(steps.PositionOf(3), 1);
    EXPECT_EQ(steps.PositionOf(5), 2);
    WORD index = 0;
    ASSERT_TRUE(steps.IndexAt(1, &index));
    EXPECT_EQ(index, 3);
    ASSERT_TRUE(steps.IndexAt(2, &index));
    EXPECT_EQ(index, 5);
    index = 77;
    EXPECT_FALSE(steps.IndexAt(3, &index));
    EXPECT_FALSE(steps.IndexAt(-1, &index));
    EXPECT_EQ(index, 77);
}

// An index the monitor does not offer stands at its own number, whatever
// its size; bits above 15 offer nothing.
TEST(TemperatureSteps, IndexNotOfferedStandsAtItself)
{
    const TemperatureSteps steps(0xFFFF0029);
    EXPECT_EQ(steps.Count(), 3);
    EXPECT_EQ(steps.PositionOf(4), 4);
    EXPECT_EQ(steps.PositionOf(16), 16);
    EXPECT_EQ(steps.PositionOf(40), 40);
    EXPECT_EQ(steps.PositionOf(0xFFFF), 0xFFFF);

    const TemperatureSteps none(0);
    EXPECT_EQ(none.Count(), 0);
    WORD index = 0;
    EXPECT_FALSE(none.IndexAt(0, &index));

    const TemperatureSteps top(0x8000);
    ASSERT_TRUE(top.IndexAt(0, &index));
    EXPECT_EQ(index, 15);
}

} // namespace
