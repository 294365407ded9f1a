// The printer context: the GTK print dialog and job, or a PDF file, behind the entities'
// device-context interface.
#include "toolkit/GwPrinterDC.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "toolkit/GwCore.h"
#include "toolkit/MetaFile.h"
#include "toolkit/paint/CairoDeviceContext.h"
#include "toolkit/paint/PdfDeviceContext.h"
#include "toolkit/paint/PdfWriter.h"

namespace {

// Pictures go into a PDF file as images of this many pixels per device pixel.
constexpr int kPictureDetail = 3;

// The dialog's choices, kept for the next print of the run.
GtkPrintSettings*& lastSettings() {
  static GtkPrintSettings* settings = nullptr;
  return settings;
}
GtkPageSetup*& lastPageSetup() {
  static GtkPageSetup* setup = nullptr;
  return setup;
}

template <class T>
void keep(T*& slot, T* object) {
  if (object) g_object_ref(object);
  if (slot) g_object_unref(slot);
  slot = object;
}

int devicePixels(double millimetres) {
  return static_cast<int>(std::floor(millimetres * PrintPage::kPixelsPerMm));
}

// A picture drawn on the page it was opened for.
class PagePicture : public DeviceMetaFile {
 public:
  using Painter = std::function<void(const MetaFile&, const DeviceRectangle&)>;
  PagePicture(std::unique_ptr<MetaFile> file, Painter painter)
      : file_(std::move(file)), painter_(std::move(painter)) {}
  double width() const override { return file_->size().width; }
  double height() const override { return file_->size().height; }
  void draw(const DeviceRectangle& target) override { painter_(*file_, target); }

 private:
  std::unique_ptr<MetaFile> file_;
  Painter painter_;
};

GwRectangle rectangleOf(const DeviceRectangle& r) { return {r.left, r.top, r.width, r.height}; }

}  // namespace

GwPrinterDC::GwPrinterDC() : toFile_(false) {}

GwPrinterDC::GwPrinterDC(std::filesystem::path pdfFile, PaperSize paper,
                         PageOrientation orientation)
    : toFile_(true), pdfFile_(std::move(pdfFile)), paper_(PrintPage::paper(paper, orientation)) {}

GwPrinterDC::~GwPrinterDC() {
  unlock();
  for (cairo_surface_t* page : recorded_) cairo_surface_destroy(page);
  if (recordingCairo_) cairo_destroy(recordingCairo_);
  keep(settings_, static_cast<GtkPrintSettings*>(nullptr));
  keep(pageSetup_, static_cast<GtkPageSetup*>(nullptr));
}

int GwPrinterDC::lock(int /*wait*/) { return 0; }

void GwPrinterDC::unlock() {}

int GwPrinterDC::dialog(GwCore* owner) {
  if (toFile_) {
    choice_ = Choice::Print;
    return 1;
  }
  GtkWidget* top = owner && owner->widget() ? gtk_widget_get_toplevel(owner->widget()) : nullptr;
  owner_ = top && GTK_IS_WINDOW(top) ? GTK_WINDOW(top) : nullptr;
  GtkWidget* dialog = gtk_print_unix_dialog_new(nullptr, owner_);
  GtkPrintUnixDialog* print = GTK_PRINT_UNIX_DIALOG(dialog);
  gtk_print_unix_dialog_set_embed_page_setup(print, TRUE);
  gtk_print_unix_dialog_set_manual_capabilities(
      print, static_cast<GtkPrintCapabilities>(
                 GTK_PRINT_CAPABILITY_COPIES | GTK_PRINT_CAPABILITY_COLLATE |
                 GTK_PRINT_CAPABILITY_GENERATE_PDF | GTK_PRINT_CAPABILITY_GENERATE_PS |
                 GTK_PRINT_CAPABILITY_PREVIEW));
  if (lastSettings()) gtk_print_unix_dialog_set_settings(print, lastSettings());
  if (lastPageSetup()) gtk_print_unix_dialog_set_page_setup(print, lastPageSetup());
  const gint response = gtk_dialog_run(GTK_DIALOG(dialog));
  if (response == GTK_RESPONSE_OK || response == GTK_RESPONSE_APPLY) {
    GtkPrintSettings* settings = gtk_print_unix_dialog_get_settings(print);
    keep(settings_, settings);
    g_object_unref(settings);
    keep(pageSetup_, gtk_print_unix_dialog_get_page_setup(print));
    keep(lastSettings(), settings_);
    keep(lastPageSetup(), pageSetup_);
    choice_ = response == GTK_RESPONSE_OK ? Choice::Print : Choice::Preview;
  } else {
    choice_ = Choice::Cancelled;
  }
  gtk_widget_destroy(dialog);
  return choice_ == Choice::Cancelled ? 0 : 1;
}

