// The printer context on the GTK print dialog and GtkPrintOperation.
#pragma once

#include <cairo.h>
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>

#include <memory>
#include <vector>

#include "toolkit/paint/PrinterContext.h"

class CairoDeviceContext;
class GwCore;

// The job and page calls of PrinterContext, with the desktop's print dialog in front:
// dialog() lets the user choose a printer or "Print to File", the paper and its
// orientation, or a preview. The pages are recorded as they are drawn; at end_job they are
// painted, in the orientation chosen, onto the Cairo surface of a print job for the chosen
// printer, or, for the preview, handed to a GtkPrintOperation. The dialog's choices but the
// orientation, which each print proposes anew, are kept for the next print of the run;
// without a dialog nothing is printed.
class GwPrinterDC : public PrinterContext {
 public:
  GwPrinterDC();
  ~GwPrinterDC() override;

  // The orientation the dialog proposes (portrait unless told).
  void propose_orientation(PageOrientation orientation) { proposed_ = orientation; }
  // The print dialog over `owner`'s window (may be null); 1 when the user chose to print
  // or to preview, 0 when cancelled.
  int dialog() override { return dialog(nullptr); }
  int dialog(GwCore* owner);
  int start_job(const char* name) override;
  int start_page() override;
  void fit_window(double width, double height) override;
  int end_page() override;
  int end_job() override;
  // SVG or PNG, drawn as vectors on the page.
  std::unique_ptr<DeviceMetaFile> open_metafile(const char* path) override;

 private:
  enum class Choice { None, Print, Preview, Cancelled };

  // The printable area of the chosen paper in device pixels.
  int pageWidth() const;
  int pageHeight() const;
  // Paints a recorded page onto `cr` whose user space is the page in points, turned as the
  // page setup says.
  void paintPage(cairo_t* cr, std::size_t index) const;
  // Makes the job's next page of `surface` the chosen page, turned as the page setup says:
  // a PDF page takes the turned size, other surfaces keep the paper and turn `cr`.
  void orientJobPage(cairo_surface_t* surface, cairo_t* cr) const;
  bool runJob();
  bool runPreview();
  static void drawPage(GtkPrintOperation* operation, GtkPrintContext* context, gint page,
                       gpointer self);

  Choice choice_ = Choice::None;
  PageOrientation proposed_ = PageOrientation::Portrait;
  GtkWindow* owner_ = nullptr;
  GtkPrintSettings* settings_ = nullptr;
  GtkPageSetup* pageSetup_ = nullptr;
  GtkPrinter* printer_ = nullptr;
  std::string jobName_;
  std::vector<cairo_surface_t*> recorded_;  // the pages, until the operation draws them
  cairo_t* recordingCairo_ = nullptr;
  std::unique_ptr<CairoDeviceContext> cairoPage_;
};
