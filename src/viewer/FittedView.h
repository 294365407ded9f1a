// The view a fit shows, as the painter's placement of the drawing area.
#pragma once

#include "toolkit/paint/ViewPicture.h"
#include "viewer/WorldWindow.h"

// The extents widened by the margin and fitted into the container, as the open command and
// a fit place the drawing area: what the painting benchmarks time and picture tests compare.
ViewPlacement fittedView(PixelSize container, const WorldWindow& extents);
