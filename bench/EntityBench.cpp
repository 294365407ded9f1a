// Records per second for drawing each entity kind through the Cairo painter and for reading
// each kind from memory.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/paint/CairoDeviceContext.h"
#include "toolkit/paint/CairoDrawingArea.h"
#include "entities/DXFGeometrie.h"
#include "dxf/GroupLines.h"
#include "entities/Kreis.h"
#include "entities/Kreisbogen.h"
#include "dxf/Layer.h"
#include "entities/Linie.h"
#include "toolkit/paint/PaintHandle.h"
#include "entities/Punkt.h"
#include "entities/Solid.h"
#include "entities/Hatch.h"
#include "entities/Spline.h"

namespace {

constexpr int kRecords = 1000;
constexpr int kPixels = 1000;
constexpr double kWorld = 1000.0;  // the world square 0..kWorld maps onto kPixels

// Small deterministic generator, so every run measures the same drawing.
class Random {
 public:
  double next(double low, double high) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return low + (high - low) * static_cast<double>(state_ >> 11) / 9007199254740992.0;
  }

 private:
  std::uint64_t state_ = 42;
};

void pair(std::string& out, const char* code, double value) {
  out += code;
  out += '\n';
  out += std::to_string(value);
  out += '\n';
}

// The group pairs of one record of each kind, after its type name line.
template <class Kind>
struct Record;

template <>
struct Record<Linie> {
  static constexpr const char* kType = "LINE";
  static void groups(std::string& out, Random& r) {
    const double x = r.next(0, kWorld), y = r.next(0, kWorld);
    pair(out, " 10", x), pair(out, " 20", y), pair(out, " 30", 0.0);
    pair(out, " 11", x + r.next(-100, 100)), pair(out, " 21", y + r.next(-100, 100));
    pair(out, " 31", 0.0);
  }
};

template <>
struct Record<Kreis> {
  static constexpr const char* kType = "CIRCLE";
  static void groups(std::string& out, Random& r) {
    pair(out, " 10", r.next(0, kWorld)), pair(out, " 20", r.next(0, kWorld));
    pair(out, " 30", 0.0), pair(out, " 40", r.next(2, 60));
  }
};

template <>
struct Record<Kreisbogen> {
  static constexpr const char* kType = "ARC";
  static void groups(std::string& out, Random& r) {
    pair(out, " 10", r.next(0, kWorld)), pair(out, " 20", r.next(0, kWorld));
    pair(out, " 30", 0.0), pair(out, " 40", r.next(2, 60));
    pair(out, " 50", r.next(0, 360)), pair(out, " 51", r.next(0, 360));
  }
};

template <>
struct Record<Punkt> {
  static constexpr const char* kType = "POINT";
  static void groups(std::string& out, Random& r) {
    pair(out, " 10", r.next(0, kWorld)), pair(out, " 20", r.next(0, kWorld));
    pair(out, " 30", 0.0);
  }
};

template <>
struct Record<Solid> {
  static constexpr const char* kType = "SOLID";
  static void groups(std::string& out, Random& r) {
    const double x = r.next(0, kWorld), y = r.next(0, kWorld), w = r.next(2, 40);
    const char* codes[4][3] = {
        {" 10", " 20", " 30"}, {" 11", " 21", " 31"}, {" 12", " 22", " 32"}, {" 13", " 23", " 33"}};
    const double corners[4][2] = {{x, y}, {x + w, y}, {x, y + w}, {x + w, y + w}};
    for (int i = 0; i < 4; ++i) {
      pair(out, codes[i][0], corners[i][0]), pair(out, codes[i][1], corners[i][1]);
      pair(out, codes[i][2], 0.0);
    }
  }
};

// A cubic through six fit points, about 100 units long.
template <>
struct Record<Spline> {
  static constexpr const char* kType = "SPLINE";
  static void groups(std::string& out, Random& r) {
    out += " 70\n8\n 71\n3\n";
    const double x = r.next(0, kWorld - 100), y = r.next(0, kWorld - 50);
    for (int i = 0; i < 6; ++i) {
      pair(out, " 11", x + 20.0 * i), pair(out, " 21", y + r.next(0, 50)), pair(out, " 31", 0.0);
    }
  }
};

// A 40 x 40 square with a round island, hatched at 45 degrees 2 units apart (every
// third one filled solid instead).
template <>
struct Record<Hatch> {
  static constexpr const char* kType = "HATCH";
  static void groups(std::string& out, Random& r) {
    const bool solid = r.next(0, 3) < 1;
    const double x = r.next(0, kWorld - 40), y = r.next(0, kWorld - 40);
    out += solid ? " 70\n1\n" : " 70\n0\n";
    out += " 91\n2\n 92\n3\n 72\n0\n 73\n1\n 93\n4\n";
    for (const auto& [cx, cy] : {std::pair{0, 0}, {40, 0}, {40, 40}, {0, 40}}) {
      pair(out, " 10", x + cx), pair(out, " 20", y + cy);
    }
    out += " 97\n0\n 92\n16\n 93\n1\n 72\n2\n";
    pair(out, " 10", x + 20), pair(out, " 20", y + 20), pair(out, " 40", 10.0);
    out += " 50\n0\n 51\n360\n 73\n1\n 97\n0\n 75\n0\n 76\n1\n";
    if (!solid) out += " 78\n1\n 53\n45\n 43\n0\n 44\n0\n 45\n-1.4142\n 46\n1.4142\n 79\n0\n";
  }
};

// Three layers that differ in colour and linetype; records take them in turn, so the pen
// changes as often as it can (the worst case for the pen cache).
const char* const kLayerNames[3] = {"OUTLINE", "HIDDEN", "CENTER"};

