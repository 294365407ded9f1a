// The dash patterns of a drawing's linetypes, found by name while the drawing is drawn.
#include "entities/LinePatterns.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

std::string upper(const char* name) {
  std::string key(name ? name : "");
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

}  // namespace

void LinePatterns::add(const char* name, std::vector<double> elements) {
  byName_[upper(name)] = std::move(elements);
}

void LinePatterns::addTexts(const char* name, std::vector<PatternText> texts) {
  if (texts.empty()) {
    textsByName_.erase(upper(name));
    return;
  }
  textsByName_[upper(name)] = std::move(texts);
}

const std::vector<PatternText>* LinePatterns::texts(const char* name) const {
  const auto found = textsByName_.find(upper(name));
  return found == textsByName_.end() ? nullptr : &found->second;
}

std::vector<PatternText> LinePatterns::scaledTexts(const char* name, double factor) const {
  std::vector<PatternText> scaled;
  if (const std::vector<PatternText>* carried = texts(name)) {
    for (PatternText text : *carried) {
      text.at *= factor;
      text.offsetX *= factor;
      text.offsetY *= factor;
      text.height *= factor;
      scaled.push_back(std::move(text));
    }
  }
  return scaled;
}

const std::vector<double>* LinePatterns::find(const char* name) const {
  const auto found = byName_.find(upper(name));
  if (found == byName_.end()) return nullptr;
  const std::vector<double>& pattern = found->second;
  const bool hasLength = std::any_of(pattern.begin(), pattern.end(),
                                     [](double e) { return e != 0.0 && std::isfinite(e); });
  return hasLength ? &pattern : nullptr;
}
