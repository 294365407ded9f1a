// dxftool render: paints a drawing into a PNG, SVG or PDF file as the viewer shows it.
#pragma once

#include <ostream>

#include "dxftool/CommandLine.h"
#include "dxftool/ViewFit.h"

class DXF_Zeichnung;

namespace dxftool {

class RenderCommand {
 public:
  // Reads request.input and paints it into request.output at request.width x height
  // pixels. Returns kExitOk (a drawing without extents gives a white picture and a note
  // on `err`), or kExitFailed after one sentence on `err`.
  static int run(const ToolRequest& request, std::ostream& err);

  // What the viewer does on opening: widens the document's extents by 5 % on each side
  // (through the document, as the open command does) and fits them into the picture.
  static FittedArea fitDrawing(DXF_Zeichnung& drawing, int width, int height);
};

}  // namespace dxftool
