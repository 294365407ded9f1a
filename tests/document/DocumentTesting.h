// Helpers of the document tests: DXF files built from snippets, reading and writing them.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <iomanip>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/DXF_Zeichnung.h"
#include "document/DxfWriter.h"
#include "dxf/GroupLines.h"
#include "support/RecordingCanvas.h"

namespace documenttesting {

// A layer table entry as CAD programs write it.
inline std::string layerEntry(const std::string& name, int colour,
                              const std::string& linetype = "CONTINUOUS") {
  return "  0\nLAYER\n  2\n" + name + "\n 70\n     0\n 62\n" + std::to_string(colour) + "\n  6\n" +
         linetype + "\n";
}

// A complete file: header with optional extents, LTYPE and LAYER tables, blocks and
// entities. `blocks` and `entities` are records that each start with "  0".
inline std::string dxfFile(const std::string& entities, const std::string& blocks = "",
                           const std::string& layers = layerEntry("0", 7),
                           const std::string& header = "") {
  return "  0\nSECTION\n  2\nHEADER\n" + header +
         "  0\nENDSEC\n  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLTYPE\n 70\n     1\n"
         "  0\nLTYPE\n  2\nCONTINUOUS\n 70\n     0\n  3\nSolid line\n 72\n65\n 73\n     0\n"
         " 40\n0.0\n  0\nENDTAB\n  0\nTABLE\n  2\nLAYER\n 70\n     1\n" +
         layers + "  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n  2\nBLOCKS\n" + blocks +
         "  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n" + entities + "  0\nENDSEC\n  0\nEOF\n";
}

// A block record with its body records.
inline std::string block(const std::string& name, const std::string& body) {
  return "  0\nBLOCK\n  8\n0\n  2\n" + name + "\n 70\n     0\n 10\n0.0\n 20\n0.0\n 30\n0.0\n  3\n" +
         name + "\n" + body + "  0\nENDBLK\n  8\n0\n";
}

inline std::string line(double x1, double y1, double x2, double y2,
                        const std::string& layer = "0") {
  std::ostringstream out;
  out << "  0\nLINE\n  8\n"
      << layer << "\n 10\n"
      << x1 << "\n 20\n"
      << y1 << "\n 11\n"
      << x2 << "\n 21\n"
      << y2 << "\n";
  return out.str();
}

inline std::string insert(const std::string& blockName, double x, double y, double scale = 1,
                          double rotation = 0, const std::string& layer = "0") {
  std::ostringstream out;
  out << "  0\nINSERT\n  8\n"
      << layer << "\n  2\n"
      << blockName << "\n 10\n"
      << x << "\n 20\n"
      << y << "\n 41\n"
      << scale << "\n 42\n"
      << scale << "\n 50\n"
      << rotation << "\n";
  return out.str();
}

// A document read from `text`, the result code in `result`.
inline std::unique_ptr<DXF_Zeichnung> readText(const std::string& text, int* result = nullptr) {
  auto document = std::make_unique<DXF_Zeichnung>();
  const int code = document->readDXFFromMemory(text);
  if (result) *result = code;
  return document;
}

// A document that must read without error.
inline std::unique_ptr<DXF_Zeichnung> readOk(const std::string& text) {
  int result = 0;
  auto document = readText(text, &result);
  EXPECT_EQ(result, 0);
  return document;
}

// The file text the writer produces for a document.
inline std::string writtenText(const DXF_Zeichnung& document) {
  std::ostringstream out;
  DxfWriter(document).writeTo(out);
  return out.str();
}

// Numbers of objects in each list, for comparing documents.
struct Counts {
  int entities, blocks, inserts, dimensions, layers, polylines, linetypes;
  bool operator==(const Counts&) const = default;
};

inline Counts countsOf(const DXF_Zeichnung& d) {
  return {d.entities().count(), d.blocks().count(),    d.inserts().count(),  d.dimensions().count(),
          d.layers().count(),   d.polylines().count(), d.linetypes().count()};
}

inline std::ostream& operator<<(std::ostream& out, const Counts& c) {
  return out << "{entities " << c.entities << ", blocks " << c.blocks << ", inserts " << c.inserts
             << ", dimensions " << c.dimensions << ", layers " << c.layers << ", polylines "
             << c.polylines << ", linetypes " << c.linetypes << "}";
}

// What a document paints into a drawing area showing (-200, -200) to (200, 200): every
// figure and text call with its numbers rounded to 1e-4, sorted, pen changes left out.
inline std::vector<std::string> picture(const DXF_Zeichnung& document) {
  testsupport::RecordingDrawingArea area;
  area.setWorld(-200, -200, 200, 200, 400, 400);
  area.containerSize = {400, 400};
  document.drawAll(area, 1.0);
  std::vector<std::string> figures;
  for (const auto& call : area.log.calls) {
    if (call.name.rfind("set_", 0) == 0) continue;
    std::string entry = call.name;
    for (double value : call.args) {
      // A string stream writes a decimal point whatever the C library's numeric locale.
      std::ostringstream number;
      number << std::fixed << std::setprecision(4) << ' ' << value;
      entry += number.str() == " -0.0000" ? " 0.0000" : number.str();
    }
    figures.push_back(entry + " " + call.text);
  }
  std::sort(figures.begin(), figures.end());
  return figures;
}

// Two pictures alike but for the last of the four decimals a saved file keeps.
inline void expectAlike(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    std::istringstream left(a[i]);
    std::istringstream right(b[i]);
    std::string l;
    std::string r;
    while (left >> l && right >> r) {
      char* lEnd = nullptr;
      char* rEnd = nullptr;
      const double lv = std::strtod(l.c_str(), &lEnd);
      const double rv = std::strtod(r.c_str(), &rEnd);
      if (*lEnd == '\0' && *rEnd == '\0' && lEnd != l.c_str()) {
        EXPECT_NEAR(lv, rv, 2e-4) << a[i] << "\n" << b[i];
      } else {
        EXPECT_EQ(l, r) << a[i] << "\n" << b[i];
      }
    }
  }
}

}  // namespace documenttesting
