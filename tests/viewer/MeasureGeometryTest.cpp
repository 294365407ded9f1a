// Measuring: the rubber line kept parallel to an axis and the read-outs in millimetres.
#include "viewer/MeasureGeometry.h"

#include <gtest/gtest.h>

#include "support/DecimalCommaLocale.h"

namespace {

// The read-outs are made while the main window runs, under the numeric locale "C".
class MeasureGeometryReadout : public ::testing::Test {
  testsupport::NumericLocaleC numbersWithPoint_;
};
using MeasureGeometrySnap = MeasureGeometryReadout;

TEST_F(MeasureGeometrySnap, MainlyHorizontalKeepsTheStartRow) {
  const MeasureSnap snap = MeasureGeometry::snap(100.0, 40.0, 150.0, 50.0);
  EXPECT_DOUBLE_EQ(snap.x, 150.0);
  EXPECT_DOUBLE_EQ(snap.y, 40.0);
  EXPECT_EQ(snap.pixels, 50);
  EXPECT_EQ(MeasureGeometry::readout(snap.pixels, 2.0), " 25.0 mm");
}

TEST_F(MeasureGeometrySnap, TieIsVerticalAndKeepsTheStartColumn) {
  const MeasureSnap snap = MeasureGeometry::snap(100.0, 40.0, 130.0, 70.0);
  EXPECT_DOUBLE_EQ(snap.x, 100.0);
  EXPECT_DOUBLE_EQ(snap.y, 70.0);
  EXPECT_EQ(snap.pixels, 30);
}

TEST_F(MeasureGeometrySnap, LeftwardsAndUpwardsMeasurePositiveDistances) {
  const MeasureSnap snap = MeasureGeometry::snap(100.7, 40.0, 20.0, 35.0);
  EXPECT_EQ(snap.pixels, 80);
  EXPECT_DOUBLE_EQ(snap.y, 40.0);
  EXPECT_EQ(MeasureGeometry::snap(10.0, 300.0, 12.0, 100.0).pixels, 200);
}

TEST_F(MeasureGeometryReadout, FiveCharactersWideWithOneDecimal) {
  EXPECT_EQ(MeasureGeometry::readout(3, 2.0), "  1.5 mm");
  EXPECT_EQ(MeasureGeometry::readout(123457, 10.0), "12345.7 mm");
}

TEST_F(MeasureGeometryReadout, NoScaleYetGivesNoReadout) {
  EXPECT_EQ(MeasureGeometry::readout(50, 0.0), "");
}

TEST_F(MeasureGeometryReadout, FinalReadoutTakesTheLargerExtentDyOnATie) {
  EXPECT_EQ(MeasureGeometry::finalReadout(50, 10, 2.0), " 25.0 mm");
  EXPECT_EQ(MeasureGeometry::finalReadout(10, 60, 2.0), " 30.0 mm");
  EXPECT_EQ(MeasureGeometry::finalReadout(30, 30, 4.0), "  7.5 mm");
}

}  // namespace
