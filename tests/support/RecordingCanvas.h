// Recording doubles of DrawingArea and DeviceContext: tests assert on the calls made.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "entities/DeviceContext.h"
#include "entities/DrawingArea.h"

namespace testsupport {

// One call on a recording double: its name, its numeric arguments in order, and its text
// argument (colour or text output) if it has one.
struct RecordedCall {
  std::string name;
  std::vector<double> args;
  std::string text;

  // "name arg1 arg2 ... [text]" with numbers in %g, for readable expectations.
  std::string str() const {
    std::string out = name;
    char buffer[32];
    for (double value : args) {
      std::snprintf(buffer, sizeof buffer, " %g", value);
      out += buffer;
    }
    if (!text.empty()) out += " " + text;
    return out;
  }
};

// An ordered log of calls shared by an area and its device context.
class CallLog {
 public:
  void add(std::string name, std::vector<double> args, std::string text = {}) {
    calls.push_back({std::move(name), std::move(args), std::move(text)});
  }
  // Number of calls of the given name.
  int count(const std::string& name) const {
    int n = 0;
    for (const auto& call : calls) n += call.name == name ? 1 : 0;
    return n;
  }
  // The calls of the given name, in order.
  std::vector<RecordedCall> named(const std::string& name) const {
    std::vector<RecordedCall> out;
    for (const auto& call : calls) {
      if (call.name == name) out.push_back(call);
    }
    return out;
  }
  // Every call as str(), in order.
  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    for (const auto& call : calls) out.push_back(call.str());
    return out;
  }
  void clear() { calls.clear(); }

  std::vector<RecordedCall> calls;
};

// A picture opened on a recording device context: its draw calls go to the same log.
class RecordingMetaFile : public DeviceMetaFile {
 public:
  RecordingMetaFile(CallLog& log, double width, double height)
      : log_(log), width_(width), height_(height) {}
  double width() const override { return width_; }
  double height() const override { return height_; }
  void draw(const DeviceRectangle& r) override {
    log_.add("metafile_draw", {double(r.left), double(r.top), double(r.width), double(r.height)});
  }

 private:
  CallLog& log_;
  double width_;
  double height_;
};

// A device context that records every drawing call. Its world-to-device mapping is
// device = world * scale + offset on each axis (identity by default); set the public
// fields to shape it. Calls go to its own log, or to the log given to the constructor.
class RecordingDeviceContext : public DeviceContext {
 public:
  explicit RecordingDeviceContext(CallLog* sharedLog = nullptr)
      : log_(sharedLog ? sharedLog : &ownLog) {}

  CallLog& log() { return *log_; }

  unsigned short width_resolution() const override { return width; }
  unsigned short height_resolution() const override { return height; }
  double y_factor() const override { return yFactor; }
  double x_wc_to_dc(double x) const override { return x * scaleX + offsetX; }
  double y_wc_to_dc(double y) const override { return y * scaleY + offsetY; }
  DevicePoint wc_to_dc(double x, double y) const override { return {x_wc_to_dc(x), y_wc_to_dc(y)}; }

  void set_line_style(int code) override { log_->add("set_line_style", {double(code)}); }
  void set_foreground_color(const char* colour) override {
    log_->add("set_foreground_color", {}, colour);
  }
  void set_background_color(const char* colour) override {
    log_->add("set_background_color", {}, colour);
  }
  void set_background_mode(int mode) override { log_->add("set_background_mode", {double(mode)}); }
  void set_fill_style(int style) override { log_->add("set_fill_style", {double(style)}); }
  void set_orientation(int orientation) override {
    log_->add("set_orientation", {double(orientation)});
  }
  void line(double x1, double y1, double x2, double y2) override {
    log_->add("line", {x1, y1, x2, y2});
  }
  void circle(double cx, double cy, double r) override { log_->add("circle", {cx, cy, r}); }
  void arc(double cx, double cy, double rx, double ry, double startAngle,
           double endAngle) override {
    log_->add("arc", {cx, cy, rx, ry, startAngle, endAngle});
  }
  void polygon(const DevicePoint* points, int count) override {
    std::vector<double> args;
    for (int i = 0; i < count; ++i) {
      args.push_back(points[i].x);
      args.push_back(points[i].y);
    }
    log_->add("polygon", std::move(args));
  }
  void dot(double x, double y, const char* colour) override { log_->add("dot", {x, y}, colour); }
  void native_arc(double left, double top, double right, double bottom, double startX,
                  double startY, double endX, double endY) override {
    log_->add("native_arc", {left, top, right, bottom, startX, startY, endX, endY});
  }
  // Records the position, the text and the style: height, escapement, weight, width
  // scale, fit and its width, alignments, the mirror, italic and oblique angle.
  void text_out(double x, double y, const char* text, const TextStyle& style) override {
    log_->add("text_out",
              {x, y, style.pixelHeight, double(style.escapementTenths), double(style.weight),
               style.widthScale, double(static_cast<int>(style.fit)), style.fitWidth,
               double(static_cast<int>(style.hAlign)), double(static_cast<int>(style.vAlign)),
               double(style.mirrored), double(style.italic), style.obliqueDegrees},
              text);
  }

