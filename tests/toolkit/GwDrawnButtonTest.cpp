// The virtual canvas: sizes, world mapping, painting only what the container shows, mouse
// routing between canvas and container, and rubber bands over the kept picture.
#include "toolkit/GwDrawnButton.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <chrono>
#include <memory>
#include <thread>
#include <string>
#include <vector>

#include "toolkit/GwEcho.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwRcMgr.h"
#include "support/GtkFrameTest.h"
#include "toolkit/paint/PaintHandle.h"
#include "support/RecordingCanvas.h"

namespace {

int exposeCount = 0;
std::vector<std::string> mouse;

// Paints the world rectangle x 10..20, y 5..10 red.
int paintRed(GwCore* widget, GwEvent*, GwUD) {
  ++exposeCount;
  auto* area = dynamic_cast<GwDrawnButton*>(widget);
  area->set_drawing_foreground("#FF0000");
  area->set_drawing_background("#FF0000");
  const WorldPoint corners[] = {{10, 5}, {20, 5}, {20, 10}, {10, 10}};
  area->wc_fill_polygon(corners, 4);
  return 0;
}

int noteMouse(GwCore* widget, GwEvent* event, GwUD) {
  mouse.push_back(widget->name() + " " + std::to_string(event->x) + "," + std::to_string(event->y) +
                  " " + std::to_string(event->state & 0x3800) + " " +
                  std::to_string(event->button));
  return 1;
}

const char* const kDrawnButtonBody = R"(
  <object class="GwFrameWindow" id="Frame">
    <child>
      <object class="GtkBox" id="DA_container">
        <property name="visible">True</property>
        <child>
          <object class="GtkDrawingArea" id="DA_draw">
            <property name="visible">True</property>
            <property name="width-request">200</property>
            <property name="height-request">100</property>
          </object>
        </child>
      </object>
    </child>
  </object>
)";

class GwDrawnButtonTest : public testsupport::GtkFrameTest {
 protected:
  void SetUp() override {
    GtkTest::SetUp();
    if (HasFatalFailure()) return;
    exposeCount = 0;
    mouse.clear();
    loadFrame(kDrawnButtonBody, "Frame");
    if (HasFatalFailure()) return;
    area_ = dynamic_cast<GwDrawnButton*>(frame_->frame_child("DA_draw"));
    container_ = frame_->frame_child("DA_container");
    ASSERT_NE(area_, nullptr);
    showFrame(area_);
  }

  // What the viewport shows now, drawn as GTK would draw it.
  CairoSurfacePtr snapshot() {
    CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 200, 100));
    const CairoPtr cr(cairo_create(surface.get()));
    gtk_widget_draw(area_->widget(), cr.get());
    cairo_surface_flush(surface.get());
    return surface;
  }

  static unsigned pixel(const CairoSurfacePtr& picture, int x, int y) {
    cairo_surface_t* surface = picture.get();
    const unsigned char* row =
        cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
  }

  void press(int x, int y, int button) {
    GdkEvent* event = gdk_event_new(GDK_BUTTON_PRESS);
    event->button.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(area_->widget())));
    event->button.x = x;
    event->button.y = y;
    event->button.button = static_cast<guint>(button);
    gdk_event_set_device(
        event, gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default())));
    gtk_widget_event(area_->widget(), event);
    gdk_event_free(event);
  }

  GwDrawnButton* area_ = nullptr;
  GwCore* container_ = nullptr;
};

TEST_F(GwDrawnButtonTest, CanvasFollowsTheContainerUntilItGetsASizeOfItsOwn) {
  EXPECT_EQ(area_->class_id(), GwDRAWINGAREA_CLASS);
  EXPECT_EQ(area_->size().width, 200);
  EXPECT_EQ(area_->size().height, 100);
  area_->set_size(32001, -5);
  EXPECT_EQ(area_->size().width, 32000);
  EXPECT_EQ(area_->size().height, 0);
  area_->set_position(-700, -40);
  EXPECT_EQ(area_->position().x, -700);
  EXPECT_EQ(area_->position_in_container().y, -40);
  EXPECT_EQ(area_->container_size().width, 200);
}

