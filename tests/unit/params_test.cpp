#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/params.h"
#include "support/test_support.h"

namespace bw {
namespace {

TEST(ParameterBlockFields, BlocksMeetWithoutSpilling) {
    ParameterBlock b;
    b.Set(249, 1, "A");
    b.Set(251, 1, "B");
    b.Set(501, 3, "C");
    EXPECT_EQ(b.Get(249, 1), "A");
    EXPECT_EQ(b.Get(251, 1), "B");
    EXPECT_EQ(b.Get(501, 3), "C");
    // Positions 250 and 500 belong to no string; they neither read nor write.
    b.Set(250, 1, "X");
    b.Set(500, 1, "X");
    EXPECT_EQ(b.Get(250, 1), "");
    EXPECT_EQ(b.Get(500, 1), "");
    EXPECT_EQ(b.Get(249, 1), "A");
    EXPECT_EQ(b.Get(251, 1), "B");
    EXPECT_EQ(b.Get(501, 1), "C");
}

TEST(ParameterBlockFields, ThirdStringGrowsAndResetClears) {
    ParameterBlock b;
    const std::string path(200, 'p');
    b.Set(701, 200, path);  // reaches character 400 of the third string
    EXPECT_EQ(b.Get(701, 200), path);
    b.Set(501, 200, "/opt/x/");
    EXPECT_EQ(b.Get(501, 200), "/opt/x/");
    EXPECT_EQ(b.Get(701, 200), path);
    b.Reset();
    EXPECT_EQ(b.Get(701, 200), "");
    EXPECT_EQ(b.Get(501, 200), "");
}

TEST(ParameterBlockFields, ShorterTextClearsTheRestOfTheField) {
    ParameterBlock b;
    b.Set(189, 50, "A long game name");
    b.Set(189, 50, "Short");
    EXPECT_EQ(b.Get(189, 50), "Short");
    b.Set(189, 50, "   ");
    EXPECT_EQ(b.Get(189, 50), "");
    b.Set(62, 4, "1 2");  // inner blanks are kept
    EXPECT_EQ(b.Get(62, 4), "1 2");
}

TEST(FormatNumberTest, ExtremesOfTheRange) {
    EXPECT_EQ(FormatNumber(0, 1), "0");
    EXPECT_EQ(FormatNumber(0, 0), "");
    EXPECT_EQ(FormatNumber(-1, 1), "*");
    EXPECT_EQ(FormatNumber(LLONG_MAX, 19), "9223372036854775807");
    EXPECT_EQ(FormatNumber(LLONG_MIN, 25), "-000009223372036854775808");
    EXPECT_EQ(FormatNumber(LLONG_MIN, 19), std::string(19, '*'));
}

TEST(ParameterIntTest, ConvertsOnlyWholeNumbers) {
    test::CoreFixture fx;
    SetParameter(62, 4, "0201");
    EXPECT_EQ(ParameterInt(62, 4), 201);
    SetParameter(62, 4, "-001");
    EXPECT_EQ(ParameterInt(62, 4), -1);
    SetParameter(62, 4, "****");
    EXPECT_EQ(ParameterInt(62, 4, 7), 7);
    SetParameter(62, 4, "");
    EXPECT_EQ(ParameterInt(62, 4, 7), 7);
    SetParameter(62, 4, "12ab");
    EXPECT_EQ(ParameterInt(62, 4, 7), 7);
    SetParameter(701, 30, "99999999999999999999");
    EXPECT_EQ(ParameterInt(701, 30, 5), 5);
    SetParameter(701, 30, "-99999999999999999999");
    EXPECT_EQ(ParameterInt(701, 30, 5), 5);
}

}  // namespace
}  // namespace bw
