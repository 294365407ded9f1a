// Zoom limits and window resizing on the real main frame: which way a limit refuses, and
// a drawing that stays usable when its container changes size.
#include <functional>

#include "CommandFrameTestSupport.h"
#include "viewer/ViewArea.h"

namespace {

using testsupport::drawingText;
using testsupport::lineRecord;

class ZoomAndResizeTest : public testsupport::CommandFrameTest {
 protected:
  AreaState area() const { return ViewArea(session_).state(); }

  // Handles events until condition holds; false when it did not within a generous limit.
  static bool waitFor(const std::function<bool()>& condition) {
    const gint64 end = g_get_monotonic_time() + 5 * G_USEC_PER_SEC;
    while (!condition()) {
      if (g_get_monotonic_time() > end) return false;
      testsupport::pumpEvents();
      g_usleep(5000);
    }
    testsupport::pumpEvents();
    return true;
  }
  // Resizes the window by (dw, dh) and waits until the container has its new size.
  void resizeWindowBy(int dw, int dh) {
    const AreaState before = area();
    const GwDimension size = frame_->size();
    frame_->set_size(size.width + dw, size.height + dh);
    ASSERT_TRUE(waitFor([&] {
      const AreaState now = area();
      return now.containerWidth != before.containerWidth &&
             now.containerHeight != before.containerHeight;
    }));
  }
  void zoom(GwFunc command) { command(frame_.get(), nullptr, session_.userData()); }
};

TEST_F(ZoomAndResizeTest, SmallDrawingZoomsOutAndARefusedZoomInSaysSo) {
  // 2 x 1 units: the fit shows it at several hundred pixels per unit.
  openDrawing("washer.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 2, 1)));
  const AreaState fitted = area();
  zoom(CB_zoomm);
  EXPECT_TRUE(messages.keys.empty());
  EXPECT_EQ(area().width, fitted.width / 2);
  // Still above 100 pixels per unit: enlarging is what the limit refuses.
  zoom(CB_zoomp);
  EXPECT_EQ(messages.keys, std::vector<std::string>{"MsgBox_Zoom_zu_groß"});
  EXPECT_EQ(area().width, fitted.width / 2);
}

TEST_F(ZoomAndResizeTest, FittedDrawingStaysFittedWhenTheWindowGrowsAndShrinks) {
  openDrawing("plate.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 100, 50)));
  const DXF_Zeichnung& document = *session_.currentDocument();
  const WorldWindow extents{document.minX(), document.minY(), document.maxX(), document.maxY()};
  for (const auto& [dw, dh] : {std::pair{200, 120}, std::pair{-300, -200}}) {
    resizeWindowBy(dw, dh);
    const AreaState now = area();
    const AreaLayout fit = ZoomGeometry::fit(now.containerWidth, now.containerHeight, extents);
    EXPECT_EQ(now.width, fit.width) << dw;
    EXPECT_EQ(now.height, fit.height) << dw;
    EXPECT_EQ(now.x, fit.x) << dw;
    EXPECT_EQ(now.y, fit.y) << dw;
    EXPECT_DOUBLE_EQ(session_.view.scale, fit.scale) << dw;
  }
}

TEST_F(ZoomAndResizeTest, ZoomedDrawingKeepsItsPlaceAndTheScrollBarsFollowTheContainer) {
  openDrawing("plate.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 100, 50)));
  zoom(CB_zoomp);
  const AreaState zoomed = area();
  resizeWindowBy(200, 120);
  const AreaState now = area();
  EXPECT_EQ(now.width, zoomed.width);
  EXPECT_EQ(now.x, zoomed.x);
  const ScrollBarState horizontal =
      ScrollGeometry::bar(now.containerWidth, now.x, now.width, now.width);
  const ScrollBarState vertical =
      ScrollGeometry::bar(now.containerHeight, now.y, now.height, now.height);
  EXPECT_EQ(child("SB_hori")->is_shown(), horizontal.shown);
  EXPECT_EQ(child("SB_vert")->is_shown(), vertical.shown);
  EXPECT_NEAR(child("SB_hori")->scroll_value(), horizontal.value, 0.5);
  EXPECT_NEAR(child("SB_vert")->scroll_value(), vertical.value, 0.5);
}

}  // namespace
