// Paint order as painted: objects are painted in the file's order across kinds (lines,
// polylines, inserts), so a wipeout hides what comes before it and not what comes after,
// on screen directly and through the spatial index, inside a block, exploded, saved as
// release 12 and read back, and on a device as printing paints.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "support/PaintedPixels.h"
#include "document/DXF_Zeichnung.h"
#include "document/IndexedDrawing.h"
#include "toolkit/paint/CairoDeviceContext.h"
#include "toolkit/paint/CairoDrawingArea.h"

namespace {

using testsupport::TempDir;

// Pictures of 200 x 40 pixels of the world x 0..100, y 0..20: two pixels a unit.
constexpr int kWidth = 200;
constexpr int kHeight = 40;
constexpr double kWorldWidth = 100.0;
constexpr double kWorldHeight = 20.0;
constexpr int kPixelsPerUnit = 2;

class Picture {
 public:
  explicit Picture(const std::function<void(cairo_t*)>& paint)
      : pixels_(testsupport::paintedPixels(kWidth, kHeight, paint)) {}
  // Whether the world point has ink in its pixel or a pixel next to it in y.
  bool inkAt(double x, double y) const {
    const int column = static_cast<int>(x * kPixelsPerUnit);
    const int row = static_cast<int>((kWorldHeight - y) * kPixelsPerUnit);
    for (int r = row - 1; r <= row + 1; ++r) {
      if (r >= 0 && r < kHeight &&
          pixels_[static_cast<std::size_t>(r * kWidth + column)] != 0xFFFFFF) {
        return true;
      }
    }
    return false;
  }

 private:
  std::vector<std::uint32_t> pixels_;
};

CairoDrawingArea* placedArea(cairo_t* cr, std::unique_ptr<CairoDrawingArea>& holder) {
  holder = std::make_unique<CairoDrawingArea>(cr, PixelSize{kWidth, kHeight},
                                              PixelSize{kWidth, kHeight}, PixelPosition{0, 0});
  holder->set_wc_coords(0.0, 0.0, kWorldWidth, kWorldHeight);
  return holder.get();
}

Picture painted(const DXF_Zeichnung& drawing) {
  return Picture([&](cairo_t* cr) {
    std::unique_ptr<CairoDrawingArea> area;
    drawing.drawAll(*placedArea(cr, area), 1.0);
  });
}

Picture paintedThroughIndex(const DXF_Zeichnung& drawing) {
  return Picture([&](cairo_t* cr) {
    std::unique_ptr<CairoDrawingArea> area;
    const IndexedDrawing scene(drawing);
    scene.paint(*placedArea(cr, area));
  });
}

Picture paintedOnDevice(const DXF_Zeichnung& drawing) {
  return Picture([&](cairo_t* cr) {
    CairoDeviceContext dc(cr, kWidth, kHeight);
    drawing.drawAllOnDevice(dc, 1.0, 0.0, 0.0, kWorldWidth, kWorldHeight);
  });
}

// Horizontal lines of each kind at world y, from x 0 to 100.
std::string line(double y) {
  const std::string at = std::to_string(y);
  return "  0\nLINE\n  8\n0\n 10\n0\n 20\n" + at + "\n 11\n100\n 21\n" + at + "\n";
}
std::string polyline(double y) {
  const std::string at = std::to_string(y);
  return "  0\nLWPOLYLINE\n  8\n0\n 90\n2\n 70\n0\n 10\n0\n 20\n" + at + "\n 10\n100\n 20\n" + at +
         "\n";
}
// An insert of block "L", a line along its y 0, placed at y.
std::string insert(double y) {
  return "  0\nINSERT\n  8\n0\n  2\nL\n 10\n0\n 20\n" + std::to_string(y) + "\n";
}
// A wipeout over x 40 to 60, the whole height: one pixel of 20 units square.
const std::string kWipeout =
    "  0\nWIPEOUT\n100\nAcDbEntity\n  8\n0\n100\nAcDbWipeout\n 90\n0\n"
    " 10\n40\n 20\n0\n 30\n0\n 11\n20\n 21\n0\n 31\n0\n 12\n0\n 22\n20\n 32\n0\n 13\n1\n 23\n1\n"
    " 70\n7\n280\n1\n 71\n1\n 91\n2\n 14\n-0.5\n 24\n0.5\n 14\n0.5\n 24\n-0.5\n";

// The lines of each kind before the wipeout at y 2, 5 and 8, after it at y 12, 15 and 18.
std::string layered() {
  return line(2) + polyline(5) + insert(8) + kWipeout + line(12) + polyline(15) + insert(18);
}

std::string drawing(const std::string& blocks, const std::string& entities) {
  return "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLAYER\n 70\n1\n"
         "  0\nLAYER\n  2\n0\n 70\n0\n 62\n7\n  6\nCONTINUOUS\n  0\nENDTAB\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nBLOCKS\n"
         "  0\nBLOCK\n  8\n0\n  2\nL\n 70\n0\n 10\n0\n 20\n0\n" +
         line(0) + "  0\nENDBLK\n  8\n0\n" + blocks + "  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n" +
         entities + "  0\nENDSEC\n  0\nEOF\n";
}

std::unique_ptr<DXF_Zeichnung> read(const std::string& text) {
  auto document = std::make_unique<DXF_Zeichnung>();
  EXPECT_EQ(document->readDXFFromMemory(text), 0);
  return document;
}

// Beside the wipeout every line shows; over it only those after it.
void expectWipedBeforeOnly(const Picture& picture, const char* road) {
  for (const double y : {2.0, 5.0, 8.0, 12.0, 15.0, 18.0}) {
    EXPECT_TRUE(picture.inkAt(20.0, y)) << road << ": beside the wipeout at y " << y;
    EXPECT_TRUE(picture.inkAt(80.0, y)) << road << ": beside the wipeout at y " << y;
    EXPECT_EQ(picture.inkAt(50.0, y), y > 10.0) << road << ": over the wipeout at y " << y;
  }
}

}  // namespace

