// Throughput of readDXF on generated drawings of 100 000 and 1 000 000 records, written as
// release 12 (POLYLINE with VERTEX records) and release 2000 (LWPOLYLINE, subclass markers)
// files, next to a bare tokenizer that only splits lines and converts numbers (the floor any
// reader must pay) and the line protocol alone. ReadDxf reports the heap per byte of the
// file: what the loaded document keeps (heap_per_file_byte) and the most taken at any time
// while reading (peak_heap_per_file_byte).
//
// Set DXFV_BENCH_DATA to a folder holding gen_<N>_R12.dxf / gen_<N>_R2000.dxf files (those of
// bench/generate_drawings.py) to measure them as well.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "document/DXF_Zeichnung.h"

// Heap accounting for the memory figures. Counting is switched on only for one extra read
// after the timed loop, so the timed reads pay no more than one test of a flag per block.
// Each block is counted at its real size in the allocator: its usable size plus the word of
// bookkeeping in front of it. The benchmarks run on one thread.
namespace heapcount {

bool active = false;
long long current = 0;
long long peak = 0;

long long blockBytes(void* block) {
  return static_cast<long long>(malloc_usable_size(block) + sizeof(std::size_t));
}

void* allocate(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  if (active) {
    current += blockBytes(block);
    if (current > peak) peak = current;
  }
  return block;
}

void release(void* block) {
  if (block == nullptr) return;
  if (active) current -= blockBytes(block);
  std::free(block);
}

}  // namespace heapcount

void* operator new(std::size_t size) { return heapcount::allocate(size); }
void* operator new[](std::size_t size) { return heapcount::allocate(size); }
void operator delete(void* block) noexcept { heapcount::release(block); }
void operator delete[](void* block) noexcept { heapcount::release(block); }
void operator delete(void* block, std::size_t) noexcept { heapcount::release(block); }
void operator delete[](void* block, std::size_t) noexcept { heapcount::release(block); }

namespace {

constexpr int kLayers = 24;
constexpr int kBlocks = 40;

enum class Release { R12, R2000 };

// Small deterministic generator, so every run reads the same drawing.
class Random {
 public:
  double next(double low, double high) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return low + (high - low) * static_cast<double>(state_ >> 11) / 9007199254740992.0;
  }
  int below(int n) { return static_cast<int>(next(0, n)) % n; }

 private:
  std::uint64_t state_ = 7;
};

// Writes DXF text the way CAD programs lay out a file: padded group codes, handles, reals
// with up to 6 decimals. Release 2000 adds owner handles and subclass markers and writes
// polylines as LWPOLYLINE.
class Generator {
 public:
  Generator(int records, Release release) : records_(records), r2000_(release == Release::R2000) {}

  std::string drawing() {
    header();
    tables();
    blocks();
    entities();
    return std::move(out_);
  }

 private:
  void code(int c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%3d\n", c);
    out_ += buffer;
  }
  void text(int c, std::string_view value) {
    code(c);
    out_ += value;
    out_ += '\n';
  }
  void real(int c, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    text(c, buffer);
  }
  void integer(int c, long value) { text(c, std::to_string(value)); }
  void handle() {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%lX", ++handle_);
    text(5, buffer);
  }
  // Type name, handle, (owner and entity marker,) layer, (subclass marker).
  void start(const char* type, const std::string& layer, const char* subclass) {
    text(0, type);
    handle();
    if (r2000_) {
      text(330, "1F");
      text(100, "AcDbEntity");
    }
    text(8, layer);
    if (r2000_ && subclass) text(100, subclass);
  }
  void tableEntry(const char* type, const char* subclass) {
    text(0, type);
    if (!r2000_) return;
    handle();
    text(330, "2");
    text(100, "AcDbSymbolTableRecord");
    text(100, subclass);
  }
  std::string layerName(int i) const { return "LAYER_" + std::to_string(i); }
  std::string anyLayer() { return layerName(random_.below(kLayers)); }

  void header() {
    text(0, "SECTION");
    text(2, "HEADER");
    text(9, "$ACADVER");
    text(1, r2000_ ? "AC1015" : "AC1009");
    text(9, "$EXTMIN");
    real(10, 0.0);
    real(20, 0.0);
    text(9, "$EXTMAX");
    real(10, 10000.0);
    real(20, 10000.0);
    text(9, "$LTSCALE");
    real(40, 1.0);
    text(0, "ENDSEC");
  }

