// Device context that writes its figures and texts as PDF page content.
#include "toolkit/paint/PdfDeviceContext.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <span>
#include <vector>

#include "settings/Cp1252.h"
#include "dxf/TextCodes.h"
#include "entities/PatternTextPlacement.h"
#include "toolkit/paint/CairoTextPainter.h"
#include "toolkit/paint/FontProportions.h"
#include "toolkit/paint/PaintHandle.h"
#include "toolkit/paint/PaintRange.h"
#include "toolkit/paint/PenGeometry.h"
#include "toolkit/paint/PrintedFace.h"
#include "entities/Angles.h"

namespace {

constexpr double kQuarter = std::numbers::pi / 2.0;
constexpr int kMaxTextHeight = 32767;

bool finite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// A number as PDF writes it: fixed point, at most three decimals, no exponent.
void appendNumber(std::string& out, double value) {
  char text[48];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
  if (error != std::errc()) {
    out += '0';
    return;
  }
  char* last = end;
  if (std::find(text, end, '.') != end) {
    while (last[-1] == '0') --last;
    if (last[-1] == '.') --last;
  }
  if (last - text == 2 && text[0] == '-' && text[1] == '0') {
    out += '0';
  } else {
    out.append(text, last);
  }
}

void appendNumbers(std::string& out, std::initializer_list<double> values) {
  for (double value : values) {
    appendNumber(out, value);
    out += ' ';
  }
}

// A Windows-1252 text as a PDF string literal.
void appendString(std::string& out, const char* text) {
  out += '(';
  for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
    if (*c == '(' || *c == ')' || *c == '\\') {
      out += '\\';
      out += static_cast<char>(*c);
    } else if (*c < 32) {
      char octal[8];
      std::snprintf(octal, sizeof octal, "\\%03o", *c);
      out += octal;
    } else {
      out += static_cast<char>(*c);
    }
  }
  out += ')';
}

// How far letters slanted by `degrees` lean forwards per unit of height; upright for
// angles that would lay them flat, as on the screen.
double slantOf(double degrees) {
  if (!std::isfinite(degrees) || std::fabs(degrees) >= CairoTextPainter::kMaxOblique) return 0.0;
  return std::tan(degrees * std::numbers::pi / 180.0);
}

}  // namespace

PdfDeviceContext::PdfDeviceContext(PdfWriter& pdf, int width, int height)
    : pdf_(pdf), width_(width), height_(height) {
  pdf_.content("1 w\n");
}

unsigned short PdfDeviceContext::width_resolution() const {
  return static_cast<unsigned short>(std::clamp(width_, 0, 65535));
}

unsigned short PdfDeviceContext::height_resolution() const {
  return static_cast<unsigned short>(std::clamp(height_, 0, 65535));
}

void PdfDeviceContext::set_foreground_color(const char* colour) {
  foreground_ = PaintColour::parse(colour);
}

void PdfDeviceContext::set_background_color(const char* colour) {
  background_ = PaintColour::parse(colour);
}

void PdfDeviceContext::point(char op, double x, double y) {
  appendNumbers(ops_, {x, y});
  ops_ += op;
  ops_ += '\n';
}

void PdfDeviceContext::strokeColour() {
  if (lineWidth_ != writtenWidth_) {
    // Wide lines end and join round, as on the screen.
    const int shape = lineWidth_ > 1.0 ? 1 : 0;
    appendNumbers(ops_, {lineWidth_});
    ops_ += "w " + std::to_string(shape) + " J " + std::to_string(shape) + " j\n";
    writtenWidth_ = lineWidth_;
  }
  if (!(foreground_ == writtenStroke_)) {
    appendNumbers(ops_, {foreground_.red, foreground_.green, foreground_.blue});
    ops_ += "RG\n";
    writtenStroke_ = foreground_;
  }
  // A linetype's pattern where one is set (the viewer of the file walks the dashes),
  // else the line style code's.
  const std::span<const double> code = PenGeometry::dashPattern(lineStyle_);
  std::vector<double> dashes = dashPixels_.empty() ? std::vector<double>(code.begin(), code.end())
                                                   : PenGeometry::cairoDashes(dashPixels_, 0.0);
  if (dashes != writtenDashes_) {
    ops_ += '[';
    for (double length : dashes) appendNumbers(ops_, {length});
    ops_ += "] 0 d\n";
    writtenDashes_ = std::move(dashes);
  }
}

