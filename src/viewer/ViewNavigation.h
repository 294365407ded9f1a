// Which view, turned how far, a view button leads to from the view on screen.
#pragma once

#include "viewer/ViewTypes.h"

struct ViewState;

// The navigation table alone: the view and rotation that `direction` leads to from view
// type `viewType` (1 to 6) shown with `rotation`. Any other view type, a rotation other
// than 0, 90, 180 and 270, or a direction other than left, right, bottom, top and back
// gives {0, 0}.
ViewTurn neighbourView(int viewType, int rotation, int direction);

// The navigation rule: from the all-views sheet or "VIEW_ALL" (view types 7 and 8) the
// state first returns to its start view and rotation; then the table answers for the
// state's view and rotation. Only that return changes the state.
ViewTurn navigate(ViewState& state, int direction);
