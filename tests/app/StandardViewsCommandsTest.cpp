// The view commands on the real dialog frame, with the views sample opened: what they
// show, hide and fit, the all-views sheet built once, low-memory mode, and what opening
// another drawing does to the views.
#include "viewer/StandardViews.h"

#include <cstdint>
#include <optional>
#include <utility>

#include <glib.h>

#include "CommandFrameTestSupport.h"
#include "document/DXF_Zeichnung.h"
#include "interface/DXF_Interface.h"
#include "platform/MessagePump.h"
#include "viewer/LowMemory.h"
#include "viewer/ViewTypes.h"
#include "viewer/WorldWindow.h"

namespace {

using testsupport::drawingText;
using testsupport::lineRecord;

constexpr const char* kViewButtons[] = {"PB_left",  "PB_right", "PB_top", "PB_bottom",
                                        "PB_front", "PB_back",  "PB_all"};
constexpr const char* kTransfer[] = {"MI_ACAD", "MI_ACAD_sep", "PB_acad"};

std::optional<std::uint64_t> fiveMiB() { return std::uint64_t{5} << 20; }
std::optional<std::uint64_t> oneGiB() { return std::uint64_t{1} << 30; }

class StandardViewsCommandsTest : public testsupport::CommandFrameTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testsupport::gtkReady()) << "no X display: the view commands need a window";
    CommandFrameTest::SetUp();
    if (IsSkipped()) return;
    setMemoryReading(oneGiB);
    session_.view.startViewType = kFrontView;  // as the window takes it from the interface
    choose(testsupport::dataPath("views/bracket_views.dxf").string());
    CB_open(frame_.get(), nullptr, session_.userData());
    ASSERT_NE(session_.documents.at(0), nullptr);
  }
  void TearDown() override {
    setMemoryReading(nullptr);
    session_.window.viewerInterface = nullptr;
    CommandFrameTest::TearDown();
  }
  int run(int (*command)(GwCore*, GwEvent*, GwUD)) {
    return command(nullptr, nullptr, session_.userData());
  }
  ViewTurn current() const { return {session_.view.viewType, session_.view.rotation}; }
  WorldWindow currentExtents() const {
    const DXF_Zeichnung* document = session_.currentDocument();
    return document
               ? WorldWindow{document->minX(), document->minY(), document->maxX(), document->maxY()}
               : WorldWindow{};
  }
  void expectWorldWindowIsTheCurrentView() const {
    const WorldWindow extents = currentExtents();
    EXPECT_EQ(session_.view.viewMinX, extents.minX);
    EXPECT_EQ(session_.view.viewMinY, extents.minY);
    EXPECT_EQ(session_.view.viewMaxX, extents.maxX);
    EXPECT_EQ(session_.view.viewMaxY, extents.maxY);
  }
};

