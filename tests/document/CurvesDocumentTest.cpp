// Splines and hatches in drawings: inside inserts, exploded, saved and read back.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "DocumentTesting.h"
#include "support/InkImage.h"

namespace {

using namespace documenttesting;

// A rational quarter circle of radius 6 around the origin and a curve through four points.
const std::string kSplines =
    "  0\nSPLINE\n  8\n0\n 70\n12\n 71\n2\n 40\n0\n 40\n0\n 40\n0\n 40\n1\n 40\n1\n 40\n1\n"
    " 10\n6\n 20\n0\n 41\n1\n 10\n6\n 20\n6\n 41\n0.70710678\n 10\n0\n 20\n6\n 41\n1\n"
    "  0\nSPLINE\n  8\n0\n 70\n8\n 71\n3\n 11\n-8\n 21\n0\n 11\n-5\n 21\n4\n 11\n-2\n 21\n-1\n"
    " 11\n1\n 21\n-6\n";

// A solid square with a square island, and a 45-degree pattern over a triangle.
const std::string kHatches =
    "  0\nHATCH\n  8\n0\n 62\n1\n 70\n1\n 91\n2\n"
    " 92\n3\n 72\n0\n 73\n1\n 93\n4\n 10\n0\n 20\n0\n 10\n8\n 20\n0\n 10\n8\n 20\n8\n 10\n0\n "
    "20\n8\n 97\n0\n"
    " 92\n18\n 72\n0\n 73\n1\n 93\n4\n 10\n2\n 20\n2\n 10\n6\n 20\n2\n 10\n6\n 20\n6\n 10\n2\n "
    "20\n6\n 97\n0\n"
    " 75\n0\n 76\n1\n 98\n0\n"
    "  0\nHATCH\n  8\n0\n 70\n0\n 91\n1\n 92\n1\n 93\n3\n 72\n1\n 10\n-9\n 20\n-9\n 11\n0\n "
    "21\n-9\n"
    " 72\n1\n 10\n0\n 20\n-9\n 11\n-9\n 21\n0\n 72\n1\n 10\n-9\n 20\n0\n 11\n-9\n 21\n-9\n 97\n0\n"
    " 75\n0\n 76\n1\n 52\n45\n 41\n1\n 77\n0\n 78\n1\n 53\n45\n 43\n0\n 44\n0\n 45\n-0.5\n "
    "46\n0.5\n"
    " 79\n2\n 49\n1\n 49\n-0.5\n 98\n0\n";

// The block placed plainly, scaled and turned, mirrored, and nested in a turned insert.
const std::string kInserts =
    insert("B", 20, 20) + insert("B", -40, 30, 1.5, 30) +
    "  0\nINSERT\n  8\n0\n  2\nB\n 10\n-30\n 20\n-30\n 41\n-1\n 42\n1\n 50\n20\n" +
    insert("OUTER", 40, -40, 2, -60);

testsupport::RecordingDrawingArea rendered(const DXF_Zeichnung& document) {
  testsupport::RecordingDrawingArea area;
  area.setWorld(-100, -100, 100, 100, 800, 800);
  area.containerSize = {800, 800};
  DXFGeometrie::resetPenCache();
  document.drawAll(area, 1.0);
  return area;
}

double inkAgreement(const DXF_Zeichnung& a, const DXF_Zeichnung& b) {
  const testsupport::InkImage first(rendered(a));
  const testsupport::InkImage second(rendered(b));
  EXPECT_GT(first.inkCount(), 1000);
  return testsupport::InkImage::agreement(first, second);
}

int countOfKind(const DXF_Zeichnung& document, const char* kind) {
  int n = 0;
  for (int i = 0; i < document.entities().count(); ++i) {
    n += std::string(document.entities().at(i)->typeName()) == kind ? 1 : 0;
  }
  return n;
}

std::string drawingWith(const std::string& content) {
  return dxfFile(content + kInserts,
                 block("B", content) + block("OUTER", insert("B", 5, 0, 1, 90)));
}

TEST(CurvesExplode, HatchPiecesDrawExactlyAsTheHatchInEveryInsert) {
  auto document = readOk(drawingWith(kHatches));
  const auto drawn = picture(*document);
  document->explodeAll();
  EXPECT_EQ(countOfKind(*document, "HATCH"), 0);
  EXPECT_GT(countOfKind(*document, "SOLID"), 0);
  EXPECT_GT(countOfKind(*document, "LINE"), 0);
  EXPECT_EQ(picture(*document), drawn);
  EXPECT_GT(drawn.size(), 100u);
  // Turning and mirroring the whole drawing keeps the two alike.
  auto whole = readOk(drawingWith(kHatches));
  whole->rotateAll(-1.5, 30, 3, -1, 0);
  document->rotateAll(-1.5, 30, 3, -1, 0);
  EXPECT_EQ(picture(*document), picture(*whole));
}

TEST(CurvesExplode, ExplodedSplinesDrawTheSameCurvesInEveryInsert) {
  auto document = readOk(drawingWith(kSplines + kHatches));
  auto exploded = readOk(drawingWith(kSplines + kHatches));
  exploded->explodeAll();
  EXPECT_EQ(countOfKind(*exploded, "SPLINE"), 0);
  EXPECT_EQ(exploded->inserts().count(), 0);
  EXPECT_GE(inkAgreement(*document, *exploded), 0.99);
}

TEST(CurvesSaving, SavedFileHoldsOnlyR12KindsAndDrawsTheSamePicture) {
  auto document = readOk(drawingWith(kSplines + kHatches));
  const std::string saved = writtenText(*document);
  EXPECT_EQ(saved.find("\nSPLINE\n"), std::string::npos);
  EXPECT_EQ(saved.find("\nHATCH\n"), std::string::npos);
  auto again = readOk(saved);
  EXPECT_GE(inkAgreement(*document, *again), 0.98);
}

TEST(CurvesSaving, DocumentExtentsHoldSplinesAndHatches) {
  auto document = readOk(dxfFile(kSplines + kHatches));
  ASSERT_TRUE(document->computeExtents());
  EXPECT_NEAR(document->minX(), -9.0, 1e-6);
  EXPECT_NEAR(document->minY(), -9.0, 1e-6);
  EXPECT_NEAR(document->maxX(), 8.0, 1e-6);
  EXPECT_NEAR(document->maxY(), 8.0, 1e-6);
}

}  // namespace
