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
  statusSet("Reading");
  EXPECT_EQ(status(), "Reading");
  statusClear();
  EXPECT_EQ(status(), "");
  DXF_Interface viewer;
  viewer.drawingTitle = "Flansch DN 50";
  mainWindow().viewerInterface = &viewer;
  statusTitle();
  EXPECT_EQ(status(), "Flansch DN 50");
  mainWindow().viewerInterface = nullptr;
  statusTitle();
  EXPECT_EQ(status(), "");
}

TEST_F(WindowUtilitiesTest, ProgressStartsAgainWithOneBulletWhenTheLineIsFull) {
  statusClear();
  std::string previous;
  bool restarted = false;
  for (int step = 0; step < 200 && !restarted; ++step) {
    statusProgress();
    const std::string now = status();
    restarted = now.size() < previous.size();
    previous = now;
  }
  EXPECT_TRUE(restarted);
  EXPECT_EQ(previous, "\x95");
}

TEST_F(WindowUtilitiesTest, BusyCursorLastsFromBeginToEnd) {
  busyBegin();
  busyBegin();
  EXPECT_TRUE(GwWaitObject::active());
  busyEnd();
  EXPECT_FALSE(GwWaitObject::active());
  busyEnd();
  EXPECT_FALSE(GwWaitObject::active());
}

TEST_F(WindowUtilitiesTest, MessageEndsTheBusyCursorAndRunsTheFrameModally) {
  busyBegin();
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
  showMessage("MsgBox_Test");
  EXPECT_FALSE(GwWaitObject::active());
}

TEST_F(WindowUtilitiesTest, UnknownMessageKeyShowsNothing) {
  showMessage("MsgBox_Nowhere");
  EXPECT_EQ(mainChild("MsgBox_Nowhere"), nullptr);
}

TEST(WindowUtilitiesWithoutFrame, HelpersDoNothingWithoutAMainFrame) {
  mainWindow().frame = nullptr;
  EXPECT_EQ(mainChild("EB_status"), nullptr);
  statusSet("ignored");
  statusProgress();
}

}  // namespace
