// The printed sheet of a drawing: frame with title, scale bar, logo and the drawing itself.
#include <cstdio>
#include <memory>

#include "document/DXFText.h"
#include "document/DXF_Zeichnung.h"
#include "document/SheetGeometry.h"
#include "entities/Linie.h"

namespace {

constexpr double kTextHeight = 0.25;  // of the margin unit

// printMargin holds m while a sheet operation runs and is 0 again afterwards.
class MarginInUse {
 public:
  MarginInUse(DXF_Zeichnung& drawing, double m) : drawing_(drawing) { drawing_.setPrintMargin(m); }
  ~MarginInUse() { drawing_.setPrintMargin(0.0); }
  MarginInUse(const MarginInUse&) = delete;
  MarginInUse& operator=(const MarginInUse&) = delete;

 private:
  DXF_Zeichnung& drawing_;
};

SheetExtents extentsOf(const DXF_Zeichnung& drawing) {
  return {drawing.minX(), drawing.minY(), drawing.maxX(), drawing.maxY()};
}

// Prints decoration entities through their own device operation in the printed window.
void printOnSheet(DeviceContext& dc, double factor, const SheetExtents& window,
                  const DXFGeometrie& entity) {
  entity.drawOnDevice(dc, factor, window.minX, window.minY, window.maxX, window.maxY, 0, 0, 0);
}

}  // namespace

int DXF_Zeichnung::drawSheetFrame(DeviceContext& dc, double factor, const char* title) {
  const SheetExtents extents = extentsOf(*this);
  const double m = SheetGeometry::margin(extents);
  const MarginInUse inUse(*this, m);
  const SheetExtents window = SheetGeometry::printWindow(extents);
  const Layer layer;
  const double x0 = extents.minX - 1.5 * m;
  const double x1 = extents.maxX + 1.5 * m;
  const double y0 = extents.minY - 1.5 * m;
  const double y1 = extents.maxY + 1.5 * m;
  const Linie sides[] = {{x0, y0, x0, y1, &layer},
                         {x0, y1, x1, y1, &layer},
                         {x1, y1, x1, y0, &layer},
                         {x1, y0, x0, y0, &layer}};
  for (const Linie& side : sides) printOnSheet(dc, factor, window, side);
  const DXFText text(x0 + 0.3 * m, y0 + 0.3 * m, title ? title : "", kTextHeight * m, 0.0, &layer);
  printOnSheet(dc, factor, window, text);
  return 0;
}

int DXF_Zeichnung::drawScaleBar(DeviceContext& dc, double factor, int cornerNumber) {
  const std::optional<SheetCorner> corner = SheetGeometry::corner(cornerNumber);
  if (!corner) return 0;
  const SheetExtents extents = extentsOf(*this);
  const double m = SheetGeometry::margin(extents);
  const MarginInUse inUse(*this, m);
  const std::optional<ScaleBar> bar = SheetGeometry::scaleBar(extents, *corner);
  if (!bar) return 0;
  const SheetExtents window = SheetGeometry::printWindow(extents);
  const Layer layer;
  char label[32];
  std::snprintf(label, sizeof label, "%d mm", static_cast<int>(bar->length));
  const DXFText text(bar->labelX, bar->yC, label, kTextHeight * m, 0.0, &layer);
  const double s = bar->start;
  const double e = s + bar->direction * bar->length;
  const Linie lines[] = {{s, bar->yA, e, bar->yA, &layer},
                         {s, bar->yB, e, bar->yB, &layer},
                         {s, bar->yC, e, bar->yC, &layer},
                         {s, bar->yC, s, bar->yA, &layer},
                         {e, bar->yC, e, bar->yA, &layer}};
  for (const Linie& line : lines) printOnSheet(dc, factor, window, line);
  printOnSheet(dc, factor, window, text);
  return 0;
}

int DXF_Zeichnung::drawLogo(DeviceContext& dc, double /*factor*/, const char* path,
                            int cornerNumber) {
  const std::optional<SheetCorner> corner = SheetGeometry::corner(cornerNumber);
  if (!corner || !path) return 0;
  const std::unique_ptr<DeviceMetaFile> logo = dc.open_metafile(path);
  if (!logo) return 0;
  const SheetExtents extents = extentsOf(*this);
  const MarginInUse inUse(*this, SheetGeometry::margin(extents));
  const std::optional<DeviceRectangle> target =
      SheetGeometry::logoRectangle(extents, *corner, dc.width_resolution(), dc.height_resolution(),
                                   logo->width(), logo->height());
  if (target) logo->draw(*target);
  return 0;
}

int DXF_Zeichnung::printAll(DeviceContext& dc, double factor) {
  const SheetExtents extents = extentsOf(*this);
  const MarginInUse inUse(*this, SheetGeometry::margin(extents));
  const SheetExtents window = SheetGeometry::printWindow(extents);
  return drawAllOnDevice(dc, factor, window.minX, window.minY, window.maxX, window.maxY);
}
