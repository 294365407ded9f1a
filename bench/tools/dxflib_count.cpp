// Benchmark peer: reads a DXF file with dxflib and counts what its creation callbacks see.
//
// Built by bench/compare.sh for the comparison only; never linked into the product. The
// counts are printed so the run cannot be optimised away and can be checked by eye.
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <cstdio>

namespace {

class CountingAdapter : public DL_CreationAdapter {
 public:
  void addLayer(const DL_LayerData&) override { ++layers; }
  void addLinetype(const DL_LinetypeData&) override { ++linetypes; }
  void addBlock(const DL_BlockData&) override { ++blocks; }
  void addPoint(const DL_PointData&) override { ++points; }
  void addLine(const DL_LineData&) override { ++lines; }
  void addArc(const DL_ArcData&) override { ++arcs; }
  void addCircle(const DL_CircleData&) override { ++circles; }
  void addPolyline(const DL_PolylineData&) override { ++polylines; }
  void addVertex(const DL_VertexData&) override { ++vertices; }
  void addInsert(const DL_InsertData&) override { ++inserts; }
  void addText(const DL_TextData&) override { ++texts; }
  void addMText(const DL_MTextData&) override { ++texts; }
  void addSolid(const DL_SolidData&) override { ++solids; }
  void addDimAlign(const DL_DimensionData&, const DL_DimAlignedData&) override { ++dims; }
  void addDimLinear(const DL_DimensionData&, const DL_DimLinearData&) override { ++dims; }
  void addDimRadial(const DL_DimensionData&, const DL_DimRadialData&) override { ++dims; }
  void addDimDiametric(const DL_DimensionData&, const DL_DimDiametricData&) override { ++dims; }
  void addDimAngular(const DL_DimensionData&, const DL_DimAngular2LData&) override { ++dims; }
  void addDimAngular3P(const DL_DimensionData&, const DL_DimAngular3PData&) override { ++dims; }
  void addDimOrdinate(const DL_DimensionData&, const DL_DimOrdinateData&) override { ++dims; }

  long layers = 0, linetypes = 0, blocks = 0, points = 0, lines = 0, arcs = 0, circles = 0,
       polylines = 0, vertices = 0, inserts = 0, texts = 0, solids = 0, dims = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dxflib_count FILE\n");
    return 2;
  }
  CountingAdapter counts;
  DL_Dxf dxf;
  if (!dxf.in(argv[1], &counts)) {
    std::fprintf(stderr, "dxflib could not open %s\n", argv[1]);
    return 1;
  }
  std::printf(
      "LINE %ld ARC %ld CIRCLE %ld POINT %ld TEXT %ld SOLID %ld polylines %ld vertices %ld "
      "inserts %ld dimensions %ld blocks %ld layers %ld linetypes %ld\n",
      counts.lines, counts.arcs, counts.circles, counts.points, counts.texts, counts.solids,
      counts.polylines, counts.vertices, counts.inserts, counts.dims, counts.blocks, counts.layers,
      counts.linetypes);
  return 0;
}
