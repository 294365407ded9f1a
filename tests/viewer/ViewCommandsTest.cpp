// Fit, zoom, zoom window, zoom back, scrolling, wheel, middle-button drag and measuring on
// a real drawing area and its container.
#include "viewer/ViewZoom.h"

#include <algorithm>
#include <cstdio>

#include "viewer/Measuring.h"
#include "viewer/MouseHandlers.h"
#include "viewer/Redraw.h"
#include "viewer/ViewScroll.h"
#include "ViewerTestFrame.h"
#include "support/RecordingCanvas.h"

namespace {

class ViewCommandsTest : public testsupport::ViewerFrameTest {
 protected:
  void SetUp() override {
    ViewerFrameTest::SetUp();
    if (HasFatalFailure()) return;
    session_.documents.replace(0, oneLineDocument());
    ViewState& view = session_.view;
    view.setWindow({10.0, 20.0, 30.0, 40.0});
    view.drawingShown = 1;
    view.zoomStep = 0.5;
    view.activeButton = GwBUTTON_LEFT;
    view.mouseMode = MouseMode::Zoom;
    session_.mouse = MouseActions{zoomWindow, measureRelease, measureMotion};
    container = container_->size();
  }
  // The drawing x coordinate under the container column cx (the world spans the area).
  double worldX(double cx) const {
    return 10.0 + (cx - area_->position().x) * 20.0 / area_->size().width;
  }
  double worldY(double cy) const {
    return 40.0 - (cy - area_->position().y) * 20.0 / area_->size().height;
  }
  GwCore* bar(const char* name) const { return frame_->frame_child(name); }

  static GwEvent mouse(int x, int y, unsigned state, int button) {
    GwEvent event;
    event.x = x;
    event.y = y;
    event.state = state;
    event.button = button;
    return event;
  }
  // A button event in container pixels.
  int button(int x, int y, unsigned kind, int number = 1) {
    GwEvent event = mouse(x, y, kind, number);
    return buttonHandler(container_, &event, session_.userData());
  }

