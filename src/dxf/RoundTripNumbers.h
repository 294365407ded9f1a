// Reals written so that the reader gets the very same value back.
#pragma once

#include <ios>
#include <locale>

// A locale whose reals, written with <<, read back as the same double through parseReal:
// in the stream's fixed notation and precision when that gives the value back exactly (so
// 1.5 stays "1.5000"), otherwise in the shortest form that does ("0.1234567", "1e+120").
// Every written real fits a line of the reader. A value that is not finite (NaN, infinity)
// cannot be written at all: it is written as 0 and marked on the stream (see below).
std::locale withRoundTripNumbers(const std::locale& base);

// True when a real that is not finite was written to `stream` since the mark was cleared.
bool sawNonFinite(std::ios_base& stream);
void clearNonFinite(std::ios_base& stream);