  // Records the path; pictures open with the natural size below unless it is 0 x 0.
  std::unique_ptr<DeviceMetaFile> open_metafile(const char* path) override {
    log_->add("open_metafile", {}, path);
    if (metaFileWidth <= 0.0 && metaFileHeight <= 0.0) return nullptr;
    return std::make_unique<RecordingMetaFile>(*log_, metaFileWidth, metaFileHeight);
  }

  unsigned short width = 1000;
  unsigned short height = 1000;
  double metaFileWidth = 0.0;
  double metaFileHeight = 0.0;
  double yFactor = 1.0;
  double scaleX = 1.0;
  double scaleY = 1.0;
  double offsetX = 0.0;
  double offsetY = 0.0;
  CallLog ownLog;

 private:
  CallLog* log_;
};

// A drawing area that records every call. It maps the world rectangle (worldMinX,
// worldMinY) to (worldMaxX, worldMaxY) onto its pixel size (y downwards), and sits at
// `position` inside a container of `containerSize` pixels. Its device context records
// into the same log, so the order of area and device calls is kept.
class RecordingDrawingArea : public DrawingArea {
 public:
  RecordingDrawingArea() : dc(&log) {}

  // Sets world rectangle and pixel size together, the usual first step of a test.
  void setWorld(double minX, double minY, double maxX, double maxY, int width, int height) {
    worldMinX = minX;
    worldMinY = minY;
    worldMaxX = maxX;
    worldMaxY = maxY;
    pixelWidth = width;
    pixelHeight = height;
  }

  void set_line_style(int code) override { log.add("set_line_style", {double(code)}); }
  void set_drawing_foreground(const char* colour) override {
    log.add("set_drawing_foreground", {}, colour);
  }
  void set_drawing_background(const char* colour) override {
    log.add("set_drawing_background", {}, colour);
  }
  void wc_line(double x1, double y1, double x2, double y2) override {
    log.add("wc_line", {x1, y1, x2, y2});
  }
  void wc_circle(double cx, double cy, double r) override { log.add("wc_circle", {cx, cy, r}); }
  void wc_dot(double x, double y) override { log.add("wc_dot", {x, y}); }
  void wc_fill_polygon(const WorldPoint* points, int count) override {
    std::vector<double> args;
    for (int i = 0; i < count; ++i) {
      args.push_back(points[i].x);
      args.push_back(points[i].y);
    }
    log.add("wc_fill_polygon", std::move(args));
  }
  DevicePoint wc_to_dc(double x, double y) const override {
    const double w = worldMaxX - worldMinX;
    const double h = worldMaxY - worldMinY;
    return {w != 0.0 ? (x - worldMinX) / w * pixelWidth : 0.0,
            h != 0.0 ? (worldMaxY - y) / h * pixelHeight : 0.0};
  }
  PixelSize container_size() const override { return containerSize; }
  PixelPosition position_in_container() const override { return position; }
  DeviceContext& device_context() override { return dc; }

  double worldMinX = 0.0;
  double worldMinY = 0.0;
  double worldMaxX = 100.0;
  double worldMaxY = 100.0;
  int pixelWidth = 100;
  int pixelHeight = 100;
  PixelSize containerSize{100, 100};
  PixelPosition position{0, 0};
  CallLog log;
  RecordingDeviceContext dc;
};

}  // namespace testsupport
