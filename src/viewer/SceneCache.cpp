// The indexed drawing of the document on screen.
#include "viewer/SceneCache.h"

#include "document/DXF_Zeichnung.h"
#include "document/IndexedDrawing.h"

std::shared_ptr<const IndexedDrawing> SceneCache::of(const DXF_Zeichnung& document) {
  if (!drawing_ || document_ != &document || revision_ != document.revision()) {
    drawing_ = std::make_shared<const IndexedDrawing>(document);
    document_ = &document;
    revision_ = document.revision();
  }
  return drawing_;
}

void SceneCache::clear() {
  drawing_.reset();
  document_ = nullptr;
  revision_ = 0;
}

void SceneCache::adopt(std::shared_ptr<const IndexedDrawing> drawing) {
  if (!drawing) return;
  document_ = &drawing->document();
  revision_ = document_->revision();
  drawing_ = std::move(drawing);
}
