// View documents: the drawing of one standard view made into the document the views show.
#include "viewer/ViewDrawings.h"

#include "document/EntityCopy.h"
#include "viewer/ZoomGeometry.h"

namespace {

// A document with the layers and linetypes of `source` and no drawing objects.
std::unique_ptr<DXF_Zeichnung> withTablesOf(const DXF_Zeichnung& source) {
  auto view = std::make_unique<DXF_Zeichnung>();
  view->mergeLinetypes(source);
  view->mergeLayers(source);
  return view;
}

// Inserts the view's block once at the origin and sets the extents to what it shows.
std::unique_ptr<DXF_Zeichnung> finished(std::unique_ptr<DXF_Zeichnung> view, const char* viewName) {
  view->addInsert(viewName, "0", 0.0, 0.0, 0.0, 0.0, 1.0);
  WorldWindow shown;
  if (view->computeExtents()) shown = {view->minX(), view->minY(), view->maxX(), view->maxY()};
  const WorldWindow box = ZoomGeometry::withMinimalSize(ZoomGeometry::margins(shown));
  view->setExtents(box.minX, box.minY, box.maxX, box.maxY);
  return view;
}

// A block named `name` holding copies of the drawing's own objects, in their order.
std::unique_ptr<DXF_Block> gathered(const DXF_Zeichnung& drawing, const char* name) {
  auto block = std::make_unique<DXF_Block>(name);
  for (int i = 0; i < drawing.entities().count(); ++i) {
    block->entities().append(EntityCopy::of(*drawing.entities().at(i)));
  }
  for (int i = 0; i < drawing.polylines().count(); ++i) {
    block->polylines().append(std::make_unique<Polylinie>(*drawing.polylines().at(i)));
  }
  for (int i = 0; i < drawing.inserts().count(); ++i) {
    block->inserts().append(std::make_unique<DXF_Insert>(*drawing.inserts().at(i)));
  }
  for (int i = 0; i < drawing.dimensions().count(); ++i) {
    block->dimensions().append(std::make_unique<DXF_Bemassung>(*drawing.dimensions().at(i)));
  }
  block->keepDrawOrderOf(drawing.drawOrder());
  return block;
}

}  // namespace

std::unique_ptr<DXF_Zeichnung> viewFromBlock(const DXF_Zeichnung& source, const char* viewName) {
  if (!source.findBlock(viewName)) return nullptr;
  auto view = withTablesOf(source);
  view->copyBlockFrom(source, viewName);
  return finished(std::move(view), viewName);
}

std::unique_ptr<DXF_Zeichnung> viewFromDrawing(const DXF_Zeichnung& drawing, const char* viewName) {
  if (drawing.findBlock(viewName)) return viewFromBlock(drawing, viewName);
  auto view = withTablesOf(drawing);
  for (int i = 0; i < drawing.blocks().count(); ++i) {
    view->blocks().append(std::make_unique<DXF_Block>(*drawing.blocks().at(i)));
  }
  view->blocks().append(gathered(drawing, viewName));
  return finished(std::move(view), viewName);
}
