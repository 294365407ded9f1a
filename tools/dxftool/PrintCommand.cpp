// dxftool print: the viewer's printed sheet of a drawing, written to a PDF file.
#include "dxftool/PrintCommand.h"

#include "document/DXF_Zeichnung.h"
#include "document/PrintSheet.h"
#include "document/SheetGeometry.h"
#include "settings/Cp1252.h"
#include "dxftool/DrawingLoader.h"
#include "dxftool/ViewFit.h"
#include "toolkit/paint/PrinterContext.h"

namespace dxftool {

int PrintCommand::run(const ToolRequest& request, std::ostream& err) {
  const std::optional<PaperSize> paper = PrintPage::paperNamed(request.paper);
  if (!paper) {
    err << "dxftool: The paper must be A4, A3 or Letter.\n";
    return kExitFailed;
  }
  const LoadOutcome outcome = DrawingLoader::load(request.input);
  if (!outcome.ok()) {
    err << "dxftool: " << DrawingLoader::problem(request.input, outcome) << '\n';
    return kExitFailed;
  }
  DXF_Zeichnung& drawing = *outcome.drawing;
  const WorldBox wide =
      ViewFit::widened({drawing.minX(), drawing.minY(), drawing.maxX(), drawing.maxY()});
  drawing.growExtents(wide.minX, wide.minY, wide.maxX, wide.maxY);

  const SheetExtents window =
      SheetGeometry::printWindow({drawing.minX(), drawing.minY(), drawing.maxX(), drawing.maxY()});
  const double width = window.maxX - window.minX;
  const double height = window.maxY - window.minY;
  PageOrientation orientation = PrintPage::orientationFor(width, height);
  if (request.orientation == "landscape") orientation = PageOrientation::Landscape;
  if (request.orientation == "portrait") orientation = PageOrientation::Portrait;

  const SheetTexts texts{utf8ToCp1252(request.title), utf8ToCp1252(request.input), kCaption, false,
                         DXFV_RESOURCE_DIR "/dxflogo.png"};
  PrinterContext printer(request.output, *paper, orientation);
  printer.lock(0);
  printer.dialog();
  const int printed = printer.print_one_page(
      "Screen", width, height, [&](DeviceContext& dc) { printSheet(drawing, dc, texts); });
  printer.unlock();
  if (!printed) {
    err << "dxftool: " << printer.error() << '\n';
    return kExitFailed;
  }
  return noteCut(drawing.lastCut(), request.input, err);
}

}  // namespace dxftool
