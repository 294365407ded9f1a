// dxftool print: the viewer's printed sheet of a drawing, written to a PDF file.
#pragma once

#include <ostream>

#include "dxftool/CommandLine.h"

namespace dxftool {

class PrintCommand {
 public:
  // The caption the viewer prints in the upper left corner.
  static constexpr const char* kCaption = "For information only";

  // Reads request.input as the viewer opens it (extents widened by 5 % on each side) and
  // prints its sheet through the printer context into request.output: frame with the
  // title (the input path, or request.title with a scale bar), caption, drawing, and the
  // viewer's logo as a picture (PNG: the picture library for SVG would cost more memory
  // than a large drawing's whole sheet).
  // Returns kExitOk, or kExitFailed after one sentence on `err`.
  static int run(const ToolRequest& request, std::ostream& err);
};

}  // namespace dxftool
