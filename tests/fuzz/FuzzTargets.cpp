// What the fuzzers do with one input.
#include "fuzz/FuzzTargets.h"

#include <cairo.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/DXF_Zeichnung.h"
#include "document/DxfWriter.h"
#include "dxf/BinaryDxf.h"
#include "settings/IniFile.h"
#include "toolkit/paint/CairoDrawingArea.h"

namespace fuzz {

namespace {

// Canvas of the paint runs, in pixels.
constexpr int kCanvas = 256;
// The zoomed view shows this share of the fitted one's width.
constexpr double kZoomedShare = 1.0 / 64.0;

// Paints the drawing onto a recording canvas through the world window given.
void paint(const DXF_Zeichnung& drawing, double minX, double minY, double maxX, double maxY) {
  cairo_surface_t* surface = cairo_recording_surface_create(CAIRO_CONTENT_COLOR, nullptr);
  cairo_t* cr = cairo_create(surface);
  {
    CairoDrawingArea area(cr, {kCanvas, kCanvas}, {kCanvas, kCanvas}, {0, 0});
    area.set_wc_coords(minX, minY, maxX, maxY);
    drawing.drawAll(area, 1.0);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

// Paints at the drawing's extents and zoomed into their middle.
void paintFittedAndZoomed(const DXF_Zeichnung& drawing) {
  const double minX = drawing.minX();
  const double minY = drawing.minY();
  const double maxX = drawing.maxX();
  const double maxY = drawing.maxY();
  paint(drawing, minX, minY, maxX, maxY);
  const double cx = minX / 2 + maxX / 2;
  const double cy = minY / 2 + maxY / 2;
  const double half = (maxX / 2 - minX / 2) * kZoomedShare;
  paint(drawing, cx - half, cy - half, cx + half, cy + half);
}

std::string written(const DXF_Zeichnung& drawing) {
  std::ostringstream out;
  DxfWriter(drawing).writeTo(out);
  return std::move(out).str();
}

// How many objects of each list a drawing holds.
struct Counts {
  int entities, polylines, inserts, dimensions, blocks, layers, linetypes;
  bool operator==(const Counts&) const = default;
};

Counts countsOf(const DXF_Zeichnung& d) {
  return {d.entities().count(), d.polylines().count(), d.inserts().count(),  d.dimensions().count(),
          d.blocks().count(),   d.layers().count(),    d.linetypes().count()};
}

std::string describe(const Counts& c) {
  char text[160];
  std::snprintf(text, sizeof text,
                "%d entities, %d polylines, %d inserts, %d dimensions, "
                "%d blocks, %d layers, %d linetypes",
                c.entities, c.polylines, c.inserts, c.dimensions, c.blocks, c.layers, c.linetypes);
  return text;
}

// The viewer's work on a drawing that was read.
std::string afterOpening(DXF_Zeichnung& drawing) {
  drawing.computeExtents();
  paintFittedAndZoomed(drawing);

  // The first write settles what the file format cannot hold (objects left out, lists
  // reversed); from then on a write and a read keep every object.
  DXF_Zeichnung second;
  if (const int code = second.readDXFFromMemory(written(drawing)); code < 0) {
    return "the written drawing cannot be read again: result " + std::to_string(code);
  }
  DXF_Zeichnung third;
  if (const int code = third.readDXFFromMemory(written(second)); code < 0) {
    return "the drawing written twice cannot be read again: result " + std::to_string(code);
  }
  if (!(countsOf(second) == countsOf(third))) {
    return "a second write and read changed the drawing: " + describe(countsOf(second)) +
           " became " + describe(countsOf(third));
  }

  drawing.explodeAll();
  paintFittedAndZoomed(drawing);
  DXF_Zeichnung exploded;
  if (const int code = exploded.readDXFFromMemory(written(drawing)); code < 0) {
    return "the exploded drawing cannot be read again: result " + std::to_string(code);
  }
  return {};
}

// A folder of this process for the settings files.
const std::filesystem::path& scratchFolder() {
  static const std::filesystem::path folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "dxfv-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return std::filesystem::path(pattern);
  }();
  return folder;
}

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every section and entry, in order, as one text.
std::string entriesOf(IniFile& file) {
  std::string all;
  for (const char* name = file.firstSection(); name; name = file.nextSection()) {
    all.append("[").append(name).append("]\n");
    for (const char* key = file.firstKey(); key; key = file.nextKey()) {
      all.append(key).append("=").append(file.currentValue()).append("\n");
    }
  }
  return all;
}

}  // namespace

std::string drawing(std::string_view bytes) {
  DXF_Zeichnung read;
  if (read.readDXFFromMemory(bytes) < 0) return {};
  return afterOpening(read);
}

std::string binaryDrawing(std::string_view bytes) {
  std::string binary(BinaryDxf::kSentinel);
  if (BinaryDxf::isBinary(bytes)) bytes.remove_prefix(BinaryDxf::kSentinel.size());
  binary.append(bytes);
  return drawing(binary);
}

std::string settings(std::string_view bytes) {
  const std::filesystem::path input = scratchFolder() / "input.ini";
  const std::filesystem::path output = scratchFolder() / "output.ini";
  std::ofstream(input, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());

  IniFile first(input.c_str());
  first.getString("DXFViewer", "ViewerPath", "");
  first.getInt("DXFViewer", "DimW");
  if (!first.write(output.c_str())) return "the settings could not be written";
  const std::string firstText = fileText(output);

  IniFile second(output.c_str());
  // Settings without any section are written as "[]", which reads back as one section
  // without a name or entries.
  const std::string expected = first.sectionCount() == 0 ? "[]\n" : entriesOf(first);
  if (entriesOf(second) != expected) {
    return "the settings read back differ from those written";
  }
  if (!second.write(output.c_str())) return "the settings could not be written again";
  if (fileText(output) != firstText) return "writing the settings again changed the file";
  return {};
}

}  // namespace fuzz
