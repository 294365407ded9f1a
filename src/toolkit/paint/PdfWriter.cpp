// A PDF file written as it is drawn: page content goes through zlib straight to the file.
#include "toolkit/paint/PdfWriter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <string>
#include <utility>

#include "settings/ReplacingFile.h"

namespace {

constexpr int kCatalog = 1;
constexpr int kPageTree = 2;
constexpr int kFont = 3;
constexpr int kObliqueFont = 4;
constexpr std::size_t kFlushBytes = 1 << 16;

// With a decimal point whatever the locale: a comma would break the PDF syntax.
std::string number(double value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  return result.ec == std::errc() ? std::string(text, result.ptr) : std::string("0.00");
}

}  // namespace

PdfWriter::PdfWriter(std::filesystem::path path) : path_(std::move(path)) {}

PdfWriter::~PdfWriter() {
  if (inPage_) deflateEnd(&zlib_);
  discard();
}

bool PdfWriter::open() {
  std::string pattern = path_.string() + ".XXXXXX";
  const int descriptor = ::mkstemp(pattern.data());
  if (descriptor < 0) return false;
  temporary_ = pattern;
  file_ = ::fdopen(descriptor, "wb");
  if (!file_) {
    ::close(descriptor);
    discard();
    return false;
  }
  offsets_.assign(kObliqueFont, 0);
  write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
  for (const auto& [number, name] :
       {std::pair{kFont, "Helvetica-Bold"}, std::pair{kObliqueFont, "Helvetica-BoldOblique"}}) {
    beginObject(number);
    write(std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + name +
          " /Encoding /WinAnsiEncoding >>\nendobj\n");
  }
  return !failed_;
}

int PdfWriter::newObject() {
  offsets_.push_back(0);
  return static_cast<int>(offsets_.size());
}

void PdfWriter::beginObject(int number) {
  offsets_[static_cast<std::size_t>(number - 1)] = written_;
  write(std::to_string(number) + " 0 obj\n");
}

