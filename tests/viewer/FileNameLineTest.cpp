// The file-name line: the opened drawing, or the text of the control under the pointer.
#include "viewer/FileNameLine.h"

#include "ViewerTestFrame.h"

namespace {

class FileNameLineTest : public testsupport::ViewerFrameTest {};

TEST_F(FileNameLineTest, ShowsTheOpenedDrawingOrThePointedControl) {
  session_.window.openedFile = "/data/Flansch.dxf";
  GwCore* button = frame_->frame_child("PB_zoomp");
  EXPECT_EQ(CB_move_out(button, nullptr, session_.userData()), 1);
  EXPECT_EQ(frame_->frame_child("EB_text")->text(), "Zoom in");
  // The tooltip holds the whole text, which the line may show cut.
  EXPECT_EQ(frame_->frame_child("EB_text")->help_text(), "Zoom in");
  EXPECT_EQ(CB_move(button, nullptr, session_.userData()), 1);
  EXPECT_EQ(frame_->frame_child("EB_text")->text(), "/data/Flansch.dxf");
  EXPECT_EQ(frame_->frame_child("EB_text")->help_text(), "/data/Flansch.dxf");
}

}  // namespace