TEST(PaintOrder, AWipeoutHidesWhatComesBeforeItAndNotWhatComesAfter) {
  const auto document = read(drawing("", layered()));
  expectWipedBeforeOnly(painted(*document), "painted");
  expectWipedBeforeOnly(paintedThroughIndex(*document), "through the index");
  expectWipedBeforeOnly(paintedOnDevice(*document), "on a device");
}

TEST(PaintOrder, InsideABlockTheBlocksOrderHolds) {
  const std::string block =
      "  0\nBLOCK\n  8\n0\n  2\nW\n 70\n0\n 10\n0\n 20\n0\n" + layered() + "  0\nENDBLK\n  8\n0\n";
  const auto document = read(drawing(block, "  0\nINSERT\n  8\n0\n  2\nW\n 10\n0\n 20\n0\n"));
  expectWipedBeforeOnly(painted(*document), "through an insert");
  expectWipedBeforeOnly(paintedThroughIndex(*document), "through an insert and the index");
  document->explodeAll();
  expectWipedBeforeOnly(painted(*document), "exploded");
}

TEST(PaintOrder, ExplodedAndSavedDrawingsPaintInTheSameOrder) {
  const auto document = read(drawing("", layered()));
  TempDir dir;
  const auto path = dir.file("saved.dxf");
  ASSERT_EQ(document->writeDXF(path), 0);
  DXF_Zeichnung saved;
  ASSERT_EQ(saved.readDXF(path), 0);
  expectWipedBeforeOnly(painted(saved), "saved and read back");
  // Saved twice: the order must not turn round with each save.
  const auto again = dir.file("again.dxf");
  ASSERT_EQ(saved.writeDXF(again), 0);
  DXF_Zeichnung savedTwice;
  ASSERT_EQ(savedTwice.readDXF(again), 0);
  expectWipedBeforeOnly(painted(savedTwice), "saved twice");
  document->explodeAll();
  expectWipedBeforeOnly(painted(*document), "exploded");
  expectWipedBeforeOnly(paintedThroughIndex(*document), "exploded, through the index");
}