  void tables() {
    static const char* kLinetypes[] = {"CONTINUOUS", "DASHED", "HIDDEN", "CENTER", "PHANTOM"};
    text(0, "SECTION");
    text(2, "TABLES");
    text(0, "TABLE");
    text(2, "LTYPE");
    integer(70, 5);
    for (const char* name : kLinetypes) {
      tableEntry("LTYPE", "AcDbLinetypeTableRecord");
      text(2, name);
      integer(70, 0);
      text(3, "pattern");
      integer(72, 65);
      integer(73, 2);
      real(40, 1.5);
      real(49, 1.0);
      real(49, -0.5);
    }
    text(0, "ENDTAB");
    text(0, "TABLE");
    text(2, "LAYER");
    integer(70, kLayers);
    for (int i = 0; i < kLayers; ++i) {
      tableEntry("LAYER", "AcDbLayerTableRecord");
      text(2, layerName(i));
      integer(70, 0);
      integer(62, 1 + i % 7);
      text(6, kLinetypes[i % 5]);
    }
    text(0, "ENDTAB");
    text(0, "ENDSEC");
  }

  void blocks() {
    text(0, "SECTION");
    text(2, "BLOCKS");
    for (int b = 0; b < kBlocks; ++b) {
      start("BLOCK", "0", "AcDbBlockBegin");
      text(2, "PART_" + std::to_string(b));
      integer(70, 0);
      real(10, 0.0);
      real(20, 0.0);
      real(30, 0.0);
      text(3, "PART_" + std::to_string(b));
      for (int i = 0; i < 12; ++i) record(i % 6, "0");
      if (b > 0) insert("PART_" + std::to_string(b - 1), "0");
      start("ENDBLK", "0", "AcDbBlockEnd");
    }
    text(0, "ENDSEC");
  }

  void entities() {
    text(0, "SECTION");
    text(2, "ENTITIES");
    for (int i = 0; i < records_ - kBlocks * 13; ++i) {
      const int kind = random_.below(20);
      if (kind < 2) {
        insert("PART_" + std::to_string(random_.below(kBlocks)), anyLayer());
      } else {
        record(kind % 8, anyLayer());
      }
    }
    text(0, "ENDSEC");
    text(0, "EOF");
  }

  void point(int xCode) {
    real(xCode, random_.next(0, 10000));
    real(xCode + 10, random_.next(0, 10000));
    real(xCode + 20, 0.0);
  }

  void record(int kind, const std::string& layer) {
    switch (kind) {
      case 0:
      case 1:
      case 2:
        start("LINE", layer, "AcDbLine");
        point(10);
        point(11);
        break;
      case 3:
        start("ARC", layer, "AcDbCircle");
        point(10);
        real(40, random_.next(1, 50));
        if (r2000_) text(100, "AcDbArc");
        real(50, random_.next(0, 360));
        real(51, random_.next(0, 360));
        break;
      case 4:
        start("CIRCLE", layer, "AcDbCircle");
        point(10);
        real(40, random_.next(1, 50));
        break;
      case 5:
        if (r2000_) {
          lightweightPolyline(layer);
        } else {
          polyline(layer);
        }
        break;
      case 6:
        start("TEXT", layer, "AcDbText");
        point(10);
        real(40, 2.5);
        text(1, "Catalogue part %%c12 x 45%%d");
        real(50, 0.0);
        if (r2000_) text(100, "AcDbText");
        break;
      default:
        start("SOLID", layer, "AcDbTrace");
        point(10);
        point(11);
        point(12);
        point(13);
        break;
    }
  }

  void polyline(const std::string& layer) {
    start("POLYLINE", layer, nullptr);
    integer(66, 1);
    real(10, 0.0);
    real(20, 0.0);
    real(30, 0.0);
    integer(70, random_.below(2));
    const int vertices = 3 + random_.below(4);
    for (int v = 0; v < vertices; ++v) {
      start("VERTEX", layer, nullptr);
      point(10);
      if (v % 2 == 0) real(42, random_.next(-1, 1));
    }
    start("SEQEND", layer, nullptr);
  }

  void lightweightPolyline(const std::string& layer) {
    start("LWPOLYLINE", layer, "AcDbPolyline");
    const int vertices = 3 + random_.below(4);
    integer(90, vertices);
    integer(70, random_.below(2));
    real(43, 0.0);
    for (int v = 0; v < vertices; ++v) {
      real(10, random_.next(0, 10000));
      real(20, random_.next(0, 10000));
      if (v % 2 == 0) real(42, random_.next(-1, 1));
    }
  }

  void insert(const std::string& block, const std::string& layer) {
    start("INSERT", layer, "AcDbBlockReference");
    text(2, block);
    point(10);
    real(41, 1.0);
    real(42, 1.0);
    real(50, random_.next(0, 360));
  }

  std::string out_;
  Random random_;
  unsigned long handle_ = 0x100;
  int records_;
  bool r2000_;
};

// Drawings are made (or loaded) on first use and kept for the whole run.
class Drawings {
 public:
  static const std::string& generated(int records, Release release) {
    auto& cache = instance().generated_;
    const auto key = std::make_pair(records, release);
    auto found = cache.find(key);
    if (found == cache.end()) {
      found = cache.emplace(key, Generator(records, release).drawing()).first;
    }
    return found->second;
  }
  static const std::string& file(const std::filesystem::path& path) {
    auto& cache = instance().files_;
    auto found = cache.find(path);
    if (found == cache.end()) {
      std::ifstream in(path, std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      found = cache.emplace(path, bytes.str()).first;
    }
    return found->second;
  }

 private:
  static Drawings& instance() {
    static Drawings drawings;
    return drawings;
  }
  std::map<std::pair<int, Release>, std::string> generated_;
  std::map<std::filesystem::path, std::string> files_;
};

void reportBytes(benchmark::State& state, const std::string& text) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
  state.counters["file_MB"] = static_cast<double>(text.size()) / 1e6;
}

