#include "core/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace restomer {
namespace {

const RegionalSettings kPlain;  // "1,000.00"

RegionalSettings Bulgarian() {
  RegionalSettings settings;
  settings.decimal_separator = ",";
  settings.group_separator = "\u00a0";
  return settings;
}

TEST(ParseAmount, ReadsTheLeadingNumberOnly) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"25.18", 25.18}, {"30", 30},    {"  \t7.5", 7.5}, {"+3", 3},      {"-5", -5},
      {"25,18", 25},    {"12abc", 12}, {"3.4.5", 3.4},   {".5", 0.5},    {"5.", 5},
      {"", 0},          {"abc", 0},    {"-", 0},         {"+", 0},       {".", 0},
      {"- 5", 0},       {"1 000", 1},  {"1e3", 1},       {"0x10", 0},    {"\n5", 0},
      {"inf", 0},       {"nan", 0},    {"１２", 0},      {"\u200f5", 0}, {"007.50", 7.5},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseAmount(c.text), c.value) << '"' << c.text << '"';
}

TEST(ParseAmount, RoundsLongTextToTheNearestDouble) {
  // Just above the midpoint between 1 and the next double: must round up,
  // however far away the deciding digit stands.
  const std::string above_half =
      "1.00000000000000011102230246251565404236316680908203125" + std::string(5000, '0') + "1";
  EXPECT_EQ(ParseAmount(above_half), std::nextafter(1.0, 2.0));
  const std::string digits = "3.14159265358979323846264338327950288419716939937510582097494459";
  EXPECT_EQ(ParseAmount(digits), std::strtod(digits.c_str(), nullptr));
  EXPECT_EQ(ParseAmount(std::string(10000, '9') + "x"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseAmount("-" + std::string(400, '7')), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseAmount("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(ParseAmount(std::string(300, '0') + "42"), 42.0);
}

TEST(FormatAmount, TwoDecimalsInTheRegionsNotation) {
  EXPECT_EQ(FormatAmount(4.82, kPlain), "4.82");
  EXPECT_EQ(FormatAmount(0, kPlain), "0.00");
  EXPECT_EQ(FormatAmount(30, kPlain), "30.00");
  EXPECT_EQ(FormatAmount(0.5, kPlain), "0.50");
  EXPECT_EQ(FormatAmount(1000, kPlain), "1,000.00");
  EXPECT_EQ(FormatAmount(999999.999, kPlain), "1,000,000.00");
  EXPECT_EQ(FormatAmount(123456789.5, kPlain), "123,456,789.50");
  EXPECT_EQ(FormatAmount(-35, kPlain), "-35.00");
  EXPECT_EQ(FormatAmount(-1234.5, Bulgarian()), "-1\u00a0234,50");
  EXPECT_EQ(FormatAmount(1e20, kPlain), "100,000,000,000,000,000,000.00");

  RegionalSettings bare = kPlain;
  bare.leading_zero = false;
  bare.group_size = 0;
  bare.negative_sign = "\u2212";
  EXPECT_EQ(FormatAmount(-0.5, bare), "\u2212.50");
  EXPECT_EQ(FormatAmount(1234567, bare), "1234567.00");
}

TEST(FormatAmount, RoundsTheAmountAPersonReads) {
  EXPECT_EQ(FormatAmount(25.185, kPlain), "25.19");  // the double is 25.18499999...
  EXPECT_EQ(FormatAmount(25.175, kPlain), "25.18");
  EXPECT_EQ(FormatAmount(30 - 25.185, kPlain), "4.82");
  EXPECT_EQ(FormatAmount(0.005, kPlain), "0.01");
  EXPECT_EQ(FormatAmount(0.0049, kPlain), "0.00");
  EXPECT_EQ(FormatAmount(-2.675, kPlain), "-2.68");
  EXPECT_EQ(FormatAmount(9.995, kPlain), "10.00");
  EXPECT_EQ(FormatAmount(0.1 + 0.2, kPlain), "0.30");
  EXPECT_EQ(FormatAmount(1e-300, kPlain), "0.00");
  // Zero never carries a sign.
  EXPECT_EQ(FormatAmount(-0.0, kPlain), "0.00");
  EXPECT_EQ(FormatAmount(-0.004, kPlain), "0.00");
}

TEST(FormatAmount, RefusesWhatIsNotANumber) {
  EXPECT_THROW(FormatAmount(std::numeric_limits<double>::infinity(), kPlain), OverflowError);
  EXPECT_THROW(FormatAmount(-std::numeric_limits<double>::infinity(), kPlain), OverflowError);
  EXPECT_THROW(FormatAmount(std::numeric_limits<double>::quiet_NaN(), kPlain), OverflowError);
  EXPECT_EQ(FormatAmount(std::numeric_limits<double>::max(), kPlain).size(), 309u + 102u + 3u);
}

TEST(NumberText, ShortestGeneralForm) {
  EXPECT_EQ(NumberText(0.02, kPlain), "0.02");
  EXPECT_EQ(NumberText(0.1, kPlain), "0.1");
  EXPECT_EQ(NumberText(0.5, kPlain), "0.5");
  EXPECT_EQ(NumberText(2, kPlain), "2");
  EXPECT_EQ(NumberText(100, kPlain), "100");
  EXPECT_EQ(NumberText(1000000, kPlain), "1000000");
  EXPECT_EQ(NumberText(0.1 + 0.2, kPlain), "0.3");
  EXPECT_EQ(NumberText(-0.0, kPlain), "0");
  EXPECT_EQ(NumberText(0.05, Bulgarian()), "0,05");
  EXPECT_EQ(NumberText(-2.5, Bulgarian()), "-2,5");
}

TEST(IntegerText, PlainDigits) {
  EXPECT_EQ(IntegerText(2), "2");
  EXPECT_EQ(IntegerText(32767), "32767");
  EXPECT_EQ(IntegerText(-32768), "-32768");
}

TEST(Rounding, TiesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundToLong(481.5), 482);
  EXPECT_EQ(RoundToLong(482.5), 482);
  EXPECT_EQ(RoundToLong(482.49999), 482);
  EXPECT_EQ(RoundToLong(482.50001), 483);
  EXPECT_EQ(RoundToLong(-0.5), 0);
  EXPECT_EQ(RoundToLong(-1.5), -2);
  EXPECT_EQ(RoundToLong(-2.5), -2);
  EXPECT_EQ(RoundToInteger(0.5), 0);
  EXPECT_EQ(RoundToInteger(1.5), 2);
  EXPECT_EQ(RoundToInteger(50.000000000000007), 50);
}

TEST(Rounding, StopsOutsideTheRange) {
  EXPECT_EQ(RoundToLong(2147483647.4), 2147483647);
  EXPECT_EQ(RoundToLong(-2147483648.5), -2147483648);      // ties to the even -2147483648
  EXPECT_THROW(RoundToLong(2147483647.5), OverflowError);  // rounds to 2147483648
  EXPECT_THROW(RoundToLong(-2147483649.0), OverflowError);
  EXPECT_EQ(RoundToInteger(32767.0), 32767);
  EXPECT_EQ(RoundToInteger(-32768.5), -32768);
  EXPECT_THROW(RoundToInteger(32767.5), OverflowError);
  EXPECT_THROW(RoundToInteger(-32769), OverflowError);
  for (double bad :
       {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(), 1e300}) {
    EXPECT_THROW(RoundToLong(bad), OverflowError) << bad;
    EXPECT_THROW(RoundToInteger(bad), OverflowError) << bad;
  }
}

TEST(Narrowing, ExactInRangeStopsOutside) {
  EXPECT_EQ(NarrowToInteger(32767), 32767);
  EXPECT_EQ(NarrowToInteger(-32768), -32768);
  EXPECT_THROW(NarrowToInteger(32768), OverflowError);
  EXPECT_THROW(NarrowToInteger(-32769), OverflowError);
}

TEST(CheckedMultiply, StopsWhenTheProductIsNotFinite) {
  EXPECT_EQ(CheckedMultiply(25.18, 100), 25.18 * 100);
  EXPECT_THROW(CheckedMultiply(1e307, 100), OverflowError);
  EXPECT_THROW(CheckedMultiply(std::numeric_limits<double>::infinity(), 100), OverflowError);
  EXPECT_THROW(CheckedMultiply(std::numeric_limits<double>::infinity(), 0), OverflowError);
}

}  // namespace
}  // namespace restomer
