// The picture painted through the spatial index and level of detail against the one the
// plain document paint gives, on sample drawings and a generated one, at several zooms.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "document/DXF_Zeichnung.h"
#include "document/IndexedDrawing.h"
#include "support/PictureDifference.h"
#include "toolkit/paint/PaintHandle.h"
#include "toolkit/paint/ViewPicture.h"
#include "viewer/FittedView.h"

namespace {

constexpr PixelSize kSceneView{640, 480};
// Largest difference of one colour channel that anti-aliasing explains: edge pixels of
// figures cut at another place (a band, a scrolled strip) may take other coverage levels
// of the fast anti-aliasing (steps of 16), while a missing or misplaced figure differs by
// far more.
constexpr int kSceneAntialiasTolerance = 80;

enum class Road { DrawAll, Index, IndexWithDetailLevels };

// The fitted view, zoomed by `zoom` about the centre.
ViewPlacement view(const DXF_Zeichnung& document, double zoom) {
  ViewPlacement placement =
      fittedView(kSceneView, {document.minX(), document.minY(), document.maxX(), document.maxY()});
  placement.area = {static_cast<int>(zoom * placement.area.width),
                    static_cast<int>(zoom * placement.area.height)};
  placement.position = {(kSceneView.width - placement.area.width) / 2,
                        (kSceneView.height - placement.area.height) / 2};
  return placement;
}

CairoSurfacePtr render(const DXF_Zeichnung& document, const ViewPlacement& placement, Road road) {
  CairoSurfacePtr picture(
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSceneView.width, kSceneView.height));
  const IndexedDrawing scene(document);
  const std::atomic<bool> never{false};
  paintViewPicture(
      picture.get(), placement,
      [&](DrawingArea& area, const std::atomic<bool>&) {
        if (road == Road::DrawAll) {
          // drawAll notes in the document what it left out: one band at a time.
          static std::mutex plainPaint;
          const std::lock_guard<std::mutex> lock(plainPaint);
          document.drawAll(area, 1.0);
          return;
        }
        PaintOptions options;
        options.levelOfDetail = road == Road::IndexWithDetailLevels;
        scene.paint(area, options);
      },
      never);
  cairo_surface_flush(picture.get());
  return picture;
}

std::unique_ptr<DXF_Zeichnung> read(const std::string& text) {
  auto document = std::make_unique<DXF_Zeichnung>();
  EXPECT_EQ(document->readDXFFromMemory(text), 0);
  return document;
}

// A catalogue sheet in miniature: cells of lines, circles, arcs, solids, texts and inserts,
// none smaller than 2 units, over 400 x 300 units.
std::string generatedDrawing() {
  std::ostringstream out;
  out << "  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n  8\n0\n  2\nBOLT\n 70\n0\n 10\n0\n 20\n0\n"
         "  0\nCIRCLE\n  8\n0\n 62\n5\n 10\n0\n 20\n0\n 40\n4\n"
         "  0\nLINE\n  8\n0\n 10\n-6\n 20\n0\n 11\n6\n 21\n0\n  0\nENDBLK\n  8\n0\n"
         "  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n";
  unsigned state = 7;
  const auto next = [&state](int range) {
    state = state * 1103515245U + 12345U;
    return static_cast<int>((state >> 8) % static_cast<unsigned>(range));
  };
  for (int cell = 0; cell < 120; ++cell) {
    const int x0 = (cell % 12) * 33;
    const int y0 = (cell / 12) * 30;
    for (int k = 0; k < 8; ++k) {
      const int x = x0 + 3 + next(24);
      const int y = y0 + 3 + next(22);
      const int colour = 1 + next(6);
      const int start = next(360);
      switch (k) {
        case 0:
        case 1:
          out << "  0\nLINE\n  8\n0\n 62\n"
              << colour << "\n 10\n"
              << x << "\n 20\n"
              << y << "\n 11\n"
              << x + 2 + next(9) << "\n 21\n"
              << y - 4 + next(9) << "\n";
          break;
        case 2:
          out << "  0\nCIRCLE\n  8\n0\n 62\n"
              << colour << "\n 10\n"
              << x << "\n 20\n"
              << y << "\n 40\n"
              << 2 + next(5) << "\n";
          break;
        case 3:
          out << "  0\nARC\n  8\n0\n 62\n"
              << colour << "\n 10\n"
              << x << "\n 20\n"
              << y << "\n 40\n"
              << 3 + next(5) << "\n 50\n"
              << start << "\n 51\n"
              << start + 20 + next(300) << "\n";
          break;
        case 4:
          out << "  0\nSOLID\n  8\n0\n 62\n"
              << colour << "\n 10\n"
              << x << "\n 20\n"
              << y << "\n 11\n"
              << x + 3 << "\n 21\n"
              << y << "\n 12\n"
              << x << "\n 22\n"
              << y + 3 << "\n 13\n"
              << x + 3 << "\n 23\n"
              << y + 3 << "\n";
          break;
        case 5:
          out << "  0\nTEXT\n  8\n0\n 62\n"
              << colour << "\n 10\n"
              << x << "\n 20\n"
              << y << "\n 40\n5\n  1\nM8\n";
          break;
        case 6:
          out << "  0\nINSERT\n  8\n0\n  2\nBOLT\n 10\n" << x << "\n 20\n" << y << "\n";
          break;
        default:
          out << "  0\nLWPOLYLINE\n  8\n0\n 62\n"
              << colour << "\n 90\n3\n 70\n1\n 10\n"
              << x << "\n 20\n"
              << y << "\n 10\n"
              << x + 6 << "\n 20\n"
              << y << "\n 10\n"
              << x + 3 << "\n 20\n"
              << y + 5 << "\n";
      }
    }
  }
  out << "  0\nENDSEC\n  0\nEOF\n";
  return out.str();
}

TEST(ScenePictureTest, IndexPaintsWhatThePlainPaintShowsOnSamples) {
  for (const char* sample :
       {"samples/respiraworks/driver_mounting_plate.dxf", "samples/dxf-js/blocks2.dxf",
        "samples/dxf-js/arrayed-holes.dxf", "samples/acadsharp/sample_AC1015_ascii.dxf"}) {
    DXF_Zeichnung document;
    ASSERT_GE(document.readDXF(testsupport::dataPath(sample)), 0) << sample;
    for (const double zoom : {1.0, 4.0, 16.0}) {
      const ViewPlacement placement = view(document, zoom);
      const CairoSurfacePtr plain = render(document, placement, Road::DrawAll);
      const CairoSurfacePtr indexed = render(document, placement, Road::Index);
      EXPECT_LE(testsupport::differenceOf(plain.get(), indexed.get()).largest,
                kSceneAntialiasTolerance)
          << sample << " at " << zoom;
    }
  }
}

TEST(ScenePictureTest, DetailLevelsChangeNothingWhereObjectsAreLargerThanAPixel) {
  const auto document = read(generatedDrawing());
  for (const double zoom : {1.0, 3.0, 10.0}) {
    const ViewPlacement placement = view(*document, zoom);
    const CairoSurfacePtr plain = render(*document, placement, Road::DrawAll);
    const CairoSurfacePtr detailed = render(*document, placement, Road::IndexWithDetailLevels);
    const testsupport::PictureDifference difference =
        testsupport::differenceOf(plain.get(), detailed.get());
    EXPECT_GT(difference.inked, 2000) << zoom;
    EXPECT_LE(difference.largest, kSceneAntialiasTolerance) << "at " << zoom;
  }
}

}  // namespace
