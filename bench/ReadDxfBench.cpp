// Throughput of readDXF on a generated drawing of 100 000 records, next to a bare tokenizer
// that only splits lines and converts numbers (the floor any reader must pay), and the
// memory the loaded document takes per byte of the file.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "DXF_Zeichnung.h"

namespace {

constexpr int kRecords = 100000;
constexpr int kLayers = 24;
constexpr int kBlocks = 40;

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

// Writes DXF text the way CAD programs lay out a release 12 file: padded group codes,
// handles, reals with up to 6 decimals.
class Generator {
 public:
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
  void start(const char* type, const std::string& layer) {
    text(0, type);
    char handle[16];
    std::snprintf(handle, sizeof handle, "%lX", ++handle_);
    text(5, handle);
    text(8, layer);
  }
  std::string layerName(int i) const { return "LAYER_" + std::to_string(i); }
  std::string anyLayer() { return layerName(random_.below(kLayers)); }

  void header() {
    text(0, "SECTION");
    text(2, "HEADER");
    text(9, "$ACADVER");
    text(1, "AC1009");
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
      text(0, "LTYPE");
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
      text(0, "LAYER");
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
      text(0, "BLOCK");
      text(8, "0");
      text(2, "PART_" + std::to_string(b));
      integer(70, 0);
      real(10, 0.0);
      real(20, 0.0);
      real(30, 0.0);
      text(3, "PART_" + std::to_string(b));
      for (int i = 0; i < 12; ++i) record(i % 6, "0");
      if (b > 0) insert("PART_" + std::to_string(b - 1), "0");
      text(0, "ENDBLK");
      text(8, "0");
    }
    text(0, "ENDSEC");
  }

  void entities() {
    text(0, "SECTION");
    text(2, "ENTITIES");
    for (int i = 0; i < kRecords - kBlocks * 13; ++i) {
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
        start("LINE", layer);
        point(10);
        point(11);
        break;
      case 3:
        start("ARC", layer);
        point(10);
        real(40, random_.next(1, 50));
        real(50, random_.next(0, 360));
        real(51, random_.next(0, 360));
        break;
      case 4:
        start("CIRCLE", layer);
        point(10);
        real(40, random_.next(1, 50));
        break;
      case 5:
        polyline(layer);
        break;
      case 6:
        start("TEXT", layer);
        point(10);
        real(40, 2.5);
        text(1, "Catalogue part %%c12 x 45%%d");
        real(50, 0.0);
        break;
      default:
        start("SOLID", layer);
        point(10);
        point(11);
        point(12);
        point(13);
        break;
    }
  }

  void polyline(const std::string& layer) {
    start("POLYLINE", layer);
    integer(66, 1);
    real(10, 0.0);
    real(20, 0.0);
    real(30, 0.0);
    integer(70, random_.below(2));
    const int vertices = 3 + random_.below(4);
    for (int v = 0; v < vertices; ++v) {
      start("VERTEX", layer);
      point(10);
      if (v % 2 == 0) real(42, random_.next(-1, 1));
    }
    start("SEQEND", layer);
  }

  void insert(const std::string& block, const std::string& layer) {
    start("INSERT", layer);
    text(2, block);
    point(10);
    real(41, 1.0);
    real(42, 1.0);
    real(50, random_.next(0, 360));
  }

  std::string out_;
  Random random_;
  unsigned long handle_ = 0x100;
};

const std::string& drawing() {
  static const std::string text = Generator().drawing();
  return text;
}

// The floor: every line split off, every group code converted to an integer and every
// value of a coordinate, length or angle group converted to a double.
void BM_Tokenizer(benchmark::State& state) {
  const std::string& text = drawing();
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
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_Tokenizer)->Unit(benchmark::kMillisecond);

// The shared line protocol alone: every line read into the 100-byte buffer, every code line
// recognised and the same values converted as by the tokenizer.
void BM_LineProtocol(benchmark::State& state) {
  const std::string& text = drawing();
  for (auto _ : state) {
    DxfLineReader in = DxfLineReader::fromBytes(text);
    double sum = 0.0;
    long codes = 0;
    for (;;) {
      const int code = groupCode(in.readLine());
      if (in.eof()) break;
      codes += code;
      const char* value = in.readLine();
      if (code >= 10 && code < 60) sum += parseReal(value);
    }
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(codes);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_LineProtocol)->Unit(benchmark::kMillisecond);

// readDXF from memory; also reports the heap the loaded document holds per byte of file.
void BM_ReadDxf(benchmark::State& state) {
  const std::string& text = drawing();
  double heapRatio = 0.0;
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    auto document = std::make_unique<DXF_Zeichnung>();
    const int result = document->readDXFFromMemory(text);
    const std::size_t after = mallinfo2().uordblks;
    if (result != 0) state.SkipWithError("readDXF failed");
    heapRatio = static_cast<double>(after - before) / static_cast<double>(text.size());
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
  state.counters["file_MB"] = static_cast<double>(text.size()) / 1e6;
  state.counters["heap_per_file_byte"] = heapRatio;
}
BENCHMARK(BM_ReadDxf)->Unit(benchmark::kMillisecond);

}  // namespace
