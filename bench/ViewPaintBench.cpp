// Times of the screen's painting road on the generated drawings, in a 1600 x 1200 drawing
// area without a window: open (read, index, first fitted paint), a fit, a zoom step in and
// back, a repaint at ten times the fitted scale and a scroll by 100 pixels there. Each
// paint goes through the spatial index, level of detail and all painting threads into an
// image, exactly as the viewer paints its viewport.
//
// Set DXFV_BENCH_DATA to a folder holding gen_<N>_R12.dxf / gen_<N>_R2000.dxf files (those of
// bench/generate_drawings.py); bench/view_table.sh does all of it and prints the table.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "document/DXF_Zeichnung.h"
#include "document/IndexedDrawing.h"
#include "toolkit/paint/PaintHandle.h"
#include "toolkit/paint/ViewPicture.h"
#include "viewer/FittedView.h"

namespace {

constexpr PixelSize kContainer{1600, 1200};
constexpr double kZoomStep = 2.0;
constexpr double kCloseZoom = 10.0;
constexpr int kScrollPixels = 100;
const std::atomic<bool> kNever{false};

struct Loaded {
  std::unique_ptr<DXF_Zeichnung> document;
  std::unique_ptr<IndexedDrawing> scene;
};

Loaded load(const std::filesystem::path& path) {
  Loaded loaded{std::make_unique<DXF_Zeichnung>(), nullptr};
  loaded.document->readDXF(path);
  loaded.scene = std::make_unique<IndexedDrawing>(*loaded.document);
  return loaded;
}

// The drawings stay loaded between the benchmarks of one file.
const Loaded& cached(const std::filesystem::path& path) {
  static std::map<std::filesystem::path, Loaded> drawings;
  auto found = drawings.find(path);
  if (found == drawings.end()) found = drawings.emplace(path, load(path)).first;
  return found->second;
}

// The view the open command fits.
ViewPlacement fitted(const DXF_Zeichnung& document) {
  return fittedView(kContainer,
                    {document.minX(), document.minY(), document.maxX(), document.maxY()});
}

// Zoomed by `factor` about the centre of the container.
ViewPlacement zoomed(ViewPlacement view, double factor) {
  const auto keep = [factor](int position, int container) {
    return static_cast<int>(std::trunc((1.0 - factor) * (container * 0.5 - position))) + position;
  };
  view.position = {keep(view.position.x, view.container.width),
                   keep(view.position.y, view.container.height)};
  view.area = {static_cast<int>(view.area.width * factor),
               static_cast<int>(view.area.height * factor)};
  return view;
}

CairoSurfacePtr newPicture() {
  return CairoSurfacePtr(
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, kContainer.width, kContainer.height));
}

void paint(const IndexedDrawing& scene, cairo_surface_t* target, const ViewPlacement& view) {
  paintViewPicture(
      target, view,
      [&scene](DrawingArea& area, const std::atomic<bool>& cancelled) {
        PaintOptions options;
        options.cancelled = &cancelled;
        scene.paint(area, options);
      },
      kNever);
}

void BM_Open(benchmark::State& state, std::filesystem::path path) {
  const CairoSurfacePtr picture = newPicture();
  for (auto _ : state) {
    const Loaded loaded = load(path);
    paint(*loaded.scene, picture.get(), fitted(*loaded.document));
  }
}

// Repaints of one view, as `view` places it from the fitted one.
template <class View>
void BM_Paint(benchmark::State& state, std::filesystem::path path, View view) {
  const Loaded& loaded = cached(path);
  const ViewPlacement placement = view(fitted(*loaded.document));
  const CairoSurfacePtr picture = newPicture();
  for (auto _ : state) paint(*loaded.scene, picture.get(), placement);
}

void BM_Scroll(benchmark::State& state, std::filesystem::path path) {
  const Loaded& loaded = cached(path);
  const ViewPlacement before = zoomed(fitted(*loaded.document), kCloseZoom);
  ViewPlacement after = before;
  after.position.y -= kScrollPixels;
  const CairoSurfacePtr previous = newPicture();
  const CairoSurfacePtr picture = newPicture();
  paint(*loaded.scene, previous.get(), before);
  const ScenePainter scene = [&loaded](DrawingArea& area, const std::atomic<bool>& cancelled) {
    PaintOptions options;
    options.cancelled = &cancelled;
    loaded.scene->paint(area, options);
  };
  for (auto _ : state) {
    scrollViewPicture(picture.get(), previous.get(), before, after, scene, kNever);
  }
}

const bool registered = [] {
  const char* folder = std::getenv("DXFV_BENCH_DATA");
  if (folder == nullptr) return true;
  std::map<std::string, std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("gen_", 0) == 0 && entry.path().extension() == ".dxf")
      files.emplace(name, entry.path());
  }
  for (const auto& [name, path] : files) {
    const std::string label = "/" + name;
    benchmark::RegisterBenchmark(("Open" + label).c_str(), BM_Open, path)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(3);
    auto repaint = [&](const char* what, auto view) {
      benchmark::RegisterBenchmark(
          (what + label).c_str(),
          [path, view](benchmark::State& state) { BM_Paint(state, path, view); })
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime()
          ->MinTime(0.5);
    };
    repaint("Fit", [](ViewPlacement v) { return v; });
    repaint("ZoomIn", [](ViewPlacement v) { return zoomed(v, kZoomStep); });
    repaint("Zoom10", [](ViewPlacement v) { return zoomed(v, kCloseZoom); });
    benchmark::RegisterBenchmark(("Scroll100" + label).c_str(), BM_Scroll, path)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(0.5);
  }
  return true;
}();

}  // namespace