int GwPrinterDC::pageWidth() const {
  if (toFile_) return devicePixels(paper_.width - 2 * PrintPage::kFileMarginMm);
  return pageSetup_ ? devicePixels(gtk_page_setup_get_page_width(pageSetup_, GTK_UNIT_MM)) : 0;
}

int GwPrinterDC::pageHeight() const {
  if (toFile_) return devicePixels(paper_.height - 2 * PrintPage::kFileMarginMm);
  return pageSetup_ ? devicePixels(gtk_page_setup_get_page_height(pageSetup_, GTK_UNIT_MM)) : 0;
}

int GwPrinterDC::start_job(const char* name) {
  if (choice_ == Choice::Cancelled || jobRunning_) return 0;
  if (choice_ == Choice::None && !toFile_) {
    // No dialog was shown: the last choices of the run, or GTK's defaults.
    keep(settings_, lastSettings());
    keep(pageSetup_, lastPageSetup());
    choice_ = Choice::Print;
  }
  if (!toFile_ && !pageSetup_) {
    GtkPageSetup* defaults = gtk_page_setup_new();
    keep(pageSetup_, defaults);
    g_object_unref(defaults);
  }
  jobName_ = name ? name : "";
  error_.clear();
  failed_ = false;
  if (toFile_) {
    pdf_ = std::make_unique<PdfWriter>(pdfFile_);
    if (!pdf_->open()) {
      error_ = "The file " + pdfFile_.string() + " cannot be created.";
      pdf_.reset();
      return 0;
    }
  }
  jobRunning_ = true;
  return 1;
}

int GwPrinterDC::start_page() {
  if (!jobRunning_ || page_) return 0;
  const int width = pageWidth();
  const int height = pageHeight();
  if (toFile_) {
    pdf_->beginPage(paper_.width * PrintPage::kPointsPerMm, paper_.height * PrintPage::kPointsPerMm);
    // Device pixels, y downwards, from the printable area's upper left corner; drawing
    // stays inside that area.
    const double scale = PrintPage::kPointsPerMm / PrintPage::kPixelsPerMm;
    const double margin = PrintPage::kFileMarginMm * PrintPage::kPointsPerMm;
    char setup[160];
    std::snprintf(setup, sizeof setup, "%.4f 0 0 %.4f %.3f %.3f cm 0 0 %d %d re W n\n", scale,
                  -scale, margin, paper_.height * PrintPage::kPointsPerMm - margin, width,
                  height);
    pdf_->content(setup);
    pdfPage_ = std::make_unique<PdfDeviceContext>(*pdf_, width, height);
    page_ = pdfPage_.get();
    return 1;
  }
  const cairo_rectangle_t extents{0.0, 0.0, double(width), double(height)};
  cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
  recorded_.push_back(recording);
  recordingCairo_ = cairo_create(recording);
  cairoPage_ = std::make_unique<CairoDeviceContext>(recordingCairo_, width, height);
  page_ = cairoPage_.get();
  return 1;
}

void GwPrinterDC::fit_window(double width, double height) {
  if (!page_) return;
  const DevicePoint offset = PrintPage::centring(pageWidth(), pageHeight(), width, height);
  if (offset.x == 0.0 && offset.y == 0.0) return;
  if (toFile_) {
    char move[80];
    std::snprintf(move, sizeof move, "1 0 0 1 %.3f %.3f cm\n", offset.x, offset.y);
    pdf_->content(move);
  } else {
    cairo_translate(recordingCairo_, offset.x, offset.y);
  }
}

int GwPrinterDC::end_page() {
  if (!page_) return 0;
  page_ = nullptr;
  if (toFile_) {
    pdfPage_.reset();
    pdf_->endPage();
  } else {
    cairoPage_.reset();
    cairo_destroy(recordingCairo_);
    recordingCairo_ = nullptr;
  }
  return 1;
}

int GwPrinterDC::end_job() {
  if (!jobRunning_) return 0;
  if (page_) end_page();
  jobRunning_ = false;
  if (toFile_) {
    const bool written = pdf_->finish();
    pdf_.reset();
    if (!written) error_ = "The file " + pdfFile_.string() + " could not be written.";
    return written ? 1 : 0;
  }
  return runOperation() ? 1 : 0;
}

