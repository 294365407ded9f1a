// Cosine and sine of an angle in degrees, exact for whole quarter turns.
#pragma once

struct CosSin {
  double cos = 1.0;
  double sin = 0.0;
};

// Multiples of 90 degrees give exactly 0, 1 and -1, so that turning a drawing by quarter
// turns and back again restores its coordinates bit for bit (the standard views turn
// their documents on every step). Other angles use std::cos and std::sin.
CosSin cosSinOfDegrees(double degrees);
