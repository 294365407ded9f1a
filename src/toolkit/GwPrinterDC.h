// The printer context: the GTK print dialog and job, or a PDF file, behind the entities'
// device-context interface.
#pragma once

#include <cairo.h>
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "entities/DeviceContext.h"
#include "toolkit/paint/PrintPage.h"

class CairoDeviceContext;
class GwCore;
class PdfDeviceContext;
class PdfWriter;

// One print job of one or more pages. Between start_page and end_page the device-context
// operations draw on the page in device pixels of a tenth of a millimetre, from the upper
// left corner of the printable area; width_resolution and height_resolution give its size.
//
// Two ways to paper:
// - The GTK print dialog (the default constructor): dialog() lets the user choose a
//   printer, "Print to File", the paper and its orientation, or a preview; the pages are
//   recorded and handed to a GtkPrintOperation at end_job.
// - A PDF file without dialog: pages go straight into the file as they are drawn, so a
//   large drawing needs little memory. The file appears only when the job succeeded.
//
// Call order: lock, dialog, start_job, (start_page, fit_window, drawing, end_page)...,
// end_job, unlock. A failed or cancelled step makes the steps after it do nothing.
class GwPrinterDC : public DeviceContext {
 public:
  GwPrinterDC();
  GwPrinterDC(std::filesystem::path pdfFile, PaperSize paper, PageOrientation orientation);
  ~GwPrinterDC() override;
  GwPrinterDC(const GwPrinterDC&) = delete;
  GwPrinterDC& operator=(const GwPrinterDC&) = delete;

  // Reserves the context; returns 0.
  int lock(int wait);
  void unlock();
  // The GTK print dialog over `owner` (may be null); 1 when the user chose to print or to
  // preview, 0 when cancelled. A file context asks nothing and returns 1. The choices
  // are kept for the next dialog of the run.
  int dialog(GwCore* owner = nullptr);
  // Non-zero on success.
  int start_job(const char* name);
  int start_page();
  // Centres the picture of a window of that size (drawing units) on the page, for
  // drawing that fits the window onto the whole printable area keeping its proportions.
  void fit_window(double width, double height);
  int end_page();
  // Prints, previews or writes the file; non-zero on success, else error() says why.
  int end_job();
  const std::string& error() const { return error_; }

  unsigned short width_resolution() const override;
  unsigned short height_resolution() const override;
  double y_factor() const override { return 1.0; }
  double x_wc_to_dc(double x) const override { return x; }
  double y_wc_to_dc(double y) const override { return y; }
  DevicePoint wc_to_dc(double x, double y) const override { return {x, y}; }
  void set_line_style(int code) override;
  void set_foreground_color(const char* colour) override;
  void set_background_color(const char* colour) override;
  void set_background_mode(int mode) override;
  void set_fill_style(int style) override;
  void set_orientation(int orientation) override;
  void line(double x1, double y1, double x2, double y2) override;
  void circle(double cx, double cy, double r) override;
  void arc(double cx, double cy, double rx, double ry, double startAngle,
           double endAngle) override;
  void polygon(const DevicePoint* points, int count) override;
  void dot(double x, double y, const char* colour) override;
  void native_arc(double left, double top, double right, double bottom, double startX,
                  double startY, double endX, double endY) override;
  void text_out(double x, double y, const char* text, const TextStyle& style) override;
  // SVG or PNG; drawn as vectors on a printer, at three times the device resolution into
  // a PDF file.
  std::unique_ptr<DeviceMetaFile> open_metafile(const char* path) override;

 private:
  enum class Choice { None, Print, Preview, Cancelled };

  // The printable area in device pixels.
  int pageWidth() const;
  int pageHeight() const;
  bool runOperation();
  static void drawPage(GtkPrintOperation* operation, GtkPrintContext* context, gint page,
                       gpointer self);

  const bool toFile_;
  std::filesystem::path pdfFile_;
  PageSize paper_;
  Choice choice_ = Choice::None;
  GtkWindow* owner_ = nullptr;
  GtkPrintSettings* settings_ = nullptr;
  GtkPageSetup* pageSetup_ = nullptr;
  std::string jobName_;
  std::string error_;
  bool jobRunning_ = false;
  bool failed_ = false;
  DeviceContext* page_ = nullptr;  // the current page's painter, null outside pages
  // The dialog's pages, recorded until the operation draws them.
  std::vector<cairo_surface_t*> recorded_;
  cairo_t* recordingCairo_ = nullptr;
  std::unique_ptr<CairoDeviceContext> cairoPage_;
  // The file's writer and page.
  std::unique_ptr<PdfWriter> pdf_;
  std::unique_ptr<PdfDeviceContext> pdfPage_;
};