std::vector<Layer*> makeLayers() {
  static Layer outline("OUTLINE"), hidden("HIDDEN"), center("CENTER");
  hidden.setColourNumber("1"), hidden.setLinetypeName("HIDDEN");
  center.setColourNumber("5"), center.setLinetypeName("DASHDOT");
  for (Layer* layer : {&outline, &hidden, &center}) layer->deriveColourAndStyle();
  return {&outline, &hidden, &center};
}

// kRecords records of one kind, each from its type name line to its closing "  0".
template <class Kind>
const std::string& recordsOf() {
  static const std::string text = [] {
    std::string out;
    Random random;
    for (int i = 0; i < kRecords; ++i) {
      out += Record<Kind>::kType;
      out += "\n  8\n";
      out += kLayerNames[i % 3];
      out += '\n';
      Record<Kind>::groups(out, random);
      out += "  0\n";
    }
    return out;
  }();
  return text;
}

// The records read into entities with their layers attached.
template <class Kind>
std::vector<std::unique_ptr<DXFGeometrie>> entitiesOf() {
  const std::vector<Layer*> layers = makeLayers();
  DxfLineReader in = DxfLineReader::fromBytes(recordsOf<Kind>());
  std::vector<std::unique_ptr<DXFGeometrie>> entities;
  for (int i = 0; i < kRecords; ++i) {
    in.readLine();
    auto entity = std::make_unique<Kind>();
    entity->readGroups(in);
    entity->attachLayer(layers);
    entities.push_back(std::move(entity));
  }
  return entities;
}

template <class Kind>
void BM_Read(benchmark::State& state) {
  const std::string& text = recordsOf<Kind>();
  for (auto _ : state) {
    DxfLineReader in = DxfLineReader::fromBytes(text);
    for (int i = 0; i < kRecords; ++i) {
      in.readLine();
      Kind entity;
      benchmark::DoNotOptimize(entity.readGroups(in));
    }
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// Drawing area of the screen: the whole world visible, every entity on the canvas.
template <class Kind>
void BM_DrawArea(benchmark::State& state) {
  const auto entities = entitiesOf<Kind>();
  CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPixels, kPixels));
  CairoPtr cr(cairo_create(surface.get()));
  CairoDrawingArea area(cr.get(), {kPixels, kPixels}, {kPixels, kPixels}, {0, 0});
  area.set_wc_coords(0.0, 0.0, kWorld, kWorld);
  for (auto _ : state) {
    DXFGeometrie::resetPenCache();
    for (const auto& entity : entities) entity->draw(area, 1.0, 0.0, 0.0, 0.0);
  }
  cairo_surface_flush(surface.get());
  state.SetItemsProcessed(state.iterations() * kRecords);
}

// Printer road: the entities fitted onto a device context of the same pixel size.
template <class Kind>
void BM_DrawDevice(benchmark::State& state) {
  const auto entities = entitiesOf<Kind>();
  CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPixels, kPixels));
  CairoPtr cr(cairo_create(surface.get()));
  CairoDeviceContext dc(cr.get(), kPixels, kPixels);
  for (auto _ : state) {
    DXFGeometrie::resetPenCache();
    for (const auto& entity : entities) {
      entity->drawOnDevice(dc, 1.0, 0.0, 0.0, kWorld, kWorld, 0.0, 0.0, 0.0);
    }
  }
  cairo_surface_flush(surface.get());
  state.SetItemsProcessed(state.iterations() * kRecords);
}

// One text output per record: the cost the text entities pay on top of their reading.
void BM_TextOut(benchmark::State& state) {
  CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPixels, kPixels));
  CairoPtr cr(cairo_create(surface.get()));
  CairoDeviceContext dc(cr.get(), kPixels, kPixels);
  TextStyle style;
  style.pixelHeight = static_cast<int>(state.range(0));
  Random random;
  for (auto _ : state) {
    dc.text_out(random.next(0, kPixels), random.next(0, kPixels),
                "\xD8"
                "12 H7 M8x1",
                style);
  }
  cairo_surface_flush(surface.get());
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK_TEMPLATE(BM_Read, Linie);
BENCHMARK_TEMPLATE(BM_Read, Kreis);
BENCHMARK_TEMPLATE(BM_Read, Kreisbogen);
BENCHMARK_TEMPLATE(BM_Read, Punkt);
BENCHMARK_TEMPLATE(BM_Read, Solid);
BENCHMARK_TEMPLATE(BM_Read, Spline);
BENCHMARK_TEMPLATE(BM_Read, Hatch);

BENCHMARK_TEMPLATE(BM_DrawArea, Linie);
BENCHMARK_TEMPLATE(BM_DrawArea, Kreis);
BENCHMARK_TEMPLATE(BM_DrawArea, Kreisbogen);
BENCHMARK_TEMPLATE(BM_DrawArea, Punkt);
BENCHMARK_TEMPLATE(BM_DrawArea, Solid);
BENCHMARK_TEMPLATE(BM_DrawArea, Spline);
BENCHMARK_TEMPLATE(BM_DrawArea, Hatch);

BENCHMARK_TEMPLATE(BM_DrawDevice, Linie);
BENCHMARK_TEMPLATE(BM_DrawDevice, Kreis);
BENCHMARK_TEMPLATE(BM_DrawDevice, Kreisbogen);
BENCHMARK_TEMPLATE(BM_DrawDevice, Punkt);
BENCHMARK_TEMPLATE(BM_DrawDevice, Solid);
BENCHMARK_TEMPLATE(BM_DrawDevice, Spline);
BENCHMARK_TEMPLATE(BM_DrawDevice, Hatch);

BENCHMARK(BM_TextOut)->Arg(12)->Arg(40)->Arg(400);

}  // namespace
