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

TEST(ColorValueText, NumbersTruncateAndAreSigned16Bit)
{
    EXPECT_EQ(Shown(Rule::Percentage, 7, 31), 22);
    EXPECT_EQ(Shown(Rule::SignedPercentage, 30, 100), -20);
    EXPECT_EQ(Shown(Rule::SignedPercentage, 1, 3), -17);
    EXPECT_EQ(Shown(Rule::Centred, 30, 63), -2);
    EXPECT_EQ(Shown(Rule::Percentage, 65535, 1), -100);   // 6553500 as 16 bits
    short untouched = 7;
    EXPECT_FALSE(ColorValueText::Number(Rule::Percentage, 10, 0, &untouched));
    EXPECT_FALSE(ColorValueText::Number(Rule::SignedPercentage, 0, 0, &untouched));
    EXPECT_EQ(untouched, 7);
}

TEST(ColorValueText, TemperatureNamesStopAtTheTable)
{
    UINT id = 0;
    EXPECT_TRUE(ColorValueText::TemperatureNameId(12, 15, &id) && id == 222);   // "9300K"
    EXPECT_TRUE(ColorValueText::TemperatureNameId(15, 15, &id) && id == 210);   // the maximum: "OFF"
    EXPECT_TRUE(ColorValueText::TemperatureNameId(40, 40, &id) && id == 210);
    EXPECT_FALSE(ColorValueText::TemperatureNameId(15, 20, &id));
    EXPECT_FALSE(ColorValueText::TemperatureNameId(0xFFFF, 20, &id));
}

TEST(TemperatureSteps, PositionsAreTheOfferedIndexes)
{
    const TemperatureSteps steps(0xFFFF0029);   // bits 0, 3 and 5; bits above 15 offer nothing
    EXPECT_EQ(steps.Count(), 3);
    EXPECT_EQ(steps.PositionOf(5), 2);
    EXPECT_EQ(steps.PositionOf(4), 4);   // not offered: at its own number
    EXPECT_EQ(steps.PositionOf(0xFFFF), 0xFFFF);
    WORD index = 77;
    EXPECT_TRUE(steps.IndexAt(1, &index) && index == 3);
    EXPECT_FALSE(steps.IndexAt(3, &index));
    EXPECT_FALSE(steps.IndexAt(-1, &index));
    EXPECT_FALSE(TemperatureSteps(0).IndexAt(0, &index));
    EXPECT_EQ(index, 3);
}

} // namespace
