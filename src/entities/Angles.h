// Angles inside the program are radians; a full turn is the one constant they share.
#pragma once

#include <numbers>

inline constexpr double kFullTurn = 2.0 * std::numbers::pi;
