// The text styles of a drawing (the STYLE table): what a text's style adds to its letters.
#include "document/TextStyles.h"

#include <cmath>
#include <ostream>
#include <strings.h>

#include "dxf/GroupLines.h"

namespace {

bool sameName(const std::string& a, const std::string& b) {
  return strcasecmp(a.c_str(), b.c_str()) == 0;
}

double finiteOr(double value, double fallback) { return std::isfinite(value) ? value : fallback; }

}  // namespace

int TextStyles::read(DxfLineReader& in, int endOfFile) {
  Style style;
  // The application whose extended data the current groups belong to (group 1001).
  std::string application;
  for (;;) {
    const int code = in.readGroupCode(GroupCodeVariant::Standard);
    if (in.eof()) return endOfFile;
    if (code == 0) break;
    const char* value = in.readLine();
    if (code == 1001) {
      application = value;
      continue;
    }
    if (!application.empty()) {
      if (application != "ACAD") continue;
      if (code == 1000 && style.fontFamily.empty()) style.fontFamily = value;
      if (code == 1071) {
        const long flags = std::strtol(value, nullptr, 10);
        style.italic = (flags & kItalicFont) != 0;
        style.bold = (flags & kBoldFont) != 0;
      }
      continue;
    }
    switch (code) {
      case 2: style.name = value; break;
      case 3: style.fontFile = value; break;
      case 41: style.widthFactor = finiteOr(parseReal(value), 1.0); break;
      case 50: style.obliqueDegrees = finiteOr(parseReal(value), 0.0); break;
      default: break;
    }
  }
  if (!style.name.empty()) add(std::move(style));
  return 0;
}

void TextStyles::add(Style style) {
  for (Style& kept : styles_) {
    if (sameName(kept.name, style.name)) {
      kept = std::move(style);
      return;
    }
  }
  styles_.push_back(std::move(style));
}

const TextStyles::Style* TextStyles::find(const std::string& name) const {
  for (const Style& style : styles_) {
    if (sameName(style.name, name)) return &style;
  }
  return nullptr;
}

void TextStyles::writeTable(std::ostream& out) const {
  out << "  0\nTABLE\n  2\nSTYLE\n 70\n" << styles_.size() << '\n';
  for (const Style& style : styles_) {
    out << "  0\nSTYLE\n  2\n"
        << style.name << "\n 70\n0\n 40\n0.0\n 41\n"
        << style.widthFactor << "\n 50\n"
        << style.obliqueDegrees << "\n 71\n0\n 42\n1.0\n  3\n"
        << style.fontFile << "\n  4\n\n";
    if (style.bold || style.italic || !style.fontFamily.empty()) {
      const long flags =
          (style.italic ? long{kItalicFont} : 0L) | (style.bold ? long{kBoldFont} : 0L);
      out << "1001\nACAD\n1000\n" << style.fontFamily << "\n1071\n" << flags << '\n';
    }
  }
  out << "  0\nENDTAB\n";
}
