// The face the PDF device prints texts in, measured and outlined through Pango.
#pragma once

#include <string_view>
#include <vector>

// The printed face is bold "Arial" (its metric twin Liberation Sans Bold on this system),
// the face of the PDF's base fonts. Measures are per unit of font size.
namespace PrintedFace {

// A point of an outline in units of font size: x along the baseline from the text's start,
// y up from the baseline.
struct FacePoint {
  double x = 0.0;
  double y = 0.0;
};

// One step of an outline: move, line or curve to its last point, or close the figure.
struct OutlineStep {
  enum class Kind { Move, Line, Curve, Close };
  Kind kind = Kind::Move;
  // A curve has two control points before its end, a move and a line only their end.
  FacePoint points[3];
};

// The width of a UTF-8 text.
double width(std::string_view utf8);

// The outlines of a UTF-8 text's letters, upright or in the italic face, to be filled with
// the nonzero winding rule: for characters a base font lacks.
std::vector<OutlineStep> outline(std::string_view utf8, bool italic);

}  // namespace PrintedFace
