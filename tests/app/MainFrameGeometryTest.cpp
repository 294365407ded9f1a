// The main frame's geometry: read from the settings, placed on the screen, taken over on
// hide and stored again.
#include "app/MainFrameGeometry.h"

#include "settings/IniFile.h"
#include "TestSupport.h"

namespace {

using testsupport::TempDir;
using testsupport::writeFile;

FrameGeometry geometry(int x, int y, int w, int h) {
  FrameGeometry g;
  g.posX = x;
  g.posY = y;
  g.dimW = w;
  g.dimH = h;
  return g;
}

TEST(ClampFramePosition, NegativePositionsMoveToTheScreenCorner) {
  const GwPosition p = clampFramePosition({-50, -20}, {640, 480}, {1024, 768});
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
}

TEST(ClampFramePosition, FrameReachingPastTheBottomKeepsFortyPixelsFree) {
  const GwPosition p = clampFramePosition({10, 500}, {640, 480}, {1024, 768});
  EXPECT_EQ(p.x, 10);
  EXPECT_EQ(p.y, 248);
}

TEST(ClampFramePosition, FrameReachingPastTheRightEdgeEndsThere) {
  const GwPosition p = clampFramePosition({600, 0}, {640, 480}, {1024, 768});
  EXPECT_EQ(p.x, 384);
}

TEST(ClampFramePosition, FrameLargerThanTheScreenKeepsItsTitleBarOnIt) {
  const GwPosition p = clampFramePosition({100, 100}, {1600, 900}, {1024, 768});
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
}

TEST(GeometryOnHide, MaximizedFrameKeepsTheSizeAndPlaceOfItsLastNormalState) {
  FrameGeometry g = geometry(40, 30, 800, 500);
  geometryOnHide(g, GwWINDOW_MAXIMIZED, {1900, 1000}, {0, 0});
  EXPECT_EQ(g.state, 1);
  EXPECT_EQ(g.dimW, 800);
  EXPECT_EQ(g.posX, 40);
}

TEST(GeometryOnHide, NormalFrameTakesItsContentSizeAndPosition) {
  FrameGeometry g = geometry(40, 30, 800, 500);
  g.state = 1;
  geometryOnHide(g, GwWINDOW_NORMAL, {700, 450}, {12, 34});
  EXPECT_EQ(g.state, 0);
  EXPECT_EQ(g.dimW, 700);
  EXPECT_EQ(g.dimH, 450);
  EXPECT_EQ(g.posX, 12);
  EXPECT_EQ(g.posY, 34);
}

class SettingsGeometryTest : public ::testing::Test {
 protected:
  void SetUp() override { IniFile::clearError(); }
  void TearDown() override { IniFile::clearError(); }
  TempDir folder_;
};

TEST_F(SettingsGeometryTest, NonNumericValuesGiveTheirLeadingNumberWithoutError) {
  writeFile(folder_.file("orvel.ini"),
            "[DXFViewer]\nState=abc\nDimH=480px\nDimW= 640\nPosX=-5\nPosY=x7\n");
  IniFile settings(folder_.file("orvel.ini").c_str(), true);
  IniFile::clearError();
  FrameGeometry g;
  readFrameGeometry(settings, g);
  EXPECT_EQ(IniFile::lastError(), 0);
  EXPECT_EQ(g.state, 0);
  EXPECT_EQ(g.dimH, 480);
  EXPECT_EQ(g.dimW, 640);
  EXPECT_EQ(g.posX, -5);
  EXPECT_EQ(g.posY, 0);
}

TEST_F(SettingsGeometryTest, AMissingKeySetsTheErrorCode) {
  writeFile(folder_.file("orvel.ini"), "[DXFViewer]\nState=0\nDimH=480\nDimW=640\nPosX=5\n");
  IniFile settings(folder_.file("orvel.ini").c_str(), true);
  IniFile::clearError();
  FrameGeometry g;
  readFrameGeometry(settings, g);
  EXPECT_EQ(IniFile::lastError(), IniFile::KeyMissing);
}

TEST_F(SettingsGeometryTest, StoringChangesOnlyKeysThatExist) {
  writeFile(folder_.file("orvel.ini"), "[DXFViewer]\nPosX=1\nDimW=2\n");
  IniFile settings(folder_.file("orvel.ini").c_str(), true);
  storeFrameGeometry(settings, geometry(11, 22, 333, 444));
  ASSERT_TRUE(settings.write());
  EXPECT_EQ(testsupport::readFile(folder_.file("orvel.ini")), "[DXFViewer]\nPosX=11\nDimW=333\n");
}

}  // namespace
