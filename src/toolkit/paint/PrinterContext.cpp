// The printer context's job and page calls, and its PDF file.
#include "toolkit/paint/PrinterContext.h"

#include <cmath>
#include <cstdio>

#include "toolkit/paint/PaintHandle.h"
#include "toolkit/paint/PdfDeviceContext.h"
#include "toolkit/paint/PdfWriter.h"

namespace {

// Pictures go into a PDF file as images of this many pixels per device pixel.
constexpr int kPictureDetail = 3;
constexpr int kLargestPicture = 8192;

int devicePixels(double millimetres) {
  return static_cast<int>(std::floor(millimetres * PrintPage::kPixelsPerMm));
}

// A PNG picture painted as an image into the page of a PDF file.
class PdfPicture : public DeviceMetaFile {
 public:
  PdfPicture(CairoSurfacePtr png, PdfDeviceContext& page) : png_(std::move(png)), page_(page) {}
  double width() const override { return cairo_image_surface_get_width(png_.get()); }
  double height() const override { return cairo_image_surface_get_height(png_.get()); }
  void draw(const DeviceRectangle& target) override {
    const int width = target.width * kPictureDetail;
    const int height = target.height * kPictureDetail;
    if (width <= 0 || height <= 0 || width > kLargestPicture || height > kLargestPicture) return;
    const CairoSurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    {
      const CairoPtr cr(cairo_create(image.get()));
      cairo_scale(cr.get(), width / this->width(), height / this->height());
      cairo_set_source_surface(cr.get(), png_.get(), 0, 0);
      cairo_paint(cr.get());
    }
    page_.image(target, image.get());
  }

 private:
  CairoSurfacePtr png_;
  PdfDeviceContext& page_;
};

}  // namespace

PrinterContext::PrinterContext(std::filesystem::path pdfFile, PaperSize paper,
                               PageOrientation orientation)
    : pdfFile_(std::move(pdfFile)), paper_(PrintPage::paper(paper, orientation)) {}

PrinterContext::PrinterContext() = default;
PrinterContext::~PrinterContext() = default;

int PrinterContext::lock(int /*wait*/) { return 0; }

void PrinterContext::unlock() {}

int PrinterContext::dialog() { return 1; }

int PrinterContext::pageWidth() const {
  return devicePixels(paper_.width - 2 * PrintPage::kFileMarginMm);
}

int PrinterContext::pageHeight() const {
  return devicePixels(paper_.height - 2 * PrintPage::kFileMarginMm);
}

int PrinterContext::start_job(const char* /*name*/) {
  if (jobRunning_) return 0;
  error_.clear();
  pdf_ = std::make_unique<PdfWriter>(pdfFile_);
  if (!pdf_->open()) {
    error_ = "The file " + pdfFile_.string() + " cannot be created.";
    pdf_.reset();
    return 0;
  }
  jobRunning_ = true;
  return 1;
}

int PrinterContext::start_page() {
  if (!jobRunning_ || page_) return 0;
  pdf_->beginPage(paper_.width * PrintPage::kPointsPerMm, paper_.height * PrintPage::kPointsPerMm);
  // Device pixels, y downwards, from the printable area's upper left corner; drawing
  // stays inside that area.
  const double scale = PrintPage::kPointsPerMm / PrintPage::kPixelsPerMm;
  const double margin = PrintPage::kFileMarginMm * PrintPage::kPointsPerMm;
  char setup[160];
  std::snprintf(setup, sizeof setup, "%.4f 0 0 %.4f %.3f %.3f cm 0 0 %d %d re W n\n", scale, -scale,
                margin, paper_.height * PrintPage::kPointsPerMm - margin, pageWidth(),
                pageHeight());
  pdf_->content(setup);
  pdfPage_ = std::make_unique<PdfDeviceContext>(*pdf_, pageWidth(), pageHeight());
  page_ = pdfPage_.get();
  return 1;
}

