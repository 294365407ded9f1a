// The mouse plumbing: which events start, move and end a rubber band, and what the zoom
// and measuring actions are handed.
#include "viewer/MouseHandlers.h"

#include <vector>

#include "ViewerTestFrame.h"

namespace {

std::vector<RubberRelease> releases;
int zoomResult = 1;

int zoomWindow(ViewerSession& /*session*/, const RubberRelease& release) {
  releases.push_back(release);
  return zoomResult;
}

void measureRelease(ViewerSession& /*session*/, const RubberRelease& release) {
  releases.push_back(release);
}

// Keeps the line horizontal, as measuring does.
void snapToStartRow(ViewerSession& session, double& /*x*/, double& y) {
  y = session.view.rubberStartY;
}

class MouseHandlersTest : public testsupport::ViewerFrameTest {
 protected:
  void SetUp() override {
    ViewerFrameTest::SetUp();
    if (HasFatalFailure()) return;
    releases.clear();
    zoomResult = 1;
    session_.mouse = MouseActions{zoomWindow, measureRelease, snapToStartRow};
    session_.view.drawingShown = 1;
    session_.view.activeButton = GwBUTTON_LEFT;
    session_.view.mouseMode = MouseMode::Zoom;
    area_->set_size(100, 50);
    area_->set_position(20, 10);
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
    return buttonHandler(widget, &e, session_.userData());
  }
  int motion(GwCore* widget, int x, int y) {
    GwEvent e = event(x, y, GwEVENT_MOTION, 0);
    return motionHandler(widget, &e, session_.userData());
  }
};

TEST_F(MouseHandlersTest, PressStartsARubberRectangleAtTheContainerPosition) {
  EXPECT_EQ(button(area_, 5, 5, GwEVENT_PRESS), 1);
  ASSERT_NE(session_.view.rubberBand, nullptr);
  EXPECT_TRUE(session_.view.rubberBand->visible());
  EXPECT_DOUBLE_EQ(session_.view.rubberStartX, 25.0);
  EXPECT_DOUBLE_EQ(session_.view.rubberStartY, 15.0);
}

TEST_F(MouseHandlersTest, NothingHappensBeforeADrawingIsShown) {
  session_.view.drawingShown = 0;
  button(area_, 5, 5, GwEVENT_PRESS);
  EXPECT_EQ(session_.view.rubberBand, nullptr);
}

TEST_F(MouseHandlersTest, OtherButtonsAreIgnoredEvenWhileARubberBandExists) {
  button(area_, 5, 5, GwEVENT_PRESS);
  button(area_, 40, 30, GwEVENT_RELEASE, 3);
  button(area_, 40, 30, GwEVENT_PRESS, 2);
  EXPECT_NE(session_.view.rubberBand, nullptr);
  EXPECT_TRUE(releases.empty());
}

TEST_F(MouseHandlersTest, ReleaseInZoomModeHandsTheDragToTheZoomWindow) {
  button(area_, 5, 5, GwEVENT_PRESS);
  motion(area_, 60, 25);
  zoomResult = 0;
  // Released outside the canvas: the container reports it in its own pixels.
  EXPECT_EQ(button(container_, 150, 70, GwEVENT_RELEASE), 0);
  EXPECT_EQ(session_.view.rubberBand, nullptr);
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
  session_.view.mouseMode = MouseMode::Measuring;
  button(area_, 0, 0, GwEVENT_PRESS);
  ASSERT_NE(session_.view.rubberBand, nullptr);
  motion(area_, 50, 30);
  // Snapped to the start row: the line runs from (20, 10) to (70, 10).
  const GwRectangle bounds = session_.view.rubberBand->bounds();
  EXPECT_EQ(bounds.height, 5);
  EXPECT_EQ(bounds.width, 55);
  button(area_, 50, 30, GwEVENT_RELEASE);
  ASSERT_EQ(releases.size(), 1u);
  EXPECT_EQ(releases[0].dx, 50);
  EXPECT_EQ(releases[0].dy, 30);
}

}  // namespace
