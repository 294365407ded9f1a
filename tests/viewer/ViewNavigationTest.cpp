// The navigation of the view buttons: the cases users meet first, and the table as a whole
// checked against what turning a solid must do.
#include "viewer/ViewNavigation.h"

#include <deque>
#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "viewer/ViewState.h"
#include "ViewTesting.h"

namespace {

constexpr ViewDirection kDirections[] = {kTurnLeft, kTurnRight, kTurnBottom, kTurnTop, kTurnBack};
constexpr int kRotations[] = {0, 90, 180, 270};

std::vector<ViewTurn> allViews() {
  std::vector<ViewTurn> views;
  for (int type = kLeftView; type <= kBackView; ++type) {
    for (const int rotation : kRotations) views.push_back({type, rotation});
  }
  return views;
}

ViewDirection inverse(ViewDirection direction) {
  switch (direction) {
    case kTurnLeft: return kTurnRight;
    case kTurnRight: return kTurnLeft;
    case kTurnBottom: return kTurnTop;
    case kTurnTop: return kTurnBottom;
    default: return direction;  // turning to the back twice faces the front again
  }
}

ViewState stateAt(ViewTurn view, ViewTurn start = {kFrontView, 0}) {
  ViewState state;
  state.viewType = view.viewType;
  state.rotation = view.rotation;
  state.startViewType = start.viewType;
  state.startRotation = start.rotation;
  return state;
}

TEST(ViewNavigation, FromTheFrontViewEachButtonShowsThatSideUpright) {
  const std::pair<ViewDirection, ViewTurn> cases[] = {
      {kTurnLeft, {kLeftView, 0}}, {kTurnRight, {kRightView, 0}}, {kTurnBottom, {kBottomView, 0}},
      {kTurnTop, {kTopView, 0}},   {kTurnBack, {kBackView, 180}},
  };
  for (const auto& [direction, expected] : cases) {
    ViewState state = stateAt({kFrontView, 0});
    EXPECT_EQ(navigate(state, direction), expected) << direction;
    EXPECT_EQ(state.viewType, kFrontView);  // the rule itself does not move the state
    EXPECT_EQ(state.rotation, 0);
  }
}

TEST(ViewNavigation, UnknownRotationsViewsAndDirectionsLeadNowhere) {
  for (const ViewDirection direction : kDirections) {
    EXPECT_EQ(neighbourView(kLeftView, 45, direction), ViewTurn{}) << direction;
    EXPECT_EQ(neighbourView(kLeftView, 360, direction), ViewTurn{}) << direction;
    EXPECT_EQ(neighbourView(kLeftView, -90, direction), ViewTurn{}) << direction;
    EXPECT_EQ(neighbourView(kNoView, 0, direction), ViewTurn{}) << direction;
    EXPECT_EQ(neighbourView(9, 0, direction), ViewTurn{}) << direction;
    EXPECT_EQ(neighbourView(-1, 0, direction), ViewTurn{}) << direction;
  }
  for (const int direction : {0, 5, 7, 8, -1}) {  // 8: the cut view
    EXPECT_EQ(neighbourView(kFrontView, 0, direction), ViewTurn{}) << direction;
  }
  ViewState atSlant = stateAt({kLeftView, 45});
  EXPECT_EQ(navigate(atSlant, kTurnTop), ViewTurn{});
}

TEST(ViewNavigation, FromTheSheetsTheStartViewIsTakenFirst) {
  for (const int sheet : {kAllViews, kViewAll}) {
    ViewState state = stateAt({sheet, 0});
    EXPECT_EQ(navigate(state, kTurnTop), (ViewTurn{kTopView, 0}));
    EXPECT_EQ(state.viewType, kFrontView);
    EXPECT_EQ(state.rotation, 0);
  }
  // Another start view: its own row answers.
  ViewState state = stateAt({kAllViews, 0}, {kTopView, 90});
  EXPECT_EQ(navigate(state, kTurnLeft), neighbourView(kTopView, 90, kTurnLeft));
  EXPECT_EQ(state.viewType, kTopView);
  EXPECT_EQ(state.rotation, 90);
}

// Turning a solid one way and then back shows the same side, turned the same way.
TEST(ViewNavigation, EveryTurnIsUndoneByTheOppositeTurn) {
  for (const ViewTurn view : allViews()) {
    for (const ViewDirection direction : kDirections) {
      const ViewTurn there = neighbourView(view.viewType, view.rotation, direction);
      ASSERT_NE(there, ViewTurn{});
      EXPECT_EQ(neighbourView(there.viewType, there.rotation, inverse(direction)), view)
          << view.viewType << "/" << view.rotation << " direction " << direction;
    }
  }
}

// Four quarter turns about one axis (two half turns to the back) come round again.
TEST(ViewNavigation, TurningOneWayComesRoundToTheStart) {
  for (const ViewTurn view : allViews()) {
    for (const ViewDirection direction : kDirections) {
      ViewTurn at = view;
      const int steps = direction == kTurnBack ? 2 : 4;
      std::set<int> sides;
      for (int i = 0; i < steps; ++i) {
        at = neighbourView(at.viewType, at.rotation, direction);
        sides.insert(at.viewType);
      }
      EXPECT_EQ(at, view) << view.viewType << "/" << view.rotation << " direction " << direction;
      EXPECT_EQ(sides.size(), static_cast<std::size_t>(steps)) << "a side seen twice";
    }
  }
}

// A solid has 24 orientations: every side in every rotation is reachable from the front.
TEST(ViewNavigation, AllSixSidesInAllFourRotationsAreReachable) {
  std::set<std::pair<int, int>> seen{{kFrontView, 0}};
  std::deque<ViewTurn> open{{kFrontView, 0}};
  while (!open.empty()) {
    const ViewTurn at = open.front();
    open.pop_front();
    for (const ViewDirection direction : kDirections) {
      const ViewTurn next = neighbourView(at.viewType, at.rotation, direction);
      if (seen.insert({next.viewType, next.rotation}).second) open.push_back(next);
    }
  }
  EXPECT_EQ(seen.size(), 24u);
  for (const ViewTurn view : allViews()) {
    EXPECT_TRUE(seen.count({view.viewType, view.rotation}))
        << view.viewType << "/" << view.rotation;
  }
}

}  // namespace
