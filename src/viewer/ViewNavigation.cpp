// Which view, turned how far, a view button leads to from the view on screen.
#include "viewer/ViewNavigation.h"

#include "viewer/ViewState.h"

namespace {

constexpr int kRotations = 4;   // 0, 90, 180, 270 degrees
constexpr int kDirections = 5;  // left, right, bottom, top, back

// For each view (1 to 6) and rotation, the view / rotation reached by turning left, right,
// to the bottom, to the top and to the back.
constexpr ViewTurn kTable[6][kRotations][kDirections] = {
    // left view
    {{{6, 0}, {5, 0}, {3, 270}, {4, 90}, {2, 180}},
     {{4, 180}, {3, 0}, {6, 90}, {5, 90}, {2, 90}},
     {{5, 180}, {6, 180}, {4, 270}, {3, 90}, {2, 0}},
     {{3, 180}, {4, 0}, {5, 270}, {6, 270}, {2, 270}}},
    // right view
    {{{5, 0}, {6, 0}, {3, 90}, {4, 270}, {1, 180}},
     {{4, 0}, {3, 180}, {5, 90}, {6, 90}, {1, 90}},
     {{6, 180}, {5, 180}, {4, 90}, {3, 270}, {1, 0}},
     {{3, 0}, {4, 180}, {6, 270}, {5, 270}, {1, 270}}},
    // bottom view
    {{{1, 90}, {2, 270}, {6, 180}, {5, 0}, {4, 0}},
     {{5, 90}, {6, 270}, {1, 180}, {2, 0}, {4, 270}},
     {{2, 90}, {1, 270}, {5, 180}, {6, 0}, {4, 180}},
     {{6, 90}, {5, 270}, {2, 180}, {1, 0}, {4, 90}}},
    // top view
    {{{1, 270}, {2, 90}, {5, 0}, {6, 180}, {3, 0}},
     {{6, 270}, {5, 90}, {1, 0}, {2, 180}, {3, 270}},
     {{2, 270}, {1, 90}, {6, 0}, {5, 180}, {3, 180}},
     {{5, 270}, {6, 90}, {2, 0}, {1, 180}, {3, 90}}},
    // front view
    {{{1, 0}, {2, 0}, {3, 0}, {4, 0}, {6, 180}},
     {{4, 90}, {3, 90}, {1, 90}, {2, 90}, {6, 90}},
     {{2, 180}, {1, 180}, {4, 180}, {3, 180}, {6, 0}},
     {{3, 270}, {4, 270}, {2, 270}, {1, 270}, {6, 270}}},
    // back view
    {{{2, 0}, {1, 0}, {3, 180}, {4, 180}, {5, 180}},
     {{4, 270}, {3, 270}, {2, 90}, {1, 90}, {5, 90}},
     {{1, 180}, {2, 180}, {4, 0}, {3, 0}, {5, 0}},
     {{3, 90}, {4, 90}, {1, 270}, {2, 270}, {5, 270}}},
};

// Column of a direction in the table, or -1.
int column(int direction) {
  switch (direction) {
    case kTurnLeft: return 0;
    case kTurnRight: return 1;
    case kTurnBottom: return 2;
    case kTurnTop: return 3;
    case kTurnBack: return 4;
    default: return -1;
  }
}

// Row of a rotation in the table, or -1.
int rotationRow(int rotation) {
  switch (rotation) {
    case 0: return 0;
    case 90: return 1;
    case 180: return 2;
    case 270: return 3;
    default: return -1;
  }
}

}  // namespace

ViewTurn neighbourView(int viewType, int rotation, int direction) {
  const int row = rotationRow(rotation);
  const int col = column(direction);
  if (!isStandardView(viewType) || row < 0 || col < 0) return {};
  return kTable[viewType - kLeftView][row][col];
}

ViewTurn navigate(ViewState& state, int direction) {
  if (state.viewType == kAllViews || state.viewType == kViewAll) {
    state.viewType = state.startViewType;
    state.rotation = state.startRotation;
  }
  return neighbourView(state.viewType, state.rotation, direction);
}