void PdfDeviceContext::fillColour(const PaintColour& colour) {
  if (colour == writtenFill_) return;
  appendNumbers(ops_, {colour.red, colour.green, colour.blue});
  ops_ += "rg\n";
  writtenFill_ = colour;
}

void PdfDeviceContext::stroke(const char* op) {
  ops_ += op;
  ops_ += '\n';
  pdf_.content(ops_);
  ops_.clear();
}

void PdfDeviceContext::line(double x1, double y1, double x2, double y2) {
  if (!finite({x1, y1, x2, y2})) return;
  DevicePoint a{x1, y1};
  DevicePoint b{x2, y2};
  double cut = 0.0;
  if (!clip_.clipSegment(a, b, cut)) return;
  strokeColour();
  // Strokes run through pixel centres, as on the screen.
  point('m', a.x + 0.5, a.y + 0.5);
  point('l', b.x + 0.5, b.y + 0.5);
  stroke("S");
  const DevicePoint ends[] = {a, b};
  drawPatternTexts(ends);
}

void PdfDeviceContext::polyline(const DevicePoint* points, int count) {
  if (!points || count < 2) return;
  const std::span<const DevicePoint> corners(points, static_cast<std::size_t>(count));
  const bool onPage = std::all_of(corners.begin(), corners.end(), [this](const DevicePoint& p) {
    return finite({p.x, p.y}) && clip_.contains(p);
  });
  if (!onPage) {
    DeviceContext::polyline(points, count);
    return;
  }
  strokeColour();
  point('m', corners[0].x + 0.5, corners[0].y + 0.5);
  for (std::size_t i = 1; i < corners.size(); ++i)
    point('l', corners[i].x + 0.5, corners[i].y + 0.5);
  stroke("S");
  drawPatternTexts(corners);
}

void PdfDeviceContext::drawPatternTexts(std::span<const DevicePoint> points) {
  // A line reaching far beyond the page must not cost a text for every repetition.
  constexpr std::size_t kMaxTexts = 10000;
  if (patternTexts_.empty() || dashPixels_.empty()) return;
  // A pattern drawn solid carries no texts either.
  const std::vector<double> dashes = PenGeometry::cairoDashes(dashPixels_, 0.0);
  double period = 0.0;
  for (const double length : dashes) period += length;
  for (const PlacedPatternText& placed :
       placePatternTexts(points, 0.0, period, patternTexts_, kMaxTexts)) {
    TextStyle style;
    style.pixelHeight = placed.text->height;
    style.escapementTenths = static_cast<int>(std::lround(placed.degrees * 10.0));
    text_out(placed.anchor.x, placed.anchor.y, placed.text->text.c_str(), style);
  }
}

void PdfDeviceContext::strokeEllipticArc(double cx, double cy, double rx, double ry, double t0,
                                         double sweep) {
  if (!finite({cx, cy, t0, sweep}) || !PaintRange::drawable(rx) || !PaintRange::drawable(ry) ||
      sweep <= 0.0) {
    return;
  }
  const double ax = std::abs(rx);
  const double ay = std::abs(ry);
  if (clip_.missesBox(cx - ax, cy - ay, cx + ax, cy + ay)) return;
  const int pieces = static_cast<int>(std::ceil(sweep / kQuarter - 1e-9));
  if (!clip_.contains({cx - ax, cy - ay}) || !clip_.contains({cx + ax, cy + ay})) {
    // Reaching far outside: chords of at most a degree, each cut to the box.
    const int chords = std::clamp(static_cast<int>(std::ceil(sweep / 0.0174)), 8, 65536);
    DevicePoint previous{cx + rx * std::cos(t0), cy + ry * std::sin(t0)};
    for (int i = 1; i <= chords; ++i) {
      const double t = t0 + sweep * i / chords;
      const DevicePoint next{cx + rx * std::cos(t), cy + ry * std::sin(t)};
      line(previous.x, previous.y, next.x, next.y);
      previous = next;
    }
    return;
  }
  strokeColour();
  const double step = sweep / pieces;
  const double handle = 4.0 / 3.0 * std::tan(step / 4.0);
  const double x0 = cx + 0.5;
  const double y0 = cy + 0.5;
  point('m', x0 + rx * std::cos(t0), y0 + ry * std::sin(t0));
  for (int i = 0; i < pieces; ++i) {
    const double a = t0 + step * i;
    const double b = a + step;
    const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
    appendNumbers(ops_, {x0 + rx * (ca - handle * sa), y0 + ry * (sa + handle * ca),
                         x0 + rx * (cb + handle * sb), y0 + ry * (sb - handle * cb), x0 + rx * cb,
                         y0 + ry * sb});
    ops_ += "c\n";
  }
  stroke(sweep >= kFullTurn ? "h S" : "S");
  if (patternTexts_.empty()) return;
  // The texts stand along chords of at most a twentieth of a radian.
  const int chords = std::clamp(static_cast<int>(std::ceil(sweep / 0.05)), 8, 4096);
  std::vector<DevicePoint> along;
  for (int i = 0; i <= chords; ++i) {
    const double t = t0 + sweep * i / chords;
    along.push_back({cx + rx * std::cos(t), cy + ry * std::sin(t)});
  }
  drawPatternTexts(along);
}

