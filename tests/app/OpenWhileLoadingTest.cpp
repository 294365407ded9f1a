// What the window does while a large drawing loads: another open, a failure, quitting.
#include <functional>
#include <string>

#include "CommandFrameTestSupport.h"
#include "app/RecentFiles.h"

namespace {

using testsupport::drawingText;
using testsupport::lineRecord;

class OpenWhileLoadingTest : public testsupport::CommandFrameTest {
 protected:
  // A drawing large enough that reading it outlasts a few progress marks.
  std::string largeDrawing() const {
    std::string lines;
    for (int i = 0; i < 100000; ++i) lines += lineRecord("0", i % 300, i / 300, i % 300 + 1, 0);
    return drawingText({"0"}, lines);
  }
  // Opens path as the launcher would, doing `meanwhile` once while it loads.
  void openWhile(const std::string& path, const std::function<void()>& meanwhile) {
    struct Once {
      const ViewerSession& session;
      std::function<void()> action;
      static gboolean tick(gpointer data) {
        auto* self = static_cast<Once*>(data);
        if (!self->session.window.loading) return G_SOURCE_CONTINUE;
        self->action();
        return G_SOURCE_REMOVE;
      }
    } once{session_, meanwhile};
    const guint timer = g_timeout_add(2, Once::tick, &once);
    openDrawingFile(session_, path);
    g_source_remove(timer);
  }
};

TEST_F(OpenWhileLoadingTest, AnotherOpenIsToldToWaitAndAFailureLeavesNoProgressMarks) {
  const std::string text = largeDrawing();
  const std::string cut = folder_.file("cut.dxf").string();
  testsupport::writeFile(cut, text.substr(0, text.rfind(" 21\n")));
  choose(folder_.file("other.dxf").string());
  std::string said;
  openWhile(cut, [&] {
    CB_open(frame_.get(), nullptr, session_.userData());
    said = child("EB_status")->text();
  });
  EXPECT_EQ(said, "A drawing is loading; open the next one when it is shown ");
  EXPECT_TRUE(requests.empty());
  ASSERT_EQ(messages.keys.size(), 1u);
  EXPECT_EQ(child("EB_status")->text(), "");
}

TEST_F(OpenWhileLoadingTest, QuittingWhileLoadingForgetsTheDrawing) {
  const std::string large = folder_.file("large.dxf").string();
  testsupport::writeFile(large, largeDrawing());
  openWhile(large, [&] { frame_->popdown(); });
  EXPECT_TRUE(recentFiles(*settings_).empty());
  EXPECT_EQ(session_.view.drawingShown, 0);
}

}  // namespace
