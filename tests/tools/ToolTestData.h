// Small drawings written by the tests, and readers for what dxftool produces.
#pragma once

#include <cairo.h>

#include <charconv>
#include <map>
#include <sstream>
#include <string>

#include "document/DXF_Zeichnung.h"
#include "TestSupport.h"
#include "ToolRun.h"

namespace tooltest {

// A release 12 drawing with one linetype, one layer and, on that layer, the frame of the
// rectangle (0, 0)-(100, 50) as four lines plus a circle. `colourNumber` is the layer's
// group 62 value: a negative number switches the layer off. With `withExtents` false the
// header carries no extents and nothing is drawn, so the document keeps its empty box.
inline std::string frameDrawing(const std::string& layerName, const std::string& colourNumber,
                                bool withExtents = true) {
  std::ostringstream dxf;
  dxf << "  0\nSECTION\n  2\nHEADER\n";
  if (withExtents) {
    dxf << "  9\n$EXTMIN\n 10\n0.0\n 20\n0.0\n 30\n0.0\n"
           "  9\n$EXTMAX\n 10\n100.0\n 20\n50.0\n 30\n0.0\n";
  }
  dxf << "  0\nENDSEC\n"
         "  0\nSECTION\n  2\nTABLES\n"
         "  0\nTABLE\n  2\nLTYPE\n 70\n1\n"
         "  0\nLTYPE\n  2\nCONTINUOUS\n 70\n0\n  3\nSolid line\n 72\n65\n 73\n0\n 40\n0.0\n"
         "  0\nENDTAB\n"
         "  0\nTABLE\n  2\nLAYER\n 70\n1\n"
         "  0\nLAYER\n  2\n"
      << layerName << "\n 70\n0\n 62\n"
      << colourNumber
      << "\n  6\nCONTINUOUS\n"
         "  0\nENDTAB\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nBLOCKS\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nENTITIES\n";
  if (withExtents) {
    const double corners[5][2] = {{0, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}};
    for (int i = 0; i < 4; ++i) {
      dxf << "  0\nLINE\n  8\n"
          << layerName << "\n 10\n"
          << corners[i][0] << "\n 20\n"
          << corners[i][1] << "\n 30\n0.0\n 11\n"
          << corners[i + 1][0] << "\n 21\n"
          << corners[i + 1][1] << "\n 31\n0.0\n";
    }
    dxf << "  0\nCIRCLE\n  8\n" << layerName << "\n 10\n50.0\n 20\n25.0\n 30\n0.0\n 40\n20.0\n";
  }
  dxf << "  0\nENDSEC\n  0\nEOF\n";
  return dxf.str();
}

// The JSON on standard output of a run, flattened by Python's json module into
// "path value" pairs ("counts.LINE" -> "4", "layers[0].name" -> "0"). Strings come as they
// are, other values as JSON ("true", "-52", "12.5"). Empty when the text does not parse.
inline std::map<std::string, std::string> flattenJson(const std::string& json,
                                                      const testsupport::TempDir& dir) {
  static const char* const kScript = R"(import json, sys
def walk(path, value):
    if isinstance(value, dict):
        for key, item in value.items():
            walk(f"{path}.{key}" if path else key, item)
    elif isinstance(value, list):
        for index, item in enumerate(value):
            walk(f"{path}[{index}]", item)
    else:
        text = value if isinstance(value, str) else json.dumps(value)
        sys.stdout.buffer.write(f"{path}\t{text}\n".encode("utf-8"))
walk("", json.load(open(sys.argv[1], encoding="utf-8")))
)";
  const auto path = dir.file("flatten.json");
  testsupport::writeFile(path, json);
  const ToolRun run = runProgram(kPython, {"-c", kScript, path.string()}, dir);
  std::map<std::string, std::string> flat;
  if (run.status != 0) return flat;
  std::istringstream lines(run.out);
  std::string line;
  while (std::getline(lines, line)) {
    const auto tab = line.find('\t');
    if (tab != std::string::npos) flat[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return flat;
}

// A number written by the flattening above, read without regard to the C locale.
inline double jsonNumber(const std::string& text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// Every count that `dxftool info` reports, computed here from a document read in-process.
inline std::map<std::string, long long> documentCounts(const DXF_Zeichnung& drawing) {
  std::map<std::string, long long> counts{{"LINE", 0},  {"ARC", 0},  {"CIRCLE", 0},
                                          {"POINT", 0}, {"TEXT", 0}, {"SOLID", 0}};
  for (int i = 0; i < drawing.entities().count(); ++i) {
    ++counts[drawing.entities().at(i)->typeName()];
  }
  counts["polylines"] = drawing.polylines().count();
  counts["inserts"] = drawing.inserts().count();
  counts["dimensions"] = drawing.dimensions().count();
  counts["blocks"] = drawing.blocks().count();
  counts["layers"] = drawing.layers().count();
  counts["linetypes"] = drawing.linetypes().count();
  return counts;
}

// Pixel statistics of a PNG written by render.
struct PngPicture {
  bool loaded = false;
  int width = 0;
  int height = 0;
  long long nonWhite = 0;
  // Bounding box of the pixels that are not white (-1 when all are white).
  int left = -1, top = -1, right = -1, bottom = -1;
};

inline PngPicture examinePng(const std::filesystem::path& path) {
  PngPicture picture;
  cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
    cairo_surface_flush(surface);
    picture.loaded = true;
    picture.width = cairo_image_surface_get_width(surface);
    picture.height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    // Opaque white; in a picture without alpha channel the top byte carries nothing.
    const bool hasAlpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    const std::uint32_t mask = hasAlpha ? 0xFFFFFFFFu : 0x00FFFFFFu;
    for (int y = 0; y < picture.height; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
      for (int x = 0; x < picture.width; ++x) {
        if ((row[x] & mask) == mask) continue;
        ++picture.nonWhite;
        if (picture.left < 0 || x < picture.left) picture.left = x;
        if (x > picture.right) picture.right = x;
        if (picture.top < 0) picture.top = y;
        picture.bottom = y;
      }
    }
  }
  cairo_surface_destroy(surface);
  return picture;
}

}  // namespace tooltest
