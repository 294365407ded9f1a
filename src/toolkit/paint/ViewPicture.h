// Paints the visible part of a drawing area's canvas into an image, on all painting threads.
#pragma once

#include <cairo.h>

#include <atomic>
#include <functional>

#include "entities/DrawingArea.h"

// Where the canvas lies and what world it shows, as a drawing area describes it.
struct ViewPlacement {
  PixelSize container;     // the visible part: the picture's size
  PixelSize area;          // the canvas, up to 32000 pixels a side
  PixelPosition position;  // the canvas corner in the container (negative when scrolled)
  bool hasWorld = false;
  double worldX1 = 0.0;  // world rectangle, the smaller corner first
  double worldY1 = 0.0;
  double worldX2 = 0.0;
  double worldY2 = 0.0;
};

// Paints what the scene draws into its area, stopping early once `cancelled` is set. Must
// be safe to call on several threads at once, each with an area of its own.
using ScenePainter = std::function<void(DrawingArea& area, const std::atomic<bool>& cancelled)>;

// Paints the desk, the white canvas and the scene into `target`, whose top-left pixel is
// the container's, in bands on the painting threads. False when Cairo failed.
bool paintViewPicture(cairo_surface_t* target, const ViewPlacement& view, const ScenePainter& scene,
                      const std::atomic<bool>& cancelled);

// True when `after` shows the same canvas and world as `before`, only scrolled.
bool isScrollOf(const ViewPlacement& before, const ViewPlacement& after);

// Paints `after` into `target` (an image the size of the container) from `previous`, the
// picture of `before` (an image of the same size and format): the pixels still in view
// are moved, and only the strips that scrolled into view are painted. Paints everything
// when `after` is no scroll of `before` or the images do not fit together. False when
// Cairo failed.
bool scrollViewPicture(cairo_surface_t* target, cairo_surface_t* previous,
                       const ViewPlacement& before, const ViewPlacement& after,
                       const ScenePainter& scene, const std::atomic<bool>& cancelled);
