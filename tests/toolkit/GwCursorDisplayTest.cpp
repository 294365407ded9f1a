// The busy cursor reaches the display before the work it announces: long operations run
// without the main loop, so a cursor change left in the client's buffer would never show.
#include <functional>
#include <memory>

#include "toolkit/GwFrame.h"
#include "toolkit/GwRcMgr.h"
#include "toolkit/GwWaitObject.h"
#include "gui/GtkTestSupport.h"
#include "support/GtkFrameTest.h"
#include "gui/ResourceTestSupport.h"

// Last: Xlib's macros (None, Bool, Status) would clash with names in the headers above.
#include <gdk/gdkx.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace {

const char* const kCursorDisplayBody = R"(
  <object class="GwFrameWindow" id="Window">
    <property name="frame-class">application</property>
    <property name="default-width">300</property>
    <property name="default-height">200</property>
    <child>
      <object class="GtkDrawingArea" id="DA_draw">
        <property name="visible">True</property>
      </object>
    </child>
  </object>
)";

// A second connection to the X server: it sees the cursor the server shows, not the
// requests our own connection still holds.
class DisplayObserver {
 public:
  DisplayObserver() : display_(XOpenDisplay(nullptr)) {
    int event = 0;
    int error = 0;
    int major = 6;
    int minor = 0;
    fixes_ = display_ && XFixesQueryExtension(display_, &event, &error) &&
             XFixesQueryVersion(display_, &major, &minor);
  }
  ~DisplayObserver() {
    if (display_) XCloseDisplay(display_);
  }
  DisplayObserver(const DisplayObserver&) = delete;
  DisplayObserver& operator=(const DisplayObserver&) = delete;

  bool ready() const { return fixes_; }
  void pointTo(Window window, int x, int y) {
    XWarpPointer(display_, None, window, 0, 0, 0, 0, x, y);
    XSync(display_, False);
  }
  // Whether the pointer is over the top-level window, no other window above it there.
  bool pointsInto(Window window) {
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned int buttons = 0;
    return XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &x,
                         &y, &buttons) &&
           child == window;
  }
  // The serial of the cursor shown under the pointer; each cursor has its own.
  unsigned long shownCursor() {
    XFixesCursorImage* image = XFixesGetCursorImage(display_);
    const unsigned long serial = image ? image->cursor_serial : 0;
    if (image) XFree(image);
    return serial;
  }
  // Whether the shown cursor turns other than before (or, with turnsTo, that one) within
  // a generous time. Our own connection is left alone meanwhile: only what it has already
  // sent can arrive.
  bool changesFrom(unsigned long before) {
    return within([&](unsigned long shown) { return shown != before; });
  }
  bool turnsTo(unsigned long wanted) {
    return within([&](unsigned long shown) { return shown == wanted; });
  }

 private:
  template <typename Condition>
  bool within(Condition holds) {
    const gint64 end = g_get_monotonic_time() + 2 * G_USEC_PER_SEC;
    while (!holds(shownCursor())) {
      if (g_get_monotonic_time() > end) return false;
      g_usleep(2000);
    }
    return true;
  }

  Display* display_;
  bool fixes_ = false;
};

class GwCursorDisplayTest : public testsupport::GtkTest {
 protected:
  void SetUp() override {
    GtkTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(testsupport::useResource(folder_, kCursorDisplayBody, nullptr));
    frame_.reset(gw_def_mgr.load("Window", nullptr, 1));
    ASSERT_NE(frame_, nullptr);
    // Away from the corner where other tests' windows appear: the pointer must stay on ours.
    frame_->set_position(1200, 40);
    ASSERT_TRUE(testsupport::showAndWait(*frame_)) << "the frame did not come on the screen";
    ASSERT_TRUE(observer_.ready());
    GdkWindow* window = gtk_widget_get_window(frame_->widget());
    ASSERT_NE(window, nullptr);
    observer_.pointTo(GDK_WINDOW_XID(window), 50, 50);
    ASSERT_TRUE(testsupport::waitUntil([&] {
      return observer_.pointsInto(GDK_WINDOW_XID(window));
    })) << "another window covers ours";
  }

  testsupport::TempDir folder_;
  std::unique_ptr<GwFrame> frame_;
  DisplayObserver observer_;
};

TEST_F(GwCursorDisplayTest, CursorChangesAreOnTheDisplayBeforeTheCallReturns) {
  const std::function<void(GwFrame&)> changes[] = {
      [](GwFrame& frame) { frame.set_cursor(GwCURSOR_WAIT); },
      [](GwFrame& frame) { frame.set_cursor(GwCURSOR_ARROW); },
      [](GwFrame& frame) { frame.set_cursor(GwCURSOR_CROSS); },
      [](GwFrame& frame) { frame.set_cursor(GwCURSOR_ARROW); },
  };
  for (const auto& change : changes) {
    const unsigned long before = observer_.shownCursor();
    change(*frame_);
    // No main loop runs here, as none runs while a long operation works.
    EXPECT_TRUE(observer_.changesFrom(before)) << "change " << &change - changes;
  }
  const unsigned long idle = observer_.shownCursor();
  {
    GwWaitObject busy(1);
    EXPECT_TRUE(observer_.changesFrom(idle));
  }
  EXPECT_TRUE(observer_.turnsTo(idle));
}

}  // namespace
