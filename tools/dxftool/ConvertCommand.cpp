// dxftool convert: reads a drawing and writes it again as a DXF release 12 file.
#include "dxftool/ConvertCommand.h"

#include "document/DXF_Zeichnung.h"
#include "dxftool/DrawingLoader.h"
#include "dxftool/ResultCodes.h"

namespace dxftool {

int ConvertCommand::run(const ToolRequest& request, std::ostream& err) {
  const LoadOutcome outcome = DrawingLoader::load(request.input);
  DXF_Zeichnung& drawing = *outcome.drawing;
  if (!outcome.ok()) {
    err << "dxftool: " << DrawingLoader::problem(request.input, outcome) << '\n';
    return kExitFailed;
  }
  const PlacementCut cut = request.explode ? drawing.explodeAll() : PlacementCut{};
  WriteReport report;
  const int code = drawing.writeDXF(request.output, &report);
  if (code < 0) {
    err << "dxftool: Cannot write " << request.output << ": result " << code << ", "
        << ResultCodes::writeMeaning(code);
    if (!report.reason.empty()) err << " (" << report.reason << ")";
    err << ".\n";
    return kExitFailed;
  }
  const int status = noteCut(cut, request.input, err);
  if (report.leftOut == 0) return status;
  err << "dxftool: " << request.input << ": " << report.leftOut
      << " object(s) with a value that is not a number were left out of " << request.output
      << ".\n";
  return kExitCut;
}

}  // namespace dxftool