void PdfDeviceContext::polygon(const DevicePoint* points, int count) {
  if (!points || count < 2) return;
  const std::span<const DevicePoint> corners(points, static_cast<std::size_t>(count));
  if (!std::all_of(corners.begin(), corners.end(), [](const DevicePoint& p) {
        return finite({p.x, p.y});
      })) {
    return;
  }
  const bool inside = std::all_of(corners.begin(), corners.end(),
                                  [this](const DevicePoint& p) { return clip_.contains(p); });
  const std::vector<DevicePoint> area =
      inside ? std::vector<DevicePoint>(corners.begin(), corners.end())
             : clip_.clipPolygon(points, count);
  if (area.size() < 2) return;
  const bool fill = count >= 3 && (fillStyle_ != kHollow || backgroundMode_ == kOpaqueMode);
  if (fill) fillColour(background_);
  strokeColour();
  point('m', area[0].x + 0.5, area[0].y + 0.5);
  for (std::size_t i = 1; i < area.size(); ++i) point('l', area[i].x + 0.5, area[i].y + 0.5);
  // Self-crossing corners fill alternately (even-odd), as on the screen.
  stroke(fill ? "b*" : "s");
}

void PdfDeviceContext::dot(double x, double y, const char* colour) {
  if (!finite({x, y}) || !clip_.contains({x, y})) return;
  fillColour(PaintColour::parse(colour));
  appendNumbers(ops_, {std::floor(x), std::floor(y), 1.0, 1.0});
  stroke("re f");
}

