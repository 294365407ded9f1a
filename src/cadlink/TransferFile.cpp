// Building and copying the transfer file.
#include "cadlink/TransferFile.h"

#include <filesystem>
#include <system_error>

std::unique_ptr<DXF_Zeichnung> transferDocument(const DXF_Zeichnung& current, const char* viewName,
                                                PlacementCut* cut) {
  if (!current.findBlock(viewName)) return nullptr;
  auto document = std::make_unique<DXF_Zeichnung>();
  document->mergeLinetypes(current);
  document->mergeLayers(current);
  document->copyBlockFrom(current, viewName);
  document->addInsert(viewName, "0", 0.0, 0.0, 0.0, 0.0, 1.0);
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
