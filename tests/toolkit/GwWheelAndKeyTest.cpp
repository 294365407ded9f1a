// Mouse wheel notches on the drawing area and key values of key events.
#include "toolkit/GwDrawnButton.h"

#include <memory>
#include <string>
#include <vector>

#include "toolkit/GwFrame.h"
#include "toolkit/GwRcMgr.h"
#include "support/GtkFrameTest.h"

namespace {

std::vector<std::string> seen;

int note(GwCore* widget, GwEvent* event, GwUD) {
  seen.push_back(widget->name() + " " + std::to_string(event->x) + "," + std::to_string(event->y) +
                 " " + std::to_string(event->button) + " " +
                 std::to_string(event->state & GwEVENT_WHEEL) + " " + std::to_string(event->key));
  return 1;
}

const char* const kWheelAndKeyBody = R"(
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

class GwWheelAndKeyTest : public testsupport::GtkFrameTest {
 protected:
  void SetUp() override {
    GtkTest::SetUp();
    if (HasFatalFailure()) return;
    seen.clear();
    loadFrame(kWheelAndKeyBody, "Frame");
    if (HasFatalFailure()) return;
    area_ = dynamic_cast<GwDrawnButton*>(frame_->frame_child("DA_draw"));
    container_ = frame_->frame_child("DA_container");
    ASSERT_NE(area_, nullptr);
    showFrame(area_);
    if (HasFatalFailure()) return;
    area_->set_size(100, 50);
    area_->set_position(20, 10);
    area_->add_callback(GwCB_WHEEL, note, GwEVENT_WHEEL, GwUD());
    container_->add_callback(GwCB_WHEEL, note, GwEVENT_WHEEL, GwUD());
  }

  void scroll(double x, double y, GdkScrollDirection direction, double deltaY = 0.0) {
    GdkEvent* event = gdk_event_new(GDK_SCROLL);
    event->scroll.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(area_->widget())));
    event->scroll.x = x;
    event->scroll.y = y;
    event->scroll.direction = direction;
    event->scroll.delta_y = deltaY;
    gdk_event_set_device(
        event, gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default())));
    gtk_widget_event(area_->widget(), event);
    gdk_event_free(event);
  }

  GwDrawnButton* area_ = nullptr;
  GwCore* container_ = nullptr;
};

TEST_F(GwWheelAndKeyTest, WheelNotchesGoToTheCanvasOrTheContainerLikeClicks) {
  scroll(30, 15, GDK_SCROLL_UP);
  scroll(150, 80, GDK_SCROLL_DOWN);
  EXPECT_EQ(seen,
            (std::vector<std::string>{"DA_draw 10,5 4 16384 0", "DA_container 150,80 5 16384 0"}));
}

TEST_F(GwWheelAndKeyTest, FineGrainedWheelMovementIsSummedIntoWholeNotches) {
  scroll(30, 15, GDK_SCROLL_SMOOTH, 0.4);
  EXPECT_TRUE(seen.empty());
  scroll(30, 15, GDK_SCROLL_SMOOTH, 0.7);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], "DA_draw 10,5 5 16384 0");
  scroll(30, 15, GDK_SCROLL_SMOOTH, -2.2);
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen.back(), "DA_draw 10,5 4 16384 0");
}

TEST_F(GwWheelAndKeyTest, KeyEventsCarryTheirKeyValue) {
  frame_->add_callback(GwAtom("key-press-event"), note, 0, GwUD());
  GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
  event->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(frame_->widget())));
  event->key.keyval = GDK_KEY_plus;
  event->key.state = GDK_SHIFT_MASK;
  gtk_widget_event(frame_->widget(), event);
  gdk_event_free(event);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], "Frame 0,0 0 0 " + std::to_string(GDK_KEY_plus));
}

}  // namespace
