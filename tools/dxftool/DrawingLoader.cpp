// Reads the drawing a command works on and words every way that can fail.
#include "dxftool/DrawingLoader.h"

#include "dxftool/ResultCodes.h"

namespace dxftool {

LoadOutcome DrawingLoader::load(const std::string& path) {
  static DXF_Zeichnung* current = nullptr;
  delete current;
  current = new DXF_Zeichnung();

  LoadOutcome outcome;
  outcome.drawing = current;
  outcome.kind = InputFile::examine(path);
  if (outcome.kind != InputKind::Readable && outcome.kind != InputKind::BinaryDxf) {
    return outcome;
  }
  outcome.read = true;
  outcome.code = current->readDXF(path);
  return outcome;
}

std::string DrawingLoader::problem(const std::string& path, const LoadOutcome& outcome) {
  if (outcome.ok()) return {};
  // Binary files are read like ASCII ones; what stops them is the reader's result.
  if (outcome.kind != InputKind::Readable && outcome.kind != InputKind::BinaryDxf) {
    return InputFile::problem(path, outcome.kind);
  }
  return "Cannot read " + path + ": result " + std::to_string(outcome.code) + ", " +
         ResultCodes::readMeaning(outcome.code) + ".";
}

}  // namespace dxftool
