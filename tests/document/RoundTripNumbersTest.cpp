// The writer writes every finite real so that the reader gets the same value back, within
// the reader's line limit; objects with values that are not finite are left out and counted.
#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "dxf/GroupLines.h"
#include "dxf/RoundTripNumbers.h"

namespace {

using namespace documenttesting;

std::string writtenFixed(double value, int precision = 4) {
  std::ostringstream out;
  out.imbue(withRoundTripNumbers(std::locale::classic()));
  out << std::fixed;
  out.precision(precision);
  out << value;
  return out.str();
}

class RoundTrip : public testing::TestWithParam<double> {};

TEST_P(RoundTrip, ReadsBackTheSameValueWithinTheLineLimit) {
  const double value = GetParam();
  const std::string text = writtenFixed(value);
  EXPECT_LE(text.size(), kMaxLineLength) << text;
  EXPECT_EQ(parseReal(text.c_str()), value) << text;
  EXPECT_EQ(std::signbit(parseReal(text.c_str())), std::signbit(value)) << text;
}

INSTANTIATE_TEST_SUITE_P(Values, RoundTrip,
                         testing::Values(1.5, 0.1, 1.0 / 3.0, -2.25, 0.0, -0.0, 1e120, -1e300,
                                         1e-200, 123456.789012, std::numeric_limits<double>::max(),
                                         std::numeric_limits<double>::min(),
                                         std::numeric_limits<double>::denorm_min(),
                                         9007199254740993.0));

TEST(RoundTripNumbers, ValuesThatFourDecimalsHoldKeepTheirFixedForm) {
  EXPECT_EQ(writtenFixed(1.5), "1.5000");
  EXPECT_EQ(writtenFixed(-2.25), "-2.2500");
  EXPECT_EQ(writtenFixed(10000.0, 6), "10000.000000");
  EXPECT_EQ(writtenFixed(0.1), "0.1000");
  EXPECT_EQ(writtenFixed(0.12345), "0.12345");
  EXPECT_EQ(writtenFixed(1e120), "1e+120");
}

TEST(RoundTripNumbers, NonFiniteIsWrittenAsZeroAndMarked) {
  for (const double value : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
    std::ostringstream out;
    out.imbue(withRoundTripNumbers(std::locale::classic()));
    EXPECT_FALSE(sawNonFinite(out));
    out << value;
    EXPECT_EQ(out.str(), "0");
    EXPECT_TRUE(sawNonFinite(out));
    clearNonFinite(out);
    EXPECT_FALSE(sawNonFinite(out));
  }
}

TEST(RoundTripNumbers, SavedDrawingReadsBackHugeAndTinyCoordinates) {
  const auto document = readOk(dxfFile(line(1e120, -1e-200, 0.1, 1.0 / 3.0)));
  const auto again = readOk(writtenText(*document));
  ASSERT_EQ(again->entities().count(), 1);
  const DXFGeometrie& written = *again->entities().at(0);
  const DXFGeometrie& read = *document->entities().at(0);
  EXPECT_EQ(written.minCorner().x(), read.minCorner().x());
  EXPECT_EQ(written.maxCorner().x(), read.maxCorner().x());
  EXPECT_EQ(written.minCorner().y(), read.minCorner().y());
  EXPECT_EQ(written.maxCorner().y(), read.maxCorner().y());
}

TEST(RoundTripNumbers, ObjectsWithValuesThatAreNotNumbersAreLeftOutAndCounted) {
  const std::string entities =
      line(0, 0, 1, 1) + line(0, 0, std::nan(""), 1) + line(2, 2, 3, 3) + insert("B", HUGE_VAL, 0);
  const std::string blocks = block("B", line(0, 0, 1, 1) + line(-HUGE_VAL, 0, 1, 1));
  const auto document = readOk(dxfFile(entities, blocks));
  DxfWriter writer(*document);
  std::ostringstream out;
  writer.writeTo(out);
  EXPECT_EQ(writer.leftOut(), 3);
  const auto again = readOk(out.str());
  EXPECT_EQ(again->entities().count(), 2);
  EXPECT_EQ(again->inserts().count(), 0);
  ASSERT_EQ(again->blocks().count(), 1);
  EXPECT_EQ(again->blocks().at(0)->entities().count(), 1);
  EXPECT_EQ(out.str().find("nan"), std::string::npos);
  EXPECT_EQ(out.str().find("inf"), std::string::npos);
}

}  // namespace
