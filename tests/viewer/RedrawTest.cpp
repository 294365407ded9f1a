// The redraw road: handlers attached once per fit, the current view document painted.
#include "viewer/Redraw.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "viewer/MouseHandlers.h"
#include "ViewerTestFrame.h"
#include "support/RecordingCanvas.h"
#include "toolkit/paint/PaintHandle.h"

namespace {

int registrations(GwCore* widget, GwAtom atom, GwFunc handler) {
  const auto& list = widget->callback_list();
  return static_cast<int>(std::count_if(list.begin(), list.end(), [&](const GwCallback& c) {
    return c.atom == atom && c.handler == handler;
  }));
}

class RedrawTest : public testsupport::ViewerFrameTest {
 protected:
  void paint() {
    recorder_.log.clear();
    area_->paint_with(recorder_);
  }
  testsupport::RecordingDrawingArea recorder_;
};

TEST_F(RedrawTest, AfterAFitTheMouseHandlersAreAttachedOnceAndZoomingIsEnabled) {
  area_->add_callback(GwCB_EXPOSE, redrawHandler, 0, session_.userData());
  session_.view.fitted = 1;
  paint();
  EXPECT_EQ(session_.view.fitted, 0);
  for (GwCore* widget : {static_cast<GwCore*>(area_), container_}) {
    EXPECT_EQ(registrations(widget, GwCB_BUTTON, buttonHandler), 1);
    EXPECT_EQ(registrations(widget, GwCB_MOUSEMOVE, motionHandler), 1);
  }
  for (const char* name : {"PB_zoomp", "PB_zoomm", "PB_zoomb", "MI_Zoom"}) {
    EXPECT_TRUE(frame_->frame_child(name)->is_sensitive()) << name;
  }

  // The next fit attaches them again, still once each.
  session_.view.fitted = 1;
  paint();
  EXPECT_EQ(registrations(area_, GwCB_BUTTON, buttonHandler), 1);
  EXPECT_EQ(registrations(container_, GwCB_MOUSEMOVE, motionHandler), 1);
}

TEST_F(RedrawTest, WithoutAFitNoHandlerIsAttached) {
  area_->add_callback(GwCB_EXPOSE, redrawHandler, 0, session_.userData());
  paint();
  EXPECT_FALSE(area_->has_callback(GwCB_BUTTON));
  EXPECT_FALSE(container_->has_callback(GwCB_MOUSEMOVE));
  EXPECT_FALSE(frame_->frame_child("PB_zoomp")->is_sensitive());
}

TEST_F(RedrawTest, PaintsTheCurrentViewDocumentAndPutsItselfBack) {
  session_.documents.replace(0, oneLineDocument());
  area_->add_callback(GwCB_EXPOSE, redrawHandler, 0, session_.userData());
  paint();
  ASSERT_EQ(recorder_.log.count("wc_line"), 1);
  EXPECT_EQ(recorder_.log.named("wc_line")[0].str(), "wc_line 10 20 30 40");
  EXPECT_EQ(registrations(area_, GwCB_EXPOSE, redrawHandler), 1);
  EXPECT_EQ(frame_->cursor(), GwCURSOR_ARROW);

  // Another view type has no document: nothing is painted.
  session_.view.viewType = 3;
  paint();
  EXPECT_EQ(recorder_.log.count("wc_line"), 0);
}

TEST_F(RedrawTest, ViewMenuIsShownOnlyForViewsOtherThanTheOpenedDrawing) {
  area_->add_callback(GwCB_EXPOSE, redrawHandler, 0, session_.userData());
  paint();
  EXPECT_FALSE(frame_->frame_child("MI_Ansicht")->is_shown());
  session_.view.viewType = 5;
  paint();
  EXPECT_TRUE(frame_->frame_child("MI_Ansicht")->is_shown());
}

TEST_F(RedrawTest, RealRepaintOfTheWindowRunsTheRedraw) {
  session_.documents.replace(0, oneLineDocument());
  area_->set_wc_coords(0.0, 0.0, 40.0, 40.0);
  area_->add_callback(GwCB_EXPOSE, redrawHandler, 0, session_.userData());
  session_.view.fitted = 1;
  EXPECT_TRUE(testsupport::waitUntil([&] { return session_.view.fitted == 0; }));
  EXPECT_TRUE(area_->has_callback(GwCB_BUTTON));
}

// A picture abandoned for another document's is still painted for a while: the document it
// shows must not change or go until it has ended, whichever document was painted last.
TEST_F(RedrawTest, DocumentOfAnAbandonedPictureOutlivesItsPainting) {
  auto large = std::make_unique<DXF_Zeichnung>();
  for (int i = 0; i < 20000; ++i) {
    large->entities().append(std::make_unique<Linie>(i % 200, i / 200, i % 200 + 5.0, i / 200));
  }
  session_.documents.replace(0, std::move(large));
  session_.documents.replace(1, oneLineDocument());
  area_->set_wc_coords(0.0, 0.0, 200.0, 100.0);
  area_->add_callback(GwCB_EXPOSE, redrawHandler, 0, session_.userData());
  const CairoSurfacePtr screen(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 200, 100));
  const CairoPtr cr(cairo_create(screen.get()));
  gtk_widget_draw(area_->widget(), cr.get());
  ASSERT_TRUE(area_->picture_pending());
  std::this_thread::sleep_for(std::chrono::milliseconds(20));  // the large one is painting
  session_.view.viewType = 1;
  area_->clear_window();
  gtk_widget_draw(area_->widget(), cr.get());
  session_.documents.replace(0, nullptr);
  EXPECT_TRUE(testsupport::waitUntil([&] { return !area_->picture_pending(); }));
}

}  // namespace