// The pointer position shown in the status line is read back through dc_to_wc: it must
// be the point wc_to_dc draws there, on a scrolled canvas with unequal scales too.
TEST_F(GwDrawnButtonTest, CanvasPixelsMapBackToTheWorldPointsDrawnThere) {
  EXPECT_EQ(area_->dc_to_wc(12.0, 7.0).x, 12.0);  // no world rectangle yet
  area_->set_size(400, 100);
  area_->set_position(-150, 0);
  area_->set_wc_coords(-10.0, 20.0, 30.0, 70.0);
  const WorldPoint corners[] = {{-10.0, 70.0}, {30.0, 20.0}, {0.0, 45.0}, {12.5, 21.25}};
  for (const WorldPoint& world : corners) {
    const DevicePoint pixel = area_->wc_to_dc(world.x, world.y);
    const WorldPoint back = area_->dc_to_wc(pixel.x, pixel.y);
    EXPECT_NEAR(back.x, world.x, 1e-9) << world.x << " " << world.y;
    EXPECT_NEAR(back.y, world.y, 1e-9) << world.x << " " << world.y;
  }
  const WorldPoint topLeft = area_->dc_to_wc(0.0, 0.0);
  EXPECT_DOUBLE_EQ(topLeft.x, -10.0);
  EXPECT_DOUBLE_EQ(topLeft.y, 70.0);
  const WorldPoint bottomRight = area_->dc_to_wc(400.0, 100.0);
  EXPECT_DOUBLE_EQ(bottomRight.x, 30.0);
  EXPECT_DOUBLE_EQ(bottomRight.y, 20.0);
}

TEST_F(GwDrawnButtonTest, ExposeCallbacksPaintThroughTheGivenPainter) {
  testsupport::RecordingDrawingArea recorder;
  area_->add_callback(GwCB_EXPOSE, paintRed, 0, GwUD());
  area_->paint_with(recorder);
  EXPECT_EQ(exposeCount, 1);
  EXPECT_EQ(recorder.log.count("wc_fill_polygon"), 1);
  // Outside an expose the operations paint nowhere.
  area_->wc_line(0, 0, 10, 10);
  EXPECT_EQ(recorder.log.count("wc_line"), 0);
}

TEST_F(GwDrawnButtonTest, ScrolledCanvasShowsOnlyItsVisiblePart) {
  area_->set_size(400, 200);
  area_->set_position(-100, -50);
  area_->set_wc_coords(0.0, 0.0, 40.0, 20.0);
  area_->add_callback(GwCB_EXPOSE, paintRed, 0, GwUD());
  const CairoSurfacePtr picture = snapshot();
  // World x 10..20, y 5..10 is canvas 100..200, 100..150: container 0..100, 50..100.
  EXPECT_EQ(pixel(picture, 50, 75), 0xFF0000u);
  EXPECT_EQ(pixel(picture, 150, 75), 0xFFFFFFu);
  EXPECT_EQ(pixel(picture, 50, 25), 0xFFFFFFu);
}

TEST_F(GwDrawnButtonTest, KeptPictureIsReusedUntilTheCanvasChanges) {
  area_->add_callback(GwCB_EXPOSE, paintRed, 0, GwUD());
  snapshot();
  snapshot();
  EXPECT_EQ(exposeCount, 1);
  area_->clear_window();
  snapshot();
  EXPECT_EQ(exposeCount, 2);
  area_->set_position(3, 3);
  snapshot();
  EXPECT_EQ(exposeCount, 3);
}

// A scene painted off the GUI thread: the whole canvas in one colour, after the latch
// opens (the first scene waits for it, so a newer one comes while it still paints).
std::atomic<bool> latchOpen{false};
std::atomic<bool> sceneStarted{false};
const char* sceneColour = "#FF0000";
std::uint64_t sceneKey = 1;

void fillCanvas(DrawingArea& area, const char* colour) {
  area.set_drawing_foreground(colour);
  area.set_drawing_background(colour);
  const WorldPoint corners[] = {{-1, -1}, {50, -1}, {50, 30}, {-1, 30}};
  area.wc_fill_polygon(corners, 4);
}

int paintScene(GwCore* widget, GwEvent*, GwUD) {
  ++exposeCount;
  const char* colour = sceneColour;
  dynamic_cast<GwDrawnButton*>(widget)->paint_scene(
      [colour](DrawingArea& area, const std::atomic<bool>&) {
        sceneStarted = true;
        while (!latchOpen) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        fillCanvas(area, colour);  // paints through even when cancelled
      },
      sceneKey);
  return 0;
}

