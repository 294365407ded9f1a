// The all-views sheet: the copy step, the arrangement of the six views around the start
// view, low-memory mode, views that are missing and loader failures.
#include "viewer/AllViewsSheet.h"

#include <map>

#include <gtest/gtest.h>

#include "viewer/ViewDrawings.h"
#include "viewer/ViewNavigation.h"
#include "ViewTesting.h"

namespace {

using namespace viewtesting;

// Where each view stands on the sheet: the box of its drawing as the sheet places it, by
// view type.
std::map<int, WorldWindow> placedViews(const DXF_Zeichnung& sheet) {
  std::map<int, WorldWindow> placed;
  const DXF_Block* views = sheet.findBlock(kSheetBlock);
  if (!views) return placed;
  for (int i = 0; i < views->inserts().count(); ++i) {
    const DXF_Insert& insert = *views->insertAt(i);
    DXF_Zeichnung alone;
    alone.copyBlockFrom(sheet, insert.blockName());
    alone.addInsert(insert.blockName(), "0", insert.x(), insert.y(), insert.z(), insert.rotation(),
                    insert.scale());
    alone.computeExtents();
    placed[insert.blockName()[6] - '0'] = extentsOf(alone);
  }
  return placed;
}

bool overlap(const WorldWindow& a, const WorldWindow& b) {
  return a.minX < b.maxX && b.minX < a.maxX && a.minY < b.maxY && b.minY < a.maxY;
}

TEST(AllViewsSheet, CopyStepTakesTablesBlockAndPlacementOfTheView) {
  Views views;
  ASSERT_EQ(loadView(views.workspace(), kLeftView, 90, "_VIEW_1"), 1);
  const DXF_Zeichnung& view = *views.documents.at(kLeftView);
  DXF_Zeichnung sheet;
  sheet.addBlock(kSheetBlock);
  copyViewOntoSheet(sheet, view, "_VIEW_1", 20000.0, -30.0);
  EXPECT_NE(sheet.findLayer("V1"), nullptr);
  EXPECT_EQ(sheet.linetypes().count(), view.linetypes().count());
  EXPECT_NE(sheet.findBlock("_VIEW_1"), nullptr);
  // The first view's box becomes the sheet's extents, even far from the origin.
  EXPECT_EQ(extentsOf(sheet), (WorldWindow{view.minX() + 20000.0, view.minY() - 30.0,
                                           view.maxX() + 20000.0, view.maxY() - 30.0}));
  const DXF_Insert& placed = *sheet.findBlock(kSheetBlock)->insertAt(0);
  EXPECT_STREQ(placed.blockName(), "_VIEW_1");
  EXPECT_STREQ(placed.layerName(), "0");
  EXPECT_EQ(placed.x(), 20000.0);
  EXPECT_EQ(placed.y(), -30.0);
  EXPECT_EQ(placed.rotation(), 90.0);  // shown as turned now
  // A second view widens the box; layers already there are not doubled.
  const int layers = sheet.layers().count();
  copyViewOntoSheet(sheet, view, "_VIEW_1", 0.0, 0.0);
  EXPECT_EQ(sheet.layers().count(), layers);
  EXPECT_EQ(sheet.minX(), view.minX());
  EXPECT_EQ(sheet.maxX(), view.maxX() + 20000.0);
}

TEST(AllViewsSheet, SixViewsStandAroundTheFrontViewInFirstAngleProjection) {
  Views views;
  ASSERT_TRUE(buildAllViewsSheet(views.workspace(), false));
  const DXF_Zeichnung* sheet = views.documents.at(kAllViews);
  ASSERT_NE(sheet, nullptr);
  ASSERT_EQ(sheet->inserts().count(), 1);
  EXPECT_STREQ(sheet->inserts().at(0)->blockName(), kSheetBlock);
  const std::map<int, WorldWindow> at = placedViews(*sheet);
  ASSERT_EQ(at.size(), 6u);
  const WorldWindow& front = at.at(kFrontView);
  // Seen from the left, the part is drawn on the right; and so on around the front.
  EXPECT_LT(at.at(kRightView).maxX, front.minX);
  EXPECT_GT(at.at(kLeftView).minX, front.maxX);
  EXPECT_GT(at.at(kBackView).minX, at.at(kLeftView).maxX);
  EXPECT_GT(at.at(kBottomView).minY, front.maxY);
  EXPECT_LT(at.at(kTopView).maxY, front.minY);
  for (const auto& [type, box] : at) {
    for (const auto& [other, otherBox] : at) {
      if (type < other) {
        EXPECT_FALSE(overlap(box, otherBox)) << type << " and " << other;
      }
    }
  }
  // Neighbours keep the room each view has around its drawing: 5 % of each width.
  const double frontWidth = front.maxX - front.minX;
  const WorldWindow& right = at.at(kRightView);
  EXPECT_NEAR(front.minX - right.maxX, 0.05 * (frontWidth + right.maxX - right.minX), 1e-9);
  // The sheet's extents hold every view with its room.
  for (const auto& [type, box] : at) {
    EXPECT_LT(sheet->minX(), box.minX);
    EXPECT_GT(sheet->maxX(), box.maxX);
    EXPECT_LT(sheet->minY(), box.minY);
    EXPECT_GT(sheet->maxY(), box.maxY);
  }
}

TEST(AllViewsSheet, EveryViewIsTurnedBackAndStaysLoaded) {
  Views views;
  ASSERT_TRUE(buildAllViewsSheet(views.workspace(), false));
  const DXF_Zeichnung& opened = *views.documents.at(kNoView);
  for (int type = kLeftView; type <= kBackView; ++type) {
    const DXF_Zeichnung* view = views.documents.at(type);
    ASSERT_NE(view, nullptr) << type;
    EXPECT_EQ(extentsOf(*view), extentsOf(*viewFromBlock(opened, ViewDocuments::viewName(type))))
        << type;
    EXPECT_EQ(view->inserts().at(0)->rotation(), 0.0) << type;
  }
}

TEST(AllViewsSheet, AnotherStartViewIsTheCentreTurnedAsItStarts) {
  Views views;
  views.state.startViewType = kTopView;
  views.state.startRotation = 90;
  ASSERT_TRUE(buildAllViewsSheet(views.workspace(), false));
  const DXF_Zeichnung& sheet = *views.documents.at(kAllViews);
  const DXF_Block& placed = *sheet.findBlock(kSheetBlock);
  ASSERT_EQ(placed.inserts().count(), 6);
  EXPECT_STREQ(placed.insertAt(0)->blockName(), "_VIEW_4");
  EXPECT_EQ(placed.insertAt(0)->rotation(), 90.0);
  const std::map<int, WorldWindow> at = placedViews(sheet);
  // Turning right from the top view turned a quarter: the front view, turned a quarter.
  const ViewTurn right = neighbourView(kTopView, 90, kTurnRight);
  EXPECT_LT(at.at(right.viewType).maxX, at.at(kTopView).minX);
}

TEST(AllViewsSheet, LowMemoryKeepsOnlyTheStartViewDocument) {
  Views views;
  ASSERT_TRUE(buildAllViewsSheet(views.workspace(), true));
  for (int type = kLeftView; type <= kBackView; ++type) {
    EXPECT_EQ(views.documents.at(type) != nullptr, type == kFrontView) << type;
  }
  EXPECT_EQ(placedViews(*views.documents.at(kAllViews)).size(), 6u);
}

TEST(AllViewsSheet, AViewWithoutADrawingIsLeftOut) {
  Views views(viewsDrawing({1, 2, 3, 5, 6}));
  ASSERT_TRUE(buildAllViewsSheet(views.workspace(), false));
  const std::map<int, WorldWindow> at = placedViews(*views.documents.at(kAllViews));
  EXPECT_EQ(at.size(), 5u);
  EXPECT_EQ(at.count(kTopView), 0u);
  // Without a start view drawing the others still stand round where it would be.
  Views noFront(viewsDrawing({1, 2}));
  ASSERT_TRUE(buildAllViewsSheet(noFront.workspace(), false));
  const std::map<int, WorldWindow> without = placedViews(*noFront.documents.at(kAllViews));
  ASSERT_EQ(without.size(), 2u);
  EXPECT_LT(without.at(kRightView).maxX, without.at(kLeftView).minX);
}

TEST(AllViewsSheet, AFailedLoadEndsTheSheetAndTurnsTheViewsBack) {
  testsupport::TempDir folder;
  Views views;
  views.registry.drawingDir = folder.path().c_str();
  ASSERT_TRUE(views.registry.addComponent(kBackView, 1, "missing", 0));
  EXPECT_FALSE(buildAllViewsSheet(views.workspace(), false));
  EXPECT_EQ(views.documents.at(kAllViews), nullptr);
  EXPECT_EQ(views.documents.at(kBackView), nullptr);
  EXPECT_EQ(views.documents.at(kBottomView), nullptr);  // never reached
  const DXF_Zeichnung& opened = *views.documents.at(kNoView);
  for (const int type : {kFrontView, kRightView, kLeftView}) {
    ASSERT_NE(views.documents.at(type), nullptr) << type;
    EXPECT_EQ(extentsOf(*views.documents.at(type)),
              extentsOf(*viewFromBlock(opened, ViewDocuments::viewName(type))))
        << type;
  }
}

TEST(AllViewsSheet, LowMemoryLetsGoOfTheViewsPlacedBeforeAFailure) {
  testsupport::TempDir folder;
  Views views;
  views.registry.drawingDir = folder.path().c_str();
  ASSERT_TRUE(views.registry.addComponent(kLeftView, 1, "missing", 0));
  EXPECT_FALSE(buildAllViewsSheet(views.workspace(), true));
  EXPECT_EQ(views.documents.at(kRightView), nullptr);
  EXPECT_EQ(views.documents.at(kLeftView), nullptr);
  EXPECT_NE(views.documents.at(kFrontView), nullptr);
  EXPECT_EQ(views.documents.at(kAllViews), nullptr);
}

}  // namespace
