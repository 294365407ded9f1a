// The printer context on the GTK print dialog and GtkPrintOperation.
#include "toolkit/GwPrinterDC.h"

#include <cairo-pdf.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "toolkit/GwCore.h"
#include "toolkit/MetaFile.h"
#include "toolkit/paint/CairoDeviceContext.h"

namespace {

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

GwPrinterDC::GwPrinterDC() = default;

GwPrinterDC::~GwPrinterDC() {
  for (cairo_surface_t* page : recorded_) cairo_surface_destroy(page);
  if (recordingCairo_) cairo_destroy(recordingCairo_);
  keep(settings_, static_cast<GtkPrintSettings*>(nullptr));
  keep(pageSetup_, static_cast<GtkPageSetup*>(nullptr));
  keep(printer_, static_cast<GtkPrinter*>(nullptr));
}

int GwPrinterDC::dialog(GwCore* owner) {
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
  GtkPageSetup* proposal =
      lastPageSetup() ? gtk_page_setup_copy(lastPageSetup()) : gtk_page_setup_new();
  gtk_page_setup_set_orientation(proposal, proposed_ == PageOrientation::Landscape
                                               ? GTK_PAGE_ORIENTATION_LANDSCAPE
                                               : GTK_PAGE_ORIENTATION_PORTRAIT);
  gtk_print_unix_dialog_set_page_setup(print, proposal);
  g_object_unref(proposal);
  const gint response = gtk_dialog_run(GTK_DIALOG(dialog));
  if (response == GTK_RESPONSE_OK || response == GTK_RESPONSE_APPLY) {
    GtkPrintSettings* settings = gtk_print_unix_dialog_get_settings(print);
    keep(settings_, settings);
    g_object_unref(settings);
    keep(pageSetup_, gtk_print_unix_dialog_get_page_setup(print));
    keep(printer_, gtk_print_unix_dialog_get_selected_printer(print));
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
  return pageSetup_ ? devicePixels(gtk_page_setup_get_page_width(pageSetup_, GTK_UNIT_MM)) : 0;
}

int GwPrinterDC::pageHeight() const {
  return pageSetup_ ? devicePixels(gtk_page_setup_get_page_height(pageSetup_, GTK_UNIT_MM)) : 0;
}

int GwPrinterDC::start_job(const char* name) {
  if (choice_ == Choice::None || choice_ == Choice::Cancelled || jobRunning_) return 0;
  if (choice_ == Choice::Print && !printer_) {
    error_ = "No printer was chosen.";
    return 0;
  }
  jobName_ = name ? name : "";
  error_.clear();
  jobRunning_ = true;
  return 1;
}

int GwPrinterDC::start_page() {
  if (!jobRunning_ || page_) return 0;
  const cairo_rectangle_t extents{0.0, 0.0, double(pageWidth()), double(pageHeight())};
  cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
  recorded_.push_back(recording);
  recordingCairo_ = cairo_create(recording);
  cairoPage_ = std::make_unique<CairoDeviceContext>(recordingCairo_, pageWidth(), pageHeight());
  page_ = cairoPage_.get();
  return 1;
}

void GwPrinterDC::fit_window(double width, double height) {
  if (!page_) return;
  const DevicePoint offset = PrintPage::centring(pageWidth(), pageHeight(), width, height);
  cairoPage_->flush();  // what is collected was placed before the page moved
  cairo_translate(recordingCairo_, offset.x, offset.y);
}

int GwPrinterDC::end_page() {
  if (!page_) return 0;
  page_ = nullptr;
  cairoPage_.reset();
  cairo_destroy(recordingCairo_);
  recordingCairo_ = nullptr;
  return 1;
}

int GwPrinterDC::end_job() {
  if (!jobRunning_) return 0;
  if (page_) end_page();
  jobRunning_ = false;
  return (choice_ == Choice::Preview ? runPreview() : runJob()) ? 1 : 0;
}

void GwPrinterDC::paintPage(cairo_t* cr, std::size_t index) const {
  // `cr` shows the whole paper in points: the page goes inside the chosen margins.
  const double scale = PrintPage::kPointsPerMm / PrintPage::kPixelsPerMm;
  cairo_save(cr);
  cairo_translate(cr, gtk_page_setup_get_left_margin(pageSetup_, GTK_UNIT_POINTS),
                  gtk_page_setup_get_top_margin(pageSetup_, GTK_UNIT_POINTS));
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, recorded_[index], 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
}

void GwPrinterDC::orientJobPage(cairo_surface_t* surface, cairo_t* cr) const {
  if (cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_PDF) {
    // The paper's size as it is turned.
    cairo_pdf_surface_set_size(surface, gtk_page_setup_get_paper_width(pageSetup_, GTK_UNIT_POINTS),
                               gtk_page_setup_get_paper_height(pageSetup_, GTK_UNIT_POINTS));
    return;
  }
  // The paper stays upright: the page is turned on it, as GTK's print operation turns it.
  GtkPaperSize* paper = gtk_page_setup_get_paper_size(pageSetup_);
  const double width = gtk_paper_size_get_width(paper, GTK_UNIT_POINTS);
  const double height = gtk_paper_size_get_height(paper, GTK_UNIT_POINTS);
  constexpr double kQuarterTurn = G_PI / 2.0;
  switch (gtk_page_setup_get_orientation(pageSetup_)) {
    case GTK_PAGE_ORIENTATION_PORTRAIT: break;
    case GTK_PAGE_ORIENTATION_LANDSCAPE:
      cairo_translate(cr, 0.0, height);
      cairo_rotate(cr, -kQuarterTurn);
      break;
    case GTK_PAGE_ORIENTATION_REVERSE_PORTRAIT:
      cairo_translate(cr, width, height);
      cairo_rotate(cr, 2.0 * kQuarterTurn);
      break;
    case GTK_PAGE_ORIENTATION_REVERSE_LANDSCAPE:
      cairo_translate(cr, width, 0.0);
      cairo_rotate(cr, kQuarterTurn);
      break;
  }
}

namespace {

// The end of a sent job, awaited in a loop of its own.
struct JobWait {
  GMainLoop* loop = nullptr;
  bool done = false;
  std::string error;
};

void jobSent(GtkPrintJob* /*job*/, gpointer data, const GError* error) {
  auto* wait = static_cast<JobWait*>(data);
  if (error) wait->error = error->message;
  wait->done = true;
  if (g_main_loop_is_running(wait->loop)) g_main_loop_quit(wait->loop);
}

}  // namespace

bool GwPrinterDC::runJob() {
  GtkPrintJob* job = gtk_print_job_new(jobName_.c_str(), printer_, settings_, pageSetup_);
  GError* problem = nullptr;
  cairo_surface_t* surface = gtk_print_job_get_surface(job, &problem);
  if (!surface) {
    error_ = problem ? problem->message : "The printer cannot take the job.";
    if (problem) g_error_free(problem);
    g_object_unref(job);
    return false;
  }
  cairo_t* cr = cairo_create(surface);
  for (std::size_t page = 0; page < recorded_.size(); ++page) {
    cairo_save(cr);
    orientJobPage(surface, cr);
    paintPage(cr, page);
    cairo_restore(cr);
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  JobWait wait;
  wait.loop = g_main_loop_new(nullptr, FALSE);
  gtk_print_job_send(job, jobSent, &wait, nullptr);
  if (!wait.done) g_main_loop_run(wait.loop);
  g_main_loop_unref(wait.loop);
  g_object_unref(job);
  error_ = wait.error;
  return wait.error.empty();
}

bool GwPrinterDC::runPreview() {
  GtkPrintOperation* operation = gtk_print_operation_new();
  if (settings_) gtk_print_operation_set_print_settings(operation, settings_);
  gtk_print_operation_set_default_page_setup(operation, pageSetup_);
  gtk_print_operation_set_n_pages(operation, static_cast<gint>(recorded_.size()));
  gtk_print_operation_set_use_full_page(operation, TRUE);
  gtk_print_operation_set_unit(operation, GTK_UNIT_POINTS);
  if (!jobName_.empty()) gtk_print_operation_set_job_name(operation, jobName_.c_str());
  g_signal_connect(operation, "draw-page", G_CALLBACK(drawPage), this);
  GError* problem = nullptr;
  const GtkPrintOperationResult result =
      gtk_print_operation_run(operation, GTK_PRINT_OPERATION_ACTION_PREVIEW, owner_, &problem);
  bool shown = result != GTK_PRINT_OPERATION_RESULT_ERROR;
  if (problem) {
    error_ = problem->message;
    g_error_free(problem);
    shown = false;
  }
  g_object_unref(operation);
  return shown;
}

void GwPrinterDC::drawPage(GtkPrintOperation* /*operation*/, GtkPrintContext* context, gint page,
                           gpointer self) {
  auto* printer = static_cast<GwPrinterDC*>(self);
  if (page < 0 || static_cast<std::size_t>(page) >= printer->recorded_.size()) return;
  printer->paintPage(gtk_print_context_get_cairo_context(context), static_cast<std::size_t>(page));
}

std::unique_ptr<DeviceMetaFile> GwPrinterDC::open_metafile(const char* path) {
  if (!recordingCairo_) return nullptr;
  auto file = std::make_unique<MetaFile>(path);
  if (!file->loaded()) return nullptr;
  cairo_t* cr = recordingCairo_;
  CairoDeviceContext* page = cairoPage_.get();
  return std::make_unique<PagePicture>(
      std::move(file), [cr, page](const MetaFile& picture, const DeviceRectangle& target) {
        page->flush();  // the lines drawn before lie under the picture
        picture.draw(cr, rectangleOf(target));
      });
}
