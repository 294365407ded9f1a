// Reads the drawing a command works on and words every way that can fail.
#pragma once

#include <ostream>
#include <string>

#include "document/DXF_Zeichnung.h"
#include "dxftool/InputFile.h"

namespace dxftool {

// What became of one attempt to read a drawing.
struct LoadOutcome {
  DXF_Zeichnung* drawing = nullptr;      // never null after load; empty when not read
  InputKind kind = InputKind::Readable;  // what the path holds
  bool read = false;                     // readDXF was called
  int code = 0;                          // its result when it was called

  bool ok() const { return read && code >= 0; }
};

class DrawingLoader {
 public:
  // Examines the path and, unless nothing readable is there, reads it with readDXF into a
  // new drawing. A binary DXF is still handed to readDXF, which refuses it with its code.
  //
  // The drawing lives until the process ends and is then not freed object by object: the
  // system takes the memory back at once, which saves about a fifth of the time of a large
  // `info`. It stays reachable from a static pointer, so leak checkers do not report it.
  // Loading again frees the previous drawing.
  static LoadOutcome load(const std::string& path);

  // One sentence for a failed load, naming the path, the reader's code and its meaning;
  // empty when the load succeeded.
  static std::string problem(const std::string& path, const LoadOutcome& outcome);
};

// kExitOk when nothing of the blocks was left out; otherwise a note naming the input and
// what was left out goes to `err` and the result is kExitCut.
int noteCut(const PlacementCut& cut, const std::string& input, std::ostream& err);

}  // namespace dxftool
