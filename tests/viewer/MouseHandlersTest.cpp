// The mouse plumbing: which events start, move and end a rubber band, and what the zoom
// and measuring actions are handed.
#include "viewer/MouseHandlers.h"

#include <vector>

#include "ViewerTestFrame.h"

namespace {

std::vector<RubberRelease> releases;
int zoomResult = 1;

int zoomWindow(const RubberRelease& release) {
  releases.push_back(release);
  return zoomResult;
}

void measureRelease(const RubberRelease& release) { releases.push_back(release); }

// Keeps the line horizontal, as measuring does.
void snapToStartRow(double& /*x*/, double& y) { y = viewState().rubberStartY; }

class MouseHandlersTest : public testsupport::ViewerFrameTest {
 protected:
  void SetUp() override {
    ViewerFrameTest::SetUp();
    if (HasFatalFailure()) return;
    releases.clear();
    zoomResult = 1;
    mouseActions() = MouseActions{zoomWindow, measureRelease, snapToStartRow};
    viewState().drawingShown = 1;
    viewState().activeButton = 1;
    viewState().mouseMode = 1;
    area_->set_size(100, 50);
    area_->set_position(20, 10);
  }
  void TearDown() override {
    mouseActions() = MouseActions{};
    ViewerFrameTest::TearDown();
  }

  static GwEvent event(int x, int y, unsigned kind, int button) {
    GwEvent e;
    e.x = x;
    e.y = y;
    e.state = kind;
    e.button = button;
    return e;
  }
  int button(GwCore* widget, int x, int y, unsigned kind, int number = 1) {
    GwEvent e = event(x, y, kind, number);
    return buttonHandler(widget, &e, GwUD());
  }
  int motion(GwCore* widget, int x, int y) {
    GwEvent e = event(x, y, GwEVENT_MOTION, 0);
    return motionHandler(widget, &e, GwUD());
  }
};

TEST_F(MouseHandlersTest, PressStartsARubberRectangleAtTheContainerPosition) {
  EXPECT_EQ(button(area_, 5, 5, GwEVENT_PRESS), 1);
  ASSERT_NE(viewState().rubberBand, nullptr);
  EXPECT_TRUE(viewState().rubberBand->visible());
  EXPECT_DOUBLE_EQ(viewState().rubberStartX, 25.0);
  EXPECT_DOUBLE_EQ(viewState().rubberStartY, 15.0);
}

TEST_F(MouseHandlersTest, NothingHappensBeforeADrawingIsShown) {
  viewState().drawingShown = 0;
  button(area_, 5, 5, GwEVENT_PRESS);
  EXPECT_EQ(viewState().rubberBand, nullptr);
}

TEST_F(MouseHandlersTest, OtherButtonsAreIgnoredEvenWhileARubberBandExists) {
  button(area_, 5, 5, GwEVENT_PRESS);
  button(area_, 40, 30, GwEVENT_RELEASE, 3);
  button(area_, 40, 30, GwEVENT_PRESS, 2);
  EXPECT_NE(viewState().rubberBand, nullptr);
  EXPECT_TRUE(releases.empty());
}

TEST_F(MouseHandlersTest, ReleaseInZoomModeHandsTheDragToTheZoomWindow) {
  button(area_, 5, 5, GwEVENT_PRESS);
  motion(area_, 60, 25);
  zoomResult = 0;
  // Released outside the canvas: the container reports it in its own pixels.
  EXPECT_EQ(button(container_, 150, 70, GwEVENT_RELEASE), 0);
  EXPECT_EQ(viewState().rubberBand, nullptr);
  ASSERT_EQ(releases.size(), 1u);
  EXPECT_DOUBLE_EQ(releases[0].startX, 25.0);
  EXPECT_DOUBLE_EQ(releases[0].x, 150.0);
  EXPECT_EQ(releases[0].dx, 125);
  EXPECT_EQ(releases[0].dy, 55);
}

TEST_F(MouseHandlersTest, DragFromBottomRightToTopLeftGivesPositiveExtents) {
  button(container_, 150, 70, GwEVENT_PRESS);
  button(area_, 5, 5, GwEVENT_RELEASE);
  ASSERT_EQ(releases.size(), 1u);
  EXPECT_EQ(releases[0].dx, 125);
  EXPECT_EQ(releases[0].dy, 55);
}

TEST_F(MouseHandlersTest, MeasuringDragsALineThatTheMeasuringActionMayMove) {
  viewState().mouseMode = 0;
  button(area_, 0, 0, GwEVENT_PRESS);
  ASSERT_NE(viewState().rubberBand, nullptr);
  motion(area_, 50, 30);
  // Snapped to the start row: the line runs from (20, 10) to (70, 10).
  const GwRectangle bounds = viewState().rubberBand->bounds();
  EXPECT_EQ(bounds.height, 5);
  EXPECT_EQ(bounds.width, 55);
  button(area_, 50, 30, GwEVENT_RELEASE);
  ASSERT_EQ(releases.size(), 1u);
  EXPECT_EQ(releases[0].dx, 50);
  EXPECT_EQ(releases[0].dy, 30);
}

}  // namespace