  GwDimension container;
};

TEST_F(ViewCommandsTest, FitPutsTheWholeDocumentCentredIntoTheContainer) {
  fitCurrentView(session_);
  const GwDimension size = area_->size();
  const GwPosition position = area_->position();
  EXPECT_EQ(session_.view.fitted, 1);
  EXPECT_LE(size.width, container.width - 2);
  EXPECT_LE(size.height, container.height - 2);
  EXPECT_TRUE(size.width >= container.width - 3 || size.height >= container.height - 3);
  EXPECT_EQ(position.x, (container.width - 2 - size.width) / 2);
  EXPECT_EQ(position.y, (container.height - 2 - size.height) / 2);
  EXPECT_NEAR(session_.view.scale * 20.0, size.width, 1.0);
  EXPECT_FALSE(bar("SB_hori")->is_shown());
  EXPECT_FALSE(bar("SB_vert")->is_shown());
}

TEST_F(ViewCommandsTest, FitWithoutADocumentOnlyShowsTheArea) {
  session_.documents.clear();
  area_->hide();
  fitCurrentView(session_);
  EXPECT_TRUE(area_->is_shown());
  EXPECT_EQ(session_.view.fitted, 0);
}

TEST_F(ViewCommandsTest, ZoomInDoublesTheAreaKeepsTheCentreAndShowsTheScrollBars) {
  fitCurrentView(session_);
  const GwDimension before = area_->size();
  const double scale = session_.view.scale;
  const double centreX = worldX(container.width * 0.5);
  const double centreY = worldY(container.height * 0.5);
  EXPECT_EQ(CB_zoomp(nullptr, nullptr, session_.userData()), 1);
  EXPECT_EQ(area_->size().width, 2 * before.width);
  EXPECT_EQ(area_->size().height, 2 * before.height);
  EXPECT_DOUBLE_EQ(session_.view.scale, 2 * scale);
  EXPECT_NEAR(worldX(container.width * 0.5), centreX, 20.0 / area_->size().width);
  EXPECT_NEAR(worldY(container.height * 0.5), centreY, 20.0 / area_->size().height);
  // A bar for each direction in which the area now passes the container.
  EXPECT_EQ(bar("SB_hori")->is_shown(), area_->size().width > container.width);
  EXPECT_EQ(bar("SB_vert")->is_shown(), area_->size().height > container.height);
  ASSERT_TRUE(bar("SB_vert")->is_shown());
  EXPECT_GT(bar("SB_vert")->scroll_value(), 0.0);
  EXPECT_LT(bar("SB_vert")->scroll_value(), 100.0);
  // The thumb is as large a share of the trough as the container shows of the area.
  GtkAdjustment* vertical = gtk_range_get_adjustment(GTK_RANGE(bar("SB_vert")->widget()));
  EXPECT_NEAR(gtk_adjustment_get_page_size(vertical) / gtk_adjustment_get_upper(vertical),
              static_cast<double>(container.height) / area_->size().height, 0.01);
  CB_zoomm(nullptr, nullptr, session_.userData());
  EXPECT_EQ(area_->size().width, before.width);
  EXPECT_DOUBLE_EQ(session_.view.scale, scale);
}

TEST_F(ViewCommandsTest, ZoomCommandsDoNothingWhileNoDrawingIsShown) {
  fitCurrentView(session_);
  const GwDimension before = area_->size();
  session_.view.drawingShown = 0;
  CB_zoomp(nullptr, nullptr, session_.userData());
  CB_zoomm(nullptr, nullptr, session_.userData());
  area_->set_size(50, 50);
  CB_zoom_back(nullptr, nullptr, session_.userData());
  EXPECT_EQ(area_->size().width, 50);
  EXPECT_NE(before.width, 50);
}

TEST_F(ViewCommandsTest, RefusedZoomChangesNothing) {
  fitCurrentView(session_);
  const GwDimension before = area_->size();
  const GwPosition position = area_->position();
  const double scale = session_.view.scale;
  // A world window half a unit wide allows at most 50 pixels.
  session_.view.setWindow({10.0, 20.0, 10.5, 20.5});
  EXPECT_EQ(zoomByFactor(session_, 2.0), ZoomVerdict::TooLarge);
  EXPECT_EQ(area_->size().width, before.width);
  EXPECT_EQ(area_->position().x, position.x);
  EXPECT_DOUBLE_EQ(session_.view.scale, scale);
  EXPECT_FALSE(bar("SB_hori")->is_shown());
}

TEST_F(ViewCommandsTest, DraggedRectangleMovesItsTopLeftCornerToTheContainerCorner) {
  fitCurrentView(session_);
  session_.window.drawingTitle = "Bracket 7";
  const GwPosition origin = area_->position();
  const double cornerX = worldX(origin.x + 20);
  const double cornerY = worldY(origin.y + 10);
  button(origin.x + 60, origin.y + 50, GwEVENT_PRESS);
  EXPECT_EQ(button(origin.x + 20, origin.y + 10, GwEVENT_RELEASE), 1);
  EXPECT_GT(area_->size().width, container.width);
  EXPECT_NEAR(worldX(0), cornerX, 20.0 / area_->size().width);
  EXPECT_NEAR(worldY(0), cornerY, 20.0 / area_->size().height);
  EXPECT_EQ(frame_->frame_child("EB_status")->text(), "Bracket 7");
  EXPECT_TRUE(bar("SB_hori")->is_shown());
}

TEST_F(ViewCommandsTest, ClickWithoutDraggingChangesNothing) {
  fitCurrentView(session_);
  const GwDimension before = area_->size();
  button(40, 30, GwEVENT_PRESS);
  EXPECT_EQ(button(40, 30, GwEVENT_RELEASE), 0);
  EXPECT_EQ(area_->size().width, before.width);
  EXPECT_EQ(session_.view.rubberBand, nullptr);
}

TEST_F(ViewCommandsTest, ZoomBackShowsTheWholeWindowAgainAndHidesTheBars) {
  fitCurrentView(session_);
  const GwDimension fitted = area_->size();
  CB_zoomp(nullptr, nullptr, session_.userData());
  CB_zoomp(nullptr, nullptr, session_.userData());
  CB_zoom_back(nullptr, nullptr, session_.userData());
  EXPECT_EQ(area_->size().width, fitted.width);
  EXPECT_EQ(area_->size().height, fitted.height);
  EXPECT_FALSE(bar("SB_hori")->is_shown());
  EXPECT_FALSE(bar("SB_vert")->is_shown());
}

TEST_F(ViewCommandsTest, ScrollBarValuesMoveTheAreaAcrossItsRange) {
  fitCurrentView(session_);
  CB_zoomp(nullptr, nullptr, session_.userData());
  CB_zoomp(nullptr, nullptr, session_.userData());
  const GwDimension size = area_->size();
  const int y = area_->position().y;
  bar("SB_hori")->set_scroll_value(0.0);
  CB_moveHori(nullptr, nullptr, session_.userData());
  EXPECT_EQ(area_->position().x, 0);
  bar("SB_hori")->set_scroll_value(100.0);
  CB_moveHori(nullptr, nullptr, session_.userData());
  EXPECT_EQ(area_->position().x, container.width - size.width);
  EXPECT_EQ(area_->position().y, y);
  bar("SB_vert")->set_scroll_value(100.0);
  CB_moveVert(nullptr, nullptr, session_.userData());
  EXPECT_EQ(area_->position().y, container.height - size.height);
  EXPECT_EQ(area_->size().width, size.width);
}

TEST_F(ViewCommandsTest, ArrowKeysScrollATenthOfTheContainerWithinTheRange) {
  fitCurrentView(session_);
  CB_zoomp(nullptr, nullptr, session_.userData());
  CB_zoomp(nullptr, nullptr, session_.userData());
  const GwPosition start = area_->position();
  scrollBySteps(session_, 1, 0);
  EXPECT_EQ(area_->position().x, start.x - container.width / 10);
  EXPECT_EQ(area_->position().y, start.y);
  scrollBySteps(session_, 0, -1);
  EXPECT_EQ(area_->position().y, start.y + container.height / 10);
  EXPECT_DOUBLE_EQ(bar("SB_hori")->scroll_value(),
                   100.0 * area_->position().x / (container.width - area_->size().width));
  // Far to the left the area stops at its edge.
  scrollBySteps(session_, -1000, 0);
  EXPECT_EQ(area_->position().x, 0);
  session_.view.drawingShown = 0;
  scrollBySteps(session_, 5, 5);
  EXPECT_EQ(area_->position().x, 0);
}

// The status line shows the drawing point under the pointer while it is over the drawing
// area, and nothing over the container around it.
TEST_F(ViewCommandsTest, PointerOverTheDrawingShowsItsDrawingPoint) {
  fitCurrentView(session_);
  GwCore* position = frame_->frame_child("EB_position");
  ASSERT_NE(position, nullptr);
  const GwPosition at = area_->position();
  const int px = area_->size().width / 4;
  const int py = area_->size().height / 2;
  GwEvent over = mouse(px, py, GwEVENT_MOTION, 0);
  motionHandler(area_, &over, session_.userData());
  char expected[64];
  std::snprintf(expected, sizeof expected, "x %.1f  y %.1f mm", worldX(at.x + px + 0.5),
                worldY(at.y + py + 0.5));
  EXPECT_EQ(position->text(), expected);
  GwEvent outside = mouse(1, 1, GwEVENT_MOTION, 0);
  motionHandler(container_, &outside, session_.userData());
  EXPECT_EQ(position->text(), "");
}

TEST_F(ViewCommandsTest, WheelZoomsByTheStepAboutThePointer) {
  fitCurrentView(session_);
  const GwDimension before = area_->size();
  const double pointX = worldX(container.width * 0.25);
  GwEvent up = mouse(static_cast<int>(container.width * 0.25), 10, GwEVENT_WHEEL, GwWHEEL_UP);
  EXPECT_EQ(wheelHandler(container_, &up, session_.userData()), 1);
  EXPECT_EQ(area_->size().width, 2 * before.width);
  EXPECT_NEAR(worldX(container.width * 0.25), pointX, 20.0 / area_->size().width);
  GwEvent down = mouse(static_cast<int>(container.width * 0.25), 10, GwEVENT_WHEEL, GwWHEEL_DOWN);
  wheelHandler(container_, &down, session_.userData());
  EXPECT_EQ(area_->size().width, before.width);
}

TEST_F(ViewCommandsTest, MiddleButtonDragMovesTheAreaWithinTheScrollRange) {
  fitCurrentView(session_);
  CB_zoomp(nullptr, nullptr, session_.userData());
  CB_zoomp(nullptr, nullptr, session_.userData());
  const GwPosition start = area_->position();
  GwEvent press = mouse(100, 50, GwEVENT_PRESS, kPanButton);
  panButtonHandler(container_, &press, session_.userData());
  EXPECT_EQ(buttonHandler(container_, &press, session_.userData()), 1);
  EXPECT_EQ(session_.view.rubberBand, nullptr);
  GwEvent move = mouse(90, 45, GwEVENT_MOTION | GDK_BUTTON2_MASK, 0);
  panMotionHandler(container_, &move, session_.userData());
  EXPECT_EQ(area_->position().x, start.x - 10);
  EXPECT_EQ(area_->position().y, start.y - 5);
  EXPECT_TRUE(bar("SB_hori")->is_shown());
  // Far beyond the range: the area stops at its edge.
  GwEvent far = mouse(100000, 50, GwEVENT_MOTION | GDK_BUTTON2_MASK, 0);
  panMotionHandler(container_, &far, session_.userData());
  EXPECT_EQ(area_->position().x, 0);
  GwEvent release = mouse(100000, 50, GwEVENT_RELEASE, kPanButton);
  panButtonHandler(container_, &release, session_.userData());
  GwEvent after = mouse(10, 10, GwEVENT_MOTION | GDK_BUTTON2_MASK, 0);
  panMotionHandler(container_, &after, session_.userData());
  EXPECT_EQ(area_->position().x, 0);
}

TEST_F(ViewCommandsTest, MeasuringShowsLiveAndFinalDistancesInMillimetres) {
  fitCurrentView(session_);
  session_.view.mouseMode = MouseMode::Measuring;
  session_.view.scale = 2.0;
  button(20, 20, GwEVENT_PRESS);
  GwEvent move = mouse(70, 30, GwEVENT_MOTION, 0);
  motionHandler(container_, &move, session_.userData());
  GwCore* status = frame_->frame_child("EB_status");
  EXPECT_EQ(status->text(), " 25.0 mm");
  ASSERT_NE(session_.view.rubberBand, nullptr);
  EXPECT_LE(session_.view.rubberBand->bounds().height, 5);  // kept horizontal
  button(70, 30, GwEVENT_RELEASE);
  EXPECT_EQ(status->text(), " 25.0 mm");
  // Moving without a press measures from the last press point.
  GwEvent down = mouse(22, 80, GwEVENT_MOTION, 0);
  motionHandler(container_, &down, session_.userData());
  EXPECT_EQ(status->text(), " 30.0 mm");
}

TEST_F(ViewCommandsTest, RedrawAttachesWheelAndDragHandlersAndOpeningTakesThemAllOff) {
  area_->add_callback(GwCB_EXPOSE, redrawHandler, 0, session_.userData());
  session_.view.fitted = 1;
  testsupport::RecordingDrawingArea recorder;
  area_->paint_with(recorder);
  for (GwCore* widget : {static_cast<GwCore*>(area_), container_}) {
    EXPECT_TRUE(widget->has_callback(GwCB_WHEEL));
    const auto& list = widget->callback_list();
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const GwCallback& c) { return c.handler == panMotionHandler; }),
              1);
  }
  button(10, 10, GwEVENT_PRESS);
  session_.view.panning = 1;
  detachMouseHandlers(session_);
  for (GwCore* widget : {static_cast<GwCore*>(area_), container_}) {
    EXPECT_FALSE(widget->has_callback(GwCB_BUTTON));
    EXPECT_FALSE(widget->has_callback(GwCB_MOUSEMOVE));
    EXPECT_FALSE(widget->has_callback(GwCB_WHEEL));
  }
  EXPECT_EQ(session_.view.rubberBand, nullptr);
  EXPECT_EQ(session_.view.panning, 0);
  EXPECT_TRUE(area_->has_callback(GwCB_EXPOSE));
}

}  // namespace