TEST_F(StandardViewsCommandsTest, OpeningADrawingWithViewsOffersTheFrontViewOnly) {
  EXPECT_TRUE(shown("PB_front"));
  for (const char* name : kViewButtons) {
    if (std::string(name) != "PB_front") {
      EXPECT_FALSE(shown(name)) << name;
    }
  }
  EXPECT_FALSE(shown("PB_cut"));
  EXPECT_FALSE(child("MI_cut")->is_shown());
  // A drawing without views does not offer them, and the views of the one before go,
  // turned or not.
  run(CB_ViewFront);
  run(CB_ViewLeft);
  run(CB_ViewTop);
  ASSERT_NE(current().rotation, 0);
  openDrawing("plain.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 10, 10)));
  EXPECT_FALSE(shown("PB_front"));
  EXPECT_EQ(current(), (ViewTurn{kNoView, 0}));
  for (int type = 1; type < ViewDocuments::kSlots; ++type) {
    EXPECT_EQ(session_.documents.at(type), nullptr) << type;
  }
}

TEST_F(StandardViewsCommandsTest, FrontViewShowsTheViewButtonsAndFitsTheView) {
  for (const char* name : kTransfer) child(name)->hide();
  EXPECT_EQ(run(CB_ViewFront), 1);
  EXPECT_EQ(current(), (ViewTurn{kFrontView, 0}));
  for (const char* name : kViewButtons) EXPECT_TRUE(shown(name)) << name;
  for (const char* name : kTransfer) EXPECT_TRUE(shown(name)) << name;
  EXPECT_FALSE(shown("PB_cut"));
  EXPECT_TRUE(child("PB_Zurueck")->is_sensitive());
  EXPECT_EQ(session_.view.drawingShown, 1);
  EXPECT_EQ(session_.view.fitted, 1);
  ASSERT_NE(session_.documents.at(kFrontView), nullptr);
  expectWorldWindowIsTheCurrentView();
  EXPECT_EQ(child("EB_status")->text(), "");
  EXPECT_TRUE(messages.keys.empty());
}

TEST_F(StandardViewsCommandsTest, NeighbourViewsTurnAndTheViewLeftIsTurnedBack) {
  run(CB_ViewFront);
  run(CB_ViewLeft);
  EXPECT_EQ(current(), (ViewTurn{kLeftView, 0}));
  const WorldWindow leftAtRest = currentExtents();
  run(CB_ViewTop);
  EXPECT_EQ(current().viewType, kTopView);
  EXPECT_NE(current().rotation, 0);  // tipped over from the side: the top is turned
  expectWorldWindowIsTheCurrentView();
  const DXF_Zeichnung* left = session_.documents.at(kLeftView);
  EXPECT_EQ(left->minX(), leftAtRest.minX);
  EXPECT_EQ(left->maxY(), leftAtRest.maxY);
  // The top view's box is the drawing's box turned: width and height swap.
  const DXF_Zeichnung* top = session_.documents.at(kTopView);
  EXPECT_NEAR(top->maxX() - top->minX(), 40.0 * 1.1, 1e-9);
  EXPECT_NEAR(top->maxY() - top->minY(), 60.0 * 1.1, 1e-9);
  run(CB_ViewBack);
  EXPECT_EQ(current().viewType, kBottomView);
  run(CB_ViewRight);
  run(CB_ViewBottom);
  run(CB_ViewFront);
  EXPECT_EQ(current(), (ViewTurn{kFrontView, 0}));
  EXPECT_TRUE(messages.keys.empty());
}

TEST_F(StandardViewsCommandsTest, ATurnFromTheOpenedDrawingLeadsNowhereAndChangesNothing) {
  const WorldWindow opened = currentExtents();
  run(CB_ViewLeft);
  EXPECT_EQ(current(), (ViewTurn{kNoView, 0}));
  EXPECT_EQ(currentExtents().minX, opened.minX);
  EXPECT_EQ(currentExtents().maxY, opened.maxY);
  EXPECT_TRUE(messages.keys.empty());
}

TEST_F(StandardViewsCommandsTest, AllViewsSheetIsBuiltOnceAndTheButtonsTurnFromTheStartView) {
  run(CB_ViewFront);
  run(CB_ViewRight);
  child("EB_text")->set_text("bracket_views.dxf");
  EXPECT_EQ(run(CB_ViewAll), 1);
  EXPECT_EQ(current(), (ViewTurn{kAllViews, 0}));
  const DXF_Zeichnung* sheet = session_.documents.at(kAllViews);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->findBlock("_VIEW_7")->inserts().count(), 6);
  EXPECT_EQ(child("EB_text")->text(), "");
  expectWorldWindowIsTheCurrentView();
  for (int type = kLeftView; type <= kBackView; ++type) {
    EXPECT_NE(session_.documents.at(type), nullptr) << type;
  }

  run(CB_ViewTop);
  EXPECT_EQ(current(), (ViewTurn{kTopView, 0}));
  run(CB_ViewAll);
  EXPECT_EQ(session_.documents.at(kAllViews), sheet);
  EXPECT_EQ(sheet->findBlock("_VIEW_7")->inserts().count(), 6);
  EXPECT_EQ(current(), (ViewTurn{kAllViews, 0}));
}

