// The area that closed outlines enclose an odd number of times, cut into triangles.
#pragma once

#include <array>
#include <vector>

#include "entities/DrawingArea.h"

using Ring = std::vector<WorldPoint>;
using Triangle = std::array<WorldPoint, 3>;

// Fills by the even-odd rule: a point is inside when a ray from it crosses the rings an odd
// number of times, so an island inside an outline stays empty and an island inside that
// island is filled again. The region is swept in horizontal slabs between the rings'
// corner heights (and the heights where edges cross); each slab's pieces between the 1st
// and 2nd, 3rd and 4th ... edge are trapezoids, grown over the next slab while they keep
// both edges, and every trapezoid is handed out as one or two triangles. A ring is closed
// by joining its last point to its first.
//
// The work stays bounded: past kMaxCrossingSplits split slabs, crossing edges are no
// longer separated and their slab is filled as if they did not cross.
std::vector<Triangle> evenOddTriangles(const std::vector<Ring>& rings);

constexpr int kMaxCrossingSplits = 20000;

// The area of a triangle, positive whatever the order of its corners.
double triangleArea(const Triangle& triangle);

// For each ring, how many of the other rings hold its first point: 0 for an outline, 1 for
// an island in it, 2 for an island in that island.
std::vector<int> nestingDepths(const std::vector<Ring>& rings);
