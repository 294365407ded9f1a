// Building and copying the transfer file.
#include "cadlink/TransferFile.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

// The insert that places the view's block in the drawing on screen; a turned view is
// turned there, not in its block. Null when nothing places the block.
const DXF_Insert* viewInsert(const DXF_Zeichnung& current, const char* viewName) {
  for (int i = current.inserts().count() - 1; i >= 0; --i) {
    const DXF_Insert* insert = current.inserts().at(i);
    if (std::strcmp(insert->blockName(), viewName) == 0) return insert;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<DXF_Zeichnung> transferDocument(const DXF_Zeichnung& current, const char* viewName,
                                                PlacementCut* cut) {
  if (!current.findBlock(viewName)) return nullptr;
  auto document = std::make_unique<DXF_Zeichnung>();
  document->mergeLinetypes(current);
  document->mergeLayers(current);
  document->copyBlockFrom(current, viewName);
  // Placed as on screen, so the CAD program gets the view the user sees.
  if (const DXF_Insert* shown = viewInsert(current, viewName)) {
    document->addInsert(viewName, "0", shown->x(), shown->y(), shown->z(), shown->rotation(),
                        shown->scale());
  } else {
    document->addInsert(viewName, "0", 0.0, 0.0, 0.0, 0.0, 1.0);
  }
  document->growExtents(current.minX(), current.minY(), current.maxX(), current.maxY());
  const PlacementCut exploded = document->explodeAll();
  if (cut) *cut = exploded;
  return document;
}

bool copyTransferFile(const std::string& source, const std::string& target) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::copy_file(source, target, fs::copy_options::overwrite_existing, error) || error) {
    return false;
  }
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                  error);
  return !error;
}
