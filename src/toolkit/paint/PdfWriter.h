// A PDF file written as it is drawn: page content goes through zlib straight to the file.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// An image for a page: 8-bit RGB samples and an 8-bit alpha mask, row by row.
struct PdfImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
  std::vector<std::uint8_t> alpha;
};

// Writes pages of vector content in a bold sans-serif base font ("/F1", Windows-1252
// text), its italic ("/F2", as wide letter for letter) and images. Nothing but the
// current page's images and a small buffer stays in memory, so the size of a drawing
// costs file space, not memory. The file appears
// complete or not at all: it is written under a temporary name in the same folder and
// renamed when finish() succeeds; otherwise no file is left behind.
class PdfWriter {
 public:
  explicit PdfWriter(std::filesystem::path path);
  ~PdfWriter();
  PdfWriter(const PdfWriter&) = delete;
  PdfWriter& operator=(const PdfWriter&) = delete;

  // Creates the temporary file; false when the folder cannot take it.
  bool open();
  // A page of width x height points (1/72 inch), then its content operators.
  void beginPage(double widthPoints, double heightPoints);
  void content(std::string_view operators);
  // Keeps the image for the page and gives the name to paint it with ("/Im1 Do").
  std::string addImage(PdfImage image);
  void endPage();
  // Writes the remaining objects and renames the file into place; false when anything
  // could not be written (then no file is left).
  bool finish();

 private:
  int newObject();
  void beginObject(int number);
  void write(std::string_view bytes);
  void deflateBuffered(int flush);
  void writeImages();
  void discard();

  std::filesystem::path path_;
  std::filesystem::path temporary_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
  std::uint64_t written_ = 0;
  std::vector<std::uint64_t> offsets_;  // by object number - 1
  std::vector<int> pages_;
  // The page being written.
  bool inPage_ = false;
  int pageObject_ = 0;
  int contentLengthObject_ = 0;
  double pageWidth_ = 0.0;
  double pageHeight_ = 0.0;
  std::string buffer_;
  std::uint64_t contentBytes_ = 0;
  z_stream zlib_{};
  std::vector<PdfImage> images_;
};