TEST_F(StandardViewsCommandsTest, ViewClicksQueuedWhileTheSheetIsBuiltDoNotTurnTheViews) {
  const auto turnToTop = [this] {
    for (auto command : {CB_ViewFront, CB_ViewLeft, CB_ViewTop}) run(command);
    return std::make_pair(current(), currentExtents().minX);
  };
  const auto top = turnToTop();
  // Clicks waiting while the sheet's status progress lets events through.
  GwUD userData = session_.userData();
  g_idle_add(
      [](gpointer data) {
        for (auto command : {CB_ViewLeft, CB_ViewAll})
          command(nullptr, nullptr, *static_cast<GwUD*>(data));
        return G_SOURCE_REMOVE;
      },
      &userData);
  run(CB_ViewAll);
  pumpMessages();
  EXPECT_EQ(current(), (ViewTurn{kAllViews, 0}));
  EXPECT_EQ(turnToTop(), top);
}

TEST_F(StandardViewsCommandsTest, InLowMemoryTheSheetKeepsOnlyTheStartView) {
  setMemoryReading(fiveMiB);
  run(CB_ViewFront);
  run(CB_ViewAll);
  ASSERT_NE(session_.documents.at(kAllViews), nullptr);
  for (int type = kLeftView; type <= kBackView; ++type) {
    EXPECT_EQ(session_.documents.at(type) != nullptr, type == kFrontView) << type;
  }
  // A view let go is read again when the buttons turn to it.
  run(CB_ViewLeft);
  EXPECT_EQ(current(), (ViewTurn{kLeftView, 0}));
  EXPECT_NE(session_.documents.at(kLeftView), nullptr);
}

TEST_F(StandardViewsCommandsTest, AViewTheHostRegisteredIsOfferedAndShown) {
  testsupport::writeFile(folder_.file("front.dxf"),
                         drawingText({"0"}, lineRecord("0", 0, 0, 80, 20)));
  DXF_Interface host;
  host.drawingDir = folder_.path().c_str();
  ASSERT_TRUE(host.addComponent(kFrontView, 1, "front", 0));
  session_.window.viewerInterface = &host;
  openDrawing("plain.dxf", drawingText({"0"}, lineRecord("0", 0, 0, 10, 10)));
  EXPECT_TRUE(shown("PB_front"));
  run(CB_ViewFront);
  session_.window.viewerInterface = nullptr;
  EXPECT_EQ(current(), (ViewTurn{kFrontView, 0}));
  const DXF_Zeichnung* front = session_.documents.at(kFrontView);
  ASSERT_NE(front, nullptr);
  EXPECT_NEAR(front->maxX() - front->minX(), 80.0 * 1.1, 1e-9);
  EXPECT_TRUE(shown("PB_left"));
  EXPECT_TRUE(messages.keys.empty());
}

TEST_F(StandardViewsCommandsTest, AnUnreadableRegisteredViewIsToldAndTheViewStays) {
  DXF_Interface host;
  host.drawingDir = folder_.path().c_str();
  ASSERT_TRUE(host.addComponent(kLeftView, 1, "missing", 0));
  run(CB_ViewFront);
  session_.window.viewerInterface = &host;
  run(CB_ViewLeft);
  session_.window.viewerInterface = nullptr;
  EXPECT_EQ(current(), (ViewTurn{kFrontView, 0}));
  ASSERT_EQ(messages.keys.size(), 1u);
  EXPECT_EQ(messages.keys[0], "MsgBox_Kann_nicht_anzeigen");
}

TEST_F(StandardViewsCommandsTest, ViewsOfADrawingShownWithoutCommandsOfferNoTransfer) {
  // "0" admits the views sample as the alternative layer too: shown without the commands.
  settings_->setValue("DXFViewer", "MassblLayer", "0");
  CB_open(frame_.get(), nullptr, session_.userData());
  for (auto* command : {CB_ViewFront, CB_ViewLeft, CB_ViewTop}) {
    run(command);
    for (const char* name : kTransfer) EXPECT_FALSE(shown(name)) << name;
  }
}

TEST_F(StandardViewsCommandsTest, CutViewDoesNothing) {
  run(CB_ViewFront);
  run(CB_ViewTop);
  const ViewTurn before = current();
  const WorldWindow extents = currentExtents();
  EXPECT_EQ(run(CB_ViewCut), 1);
  EXPECT_EQ(current(), before);
  EXPECT_EQ(currentExtents().minX, extents.minX);
  EXPECT_EQ(currentExtents().maxY, extents.maxY);
}

}  // namespace