void PrinterContext::fit_window(double width, double height) {
  if (!page_) return;
  const DevicePoint offset = PrintPage::centring(pageWidth(), pageHeight(), width, height);
  char move[80];
  std::snprintf(move, sizeof move, "1 0 0 1 %.3f %.3f cm\n", offset.x, offset.y);
  pdf_->content(move);
}

int PrinterContext::end_page() {
  if (!page_) return 0;
  page_ = nullptr;
  pdfPage_.reset();
  pdf_->endPage();
  return 1;
}

int PrinterContext::end_job() {
  if (!jobRunning_) return 0;
  if (page_) end_page();
  jobRunning_ = false;
  const bool written = pdf_->finish();
  pdf_.reset();
  if (!written) error_ = "The file " + pdfFile_.string() + " could not be written.";
  return written ? 1 : 0;
}

int PrinterContext::print_one_page(const char* jobName, double windowWidth, double windowHeight,
                                   const std::function<void(DeviceContext&)>& paint) {
  if (!start_job(jobName)) return 0;
  if (start_page()) {
    fit_window(windowWidth, windowHeight);
    if (paint) paint(*this);
    end_page();
  }
  return end_job();
}

std::unique_ptr<DeviceMetaFile> PrinterContext::open_metafile(const char* path) {
  if (!pdfPage_ || !path) return nullptr;
  CairoSurfacePtr png(cairo_image_surface_create_from_png(path));
  if (cairo_surface_status(png.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  return std::make_unique<PdfPicture>(std::move(png), *pdfPage_);
}

unsigned short PrinterContext::width_resolution() const {
  return page_ ? page_->width_resolution() : 0;
}
unsigned short PrinterContext::height_resolution() const {
  return page_ ? page_->height_resolution() : 0;
}
void PrinterContext::set_line_style(int code) {
  if (page_) page_->set_line_style(code);
}
void PrinterContext::set_dash_pattern(std::span<const double> pixels) {
  if (page_) page_->set_dash_pattern(pixels);
}
void PrinterContext::set_pattern_texts(std::span<const PatternText> pixels) {
  if (page_) page_->set_pattern_texts(pixels);
}
void PrinterContext::set_line_width(double pixels) {
  if (page_) page_->set_line_width(pixels);
}
double PrinterContext::lineWeightPixels(int weight, int drawingDefault) const {
  return LineWeight::paperPixels(weight, drawingDefault, PrintPage::kPixelsPerMm);
}
void PrinterContext::set_foreground_color(const char* colour) {
  if (page_) page_->set_foreground_color(colour);
}
void PrinterContext::set_background_color(const char* colour) {
  if (page_) page_->set_background_color(colour);
}
void PrinterContext::set_background_mode(int mode) {
  if (page_) page_->set_background_mode(mode);
}
void PrinterContext::set_fill_style(int style) {
  if (page_) page_->set_fill_style(style);
}
void PrinterContext::set_orientation(int orientation) {
  if (page_) page_->set_orientation(orientation);
}
void PrinterContext::line(double x1, double y1, double x2, double y2) {
  if (page_) page_->line(x1, y1, x2, y2);
}
void PrinterContext::polyline(const DevicePoint* points, int count) {
  if (page_) page_->polyline(points, count);
}
void PrinterContext::circle(double cx, double cy, double r) {
  if (page_) page_->circle(cx, cy, r);
}
void PrinterContext::arc(double cx, double cy, double rx, double ry, double startAngle,
                         double endAngle) {
  if (page_) page_->arc(cx, cy, rx, ry, startAngle, endAngle);
}
void PrinterContext::polygon(const DevicePoint* points, int count) {
  if (page_) page_->polygon(points, count);
}
void PrinterContext::dot(double x, double y, const char* colour) {
  if (page_) page_->dot(x, y, colour);
}
void PrinterContext::native_arc(double left, double top, double right, double bottom, double startX,
                                double startY, double endX, double endY) {
  if (page_) page_->native_arc(left, top, right, bottom, startX, startY, endX, endY);
}
void PrinterContext::text_out(double x, double y, const char* text, const TextStyle& style) {
  if (page_) page_->text_out(x, y, text, style);
}
