// The printer context's job and page calls, and its PDF file: no GTK, so command-line
// programs print the same sheet without a display.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "entities/DeviceContext.h"
#include "toolkit/paint/PrintPage.h"

class PdfDeviceContext;
class PdfWriter;

// One print job of one or more pages. Between start_page and end_page the device-context
// operations draw on the page in device pixels of a tenth of a millimetre, from the upper
// left corner of the printable area; width_resolution and height_resolution give its size.
//
// This class writes a PDF file without dialog: pages go straight into the file as they
// are drawn, so a large drawing needs little memory, and the file appears only when the
// job succeeded. GwPrinterDC of the toolkit puts the GTK print dialog in front instead.
//
// Call order: lock, dialog, start_job, (start_page, fit_window, drawing, end_page)...,
// end_job, unlock. A failed or cancelled step makes the steps after it do nothing.
class PrinterContext : public DeviceContext {
 public:
  PrinterContext(std::filesystem::path pdfFile, PaperSize paper, PageOrientation orientation);
  ~PrinterContext() override;
  PrinterContext(const PrinterContext&) = delete;
  PrinterContext& operator=(const PrinterContext&) = delete;

  // Reserves the context; returns 0.
  int lock(int wait);
  void unlock();
  // 1 when the job may go on, 0 when the user cancelled; a file asks nothing.
  virtual int dialog();
  // Non-zero on success.
  virtual int start_job(const char* name);
  virtual int start_page();
  // Centres the picture of a window of that size (drawing units) on the page, for
  // drawing that fits the window onto the whole printable area keeping its proportions.
  virtual void fit_window(double width, double height);
  virtual int end_page();
  // Writes the file (prints, previews); non-zero on success, else error() says why.
  virtual int end_job();
  const std::string& error() const { return error_; }

  // The whole job of one page after the dialog: start_job, start_page, fit_window for
  // the window's size, `paint`, end_page, end_job. Non-zero when the page was printed.
  int print_one_page(const char* jobName, double windowWidth, double windowHeight,
                     const std::function<void(DeviceContext&)>& paint);

  unsigned short width_resolution() const override;
  unsigned short height_resolution() const override;
  double y_factor() const override { return 1.0; }
  double x_wc_to_dc(double x) const override { return x; }
  double y_wc_to_dc(double y) const override { return y; }
  DevicePoint wc_to_dc(double x, double y) const override { return {x, y}; }
  void set_line_style(int code) override;
  void set_dash_pattern(std::span<const double> pixels) override;
  void set_line_width(double pixels) override;
  void set_pattern_texts(std::span<const PatternText> pixels) override;
  // Weights wider than the default print as wide as they are on paper.
  double lineWeightPixels(int weight, int drawingDefault) const override;
  void set_foreground_color(const char* colour) override;
  void set_background_color(const char* colour) override;
  void set_background_mode(int mode) override;
  void set_fill_style(int style) override;
  void set_orientation(int orientation) override;
  void line(double x1, double y1, double x2, double y2) override;
  void polyline(const DevicePoint* points, int count) override;
  void circle(double cx, double cy, double r) override;
  void arc(double cx, double cy, double rx, double ry, double startAngle, double endAngle) override;
  void polygon(const DevicePoint* points, int count) override;
  void dot(double x, double y, const char* colour) override;
  void native_arc(double left, double top, double right, double bottom, double startX,
                  double startY, double endX, double endY) override;
  void text_out(double x, double y, const char* text, const TextStyle& style) override;
  // PNG pictures, as images of three pixels per device pixel; SVG needs the toolkit.
  std::unique_ptr<DeviceMetaFile> open_metafile(const char* path) override;

 protected:
  // For the toolkit's dialog context: no file.
  PrinterContext();

  // The page's painter while a page is open, else null; drawing calls go there.
  DeviceContext* page_ = nullptr;
  std::string error_;
  bool jobRunning_ = false;

 private:
  int pageWidth() const;
  int pageHeight() const;

  std::filesystem::path pdfFile_;
  PageSize paper_;
  std::unique_ptr<PdfWriter> pdf_;
  std::unique_ptr<PdfDeviceContext> pdfPage_;
};
