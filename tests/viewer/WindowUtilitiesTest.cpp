// Busy cursor, status line, progress bullets and message frames of the main window.
#include "viewer/WindowUtilities.h"

#include "interface/DXF_Interface.h"
#include "toolkit/GwWaitObject.h"
#include "ViewerTestFrame.h"

namespace {

class WindowUtilitiesTest : public testsupport::ViewerFrameTest {
 protected:
  std::string status() { return frame_->frame_child("EB_status")->text(); }
};

TEST_F(WindowUtilitiesTest, StatusLineTakesTextsAndTheDrawingTitle) {
  statusSet(session_, "Reading");
  EXPECT_EQ(status(), "Reading");
  statusClear(session_);
  EXPECT_EQ(status(), "");
  DXF_Interface viewer;
  viewer.drawingTitle = "Flansch DN 50";
  session_.window.viewerInterface = &viewer;
  statusTitle(session_);
  EXPECT_EQ(status(), "Flansch DN 50");
  session_.window.viewerInterface = nullptr;
  statusTitle(session_);
  EXPECT_EQ(status(), "");
}

TEST_F(WindowUtilitiesTest, ProgressStartsAgainWithOneBulletWhenTheLineIsFull) {
  statusClear(session_);
  std::string previous;
  bool restarted = false;
  for (int step = 0; step < 200 && !restarted; ++step) {
    statusProgress(session_);
    const std::string now = status();
    restarted = now.size() < previous.size();
    previous = now;
  }
  EXPECT_TRUE(restarted);
  EXPECT_EQ(previous, "\x95");
}

TEST_F(WindowUtilitiesTest, BusyCursorLastsFromBeginToEnd) {
  busyBegin(session_);
  busyBegin(session_);
  EXPECT_TRUE(GwWaitObject::active());
  busyEnd(session_);
  EXPECT_FALSE(GwWaitObject::active());
  busyEnd(session_);
  EXPECT_FALSE(GwWaitObject::active());
}

TEST_F(WindowUtilitiesTest, MessageEndsTheBusyCursorAndRunsTheFrameModally) {
  busyBegin(session_);
  g_idle_add(
      [](gpointer) {
        GList* windows = gtk_window_list_toplevels();
        for (GList* item = windows; item; item = item->next) {
          if (GTK_IS_MESSAGE_DIALOG(item->data) && gtk_widget_get_visible(GTK_WIDGET(item->data))) {
            EXPECT_FALSE(GwWaitObject::active());
            gtk_dialog_response(GTK_DIALOG(item->data), GTK_RESPONSE_OK);
          }
        }
        g_list_free(windows);
        return G_SOURCE_REMOVE;
      },
      nullptr);
  showMessage(session_, "MsgBox_Test");
  EXPECT_FALSE(GwWaitObject::active());
}

TEST_F(WindowUtilitiesTest, UnknownMessageKeyShowsNothing) {
  showMessage(session_, "MsgBox_Nowhere");
  EXPECT_EQ(session_.child("MsgBox_Nowhere"), nullptr);
}

TEST(WindowUtilitiesWithoutFrame, HelpersDoNothingWithoutAMainFrame) {
  ViewerSession session;
  EXPECT_EQ(session.child("EB_status"), nullptr);
  statusSet(session, "ignored");
  statusProgress(session);
  EXPECT_EQ(session.child("EB_status"), nullptr);
}

}  // namespace
