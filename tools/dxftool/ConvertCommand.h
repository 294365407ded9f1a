// dxftool convert: reads a drawing and writes it again as a DXF release 12 file.
#pragma once

#include <ostream>

#include "dxftool/CommandLine.h"

namespace dxftool {

class ConvertCommand {
 public:
  // Reads request.input, explodes it when asked, writes request.output. Returns kExitOk,
  // or kExitFailed after one sentence on `err`.
  static int run(const ToolRequest& request, std::ostream& err);
};

}  // namespace dxftool