bool GwPrinterDC::runOperation() {
  if (recorded_.empty()) return true;
  GtkPrintOperation* operation = gtk_print_operation_new();
  if (settings_) gtk_print_operation_set_print_settings(operation, settings_);
  gtk_print_operation_set_default_page_setup(operation, pageSetup_);
  gtk_print_operation_set_n_pages(operation, static_cast<gint>(recorded_.size()));
  gtk_print_operation_set_unit(operation, GTK_UNIT_MM);
  if (!jobName_.empty()) gtk_print_operation_set_job_name(operation, jobName_.c_str());
  g_signal_connect(operation, "draw-page", G_CALLBACK(drawPage), this);
  GError* problem = nullptr;
  const GtkPrintOperationResult result = gtk_print_operation_run(
      operation,
      choice_ == Choice::Preview ? GTK_PRINT_OPERATION_ACTION_PREVIEW
                                 : GTK_PRINT_OPERATION_ACTION_PRINT,
      owner_, &problem);
  bool printed = result != GTK_PRINT_OPERATION_RESULT_ERROR;
  if (problem) {
    error_ = problem->message;
    g_error_free(problem);
    printed = false;
  }
  g_object_unref(operation);
  return printed;
}

void GwPrinterDC::drawPage(GtkPrintOperation* /*operation*/, GtkPrintContext* context, gint page,
                           gpointer self) {
  auto* printer = static_cast<GwPrinterDC*>(self);
  if (page < 0 || static_cast<std::size_t>(page) >= printer->recorded_.size()) return;
  cairo_t* cr = gtk_print_context_get_cairo_context(context);
  // The context counts millimetres from the printable area's corner.
  cairo_scale(cr, 1.0 / PrintPage::kPixelsPerMm, 1.0 / PrintPage::kPixelsPerMm);
  cairo_set_source_surface(cr, printer->recorded_[static_cast<std::size_t>(page)], 0, 0);
  cairo_paint(cr);
}

unsigned short GwPrinterDC::width_resolution() const { return page_ ? page_->width_resolution() : 0; }
unsigned short GwPrinterDC::height_resolution() const {
  return page_ ? page_->height_resolution() : 0;
}

void GwPrinterDC::set_line_style(int code) {
  if (page_) page_->set_line_style(code);
}
void GwPrinterDC::set_foreground_color(const char* colour) {
  if (page_) page_->set_foreground_color(colour);
}
void GwPrinterDC::set_background_color(const char* colour) {
  if (page_) page_->set_background_color(colour);
}
void GwPrinterDC::set_background_mode(int mode) {
  if (page_) page_->set_background_mode(mode);
}
void GwPrinterDC::set_fill_style(int style) {
  if (page_) page_->set_fill_style(style);
}
void GwPrinterDC::set_orientation(int orientation) {
  if (page_) page_->set_orientation(orientation);
}
void GwPrinterDC::line(double x1, double y1, double x2, double y2) {
  if (page_) page_->line(x1, y1, x2, y2);
}
void GwPrinterDC::circle(double cx, double cy, double r) {
  if (page_) page_->circle(cx, cy, r);
}
void GwPrinterDC::arc(double cx, double cy, double rx, double ry, double startAngle,
                      double endAngle) {
  if (page_) page_->arc(cx, cy, rx, ry, startAngle, endAngle);
}
void GwPrinterDC::polygon(const DevicePoint* points, int count) {
  if (page_) page_->polygon(points, count);
}
void GwPrinterDC::dot(double x, double y, const char* colour) {
  if (page_) page_->dot(x, y, colour);
}
void GwPrinterDC::native_arc(double left, double top, double right, double bottom, double startX,
                             double startY, double endX, double endY) {
  if (page_) page_->native_arc(left, top, right, bottom, startX, startY, endX, endY);
}
void GwPrinterDC::text_out(double x, double y, const char* text, const TextStyle& style) {
  if (page_) page_->text_out(x, y, text, style);
}

std::unique_ptr<DeviceMetaFile> GwPrinterDC::open_metafile(const char* path) {
  if (!page_) return nullptr;
  auto file = std::make_unique<MetaFile>(path);
  if (!file->loaded() || file->size().width <= 0) return nullptr;
  if (!toFile_) {
    cairo_t* cr = recordingCairo_;
    return std::make_unique<PagePicture>(
        std::move(file), [cr](const MetaFile& picture, const DeviceRectangle& target) {
          picture.draw(cr, rectangleOf(target));
        });
  }
  PdfDeviceContext* page = pdfPage_.get();
  return std::make_unique<PagePicture>(
      std::move(file), [page](const MetaFile& picture, const DeviceRectangle& target) {
        const int width = target.width * kPictureDetail;
        const int height = target.height * kPictureDetail;
        if (width <= 0 || height <= 0 || width > 8192 || height > 8192) return;
        cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        cairo_t* cr = cairo_create(image);
        picture.draw(cr, {0, 0, width, height});
        cairo_destroy(cr);
        page->image(target, image);
        cairo_surface_destroy(image);
      });
}