void PdfWriter::write(std::string_view bytes) {
  if (failed_ || !file_) {
    failed_ = true;
    return;
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
  written_ += bytes.size();
}

void PdfWriter::beginPage(double widthPoints, double heightPoints) {
  if (inPage_) endPage();
  pageWidth_ = widthPoints;
  pageHeight_ = heightPoints;
  pageObject_ = newObject();
  const int contents = newObject();
  contentLengthObject_ = newObject();
  pages_.push_back(pageObject_);
  beginObject(contents);
  write("<< /Length " + std::to_string(contentLengthObject_) +
        " 0 R /Filter /FlateDecode >>\nstream\n");
  zlib_ = z_stream{};
  // The fastest level: deflating costs more time than everything else otherwise, and
  // the content of line drawings packs almost as well.
  if (deflateInit(&zlib_, Z_BEST_SPEED) != Z_OK) failed_ = true;
  contentBytes_ = 0;
  buffer_.clear();
  inPage_ = true;
}

void PdfWriter::content(std::string_view operators) {
  if (!inPage_) return;
  buffer_.append(operators);
  if (buffer_.size() >= kFlushBytes) deflateBuffered(Z_NO_FLUSH);
}

void PdfWriter::deflateBuffered(int flush) {
  unsigned char out[1 << 15];
  zlib_.next_in = reinterpret_cast<Bytef*>(buffer_.data());
  zlib_.avail_in = static_cast<uInt>(buffer_.size());
  do {
    zlib_.next_out = out;
    zlib_.avail_out = sizeof out;
    if (deflate(&zlib_, flush) == Z_STREAM_ERROR) {
      failed_ = true;
      break;
    }
    const std::size_t produced = sizeof out - zlib_.avail_out;
    write(std::string_view(reinterpret_cast<const char*>(out), produced));
    contentBytes_ += produced;
  } while (zlib_.avail_out == 0);
  buffer_.clear();
}

std::string PdfWriter::addImage(PdfImage image) {
  images_.push_back(std::move(image));
  return "/Im" + std::to_string(images_.size());
}

void PdfWriter::endPage() {
  if (!inPage_) return;
  deflateBuffered(Z_FINISH);
  deflateEnd(&zlib_);
  inPage_ = false;
  write("\nendstream\nendobj\n");
  beginObject(contentLengthObject_);
  write(std::to_string(contentBytes_) + "\nendobj\n");
  std::string resources = "/Font << /F1 " + std::to_string(kFont) + " 0 R /F2 " +
                          std::to_string(kObliqueFont) + " 0 R >>";
  std::vector<int> imageObjects;
  for (std::size_t i = 0; i < images_.size(); ++i) imageObjects.push_back(newObject());
  if (!images_.empty()) {
    resources += " /XObject <<";
    for (std::size_t i = 0; i < images_.size(); ++i) {
      resources += " /Im" + std::to_string(i + 1) + " " + std::to_string(imageObjects[i]) + " 0 R";
    }
    resources += " >>";
  }
  for (std::size_t i = 0; i < images_.size(); ++i) {
    const PdfImage& image = images_[i];
    const int mask = newObject();
    const auto stream = [this](const std::vector<std::uint8_t>& samples, const std::string& head) {
      uLongf size = compressBound(static_cast<uLong>(samples.size()));
      std::string packed(size, '\0');
      if (compress(reinterpret_cast<Bytef*>(packed.data()), &size, samples.data(),
                   static_cast<uLong>(samples.size())) != Z_OK) {
        failed_ = true;
        size = 0;
      }
      write("<< " + head + " /Filter /FlateDecode /Length " + std::to_string(size) +
            " >>\nstream\n");
      write(std::string_view(packed.data(), size));
      write("\nendstream\nendobj\n");
    };
    const std::string size = "/Width " + std::to_string(image.width) + " /Height " +
                             std::to_string(image.height) + " /BitsPerComponent 8";
    beginObject(imageObjects[i]);
    stream(image.rgb, "/Type /XObject /Subtype /Image " + size + " /ColorSpace /DeviceRGB /SMask " +
                          std::to_string(mask) + " 0 R");
    beginObject(mask);
    stream(image.alpha, "/Type /XObject /Subtype /Image " + size + " /ColorSpace /DeviceGray");
  }
  images_.clear();
  beginObject(pageObject_);
  write("<< /Type /Page /Parent " + std::to_string(kPageTree) + " 0 R /MediaBox [0 0 " +
        number(pageWidth_) + " " + number(pageHeight_) + "] /Resources << " + resources +
        " >> /Contents " + std::to_string(pageObject_ + 1) + " 0 R >>\nendobj\n");
}

bool PdfWriter::finish() {
  if (!file_) return false;
  endPage();
  beginObject(kPageTree);
  std::string kids;
  for (int page : pages_) kids += std::to_string(page) + " 0 R ";
  write("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages_.size()) +
        " >>\nendobj\n");
  beginObject(kCatalog);
  write("<< /Type /Catalog /Pages " + std::to_string(kPageTree) + " 0 R >>\nendobj\n");
  const std::uint64_t xref = written_;
  write("xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n");
  for (std::uint64_t offset : offsets_) {
    char entry[24];
    std::snprintf(entry, sizeof entry, "%010llu 00000 n \n",
                  static_cast<unsigned long long>(offset));
    write(entry);
  }
  write("trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root " +
        std::to_string(kCatalog) + " 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n");
  const bool flushed = std::fflush(file_) == 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (failed_ || !flushed || !closed || ::chmod(temporary_.c_str(), newFileMode()) != 0) {
    discard();
    return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary_, path_, error);
  if (error) {
    discard();
    return false;
  }
  temporary_.clear();
  return true;
}

void PdfWriter::discard() {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temporary_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    temporary_.clear();
  }
}
