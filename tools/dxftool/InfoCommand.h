// dxftool info: a JSON summary of what a drawing holds after reading.
#pragma once

#include <ostream>

#include "dxftool/CommandLine.h"

class DXF_Zeichnung;

namespace dxftool {

class InfoCommand {
 public:
  // Reads request.input and prints the summary on `out`, problems on `err`. Returns
  // kExitOk, kExitFailed (reader failed; the JSON carries its code) or kExitUsage (the
  // path holds nothing that can be opened; no JSON).
  static int run(const ToolRequest& request, std::ostream& out, std::ostream& err);

  // The summary of a document as one line of JSON: file, reader code, extents, linetype
  // scale, counts, then layers and blocks in list order. Drawing texts are Windows-1252
  // and come out as UTF-8.
  static void writeSummary(const DXF_Zeichnung& drawing, const std::string& file, int code,
                           std::ostream& out);
};

}  // namespace dxftool
