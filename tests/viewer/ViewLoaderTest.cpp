// The view loader and view documents: where a view's drawing comes from, how it is turned,
// and that turning back and forth many times changes nothing.
#include "viewer/ViewLoader.h"

#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "viewer/ViewDrawings.h"
#include "viewer/ViewNavigation.h"
#include "ViewTesting.h"

namespace {

using namespace viewtesting;
using documenttesting::block;
using documenttesting::dxfFile;
using documenttesting::insert;
using documenttesting::layerEntry;
using documenttesting::line;

// The insert of the view's block in a view document.
const DXF_Insert& viewInsert(const DXF_Zeichnung& view, int viewType) {
  const DXF_Insert* insert = view.inserts().at(0);
  EXPECT_NE(insert, nullptr);
  EXPECT_STREQ(insert->blockName(), ViewDocuments::viewName(viewType));
  return *insert;
}

TEST(ViewDrawings, ABlockBecomesADocumentWithOneInsertItsTablesAndRoomAround) {
  const auto source = viewsDrawing();
  const auto view = viewFromBlock(*source, "_VIEW_3");
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->blocks().count(), 1);
  EXPECT_STREQ(view->blocks().at(0)->name(), "_VIEW_3");
  EXPECT_EQ(view->blocks().at(0)->entities().count(), 5);
  ASSERT_EQ(view->inserts().count(), 1);
  const DXF_Insert& placed = viewInsert(*view, 3);
  EXPECT_STREQ(placed.layerName(), "0");
  EXPECT_EQ(placed.x(), 0.0);
  EXPECT_EQ(placed.rotation(), 0.0);
  EXPECT_EQ(placed.scale(), 1.0);
  EXPECT_EQ(view->entities().count(), 0);  // the opened drawing's own line stays behind
  EXPECT_NE(view->findLayer("V3"), nullptr);
  EXPECT_EQ(view->layers().count(), source->layers().count());
  EXPECT_EQ(view->linetypes().count(), source->linetypes().count());
  // The rectangle 30 x 17 at (3, -3), widened by 5 % of its size on each side.
  EXPECT_NEAR(view->minX(), 3.0 - 1.5, 1e-12);
  EXPECT_NEAR(view->maxX(), 33.0 + 1.5, 1e-12);
  EXPECT_NEAR(view->minY(), -3.0 - 0.85, 1e-12);
  EXPECT_NEAR(view->maxY(), 14.0 + 0.85, 1e-12);
  EXPECT_EQ(viewFromBlock(*source, "_VIEW_7"), nullptr);
}

TEST(ViewDrawings, BlocksTheViewInsertsComeAlong) {
  const auto source = documenttesting::readOk(
      dxfFile("", block("BOLT", line(0, 0, 1, 0)) + block("_VIEW_5", insert("BOLT", 5, 5)) +
                      block("UNUSED", line(0, 0, 2, 0))));
  const auto view = viewFromBlock(*source, "_VIEW_5");
  ASSERT_NE(view, nullptr);
  EXPECT_NE(view->findBlock("BOLT"), nullptr);
  EXPECT_EQ(view->findBlock("UNUSED"), nullptr);
  EXPECT_NEAR(view->minX(), 5.0 - 0.05, 1e-12);
}

TEST(ViewDrawings, ADrawingWithoutTheBlockIsGatheredIntoIt) {
  const auto drawing = documenttesting::readOk(dxfFile(
      line(0, 0, 10, 0) + line(0, 0, 0, 20) + insert("B", 10, 20), block("B", line(0, 0, 1, 1))));
  const auto view = viewFromDrawing(*drawing, "_VIEW_2");
  const DXF_Block* gathered = view->findBlock("_VIEW_2");
  ASSERT_NE(gathered, nullptr);
  EXPECT_EQ(gathered->entities().count(), 2);
  EXPECT_EQ(gathered->inserts().count(), 1);
  EXPECT_NE(view->findBlock("B"), nullptr);
  EXPECT_EQ(view->entities().count(), 0);
  EXPECT_EQ(view->inserts().count(), 1);
  EXPECT_NEAR(view->maxX(), 11.0 + 0.55, 1e-12);
  EXPECT_NEAR(view->maxY(), 21.0 + 1.05, 1e-12);
  // One that has the block is taken from it.
  const auto fromBlock = viewFromDrawing(*viewsDrawing(), "_VIEW_2");
  EXPECT_EQ(fromBlock->blocks().count(), 1);
}

