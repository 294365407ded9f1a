// The dash patterns of a drawing's linetypes, found by name while the drawing is drawn.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "dxf/LineWeight.h"
#include "entities/PatternText.h"

// Patterns in drawing units as the LTYPE table gives them: a dash is positive, a gap
// negative, a dot 0. `scale` is the drawing's linetype scale ($LTSCALE); an entity's own
// scale (group 48) multiplies it.
class LinePatterns {
 public:
  // Adds (or replaces) the pattern of a linetype; names compare without regard to case.
  void add(const char* name, std::vector<double> elements);
  // The pattern of the linetype, or null for a linetype without one (continuous lines,
  // names the table does not hold, patterns without a dash or gap length).
  const std::vector<double>* find(const char* name) const;
  // Adds (or replaces) the texts a linetype's pattern carries.
  void addTexts(const char* name, std::vector<PatternText> texts);
  // The texts of the linetype's pattern, or null when it carries none.
  const std::vector<PatternText>* texts(const char* name) const;
  // Those texts with their places, offsets and heights multiplied by `factor` (the
  // scales, and the device's pixels per unit); empty when the pattern carries none.
  std::vector<PatternText> scaledTexts(const char* name, double factor) const;

  double scale() const { return scale_; }
  void setScale(double scale) { scale_ = scale; }
  // The drawing's default line weight ($LWDEFAULT) in hundredths of a millimetre: lines
  // that weigh no more are drawn thin.
  std::int16_t defaultLineWeight() const { return defaultLineWeight_; }
  void setDefaultLineWeight(std::int16_t weight) { defaultLineWeight_ = weight; }

 private:
  std::unordered_map<std::string, std::vector<double>> byName_;
  std::unordered_map<std::string, std::vector<PatternText>> textsByName_;
  double scale_ = 1.0;
  std::int16_t defaultLineWeight_ = LineWeight::kStandardDefault;
};
