// dxftool render of texts and solids: capitals as high as the file says, in and out of
// inserts, attributes included; solids filled as quadrilaterals.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>

#include "ToolTestData.h"

using testsupport::TempDir;
using tooltest::runTool;

namespace {

// A drawing 100 x 50 framed by lines, with capital H's, an attribute and a solid given in
// the file's zigzag corner order.
std::string textDrawing() {
  std::ostringstream dxf;
  dxf << "  0\nSECTION\n  2\nHEADER\n  9\n$EXTMIN\n 10\n0\n 20\n0\n  9\n$EXTMAX\n 10\n100\n"
         " 20\n50\n  0\nENDSEC\n  0\nSECTION\n  2\nBLOCKS\n"
         "  0\nBLOCK\n  8\n0\n  2\nH5\n 70\n0\n 10\n0\n 20\n0\n"
         "  0\nTEXT\n  8\n0\n 10\n0\n 20\n0\n 40\n5\n  1\nH\n"
         "  0\nATTDEF\n  8\n0\n 10\n0\n 20\n-8\n 40\n5\n  1\nDEFAULT\n  2\nTAG\n 70\n0\n"
         "  0\nENDBLK\n  8\n0\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n";
  const double corners[5][2] = {{0, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}};
  for (int i = 0; i < 4; ++i) {
    dxf << "  0\nLINE\n  8\n0\n 10\n"
        << corners[i][0] << "\n 20\n"
        << corners[i][1] << "\n 11\n"
        << corners[i + 1][0] << "\n 21\n"
        << corners[i + 1][1] << "\n";
  }
  dxf << "  0\nTEXT\n  8\n0\n 10\n10\n 20\n10\n 40\n10\n  1\nH\n"
         "  0\nINSERT\n  8\n0\n 66\n1\n  2\nH5\n 10\n35\n 20\n10\n 41\n2\n 42\n2\n"
         "  0\nATTRIB\n  8\n0\n 10\n10\n 20\n35\n 40\n5\n  1\nH\n  2\nTAG\n 70\n0\n"
         "  0\nSEQEND\n  8\n0\n"
         "  0\nSOLID\n  8\n0\n 10\n70\n 20\n10\n 11\n90\n 21\n10\n 12\n70\n 22\n30\n"
         " 13\n90\n 23\n30\n"
         "  0\nENDSEC\n  0\nEOF\n";
  return dxf.str();
}

// A rendered picture with the frame's place, for looking at drawing-unit rectangles.
class Picture {
 public:
  explicit Picture(const std::filesystem::path& png)
      : surface_(cairo_image_surface_create_from_png(png.c_str())) {
    cairo_surface_flush(surface_);
    const auto frame = inkBox(0, 0, width(), height());
    left_ = frame.left;
    bottom_ = frame.bottom;
    scale_ = double(frame.right - frame.left) / 100.0;
  }
  ~Picture() { cairo_surface_destroy(surface_); }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  bool loaded() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
  double pixelsPerUnit() const { return scale_; }

  struct Box {
    int left = -1, top = -1, right = -1, bottom = -1;
    int height() const { return bottom - top + 1; }
  };

  // The ink inside the drawing-unit rectangle (x0, y0) to (x1, y1).
  Box inkIn(double x0, double y0, double x1, double y1) const {
    return inkBox(int(left_ + x0 * scale_), int(bottom_ - y1 * scale_), int(left_ + x1 * scale_),
                  int(bottom_ - y0 * scale_));
  }
  double rowOf(double y) const { return bottom_ - y * scale_; }
  bool inkedAt(double x, double y) const {
    return inked(int(left_ + x * scale_), int(bottom_ - y * scale_));
  }

 private:
  int width() const { return cairo_image_surface_get_width(surface_); }
  int height() const { return cairo_image_surface_get_height(surface_); }
  bool inked(int x, int y) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const auto pixel = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
    const int sum = int((pixel >> 16) & 0xFF) + int((pixel >> 8) & 0xFF) + int(pixel & 0xFF);
    return sum < 3 * 160;
  }
  Box inkBox(int x0, int y0, int x1, int y1) const {
    Box box;
    for (int y = std::max(0, y0); y < std::min(height(), y1); ++y) {
      for (int x = std::max(0, x0); x < std::min(width(), x1); ++x) {
        if (!inked(x, y)) continue;
        if (box.left < 0 || x < box.left) box.left = x;
        box.right = std::max(box.right, x);
        if (box.top < 0) box.top = y;
        box.bottom = y;
      }
    }
    return box;
  }

  cairo_surface_t* surface_;
  int left_ = 0;
  int bottom_ = 0;
  double scale_ = 1.0;
};

TEST(RenderTexts, CapitalsStandAsHighAsTheirHeightTimesTheInsertsScale) {
  TempDir dir;
  const auto in = dir.file("texts.dxf");
  testsupport::writeFile(in, textDrawing());
  const auto out = dir.file("texts.png");
  ASSERT_EQ(
      runTool({"render", in.string(), out.string(), "--width", "1102", "--height", "1102"}, dir)
          .status,
      0);
  const Picture picture(out);
  ASSERT_TRUE(picture.loaded());
  ASSERT_GT(picture.pixelsPerUnit(), 5.0);
  struct Cell {
    const char* what;
    double x, y, height;
  };
  for (const Cell& c : {Cell{"text 10", 10, 10, 10}, Cell{"text 5 at scale 2", 35, 10, 10},
                        Cell{"attribute 5", 10, 35, 5}}) {
    SCOPED_TRACE(c.what);
    const auto box = picture.inkIn(c.x - 1, c.y - 2, c.x + 1.5 * c.height, c.y + 1.5 * c.height);
    ASSERT_GE(box.left, 0);
    const double expected = c.height * picture.pixelsPerUnit();
    EXPECT_NEAR(box.height(), expected, 0.05 * expected);
    // Standing on its baseline at the insertion point.
    EXPECT_NEAR(box.bottom, picture.rowOf(c.y), 2);
  }
  // The attribute definition's default value is not drawn through the insert.
  EXPECT_LT(picture.inkIn(34, 0.5, 60, 9).left, 0);
}

TEST(RenderSolids, ZigzagCornersFillTheWholeSquare) {
  TempDir dir;
  const auto in = dir.file("texts.dxf");
  testsupport::writeFile(in, textDrawing());
  const auto out = dir.file("solid.png");
  ASSERT_EQ(runTool({"render", in.string(), out.string(), "--width", "602", "--height", "602"}, dir)
                .status,
            0);
  const Picture picture(out);
  ASSERT_TRUE(picture.loaded());
  // A bow-tie would leave the middles of the left and right sides empty.
  for (const auto& [x, y] : {std::pair{72.0, 20.0}, std::pair{88.0, 20.0}, std::pair{80.0, 12.0},
                             std::pair{80.0, 28.0}}) {
    EXPECT_TRUE(picture.inkedAt(x, y)) << x << ", " << y;
  }
}

}  // namespace