TEST(ViewDrawings, AnEmptyViewStillHasABoxToFit) {
  const auto source = documenttesting::readOk(dxfFile("", block("_VIEW_1", "")));
  const auto view = viewFromBlock(*source, "_VIEW_1");
  EXPECT_GT(view->maxX(), view->minX());
  EXPECT_GT(view->maxY(), view->minY());
}

TEST(ViewLoader, TakesTheViewFromTheOpenedDrawingAndTurnsIt) {
  Views views;
  ASSERT_EQ(loadView(views.workspace(), kBottomView, 90, "_VIEW_3"), 1);
  EXPECT_EQ(views.state.viewType, kBottomView);
  EXPECT_EQ(views.state.rotation, 90);
  const DXF_Zeichnung* view = views.documents.at(kBottomView);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(viewInsert(*view, kBottomView).rotation(), 90.0);
  // A quarter turn to the left: x becomes -y, y becomes x.
  const auto rest = viewFromBlock(*views.documents.at(kNoView), "_VIEW_3");
  EXPECT_EQ(extentsOf(*view),
            (WorldWindow{-rest->maxY(), rest->minX(), -rest->minY(), rest->maxX()}));
  // Loaded once: the next call turns the same document.
  turnBackCurrentView(views.workspace());
  EXPECT_EQ(extentsOf(*view), extentsOf(*rest));
  ASSERT_EQ(loadView(views.workspace(), kBottomView, 180, "_VIEW_3"), 1);
  EXPECT_EQ(views.documents.at(kBottomView), view);
}

TEST(ViewLoader, TheRegistryComesBeforeTheOpenedDrawing) {
  testsupport::TempDir folder;
  testsupport::writeFile(folder.file("bottom.dxf"),
                         dxfFile(line(0, 0, 7, 0) + line(0, 0, 0, 3) + line(1, 1, 2, 2)));
  Views views;
  views.registry.drawingDir = folder.path().c_str();
  ASSERT_TRUE(views.registry.addComponent(kBottomView, 4, "bottom", 0));
  ASSERT_EQ(loadView(views.workspace(), kBottomView, 0, "_VIEW_3"), 1);
  const DXF_Zeichnung* view = views.documents.at(kBottomView);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->findBlock("_VIEW_3")->entities().count(), 3);
  EXPECT_EQ(view->findLayer("V3"), nullptr);
  // Views the registry does not name still come from the opened drawing.
  ASSERT_EQ(loadView(views.workspace(), kTopView, 0, "_VIEW_4"), 1);
  EXPECT_NE(views.documents.at(kTopView)->findLayer("V4"), nullptr);
}

TEST(ViewLoader, AnUnreadableRegisteredFileFailsAndChangesNothing) {
  testsupport::TempDir folder;
  Views views;
  views.state.viewType = kFrontView;
  views.state.rotation = 180;
  views.registry.drawingDir = folder.path().c_str();
  ASSERT_TRUE(views.registry.addComponent(kLeftView, 1, "missing", 0));
  EXPECT_EQ(loadView(views.workspace(), kLeftView, 90, "_VIEW_1"), 0);
  EXPECT_EQ(views.documents.at(kLeftView), nullptr);
  EXPECT_EQ(views.state.viewType, kFrontView);
  EXPECT_EQ(views.state.rotation, 180);
  EXPECT_TRUE(hasViewDrawing(views.workspace(), kLeftView));  // it is named, just unreadable
}

TEST(ViewLoader, AViewNoSourceHasIsShownEmpty) {
  Views views(viewsDrawing({5}));
  EXPECT_EQ(loadView(views.workspace(), kBackView, 180, "_VIEW_6"), 1);
  EXPECT_EQ(views.documents.at(kBackView), nullptr);
  EXPECT_EQ(views.state.viewType, kBackView);
  EXPECT_EQ(views.state.rotation, 180);
}

