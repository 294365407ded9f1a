// The view types of the view document table and the directions of the view buttons.
#pragma once

// Index of a document in the view document table.
enum ViewType : int {
  kNoView = 0,  // the opened drawing
  kLeftView = 1,
  kRightView = 2,
  kBottomView = 3,
  kTopView = 4,
  kFrontView = 5,
  kBackView = 6,
  kAllViews = 7,  // the six views on one sheet
  kViewAll = 8,   // the view named "VIEW_ALL"
};

// The six orthographic views of a component.
constexpr bool isStandardView(int viewType) {
  return viewType >= kLeftView && viewType <= kBackView;
}

// The way a view button turns the component, relative to the view on screen.
enum ViewDirection : int {
  kTurnLeft = 1,
  kTurnRight = 2,
  kTurnBottom = 3,
  kTurnTop = 4,
  kTurnBack = 6,
  kTurnCut = 8,  // the cut view, which is not offered
};

// A view type with the rotation, in degrees (0, 90, 180 or 270), it is shown with.
struct ViewTurn {
  int viewType = kNoView;
  int rotation = 0;

  friend bool operator==(const ViewTurn&, const ViewTurn&) = default;
};
