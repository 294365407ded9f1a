// Picture files for buttons and frames: SVG through librsvg, other formats through GdkPixbuf.
#pragma once

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <string>

class GwPicture {
 public:
  // The file a picture name stands for: the path itself when it is a file, else the path
  // with ".svg" or ".png" appended; "" when none exists.
  static std::string find(const std::string& path);

  // Loads the picture so that its longer side is `size` pixels (its own size when size is
  // 0 or less). Returns a new reference, or null when the file cannot be read.
  static GdkPixbuf* load(const std::string& file, int size);
};
