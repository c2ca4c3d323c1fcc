#include "shell/DisplayOrder.h"
#include "shell/MonitorSet.h"

#include <gtest/gtest.h>

namespace {

struct OrderCase {
    const char* name;
    int order;
    const char* label;
};

TEST(DisplayOrder, DisplayNumberAndSubNumber)
{
    const OrderCase cases[] = {
        {R"(\\.\DISPLAY1)", 10, "1"},
        {R"(\\.\DISPLAY2)", 20, "2"},
        {R"(\\.\DISPLAY12)", 122, "12-2"},     // the digit after the skipped first one
        {R"(\\.\DISPLAYV3)", 3, "0-3"},        // no number right after the marker
        {R"(\\.\display2)", 20, "2"},          // the marker is found case-blind
        {R"(\\.\DISPLAY1\Monitor0)", 10, "1-0"},
    };
    for (const OrderCase& c : cases) {
        const DisplayOrder parsed = ParseDisplayOrder(c.name);
        EXPECT_TRUE(parsed.hasDisplay) << c.name;
        EXPECT_FALSE(parsed.tailWithoutDigit) << c.name;
        EXPECT_EQ(parsed.order, c.order) << c.name;
        EXPECT_EQ(parsed.label, c.label) << c.name;
    }
}

TEST(DisplayOrder, TailWithoutDigitIsFlagged)
{
    const DisplayOrder parsed = ParseDisplayOrder(R"(\\.\DISPLAY1\A)");
    EXPECT_TRUE(parsed.hasDisplay);
    EXPECT_TRUE(parsed.tailWithoutDigit);
    EXPECT_EQ(parsed.displayNumber, 1);
}

TEST(DisplayOrder, NamesWithoutTheMarkerOrBeyondTheLimit)
{
    EXPECT_FALSE(ParseDisplayOrder("").hasDisplay);
    EXPECT_FALSE(ParseDisplayOrder(R"(\\.\MONITOR1)").hasDisplay);
    EXPECT_FALSE(ParseDisplayOrder("DISPLA").hasDisplay);

    // Only the first 32 characters count: the marker beyond them is not seen,
    // and a sub-number digit beyond them is not read.
    const std::string padded(30, 'x');
    EXPECT_FALSE(ParseDisplayOrder(padded + "DISPLAY1").hasDisplay);
    const DisplayOrder cut = ParseDisplayOrder(std::string(R"(\\.\DISPLAY3)") + std::string(20, '\\') + "9");
    EXPECT_TRUE(cut.tailWithoutDigit);
}

TEST(DisplayOrder, HugeNumbersDoNotOverflow)
{
    const DisplayOrder parsed = ParseDisplayOrder(R"(\\.\DISPLAY99999999999999999999)");
    EXPECT_TRUE(parsed.hasDisplay);
    EXPECT_GT(parsed.order, 0);
}

TEST(MonitorSet, SameSerialsInSameOrderForAnyCount)
{
    std::vector<std::string> many;
    for (int i = 0; i < 16; ++i)
        many.push_back("SN" + std::to_string(i));
    EXPECT_TRUE(IsSameMonitorSet(many, many));
    EXPECT_TRUE(IsSameMonitorSet({}, {}));

    std::vector<std::string> swapped = many;
    std::swap(swapped[3], swapped[12]);
    EXPECT_FALSE(IsSameMonitorSet(many, swapped));
    std::vector<std::string> longer = many;
    longer.push_back("SN16");
    EXPECT_FALSE(IsSameMonitorSet(many, longer));
    EXPECT_FALSE(IsSameMonitorSet({}, {"A"}));
    EXPECT_FALSE(IsSameMonitorSet({"a"}, {"A"}));   // case-sensitive
}

} // namespace
