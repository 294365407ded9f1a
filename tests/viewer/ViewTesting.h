// Helpers of the standard view tests: drawings that carry views, a workspace of their own,
// and where a view landed on the all-views sheet.
#pragma once

#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>

#include "TestSupport.h"
#include "document/DocumentTesting.h"
#include "interface/DXF_Interface.h"
#include "viewer/ViewDocuments.h"
#include "viewer/ViewLoader.h"
#include "viewer/ViewState.h"
#include "viewer/ViewTypes.h"
#include "viewer/WorldWindow.h"

inline void PrintTo(const ViewTurn& view, std::ostream* out) {
  *out << view.viewType << "/" << view.rotation;
}

inline bool operator==(const WorldWindow& a, const WorldWindow& b) {
  return a.minX == b.minX && a.minY == b.minY && a.maxX == b.maxX && a.maxY == b.maxY;
}

inline std::ostream& operator<<(std::ostream& out, const WorldWindow& box) {
  return out << "(" << box.minX << ", " << box.minY << ") to (" << box.maxX << ", " << box.maxY
             << ")";
}

namespace viewtesting {

// The drawing of view n: a rectangle 10n wide and 5n + 2 high with its lower left corner
// at (n, -n), and a diagonal, so that turns and mirrors show, on layer "V<n>".
inline std::string viewBody(int n) {
  using documenttesting::line;
  const double x = n;
  const double y = -n;
  const double w = 10.0 * n;
  const double h = 5.0 * n + 2.0;
  const std::string layer = "V" + std::to_string(n);
  return line(x, y, x + w, y, layer) + line(x + w, y, x + w, y + h, layer) +
         line(x + w, y + h, x, y + h, layer) + line(x, y + h, x, y, layer) +
         line(x, y, x + w, y + h, layer);
}

// The rectangle of view n.
inline WorldWindow viewRectangle(int n) { return {1.0 * n, -1.0 * n, 11.0 * n, 4.0 * n + 2.0}; }

// A drawing with the blocks "_VIEW_n" of the given views, a layer per view, and a line
// of its own.
inline std::string viewsDrawingText(std::initializer_list<int> views = {1, 2, 3, 4, 5, 6}) {
  using namespace documenttesting;
  std::string blocks;
  std::string layers = layerEntry("0", 7);
  for (const int n : views) {
    blocks += block(ViewDocuments::viewName(n), viewBody(n));
    layers += layerEntry("V" + std::to_string(n), n);
  }
  return dxfFile(line(0, 0, 1, 1), blocks, layers);
}

inline std::unique_ptr<DXF_Zeichnung> viewsDrawing(std::initializer_list<int> views = {1, 2, 3, 4,
                                                                                       5, 6}) {
  return documenttesting::readOk(viewsDrawingText(views));
}

// A view state, table and registry of a test's own; the opened drawing in slot 0.
struct Views {
  explicit Views(std::unique_ptr<DXF_Zeichnung> opened = viewsDrawing()) {
    documents.replace(kNoView, std::move(opened));
    state.startViewType = kFrontView;
    state.startRotation = 0;
  }
  ViewWorkspace workspace() { return {state, documents, &registry}; }

  ViewState state;
  ViewDocuments documents;
  DXF_Interface registry;
};

inline WorldWindow extentsOf(const DXF_Zeichnung& document) {
  return {document.minX(), document.minY(), document.maxX(), document.maxY()};
}

}  // namespace viewtesting