TEST(ViewLoader, OnlyTheSixViewsAreLoaded) {
  Views views;
  for (const int type : {0, 7, 8, 9, -1}) {
    EXPECT_EQ(loadView(views.workspace(), type, 0, ViewDocuments::viewName(type)), 0) << type;
    EXPECT_EQ(views.state.viewType, kNoView);
  }
}

TEST(ViewLoader, WhichViewsHaveADrawing) {
  Views views(viewsDrawing({2, 5}));
  for (int type = -1; type <= 9; ++type) {
    EXPECT_EQ(hasViewDrawing(views.workspace(), type), type == 2 || type == 5) << type;
  }
  Views nothingOpened(nullptr);
  EXPECT_FALSE(hasViewDrawing(nothingOpened.workspace(), kFrontView));
  nothingOpened.registry.addComponent(kFrontView, 1, "front", 0);
  EXPECT_TRUE(hasViewDrawing(nothingOpened.workspace(), kFrontView));
}

TEST(ViewLoader, ForgettingTheViewsKeepsOnlyTheOpenedDrawingUnturned) {
  Views views;
  const DXF_Zeichnung* opened = views.documents.at(kNoView);
  for (int type = kLeftView; type < ViewDocuments::kSlots; ++type) {
    views.documents.replace(type, std::make_unique<DXF_Zeichnung>());
  }
  views.state.viewType = kTopView;
  views.state.rotation = 270;
  forgetViews(views.workspace());
  EXPECT_EQ(views.documents.at(kNoView), opened);
  for (int type = kLeftView; type < ViewDocuments::kSlots; ++type) {
    EXPECT_EQ(views.documents.at(type), nullptr) << type;
  }
  EXPECT_EQ(views.state.viewType, kNoView);
  EXPECT_EQ(views.state.rotation, 0);
}

TEST(ViewLoader, ReturningToAViewTurnsItAsBefore) {
  Views views;
  ASSERT_EQ(loadView(views.workspace(), kTopView, 270, "_VIEW_4"), 1);
  const WorldWindow shown = extentsOf(*views.documents.at(kTopView));
  turnBackCurrentView(views.workspace());
  views.state.viewType = kLeftView;
  returnToView(views.workspace(), {kTopView, 270});
  EXPECT_EQ(views.state.viewType, kTopView);
  EXPECT_EQ(views.state.rotation, 270);
  EXPECT_EQ(extentsOf(*views.documents.at(kTopView)), shown);
}

// Stepping around the views as the view buttons do: each step turns the view on screen
// back and the next one to its rotation. After a long walk every view is as it was read.
TEST(ViewLoader, AFewThousandStepsLeaveEveryViewExactlyAsRead) {
  Views views;
  const ViewDirection directions[] = {kTurnLeft, kTurnRight, kTurnBottom, kTurnTop, kTurnBack};
  std::mt19937 random(14);
  ASSERT_EQ(loadView(views.workspace(), kFrontView, 0, "_VIEW_5"), 1);
  for (int step = 0; step < 3000; ++step) {
    turnBackCurrentView(views.workspace());
    const ViewTurn next = navigate(views.state, directions[random() % 5]);
    ASSERT_EQ(loadView(views.workspace(), next.viewType, next.rotation,
                       ViewDocuments::viewName(next.viewType)),
              1);
  }
  EXPECT_NE(views.state.rotation, 0);  // the walk ended on a turned view
  turnBackCurrentView(views.workspace());
  for (int type = kLeftView; type <= kBackView; ++type) {
    const DXF_Zeichnung* view = views.documents.at(type);
    ASSERT_NE(view, nullptr) << type;
    const auto rest = viewFromBlock(*views.documents.at(kNoView), ViewDocuments::viewName(type));
    EXPECT_EQ(extentsOf(*view), extentsOf(*rest)) << type;
    const DXF_Insert& placed = viewInsert(*view, type);
    EXPECT_EQ(placed.x(), 0.0) << type;
    EXPECT_EQ(placed.y(), 0.0) << type;
    EXPECT_EQ(placed.rotation(), 0.0) << type;
  }
}

}  // namespace
