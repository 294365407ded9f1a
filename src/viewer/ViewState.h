// The single record of what the drawing area shows and how the mouse acts on it.
#pragma once

#include <memory>

#include "toolkit/GwEcho.h"
#include "toolkit/GwWaitObject.h"
#include "viewer/WorldWindow.h"

// What the mouse drags in the drawing area.
enum class MouseMode {
  Measuring = 0,  // a line, measured in millimetres
  Zoom = 1,       // a rectangle that is zoomed to
};

// Part of the viewer's session, read and written on the GUI thread only.
// Drawing units are millimetres; pixel values are those of "DA_draw" and "DA_container".
struct ViewState {
  MouseMode mouseMode = MouseMode::Measuring;
  int activeButton = 0;       // mouse button that drives rubber bands
  double scale = 0.0;         // pixels of "DA_draw" per drawing unit
  double rubberStartX = 0.0;  // press point of the rubber band, container pixels
  double rubberStartY = 0.0;
  std::unique_ptr<GwEcho> rubberBand;  // the rubber band being dragged
  double zoomStep = 0.0;               // factor of one zoom step
  double viewMinX = 0.0;               // world window, drawing units
  double viewMaxX = 0.0;
  double viewMinY = 0.0;
  double viewMaxY = 0.0;
  int drawingShown = 0;   // 1 while a drawing is displayed
  int fitted = 0;         // set by every fit; the next redraw attaches the mouse handlers
  int wholeShown = 0;     // 1 from a fit or zoom back to the next zoom: a resize fits again
  int viewType = 0;       // 0 to 8: index of the current view document
  int rotation = 0;       // degrees the standard views have turned the current document
  int startViewType = 0;  // start view of the viewer interface
  int startRotation = 0;
  std::unique_ptr<GwWaitObject> busy;  // the busy cursor in force, if any
  // True while a view command runs: the events it lets through (status progress) must not
  // start another one while the view state and the documents disagree.
  bool viewCommandRunning = false;
  int panning = 0;         // 1 while the middle button drags the drawing area
  double panStartX = 0.0;  // press point of that drag, container pixels
  double panStartY = 0.0;
  int panStartAreaX = 0;  // position of the drawing area at that press
  int panStartAreaY = 0;

  WorldWindow window() const { return {viewMinX, viewMinY, viewMaxX, viewMaxY}; }
  void setWindow(const WorldWindow& window) {
    viewMinX = window.minX;
    viewMinY = window.minY;
    viewMaxX = window.maxX;
    viewMaxY = window.maxY;
  }
};
