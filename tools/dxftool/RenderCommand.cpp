// dxftool render: paints a drawing into a PNG, SVG or PDF file as the viewer shows it.
#include "dxftool/RenderCommand.h"

#include <atomic>

#include "document/DXF_Zeichnung.h"
#include "document/IndexedDrawing.h"
#include "document/PlacementBudget.h"
#include "dxftool/DrawingLoader.h"
#include "toolkit/paint/PaintFile.h"
#include "toolkit/paint/ViewPicture.h"

namespace dxftool {

namespace {

std::string paintFailure(int code) {
  switch (code) {
    case PaintFile::kBadSize: return "the picture size is not possible";
    case PaintFile::kPaintFailed: return "painting failed (out of memory?)";
    case PaintFile::kCannotWrite: return "the file cannot be created or written";
    default: return "the picture could not be made";
  }
}

}  // namespace

FittedArea RenderCommand::fitDrawing(DXF_Zeichnung& drawing, int width, int height) {
  const WorldBox wide =
      ViewFit::widened({drawing.minX(), drawing.minY(), drawing.maxX(), drawing.maxY()});
  drawing.growExtents(wide.minX, wide.minY, wide.maxX, wide.maxY);
  return ViewFit::fit({drawing.minX(), drawing.minY(), drawing.maxX(), drawing.maxY()}, width,
                      height);
}

int RenderCommand::run(const ToolRequest& request, std::ostream& err) {
  const auto format = PaintFile::formatFor(request.output);
  if (!format) {
    err << "dxftool: The picture file must end in .png, .svg or .pdf.\n";
    return kExitFailed;
  }
  const LoadOutcome outcome = DrawingLoader::load(request.input);
  DXF_Zeichnung& drawing = *outcome.drawing;
  if (!outcome.ok()) {
    err << "dxftool: " << DrawingLoader::problem(request.input, outcome) << '\n';
    return kExitFailed;
  }
  const FittedArea fit = request.window
                             ? ViewFit::fillPicture({(*request.window)[0], (*request.window)[1],
                                                     (*request.window)[2], (*request.window)[3]},
                                                    request.width, request.height)
                             : fitDrawing(drawing, request.width, request.height);
  if (fit.empty) {
    err << "dxftool: " << request.input << " has no extents to show; the picture stays white.\n";
  }

  // The picture's budget: the units of each band, and what they left out.
  PlacementBudget budget = PlacementBudget::forDrawing(drawing);
  const int code =
      PaintFile::write(request.output, *format, request.width, request.height, [&](cairo_t* cr) {
        cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
        cairo_paint(cr);
        if (fit.empty) return;
        // The viewer's own road: the spatial index, level of detail, all painting threads.
        const IndexedDrawing scene(drawing);
        ViewPlacement view{
            {request.width, request.height}, {fit.width, fit.height}, {fit.x, fit.y}};
        view.hasWorld = true;
        view.worldX1 = fit.world.minX;
        view.worldY1 = fit.world.minY;
        view.worldX2 = fit.world.maxX;
        view.worldY2 = fit.world.maxY;
        const std::atomic<bool> never{false};
        cairo_surface_flush(cairo_get_target(cr));
        paintViewPicture(
            cairo_get_target(cr), view,
            [&scene, &budget](DrawingArea& area, const std::atomic<bool>& cancelled) {
              PaintOptions options;
              options.cancelled = &cancelled;
              options.budget = &budget;
              scene.paint(area, options);
            },
            never);
      });
  if (code < 0) {
    err << "dxftool: Cannot write " << request.output << ": result " << code << ", "
        << paintFailure(code) << ".\n";
    return kExitFailed;
  }
  return noteCut(cutOf(drawing, budget), request.input, err);
}

}  // namespace dxftool