void waitForPicture(GwDrawnButton& area) {
  for (int i = 0; i < 2000 && area.picture_pending(); ++i) {
    g_main_context_iteration(nullptr, FALSE);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

TEST_F(GwDrawnButtonTest, AnotherScenesPictureIsPaintedWholeNeverScrolled) {
  latchOpen = true;
  sceneColour = "#FF0000";
  sceneKey = 1;
  area_->set_wc_coords(0.0, 0.0, 40.0, 20.0);
  area_->add_callback(GwCB_EXPOSE, paintScene, 0, GwUD());
  snapshot();
  waitForPicture(*area_);
  ASSERT_EQ(pixel(snapshot(), 100, 50), 0xFF0000u);
  // A scroll by one pixel, but of another drawing: no red pixel may be moved into it.
  sceneColour = "#0000FF";
  sceneKey = 2;
  area_->set_position(1, 0);
  snapshot();
  waitForPicture(*area_);
  ASSERT_FALSE(area_->picture_pending());
  EXPECT_EQ(pixel(snapshot(), 100, 50), 0x0000FFu);
  sceneKey = 1;
}

TEST_F(GwDrawnButtonTest, AbandonedPictureNeverShowsAndTheNewestDoes) {
  latchOpen = false;
  sceneColour = "#FF0000";
  area_->set_wc_coords(0.0, 0.0, 40.0, 20.0);
  area_->add_callback(GwCB_EXPOSE, paintScene, 0, GwUD());
  EXPECT_EQ(pixel(snapshot(), 100, 50), 0xFFFFFFu);  // the red picture is still painting
  EXPECT_TRUE(area_->picture_pending());
  sceneColour = "#0000FF";
  area_->set_position(1, 0);  // the red one is obsolete now
  EXPECT_EQ(pixel(snapshot(), 100, 50), 0xFFFFFFu);
  EXPECT_EQ(exposeCount, 2);
  latchOpen = true;
  std::vector<unsigned> seen;
  for (int i = 0; i < 2000 && area_->picture_pending(); ++i) {
    g_main_context_iteration(nullptr, FALSE);
    seen.push_back(pixel(snapshot(), 100, 50));
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_FALSE(area_->picture_pending());
  EXPECT_EQ(pixel(snapshot(), 100, 50), 0x0000FFu);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), 0xFF0000u), 0);
}

TEST_F(GwDrawnButtonTest, SettlingAbandonsThePictureBeingPainted) {
  latchOpen = false;
  sceneColour = "#FF0000";
  area_->add_callback(GwCB_EXPOSE, paintScene, 0, GwUD());
  sceneStarted = false;
  snapshot();
  ASSERT_TRUE(area_->picture_pending());
  while (!sceneStarted) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  std::thread opener([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    latchOpen = true;
  });
  GwDrawnButton::settle_paints();
  // Back only once the scene (which waits for the latch) has ended.
  EXPECT_TRUE(latchOpen);
  opener.join();
  // The abandoned picture is not shown, even though it was painted to the end.
  for (int i = 0; i < 5; ++i) g_main_context_iteration(nullptr, FALSE);
  EXPECT_EQ(pixel(snapshot(), 100, 50), 0xFFFFFFu);
}

TEST_F(GwDrawnButtonTest, ClicksInsideTheCanvasGoToItAndOutsideToTheContainer) {
  area_->set_size(100, 50);
  area_->set_position(20, 10);
  area_->add_callback(GwCB_BUTTON, noteMouse, GwEVENT_PRESS | GwEVENT_RELEASE, GwUD());
  container_->add_callback(GwCB_BUTTON, noteMouse, GwEVENT_PRESS | GwEVENT_RELEASE, GwUD());
  press(30, 15, 1);
  press(150, 80, 3);
  EXPECT_EQ(mouse, (std::vector<std::string>{"DA_draw 10,5 4096 1", "DA_container 150,80 4096 3"}));
}

TEST_F(GwDrawnButtonTest, RubberRectangleIsDrawnOverTheKeptPictureAndGoesAgain) {
  area_->add_callback(GwCB_EXPOSE, paintRed, 0, GwUD());
  auto echo = std::make_unique<GwEcho>(container_);
  echo->start_rectangle({20, 20, 0, 0}, {20, 20}, 10);
  echo->show({120, 70});
  EXPECT_TRUE(echo->visible());
  const CairoSurfacePtr shown = snapshot();
  EXPECT_EQ(pixel(shown, 22, 20), 0x000000u);  // on the dashed top edge
  EXPECT_EQ(pixel(shown, 60, 45), 0xFFFFFFu);  // inside stays as painted
  echo->hide();
  const CairoSurfacePtr hidden = snapshot();
  EXPECT_EQ(pixel(hidden, 22, 20), 0xFFFFFFu);
  EXPECT_EQ(exposeCount, 1);  // the drawing itself was painted only once
}

}  // namespace
