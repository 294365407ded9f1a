// Layers for the objects of a drawing after the whole file is read.
#include "document/LayerCompletion.h"

#include "document/DXF_Zeichnung.h"

namespace {

// Calls fn(entityLists, polylineList, insertList, dimensionList) for the document and for
// every block.
template <class Fn>
void forEachObjectList(DXF_Zeichnung& document, Fn fn) {
  fn(document.entities(), document.polylines(), document.inserts(), document.dimensions());
  for (int i = 0; i < document.blocks().count(); ++i) {
    DXF_Block& block = *document.blocks().at(i);
    fn(block.entities(), block.polylines(), block.inserts(), block.dimensions());
  }
}

// True when the polyline's segments have no layer yet (a polyline keeps none itself).
bool withoutLayer(const Polylinie& polyline) {
  return polyline.segmentCount() > 0 && polyline.looks().layer() == nullptr;
}

}  // namespace

void LayerCompletion::ensureLayer(const char* name) {
  if (document_.findLayer(name)) return;
  auto layer = std::make_unique<Layer>(name);
  layer->setColourNumber("7");
  layer->setLinetypeName("CONTINUOUS");
  layer->deriveColourAndStyle();
  document_.layers().append(std::move(layer));
}

void LayerCompletion::complete(bool createLayers) {
  if (createLayers) {
    ensureLayer("0");
    forEachObjectList(document_, [this](EntityList& entities, PolylineList& polylines,
                                        InsertList& inserts, DimensionList& dimensions) {
      for (int i = 0; i < entities.count(); ++i) ensureLayer(entities.at(i)->layerName());
      for (int i = 0; i < polylines.count(); ++i) ensureLayer(polylines.at(i)->layerName());
      for (int i = 0; i < inserts.count(); ++i) ensureLayer(inserts.at(i)->layerName());
      for (int i = 0; i < dimensions.count(); ++i) ensureLayer(dimensions.at(i)->layerName());
    });
  }
  const LayerList& layers = document_.layers();
  forEachObjectList(document_, [&layers](EntityList& entities, PolylineList& polylines,
                                         InsertList& inserts, DimensionList& dimensions) {
    for (int i = 0; i < entities.count(); ++i) {
      DXFGeometrie& entity = *entities.at(i);
      if (entity.layer()) continue;
      if (const Layer* layer = firstLayerNamed(layers, entity.layerName())) {
        entity.assignLayer(layer);
      }
    }
    for (int i = 0; i < polylines.count(); ++i) {
      Polylinie& polyline = *polylines.at(i);
      if (!withoutLayer(polyline)) continue;
      if (const Layer* layer = firstLayerNamed(layers, polyline.layerName())) {
        polyline.assignLayer(layer);
      }
    }
    for (int i = 0; i < inserts.count(); ++i) {
      DXF_Insert& insert = *inserts.at(i);
      if (!insert.layer()) insert.assignLayer(firstLayerNamed(layers, insert.layerName()));
    }
    for (int i = 0; i < dimensions.count(); ++i) {
      DXF_Bemassung& dimension = *dimensions.at(i);
      if (!dimension.layer()) {
        dimension.assignLayer(firstLayerNamed(layers, dimension.layerName()));
      }
    }
  });
}
