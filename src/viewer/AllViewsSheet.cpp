// The all-views sheet: the six views of a component around the start view, arranged in
// first-angle projection, in one document (view type 7).
#include "viewer/AllViewsSheet.h"

#include <cstring>
#include <memory>
#include <vector>

#include "document/DXF_Zeichnung.h"
#include "viewer/ViewDocuments.h"
#include "viewer/ViewLoader.h"
#include "viewer/ViewNavigation.h"
#include "viewer/ViewState.h"
#include "viewer/WorldWindow.h"

namespace {

// Where a view goes relative to the start view S.
enum class Place {
  LeftOfStart,  // right edge on S's left edge
  RightInRow,   // left edge on the right edge of the row right of S
  Above,        // bottom edge on S's top edge
  Below,        // top edge on S's bottom edge
};

struct SheetStep {
  bool fromStart;  // turn from the start view, not from the view placed before
  ViewDirection direction;
  Place place;
};

// Right, left, back (left of the left view), bottom and top view.
constexpr SheetStep kSteps[] = {
    {true, kTurnRight, Place::LeftOfStart}, {true, kTurnLeft, Place::RightInRow},
    {false, kTurnLeft, Place::RightInRow},  {true, kTurnBottom, Place::Above},
    {true, kTurnTop, Place::Below},
};

WorldWindow extentsOf(const DXF_Zeichnung* document) {
  if (!document) return {};
  return {document->minX(), document->minY(), document->maxX(), document->maxY()};
}

// The last insert of block `name` in the document, or null.
const DXF_Insert* insertOf(const DXF_Zeichnung& document, const char* name) {
  for (int i = document.inserts().count() - 1; i >= 0; --i) {
    const DXF_Insert* insert = document.inserts().at(i);
    if (std::strcmp(insert->blockName(), name) == 0) return insert;
  }
  return nullptr;
}

class SheetBuilder {
 public:
  SheetBuilder(const ViewWorkspace& workspace, bool lowMemory)
      : workspace_(workspace),
        lowMemory_(lowMemory),
        start_{workspace.state.startViewType, workspace.state.startRotation} {}

  bool build() {
    auto sheet = std::make_unique<DXF_Zeichnung>();
    sheet->addBlock(kSheetBlock);
    sheet->addInsert(kSheetBlock, "0", 0.0, 0.0, 0.0, 0.0, 1.0);
    workspace_.documents.replace(kAllViews, std::move(sheet));
    bool ok = load(start_);
    const WorldWindow start = extentsOf(workspace_.documents.at(start_.viewType));
    if (ok) copy(start_, 0.0, 0.0);
    double rowRight = start.maxX;
    for (const SheetStep& step : kSteps) {
      if (!ok) break;
      if (step.fromStart) {
        workspace_.state.viewType = start_.viewType;
        workspace_.state.rotation = start_.rotation;
      }
      const ViewTurn turn = navigate(workspace_.state, step.direction);
      ok = load(turn);
      if (const DXF_Zeichnung* view = ok ? workspace_.documents.at(turn.viewType) : nullptr) {
        const WorldWindow box = extentsOf(view);
        double dx = 0.0;
        double dy = 0.0;
        switch (step.place) {
          case Place::LeftOfStart: dx = start.minX - box.maxX; break;
          case Place::RightInRow:
            dx = rowRight - box.minX;
            rowRight = box.maxX + dx;
            break;
          case Place::Above: dy = start.maxY - box.minY; break;
          case Place::Below: dy = start.minY - box.maxY; break;
        }
        copy(turn, dx, dy);
      }
      if (lowMemory_ && isStandardView(turn.viewType) && turn.viewType != start_.viewType) {
        workspace_.documents.replace(turn.viewType, nullptr);
      }
    }
    for (const ViewTurn& turn : turned_) {
      turnDocument(workspace_.documents.at(turn.viewType), -turn.rotation);
    }
    if (!ok) workspace_.documents.replace(kAllViews, nullptr);
    return ok;
  }

 private:
  bool load(ViewTurn turn) {
    if (!loadView(workspace_, turn.viewType, turn.rotation,
                  ViewDocuments::viewName(turn.viewType))) {
      return false;
    }
    turned_.push_back(turn);
    return true;
  }

  void copy(ViewTurn turn, double dx, double dy) {
    const DXF_Zeichnung* view = workspace_.documents.at(turn.viewType);
    DXF_Zeichnung* sheet = workspace_.documents.at(kAllViews);
    if (view && sheet) {
      copyViewOntoSheet(*sheet, *view, ViewDocuments::viewName(turn.viewType), dx, dy);
    }
  }

  const ViewWorkspace& workspace_;
  const bool lowMemory_;
  const ViewTurn start_;
  std::vector<ViewTurn> turned_;  // views the loader turned, to be turned back
};

}  // namespace

void copyViewOntoSheet(DXF_Zeichnung& sheet, const DXF_Zeichnung& view, const char* viewName,
                       double dx, double dy) {
  sheet.mergeLinetypes(view);
  sheet.mergeLayers(view);
  sheet.copyBlockFrom(view, viewName);
  const double x1 = view.minX() + dx;
  const double y1 = view.minY() + dy;
  const double x2 = view.maxX() + dx;
  const double y2 = view.maxY() + dy;
  const bool sheetEmpty = sheet.maxX() < sheet.minX() || sheet.maxY() < sheet.minY();
  if (sheetEmpty) {
    sheet.setExtents(x1, y1, x2, y2);
  } else {
    sheet.growExtents(x1, y1, x2, y2);
  }
  DXF_Block* block = sheet.findBlock(kSheetBlock);
  if (!block) return;
  const DXF_Insert* own = insertOf(view, viewName);
  const DXF_Insert placement = own ? *own : DXF_Insert(viewName, "0", 0, 0, 0, 0, 1.0);
  block->addInsert(viewName, "0", placement.x() + dx, placement.y() + dy, placement.z(),
                   placement.rotation(), placement.scale());
}

bool buildAllViewsSheet(const ViewWorkspace& workspace, bool lowMemory) {
  return SheetBuilder(workspace, lowMemory).build();
}