void PdfDeviceContext::text_out(double x, double y, const char* text, const TextStyle& style) {
  if (!text || !*text || !(style.pixelHeight >= 1.0) || style.pixelHeight > kMaxTextHeight) return;
  if (!finite({x, y}) || !clip_.contains({x, y})) return;
  // Decoded as the screen decodes it.
  const std::string utf8 = TextCodes::utf8ForDrawing(text);
  const FontProportions proportions = FontProportions::of("Arial", 700);
  const double size = style.pixelHeight / proportions.capital;
  const double naturalWidth = PrintedFace::width(utf8) * size;
  double scaleX = style.widthScale;
  double scaleY = 1.0;
  if (style.fit != TextFit::None && naturalWidth > 0.0 && style.fitWidth > 0.0) {
    scaleX = style.fitWidth / naturalWidth;
    if (style.fit == TextFit::Aligned) scaleY = scaleX / style.widthScale;
  }
  if (!(scaleX > 0.0) || !(scaleY > 0.0) || !finite({scaleX, scaleY})) return;
  // Slanted, the letters' tops lean forwards along the baseline by `slant` per unit of
  // height, pivoting about the anchor as on the screen.
  const double slant = slantOf(style.obliqueDegrees);
  // A mirrored text's letters and offsets point down from the baseline instead of up.
  const double mirror = style.mirrored ? -1.0 : 1.0;
  double along = 0.0;  // from the anchor along the baseline
  double up = 0.0;     // from the anchor towards the top of the letters, unmirrored
  if (style.hAlign == TextHAlign::Centre) along = -naturalWidth * scaleX / 2.0;
  if (style.hAlign == TextHAlign::Right) along = -naturalWidth * scaleX;
  if (style.vAlign == TextVAlign::Top) up = -proportions.capital * size * scaleY;
  if (style.vAlign == TextVAlign::Bottom) up = proportions.descent * size * scaleY;
  if (style.vAlign == TextVAlign::Middle) {
    up = (proportions.descent - proportions.capital) * size * scaleY / 2.0;
  }
  along += slant * up;
  const double angle = style.escapementTenths / 10.0 * std::numbers::pi / 180.0;
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  // Baseline direction (c, -s) and the letters' up (-s, -c) on the y-down device.
  const double originX = x + along * c - mirror * up * s;
  const double originY = y - along * s - mirror * up * c;
  // A letter's point (u, v) lies at u along the baseline and v up, plus v * slant along.
  const double upX = slant * scaleY * c - mirror * scaleY * s;
  const double upY = -slant * scaleY * s - mirror * scaleY * c;
  fillColour(foreground_);
  const double matrix[] = {c * scaleX, -s * scaleX, upX, upY, originX, originY};
  if (const std::optional<std::string> codePage = utf8ToCp1252Exactly(utf8)) {
    // The italic face of the printed font is as wide, letter for letter, as the upright one.
    ops_ += style.italic ? "BT /F2 " : "BT /F1 ";
    appendNumbers(ops_, {size});
    ops_ += "Tf ";
    appendNumbers(ops_, {matrix[0], matrix[1], matrix[2], matrix[3], matrix[4], matrix[5]});
    ops_ += "Tm ";
    appendString(ops_, codePage->c_str());
    stroke(" Tj ET");
    return;
  }
  // The base fonts hold the code page only: other letters are filled as their outlines.
  const auto place = [&](const PrintedFace::FacePoint& p) {
    return DevicePoint{matrix[4] + size * (p.x * matrix[0] + p.y * matrix[2]),
                       matrix[5] + size * (p.x * matrix[1] + p.y * matrix[3])};
  };
  const std::vector<PrintedFace::OutlineStep> outline = PrintedFace::outline(utf8, style.italic);
  if (outline.empty()) return;
  using Kind = PrintedFace::OutlineStep::Kind;
  for (const PrintedFace::OutlineStep& step : outline) {
    if (step.kind == Kind::Close) {
      ops_ += "h\n";
      continue;
    }
    const int points = step.kind == Kind::Curve ? 3 : 1;
    for (int k = 0; k < points; ++k) {
      const DevicePoint p = place(step.points[k]);
      appendNumbers(ops_, {p.x, p.y});
    }
    ops_ += step.kind == Kind::Move ? "m\n" : step.kind == Kind::Line ? "l\n" : "c\n";
  }
  stroke("f");
}

void PdfDeviceContext::image(const DeviceRectangle& target, cairo_surface_t* argb) {
  if (!argb || target.width <= 0 || target.height <= 0) return;
  cairo_surface_flush(argb);
  PdfImage image;
  image.width = cairo_image_surface_get_width(argb);
  image.height = cairo_image_surface_get_height(argb);
  const int stride = cairo_image_surface_get_stride(argb);
  const unsigned char* data = cairo_image_surface_get_data(argb);
  if (!data || image.width <= 0 || image.height <= 0) return;
  for (int row = 0; row < image.height; ++row) {
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(data + row * stride);
    for (int column = 0; column < image.width; ++column) {
      const std::uint32_t pixel = pixels[column];
      const unsigned alpha = pixel >> 24;
      image.alpha.push_back(static_cast<std::uint8_t>(alpha));
      // Cairo keeps the colour multiplied by alpha.
      for (int shift : {16, 8, 0}) {
        const unsigned channel = (pixel >> shift) & 0xFF;
        image.rgb.push_back(
            static_cast<std::uint8_t>(alpha ? std::min(255u, channel * 255 / alpha) : 255));
      }
    }
  }
  const std::string name = pdf_.addImage(std::move(image));
  ops_ += "q ";
  appendNumbers(ops_, {double(target.width), 0.0, 0.0, -double(target.height), double(target.left),
                       double(target.top + target.height)});
  ops_ += "cm " + name;
  stroke(" Do Q");
}