// The floor: every line split off, every group code converted to an integer and every
// value of a coordinate, length or angle group converted to a double.
void tokenizer(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    const char* p = text.data();
    const char* const end = p + text.size();
    double sum = 0.0;
    long codes = 0;
    while (p < end) {
      const char* codeEnd = static_cast<const char*>(std::memchr(p, '\n', end - p));
      if (!codeEnd) break;
      const char* c = p;
      while (c < codeEnd && *c == ' ') ++c;
      int code = 0;
      std::from_chars(c, codeEnd, code);
      codes += code;
      p = codeEnd + 1;
      const char* valueEnd = static_cast<const char*>(std::memchr(p, '\n', end - p));
      if (!valueEnd) break;
      if (code >= 10 && code < 60) {
        double value = 0.0;
        std::from_chars(p, valueEnd, value);
        sum += value;
      }
      p = valueEnd + 1;
    }
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(codes);
  }
  reportBytes(state, text);
}

// The shared line protocol alone: every line read into the 100-byte buffer, every code line
// recognised and the same values converted as by the tokenizer.
void lineProtocol(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    DxfLineReader in = DxfLineReader::fromBytes(text);
    double sum = 0.0;
    long codes = 0;
    for (;;) {
      const int code = groupCode(in.readLine());
      if (in.eof()) break;
      codes += code;
      if (code >= 10 && code < 60) {
        sum += in.readReal();
      } else {
        in.readLine();
      }
    }
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(codes);
  }
  reportBytes(state, text);
}

// readDXF from memory. One more read after the timed ones counts the heap: the peak while
// reading and what the loaded document keeps, each per byte of the file.
void readDxf(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    auto document = std::make_unique<DXF_Zeichnung>();
    const int result = document->readDXFFromMemory(text);
    if (result != 0) state.SkipWithError("readDXF failed");
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
  heapcount::current = 0;
  heapcount::peak = 0;
  heapcount::active = true;
  auto document = std::make_unique<DXF_Zeichnung>();
  document->readDXFFromMemory(text);
  const long long kept = heapcount::current;
  heapcount::active = false;
  document.reset();
  reportBytes(state, text);
  const double size = static_cast<double>(text.size());
  state.counters["heap_per_file_byte"] = static_cast<double>(kept) / size;
  state.counters["peak_heap_per_file_byte"] = static_cast<double>(heapcount::peak) / size;
}

using Measure = void (*)(benchmark::State&, const std::string&);

void registerAll(const std::string& label, const std::string& (*text)(const void*),
                 const void* source) {
  const std::pair<const char*, Measure> measures[] = {
      {"Tokenizer", tokenizer}, {"LineProtocol", lineProtocol}, {"ReadDxf", readDxf}};
  for (const auto& [name, measureOf] : measures) {
    // A lambda may not capture a structured binding under every compiler this builds with.
    const Measure measure = measureOf;
    benchmark::RegisterBenchmark(
        (std::string(name) + "/" + label).c_str(),
        [measure, text, source](benchmark::State& state) { measure(state, text(source)); })
        ->Unit(benchmark::kMillisecond);
  }
}

struct GeneratedDrawing {
  int records;
  Release release;
};

constexpr GeneratedDrawing kGenerated[] = {{100000, Release::R12},
                                           {100000, Release::R2000},
                                           {1000000, Release::R12},
                                           {1000000, Release::R2000}};

const std::string& generatedText(const void* source) {
  const auto& drawing = *static_cast<const GeneratedDrawing*>(source);
  return Drawings::generated(drawing.records, drawing.release);
}

const std::string& fileText(const void* source) {
  return Drawings::file(*static_cast<const std::filesystem::path*>(source));
}

// Registers the generated drawings, then the files of DXFV_BENCH_DATA (names only; they are
// loaded when first measured).
const bool registered = [] {
  for (const GeneratedDrawing& drawing : kGenerated) {
    const std::string label = std::string(drawing.release == Release::R12 ? "R12/" : "R2000/") +
                              std::to_string(drawing.records);
    registerAll(label, generatedText, &drawing);
  }
  const char* folder = std::getenv("DXFV_BENCH_DATA");
  if (folder == nullptr) return true;
  static std::map<std::string, std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("gen_", 0) == 0 && entry.path().extension() == ".dxf") {
      files.emplace(name, entry.path());
    }
  }
  for (const auto& [name, path] : files) registerAll("file/" + name, fileText, &path);
  return true;
}();

}  // namespace
